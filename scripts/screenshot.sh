#!/usr/bin/env bash
# Takes a picture of the window right after "Задача" and "Сметки", on a virtual X display.
# Usage: scripts/screenshot.sh [output.png [WIDTHxHEIGHT]]   (default: docs/screenshot.png)
# With a size, the window fills a screen of that size, as in full screen on a projector.
# Set QT_SCALE_FACTOR=2 to see the window on a high-density screen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
output=$(realpath -m "${1:-$root/docs/screenshot.png}")
screen=${2:-}

# shellcheck source=../tests/lib/helpers.sh
source "$root/tests/lib/helpers.sh"

if ! proporcia_on_virtual_display; then
    "$root/scripts/build-program.sh" xvfb xauth xdotool imagemagick
    mkdir -p "$(dirname "$output")"
    PROPORCIA_SCREEN_SIZE=${screen:-1280x1024} proporcia_restart_on_virtual_display "$0" "$output" "$screen"
fi

trap proporcia_stop EXIT
proporcia_start "$root/build-release/linux/app/qt/proporcia"
proporcia_make_problem
proporcia_solve
# Leave the pointer off the buttons, so neither shows as hovered.
xdotool mousemove --window "$PROPORCIA_WINDOW" 1 1
sleep 0.3
if [ -n "$screen" ]; then
    xdotool windowmove "$PROPORCIA_WINDOW" 0 0 windowsize "$PROPORCIA_WINDOW" "${screen%x*}" \
        "${screen#*x}"
    # The far corner stays black until the enlarged window is painted, which takes a while on a
    # busy machine.
    for _ in $(seq 50); do
        proporcia_screenshot "$output"
        corner=$(convert "$output" -format '%[hex:p{w-1,h-1}]' info:)
        [ "$corner" != 000000 ] && break
        sleep 0.2
    done
    sleep 0.3
fi
proporcia_screenshot "$output"
echo "Wrote $output"
