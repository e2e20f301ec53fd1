"""Make sure Pillow is importable; another python3 early on PATH (pyenv, a venv) may lack it,
so fall back to Debian's interpreter, which has python3-pil."""
import os
import sys

SYSTEM_PYTHON = "/usr/bin/python3"

try:
    import PIL  # noqa: F401
except ModuleNotFoundError:
    if os.path.realpath(sys.executable) != os.path.realpath(SYSTEM_PYTHON) and os.path.exists(SYSTEM_PYTHON):
        os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON, *sys.argv])
    raise SystemExit("Pillow is missing: apt-get install python3-pil")
