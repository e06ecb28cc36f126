#!/usr/bin/env bash
# Installs what is missing (as root) and builds the macOS-layout program into
# build/ unless it is there and current. Prints the folder to start it from.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
if [ "$(id -u)" -eq 0 ]; then
    "$top/tools/install-deps.sh" >&2
fi
if [ ! -f "$top/build/build.ninja" ]; then
    cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
fi
cmake --build "$top/build" --target CAMGUIDE camsim portalsim e2e_controls >&2
echo "$top/build"
