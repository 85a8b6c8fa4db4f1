#!/usr/bin/env bash
# Takes a picture of the desktop program's window as it opens, on a virtual X display.
# Usage: desktop_window_at_start.sh <proporcia executable> <output.png>
set -euo pipefail
program=$1
output=$2
root=$(cd "$(dirname "$0")/../.." && pwd)

# shellcheck source=../lib/helpers.sh
source "$root/tests/lib/helpers.sh"
proporcia_on_virtual_display || proporcia_restart_on_virtual_display "$0" "$@"

trap proporcia_stop EXIT
proporcia_start "$program"
proporcia_screenshot "$output"
