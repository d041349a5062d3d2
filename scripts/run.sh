#!/usr/bin/env bash
# Set-up, a Release build in build-release/, then start Kavrin with the given arguments.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build-release.sh"
exec "$root/build-release/bin/Kavrin" "$@"
