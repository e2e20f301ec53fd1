#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan and UBSan) in build-fuzz/
# and runs each for a given time, or for a given number of inputs:
#   tools/fuzz.sh [seconds | -runs=N] [target ...]
# New inputs go to build-fuzz/corpus/<target>, anything found to
# build-fuzz/findings/<target>-*; the seeds in fuzz/corpus/ stay as they are.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${RPG_FUZZ_BUILD:-$root/build-fuzz}"
limit="-max_total_time=${1:-60}"
case "${1:-}" in -runs=*) limit="$1" ;; esac
shift || true

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DRPG_FUZZ=ON -DRPG_TESTS=OFF -DRPG_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target rpg_fuzz >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for seeds in "$root"/fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
fi

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$build/findings"
failed=0
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target"
  log="$build/findings/$target.log"
  # Standard output is closed: the game logs every file it misses there.
  if "$build/fuzz_$target" "$limit" -timeout=10 -rss_limit_mb=2048 -close_fd_mask=1 -print_final_stats=1 \
      -artifact_prefix="$build/findings/$target-" "$build/corpus/$target" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    echo "$target: $(grep -a -o "number_of_executed_units: [0-9]*" "$log" | tail -1 | grep -o '[0-9]*$') inputs, clean"
  else
    echo "$target: FAILED, see $log"
    grep -a -m3 -E 'ERROR|SUMMARY|fuzz case failed' "$log" || true
    failed=1
  fi
done
exit $failed
