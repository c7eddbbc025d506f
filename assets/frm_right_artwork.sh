#!/bin/sh
# Draws the mini window's artwork: its 148 x 140 background (a light panel with a title band,
# so black captions stay readable) and its 16 x 16 icon (an arrow down and an arrow up).
set -e
cd "$(dirname "$0")"
convert -size 148x140 gradient:'#f4f8fc-#dbe7f3' \
    -fill '#c3d8ee' -stroke none -draw "rectangle 0,0 147,23" \
    -stroke '#7d9cbf' -draw "line 0,24 147,24" \
    -fill none -stroke '#4f739c' -draw "rectangle 0,0 147,139" \
    -stroke '#e9f1f9' -draw "line 1,138 146,138" \
    -strip PNG24:frm_right_background.png
convert -size 16x16 xc:none \
    -fill '#1d5f9e' -stroke '#0f3a63' -draw "roundrectangle 0,0 15,15 3,3" \
    -stroke none -fill '#5fe07a' -draw "polygon 2,8 7,8 4.5,12.5" -draw "rectangle 4,3 5,8" \
    -fill '#ffb347' -draw "polygon 8,7 13,7 10.5,2.5" -draw "rectangle 10,7 11,12" \
    -strip PNG32:frm_right_icon.png
