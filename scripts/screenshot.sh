#!/usr/bin/env bash
# Takes a picture of the window right after "Задача" and "Сметки", on a virtual X display.
# Usage: scripts/screenshot.sh [output.png]   (default: docs/screenshot.png)
# Set QT_SCALE_FACTOR=2 to see the window on a high-density screen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
output=$(realpath -m "${1:-$root/docs/screenshot.png}")

# shellcheck source=lib/x11-session.sh
source "$root/scripts/lib/x11-session.sh"

if ! proporcia_on_virtual_display; then
    "$root/scripts/build-program.sh" xvfb xauth xdotool imagemagick
    mkdir -p "$(dirname "$output")"
    proporcia_restart_on_virtual_display "$0" "$output"
fi

trap proporcia_stop EXIT
proporcia_start "$root/build/app/qt/proporcia"
proporcia_make_problem
proporcia_solve
# Leave the pointer off the buttons, so neither shows as hovered.
xdotool mousemove --window "$PROPORCIA_WINDOW" 1 1
sleep 0.3
proporcia_screenshot "$output"
echo "Wrote $output"
