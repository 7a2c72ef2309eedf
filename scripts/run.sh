#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on its default device.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/deps.sh"
"$top/scripts/build.sh"
echo "Built into ${KRS_BUILD_DIR:-$top/build}. The main window is not there yet; nothing to start."
