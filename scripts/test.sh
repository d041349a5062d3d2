#!/usr/bin/env bash
# Set-up, a Debug build with sanitizers in build/, then every test via ctest.
# Under CI, then also the Release build of scripts/run.sh, warnings as errors.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
build="$root/build"
# As many jobs as there are cores, unless CMAKE_BUILD_PARALLEL_LEVEL says otherwise.
jobs="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
# Under CI (CI set and not "false") a new compiler warning fails the build;
# a developer's newer compiler only warns.
werror=OFF
if [ -n "${CI:-}" ] && [ "${CI}" != "false" ] && [ "${CI}" != "0" ]; then werror=ON; fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKAVRIN_SANITIZE=ON -DKAVRIN_WERROR="$werror"
cmake --build "$build" -j "$jobs"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
cd "$build"
ctest --output-on-failure -j "$jobs" --timeout 600 "$@"
# Most warnings GCC gives only when it optimises: under CI the program as
# scripts/run.sh builds it must build without one too (building is enough).
if [ "$werror" = ON ]; then
  KAVRIN_WERROR=ON "$root/scripts/build-release.sh"
fi
