#!/usr/bin/env bash
# Renders the program's icon (ui/icons/proporcia.xpm, the one drawn by hand) as the PNG files the
# desktop menus show: the 32 × 32 original and a 256 × 256 copy for large, high-density menus,
# each pixel widened to an 8 × 8 block so the drawing stays sharp. Run it after changing the XPM,
# and commit the files.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh imagemagick
for size in 32 256; do
    # No time stamps, so that rendering the same drawing again gives the same bytes.
    convert ui/icons/proporcia.xpm -sample "${size}x${size}" -strip \
        -define png:exclude-chunks=date,time "PNG32:ui/icons/proporcia-$size.png"
done
