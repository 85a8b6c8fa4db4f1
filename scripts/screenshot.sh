#!/usr/bin/env bash
# Takes a picture of the window right after "Задача" and "Сметки", on a virtual X display.
# Usage: scripts/screenshot.sh [output.png]   (default: docs/screenshot.png)
# Set QT_SCALE_FACTOR=2 to see the window on a high-density screen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
output=$(realpath -m "${1:-$root/docs/screenshot.png}")

if [ -z "${PROPORCIA_INSIDE_XVFB:-}" ]; then
    "$root/scripts/install-packages.sh" cmake make g++ qt6-base-dev qt6-translations-l10n \
        fonts-liberation2 xvfb xauth xdotool imagemagick
    if [ ! -f "$root/build/CMakeCache.txt" ]; then
        cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
    fi
    cmake --build "$root/build" --parallel "$(nproc)" --target proporcia
    mkdir -p "$(dirname "$output")"
    PROPORCIA_INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$output"
fi

# shellcheck source=lib/x11-session.sh
source "$root/scripts/lib/x11-session.sh"
trap proporcia_stop EXIT
proporcia_start "$root/build/app/proporcia"
proporcia_make_problem
proporcia_solve
# Leave the pointer off the buttons, so neither shows as hovered.
xdotool mousemove --window "$PROPORCIA_WINDOW" 1 1
sleep 0.3
proporcia_screenshot "$output"
echo "Wrote $output"
