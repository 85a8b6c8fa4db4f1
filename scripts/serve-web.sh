#!/usr/bin/env bash
# Builds the page as released (scripts/build-web.sh, into the folder CMakePresets.json names),
# then serves it to this computer only and prints its address. Stop it with Ctrl+C.
# Usage: scripts/serve-web.sh [port]   (default 8080)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/presets.sh
port=${1:-8080}

scripts/build-web.sh
scripts/install-packages.sh python3
echo "The program is at http://127.0.0.1:$port/ (Ctrl+C stops serving it)"
exec python3 -m http.server --bind 127.0.0.1 --directory "$(proporcia_page_folder)" "$port"
