#!/bin/sh
# Draws the tray menu window's artwork:
#   frm_menu_background.png  350 x 330: the title at the top left (the notice button sits at the
#                            top right), a light panel under the buttons and pictures, and a dark
#                            strip at the bottom for the white credit line;
#   frm_menu_statistics.png  50 x 50: a line graph on a screen (beside "查看详细信息");
#   frm_menu_corner.png      50 x 50: a small window in the corner of a screen (beside the mini
#                            window's button);
#   frm_menu_tariff.png      50 x 50: a coin on a bar (above the tariff button);
#   frm_menu_banner.png      200 x 80: the banner that opens the home page;
#   frm_menu_icon.png        32 x 32: the window's and the tray's icon, arrows down and up.
set -e
cd "$(dirname "$0")"
cjk=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
latin=/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf

convert -size 350x330 gradient:'#f6f9fc-#d9e6f3' \
    -fill '#1f4e79' -stroke none -draw "rectangle 0,0 349,33" \
    -fill '#2e6da4' -draw "rectangle 0,31 349,33" \
    -fill '#ffffff' -font "$latin" -pointsize 17 -annotate +10+23 'Quellan' \
    -font "$cjk" -pointsize 12 -annotate +86+22 '流量监视' \
    -fill '#edf3f9' -stroke '#b8cde3' -draw "roundrectangle 6,38 343,226 6,6" \
    -stroke none -fill '#1f4e79' -draw "rectangle 0,312 349,329" \
    -fill none -stroke '#16395a' -draw "rectangle 0,0 349,329" \
    -strip PNG24:frm_menu_background.png

convert -size 50x50 xc:none \
    -fill '#1f4e79' -stroke '#16395a' -draw "roundrectangle 2,5 47,38 4,4" \
    -fill '#0c2238' -stroke none -draw "rectangle 6,9 43,34" \
    -fill none -stroke '#5fe07a' -strokewidth 2 -draw "polyline 8,30 15,24 21,27 28,16 35,20 42,12" \
    -stroke '#2e6da4' -strokewidth 1 -draw "line 6,21 43,21" \
    -fill '#7d9cbf' -stroke '#4f739c' -draw "rectangle 20,39 29,43" -draw "rectangle 13,44 36,46" \
    -strip PNG32:frm_menu_statistics.png

convert -size 50x50 xc:none \
    -fill '#dbe7f3' -stroke '#4f739c' -strokewidth 2 -draw "roundrectangle 3,6 46,40 4,4" \
    -fill '#1f4e79' -stroke none -draw "rectangle 5,8 44,13" \
    -fill '#f28c28' -stroke '#a85400' -strokewidth 1 -draw "rectangle 27,24 43,37" \
    -fill '#ffffff' -stroke none -draw "rectangle 29,28 41,29" -draw "rectangle 29,32 38,33" \
    -fill '#7d9cbf' -stroke '#4f739c' -draw "rectangle 20,41 29,44" -draw "rectangle 13,45 36,47" \
    -strip PNG32:frm_menu_corner.png

convert -size 50x50 xc:none \
    -fill '#3c8d2f' -stroke '#22571a' -draw "rectangle 28,26 34,46" \
    -draw "rectangle 37,16 43,46" -draw "rectangle 19,34 25,46" \
    -fill '#f3c13a' -stroke '#a5790c' -strokewidth 2 -draw "circle 15,15 15,3" \
    -fill none -stroke '#a5790c' -strokewidth 1.5 -draw "line 10,13 20,13" -draw "line 10,18 20,18" \
    -draw "line 15,13 15,25" -draw "line 10,7 15,13" -draw "line 20,7 15,13" \
    -strip PNG32:frm_menu_tariff.png

convert -size 200x80 gradient:'#2e6da4-#1f4e79' \
    -fill '#3f86c6' -stroke none -draw "circle 166,40 166,11" \
    -fill none -stroke '#dbe9f7' -strokewidth 1.5 -draw "circle 166,40 166,16" \
    -draw "ellipse 166,40 10,24 0,360" -draw "line 142,40 190,40" \
    -draw "line 146,27 186,27" -draw "line 146,53 186,53" \
    -fill '#ffffff' -stroke none -font "$latin" -pointsize 20 -annotate +12+32 'Quellan' \
    -font "$cjk" -pointsize 14 -annotate +12+55 '访问主页' \
    -fill '#dbe9f7' -pointsize 11 -annotate +12+71 '使用说明与新版本' \
    -fill none -stroke '#0f3a63' -strokewidth 1 -draw "rectangle 0,0 199,79" \
    -strip PNG24:frm_menu_banner.png

convert -size 32x32 xc:none \
    -fill '#1d5f9e' -stroke '#0f3a63' -draw "roundrectangle 0,0 31,31 6,6" \
    -stroke none -fill '#5fe07a' -draw "polygon 3,16 14,16 8.5,26" -draw "rectangle 7,5 10,16" \
    -fill '#ffb347' -draw "polygon 17,15 28,15 22.5,5" -draw "rectangle 21,15 24,26" \
    -strip PNG32:frm_menu_icon.png
