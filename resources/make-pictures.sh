#!/usr/bin/env bash
# Draws the splash logo (603 x 319, 256 colours) and the application icon with ImageMagick.
# The pictures are committed; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")"

sans=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
ming=/usr/share/fonts/truetype/arphic/uming.ttc

# The logo: the name traced as a toolpath would be, red cuts over a blue travel line.
convert -size 603x319 gradient:'#fffaf0'-'#f3e3d3' \
    -fill none -stroke '#1f4fd1' -strokewidth 3 -draw "line 0,0 96,106" \
    -font "$sans" -pointsize 84 -fill '#fde2e2' -stroke '#d01818' -strokewidth 3 \
    -annotate +50+168 'Scrivafresa' \
    -font "$ming" -pointsize 40 -fill '#008080' -stroke none -annotate +52+236 '文字雕刻 G-code' \
    -font "$sans" -pointsize 18 -fill '#6b5a4a' -annotate +54+284 'text outlines into engraving programs' \
    -fill none -stroke '#8a7a6a' -strokewidth 2 -draw "rectangle 1,1 601,317" \
    -colors 256 -type Palette PNG8:splash-logo.png

# The icon: a red disc with the first letter cut as an outline and the travel line into it.
convert -size 256x256 xc:none \
    -fill '#d01818' -stroke '#8f0e0e' -strokewidth 6 -draw "circle 128,128 128,8" \
    -stroke '#9fc3ff' -strokewidth 8 -draw "line 24,24 92,78" \
    -font "$sans" -pointsize 190 -fill white -stroke '#ffe9e9' -strokewidth 4 \
    -gravity center -annotate +2+8 'S' \
    PNG32:scrivafresa.png
