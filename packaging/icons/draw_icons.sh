#!/bin/sh
# Draws the program's icon for the desktop's icon theme at 32 to 256 pixels: the mini window's
# 16 x 16 icon (assets/frm_right_icon.sh), its shapes scaled up. The 16-pixel icon is that one.
set -e
cd "$(dirname "$0")"
for size in 32 48 64 128 256; do
    # Scaled about pixel edges rather than pixel centres, so the panel fills the whole square.
    f=$(echo "scale=4; $size / 16" | bc)
    shift=$(echo "scale=4; $f / 2 - 0.5" | bc)
    convert -size "${size}x${size}" xc:none -draw "translate $shift,$shift scale $f,$f \
        fill '#1d5f9e' stroke '#0f3a63' stroke-width 1 roundrectangle 0,0 15,15 3,3 \
        stroke none fill '#5fe07a' polygon 2,8 7,8 4.5,12.5 rectangle 4,3 5,8 \
        fill '#ffb347' polygon 8,7 13,7 10.5,2.5 rectangle 10,7 11,12" \
        -strip PNG32:"quellan-$size.png"
done
cp ../../assets/frm_right_icon.png quellan-16.png
