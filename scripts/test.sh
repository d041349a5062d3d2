#!/usr/bin/env bash
# Set-up, a Debug build with sanitizers in build/, then every test via ctest.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
build="$root/build"
# As many jobs as there are cores, unless CMAKE_BUILD_PARALLEL_LEVEL says otherwise.
jobs="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKAVRIN_SANITIZE=ON
cmake --build "$build" -j "$jobs"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
cd "$build"
ctest --output-on-failure -j "$jobs" --timeout 600 "$@"
