#!/bin/sh
# Draws the artwork of the tariff, notice and about windows:
#   frm_spend_background.png  400 x 350: a dark title band (the white title sits on it) over a
#                             light panel on which the black captions and the boxes stay readable;
#   frm_spend_icon.png        32 x 32: a coin beside a rising bar chart;
#   frm_about_background.png  300 x 150: the whole about window, its text included, with a light
#                             strip at the bottom right where the "确 定" button sits.
set -e
cd "$(dirname "$0")"
cjk=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
latin=/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf

convert -size 400x350 gradient:'#f6f9fc-#dfe9f4' \
    -fill '#1f4e79' -stroke none -draw "rectangle 0,0 399,33" \
    -fill '#2e6da4' -draw "rectangle 0,30 399,33" \
    -fill '#edf3f9' -stroke '#b8cde3' -draw "roundrectangle 4,38 395,345 6,6" \
    -fill none -stroke '#16395a' -draw "rectangle 0,0 399,349" \
    -strip PNG24:frm_spend_background.png

convert -size 32x32 xc:none \
    -fill '#3c8d2f' -stroke '#22571a' -draw "rectangle 17,18 21,29" \
    -draw "rectangle 23,12 27,29" -draw "rectangle 11,22 15,29" \
    -fill '#f3c13a' -stroke '#a5790c' -strokewidth 1.5 -draw "circle 10,10 10,2" \
    -fill none -stroke '#a5790c' -strokewidth 1.2 -draw "line 7,8 13,8" -draw "line 7,12 13,12" \
    -draw "line 10,8 10,16" -draw "line 7,4 10,8" -draw "line 13,4 10,8" \
    -strip PNG32:frm_spend_icon.png

convert -size 300x150 gradient:'#1f4e79-#3f86c6' \
    -fill '#ffffff' -font "$latin" -pointsize 28 -annotate +18+44 'Quellan' \
    -font "$cjk" -pointsize 15 -annotate +146+42 '网络流量监视器' \
    -fill '#dbe9f7' -pointsize 13 -annotate +18+72 '版本 0.1' \
    -fill '#ffffff' -pointsize 13 -annotate +18+96 '实时显示网速，累计流量并计算资费。' \
    -fill '#e8f0f8' -stroke none -draw "rectangle 0,100 299,149" \
    -fill '#1f4e79' -pointsize 12 -annotate +18+126 '© Quellan 开发者' \
    -fill none -stroke '#16395a' -draw "rectangle 0,0 299,149" \
    -strip PNG24:frm_about_background.png
