#!/usr/bin/env bash
# Renders the program's icon (ui/icons/proporcia.xpm, the one drawn by hand) as the 256-colour
# .ico the Windows build embeds. Run it after changing the XPM, and commit both files.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh imagemagick
convert ui/icons/proporcia.xpm -type PaletteAlpha -colors 256 ico:ui/icons/proporcia.ico
