#!/bin/sh
# Draws the statistics window's 32 x 32 icon: a dark panel with a grid and a rising green line.
set -e
cd "$(dirname "$0")"
convert -size 32x32 xc:none \
    -fill '#1d2b3a' -stroke '#0c141c' -draw "roundrectangle 1,3 30,28 3,3" \
    -stroke '#2f6f6f' -strokewidth 1 \
    -draw "line 4,10 27,10" -draw "line 4,16 27,16" -draw "line 4,22 27,22" \
    -draw "line 10,6 10,25" -draw "line 17,6 17,25" -draw "line 24,6 24,25" \
    -fill none -stroke '#36e05a' -strokewidth 2 \
    -draw "polyline 4,23 8,19 12,21 16,13 20,16 24,8 28,11" \
    -strip PNG32:frm_bandwidth_icon.png
