#!/usr/bin/env bash
# Takes a picture of the Windows window under Wine right after "Задача" and "Сметки", in
# Bulgarian, on a virtual X display: one cycle of the end-to-end test, which keeps its picture.
# Usage: scripts/screenshot-windows.sh [output.png] [dots per inch]
#        (default: docs/screenshot-windows.png at 96, that is 100 %; 192 is 200 %)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
output=$(realpath -m "${1:-$root/docs/screenshot-windows.png}")
dpi=${2:-96}

# The tests' build, whose Wine prefix the end-to-end test sets up.
"$root/scripts/build-windows.sh" --tests
product=$(sed -n 's/^set(PROPORCIA_PRODUCT_NAME "\(.*\)")$/\1/p' "$root/CMakeLists.txt")
mkdir -p "$(dirname "$output")"
WINDOWS_SCREENSHOT=$output "$root/tests/win32/click_through_wine.sh" \
    "$root/build-windows/wine-prefix" "$root/build-windows/app/win32/proporcia.exe" \
    bg_BG.UTF-8 "$dpi" "$root/docs/screenshot.png" "$product" 1
echo "Wrote $output"
