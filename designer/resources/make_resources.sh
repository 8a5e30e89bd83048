#!/usr/bin/env bash
# Draws the designer's pictures: the two placeholders the preview starts with
# (a yellow field with the picture's name in bold black) and the program icon.
# Run by hand; the results are kept in the repository.
set -euo pipefail
cd "$(dirname "$0")"
font=/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf
draw() { # size, text, file
    convert -size "$1" xc:'#FFF200' -font "$font" -pointsize 22 -fill black -stroke black -strokewidth 1 \
        -gravity center -annotate +0+0 "$2" -quality 90 "$3"
}
draw 177x73 画像1 placeholder1.jpg
draw 177x50 画像2 placeholder2.jpg

# The program icon: a window sketch with a yellow header and a pencil stroke.
icon() { # size
    local s=$1 m=$(( $1 / 8 ))
    convert -size "${s}x${s}" xc:none -fill '#2B5FAF' -draw "roundrectangle 0,0,$((s-1)),$((s-1)),$m,$m" \
        -fill white -draw "rectangle $m,$((m*2)),$((s-1-m)),$((s-1-m))" \
        -fill '#FFF200' -draw "rectangle $m,$((m*2)),$((s-1-m)),$((m*4))" \
        -stroke '#D04020' -strokewidth $(( s / 10 + 1 )) -draw "line $((m*3)),$((s-1-m*2)),$((s-1-m*2)),$((m*5))" \
        "icon$s.png"
}
icon 16
icon 32
icon 48
convert icon16.png icon32.png icon48.png rokabina_designer.ico
rm icon16.png icon32.png icon48.png
