#!/usr/bin/env bash
# Builds if needed and starts CAMGUIDE from its folder on the current
# desktop. The program broadcasts on the local network: start it only on the
# network of the camera you are setting up.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
folder=$("$top/tools/build.sh")
cd "$folder"
exec ./CAMGUIDE.app/Contents/MacOS/CAMGUIDE "$@"
