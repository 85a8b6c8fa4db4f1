#!/usr/bin/env bash
# Renders the program's icon (ui/icons/proporcia.xpm, the one drawn by hand) as the .ico the
# Windows build embeds as the program's file icon: the 32 × 32 original in 256 colours, 16 × 16
# and 48 × 48 for Explorer's smaller and larger views, and 256 × 256 (PNG-compressed) for its
# largest, each scaled by whole pixels so the drawing stays sharp. Run it after changing the XPM,
# and commit both files.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh imagemagick
drawing=ui/icons/proporcia.xpm
convert \( "$drawing" -sample 16x16 \) \( "$drawing" \) \( "$drawing" -sample 48x48 \) \
    \( "$drawing" -sample 256x256 \) -type PaletteAlpha -colors 256 ico:ui/icons/proporcia.ico
