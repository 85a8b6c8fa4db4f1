#!/usr/bin/env bash
# Serves the page in build-web/page/ to this computer only, building it first if need be, and
# prints its address. Stop it with Ctrl+C.
# Usage: scripts/serve-web.sh [port]   (default 8080)
set -euo pipefail
cd "$(dirname "$0")/.."
port=${1:-8080}

if [ ! -f build-web/page/index.html ]; then
    scripts/build-web.sh
fi
scripts/install-packages.sh python3
echo "The program is at http://127.0.0.1:$port/ (Ctrl+C stops serving it)"
exec python3 -m http.server --bind 127.0.0.1 --directory build-web/page "$port"
