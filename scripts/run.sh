#!/usr/bin/env bash
# Set-up, a Release build in build-release/, then start Kavrin with the given arguments.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
build="$root/build-release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKAVRIN_TESTS=OFF -DKAVRIN_BENCH=OFF
cmake --build "$build" -j "$(nproc)"
exec "$build/bin/Kavrin" "$@"
