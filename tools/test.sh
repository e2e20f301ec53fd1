#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in the
# normal build and with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
"$root/tools/install-deps.sh"

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

for kind in normal sanitize; do
  build="$root/build"
  flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
  if [ "$kind" = sanitize ]; then
    build="$root/build-asan"
    flags=(-DCMAKE_BUILD_TYPE=Debug -DRPG_SANITIZE=ON)
  fi
  echo "== $kind build"
  cmake -S "$root" -B "$build" "${flags[@]}" >/dev/null
  cmake --build "$build" -j"$jobs"
  (cd "$build" && ctest --output-on-failure -j"$jobs")
done

# A short run of every fuzz target (clang, libFuzzer, ASan and UBSan);
# RPG_FUZZ_SECONDS=0 leaves it out.
if [ "${RPG_FUZZ_SECONDS:-5}" != 0 ]; then
  echo "== fuzz targets"
  "$root/tools/fuzz.sh" "${RPG_FUZZ_SECONDS:-5}"
fi
