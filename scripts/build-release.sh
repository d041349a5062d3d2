#!/usr/bin/env bash
# The Release build of the program in build-release/: what scripts/run.sh starts.
# The caller has run scripts/setup.sh. KAVRIN_WERROR=ON makes a compiler warning an
# error (scripts/test.sh sets it under CI, after the tests).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKAVRIN_TESTS=OFF -DKAVRIN_BENCH=OFF \
  -DKAVRIN_WERROR="${KAVRIN_WERROR:-OFF}"
# As many jobs as there are cores, unless CMAKE_BUILD_PARALLEL_LEVEL says otherwise.
cmake --build "$build" -j "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
