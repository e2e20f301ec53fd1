#!/usr/bin/env bash
# Runs README's test command (tools/test.sh) inside a fresh Debian 13 root,
# the system whose SDL 1.2 is sdl12-compat over SDL2, as a new contributor
# there would: a clean clone of the commit under test, every package installed
# by the project's own scripts.
#
# Needs root. The bare root (debootstrap of trixie) is kept under the cache
# folder and reused; each run works in a new copy of it, so nothing installed
# by an earlier run is there. Downloaded packages are kept beside it to spare
# the mirror, which changes nothing about what gets installed.
#
#   tools/test-debian13.sh [COMMIT]        default: HEAD of this checkout
#
# RPG_DEBIAN13_CACHE   cache folder (default /var/cache/rpg-debian13)
# RPG_DEBIAN_MIRROR    Debian mirror (default http://deb.debian.org/debian)
# Any other RPG_* variable (RPG_FUZZ_SECONDS, RPG_BUILDS) is passed inside.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
commit="$(git -C "$root" rev-parse "${1:-HEAD}")"
cache="${RPG_DEBIAN13_CACHE:-/var/cache/rpg-debian13}"
mirror="${RPG_DEBIAN_MIRROR:-http://deb.debian.org/debian}"

# debootstrap, chroot and the mounts need root.
if [ "$(id -u)" -ne 0 ]; then exec sudo --preserve-env "$0" "$@"; fi
if ! command -v debootstrap >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q debootstrap
fi
mkdir -p "$cache/archives"

# The bare root, built once. Built aside and renamed, so a cut-off build is
# never taken for a finished one.
if [ ! -e "$cache/base/etc/debian_version" ]; then
  echo "== debootstrap trixie into $cache/base"
  rm -rf "$cache/base.new"
  debootstrap --variant=minbase --cache-dir="$cache/archives" trixie "$cache/base.new" "$mirror" \
    >"$cache/debootstrap.log" 2>&1 || { tail -20 "$cache/debootstrap.log"; exit 1; }
  echo "deb $mirror trixie main" >"$cache/base.new/etc/apt/sources.list"
  rm -rf "$cache/base"
  mv "$cache/base.new" "$cache/base"
fi

# A fresh copy for this run; the last run's copy stays until now for a look.
run="$cache/run"
rm -rf "$run"
cp -a "$cache/base" "$run"
cp /etc/resolv.conf "$run/etc/resolv.conf"
git clone --quiet --no-hardlinks "$root" "$run/src/rpg"
git -C "$run/src/rpg" checkout --quiet --detach "$commit"
echo "== Debian $(cat "$run/etc/debian_version") root, commit $(git -C "$run/src/rpg" log -1 --format='%h %s')"

pass=()
for v in $(compgen -e | grep '^RPG_' | grep -v -e '^RPG_DEBIAN13_CACHE$' -e '^RPG_DEBIAN_MIRROR$' || true); do
  pass+=("$v=${!v}")
done
[ -n "${CI:-}" ] && pass+=("CI=$CI")

# A private mount and process namespace: the mounts go, and every process
# started inside (an X server a test left behind, say) dies with the run.
exec unshare --mount --pid --fork --propagation private bash -euo pipefail -c '
  run="$1"; archives="$2"; shift 2
  mount -t proc proc "$run/proc"
  mount --rbind /dev "$run/dev"
  mount -t tmpfs -o mode=1777 shm "$run/dev/shm"
  mount --rbind /sys "$run/sys"
  mount --bind "$archives" "$run/var/cache/apt/archives"
  exec chroot "$run" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@" \
    bash -c "cd /src/rpg && ./tools/test.sh"
' bash "$run" "$cache/archives" "${pass[@]}"
