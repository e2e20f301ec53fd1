#!/usr/bin/env bash
# Measures how hard the real game works and how fast its world runs, under
# each SDL 1.2 library at hand: the system's, and sdl12-compat unpacked from
# Debian's package when the system's is the classic one. Not a test: it prints
# figures. The game runs in Xvfb on a copy of data/.
#
#   tools/measure-pace.sh [GAME_BINARY]    default: build-release/rpg, else build/rpg
#
# Prints, per library: the share of one core the game uses at the title
# screen, standing in the village and walking; world ticks per second
# standing and walking; screen updates (flips) per second in each.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
game="${1:-}"
if [ -z "$game" ]; then
  for b in "$root/build-release/rpg" "$root/build/rpg"; do [ -x "$b" ] && { game="$b"; break; }; done
fi
[ -x "$game" ] && game="$(realpath "$game")" || { echo "no game binary; build first (tools/play.sh or tools/test.sh)" >&2; exit 1; }
seconds="${RPG_MEASURE_SECONDS:-6}"
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

cc -shared -fPIC -O2 -o "$work/probe.so" "$root/tools/measure/pace_probe.c" $(pkg-config --cflags sdl) -ldl

# The libraries to try: the system's, and sdl12-compat beside it if the
# system's is the classic one.
system_sdl="$(ldd "$game" | awk '/libSDL-1.2/ {print $3}')"
libs=("system:")
if ! strings "$system_sdl" | grep -q SDL12COMPAT; then
  libs=("classic:")
  compat="${RPG_COMPAT_DIR:-$HOME/.cache/rpg-measure/sdl12-compat}"
  if [ ! -e "$compat/usr/lib/x86_64-linux-gnu/sdl12-compat/libSDL-1.2.so.0" ] && command -v apt-get >/dev/null; then
    mkdir -p "$compat"
    (cd "$work" && apt-get download libsdl1.2-compat >/dev/null 2>&1 && dpkg -x libsdl1.2-compat_*.deb "$compat") || true
  fi
  dir="$(dirname "$(find "$compat" -name 'libSDL-1.2.so.0' 2>/dev/null | head -1)")"
  if [ -e "$dir/libSDL-1.2.so.0" ] && ldconfig -p | grep -q libSDL2-2.0.so.0; then
    libs+=("sdl12-compat:$dir")
  else
    echo "(sdl12-compat not measured: needs 'apt-get download libsdl1.2-compat' and libsdl2-2.0-0)" >&2
  fi
fi

read_fd=3
# -noreset: a server left without clients resets and refuses connections
# meanwhile, and SDL 1.2 connects twice in a row at start-up.
exec 3< <(Xvfb -displayfd 1 -noreset -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
read -r -u $read_fd number
export DISPLAY=":$number"
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
probe() { od -An -t u8 -N24 "$work/counts" | awk '{print $1, $2, $3}'; }
now_ms() { date +%s%3N; }

# One window of measuring: prints "cpu% ticks/s updates/s". While it runs,
# "$@" (if any) drives the game. A tick is a drawn world buffer where every
# tick is drawn, a pass's sleep where every tick sleeps: whichever is more.
measure() {
  local pid=$1; shift
  local c0 t0 p0 c1 t1 p1
  c0=$(cpu_ticks "$pid"); t0=$(now_ms); p0=$(probe)
  if [ $# -gt 0 ]; then "$@"; else sleep "$seconds"; fi
  c1=$(cpu_ticks "$pid"); t1=$(now_ms); p1=$(probe)
  awk -v c="$((c1 - c0))" -v hz="$(getconf CLK_TCK)" -v ms="$((t1 - t0))" -v a="$p0" -v b="$p1" 'BEGIN {
    split(a, x, " "); split(b, y, " "); s = ms / 1000
    drawn = y[1] - x[1]; slept = y[3] - x[3]; ticks = drawn > slept ? drawn : slept
    printf "%5.1f%% %6.0f %6.0f", 100 * c / hz / s, ticks / s, (y[2] - x[2]) / s }'
}

# Back and forth on the village road east of the start, the key held as a
# player holds it.
walk() {
  local end=$((SECONDS + seconds))
  while [ $SECONDS -lt $end ]; do
    xdotool keydown Right; sleep 1.1; xdotool keyup Right
    xdotool keydown Left; sleep 1.1; xdotool keyup Left
  done
}

printf '%-13s %-24s %-24s %-24s\n' "" "title screen" "standing in the village" "walking"
printf '%-13s %-24s %-24s %-24s\n' "library" "cpu ticks/s updates/s" "cpu ticks/s updates/s" "cpu ticks/s updates/s"
for entry in "${libs[@]}"; do
  name="${entry%%:*}"; libdir="${entry#*:}"
  rm -rf "$work/world"; mkdir -p "$work/world"; cp -r "$root/data" "$work/world/data"
  : >"$work/counts"
  (cd "$work/world" && LD_LIBRARY_PATH="$libdir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" \
     LD_PRELOAD="$work/probe.so" RPG_PROBE_FILE="$work/counts" exec "$game" >"$work/game.out" 2>&1) &
  pid=$!
  window=""
  for _ in $(seq 100); do
    window="$(xdotool search --onlyvisible --name '^RPG$' 2>/dev/null | head -1)" && [ -n "$window" ] && break
    sleep 0.2
  done
  [ -n "$window" ] || { echo "$name: no window; the game said: $(grep -v ALSA "$work/game.out" | head -3)" >&2; kill "$pid" 2>/dev/null; continue; }
  xdotool mousemove --window "$window" 5 5 windowfocus --sync "$window"
  sleep 2
  title=$(measure "$pid" | awk '{printf "%s %6s %6s", $1, "-", $3}')
  xdotool mousemove --window "$window" 400 349 click 1
  sleep 3
  standing=$(measure "$pid")
  # Face right first, so the first key held walks.
  xdotool key Right; sleep 0.5
  walking=$(measure "$pid" walk)
  printf '%-13s %-24s %-24s %-24s\n' "$name" "$title" "$standing" "$walking"
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
done
