#!/usr/bin/env bash
# Installs what is missing, builds the program as released in build-release/linux/ and opens
# its window.
set -euo pipefail
cd "$(dirname "$0")"

scripts/build-program.sh qt6-wayland  # a native window in a Wayland session

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'MESSAGE'
The program is built (build-release/linux/app/qt/proporcia), but it needs a graphical session
to show its window, and there is none here: DISPLAY and WAYLAND_DISPLAY are both unset.

To try it without a screen, this runs it under xvfb-run (a virtual X display, installed if
missing), clicks "Задача" and "Сметки", and saves a picture of the window:
    scripts/screenshot.sh window.png
MESSAGE
    exit 1
fi

exec build-release/linux/app/qt/proporcia
