#!/usr/bin/env bash
# Set-up, a Release build in build-release/, then start Kavrin with the given arguments.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
build="$root/build-release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKAVRIN_TESTS=OFF -DKAVRIN_BENCH=OFF
# As many jobs as there are cores, unless CMAKE_BUILD_PARALLEL_LEVEL says otherwise.
cmake --build "$build" -j "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
exec "$build/bin/Kavrin" "$@"
