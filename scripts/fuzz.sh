#!/usr/bin/env bash
# Fuzzes every reader of untrusted bytes with libFuzzer (clang), each target
# for the given number of seconds (default 60), at most N at a time
# (default 3), starting from its seeds in fuzz/corpus/<name>/.
#
#   scripts/fuzz.sh [seconds-per-target] [parallel-targets] [target-name...]
#
# New inputs libFuzzer finds go to build-fuzz/runs/<name>/corpus (the seed
# folder is only read); a finding is kept as build-fuzz/runs/<name>/crash-*
# etc. Copy a reproducer into fuzz/corpus/<name>/ once it is mended, and the
# ordinary test run (scripts/test.sh) keeps replaying it. Exit status 1 when
# any target found something.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
parallel="${2:-3}"
shift $(( $# > 2 ? 2 : $# ))
"$root/scripts/setup.sh" --fuzz
build="$root/build-fuzz"
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKAVRIN_FUZZ=ON -DKAVRIN_TESTS=OFF -DKAVRIN_BENCH=OFF -DKAVRIN_WITH_QT=OFF >/dev/null
cmake --build "$build" -j "$parallel" -t fuzz_all
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for d in "$root"/fuzz/corpus/*/; do targets+=("$(basename "$d")"); done
fi
runs="$build/runs"
mkdir -p "$runs"

run_one() {
  local name="$1" dir="$runs/$1"
  rm -rf "$dir"
  mkdir -p "$dir/corpus"
  ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    "$build/bin/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$dir/" "$dir/corpus" "$root/fuzz/corpus/$name" >"$dir/log" 2>&1 || true
  local execs
  execs="$(grep -m1 'stat::number_of_executed_units' "$dir/log" | awk '{print $2}')"
  if [ -n "$(find "$dir" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) -print -quit)" ]; then
    echo "$name: FINDING after ${execs:-?} executions (see $dir)"
  else
    echo "$name: ${execs:-?} executions, no finding"
  fi
}
export -f run_one
export build runs root seconds

printf '%s\n' "${targets[@]}" | xargs -P "$parallel" -I{} bash -c 'run_one "$@"' _ {} | tee "$runs/summary.txt"
! grep -q FINDING "$runs/summary.txt"
