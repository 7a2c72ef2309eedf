#!/usr/bin/env bash
# Draws the front-panel pictures of the KRS-5400MX-28 (the device front and the link overlays)
# into resources/panel/. The pictures are committed; run this only to change the drawings.
# Needs ImageMagick's convert and the Liberation fonts (scripts/deps.sh installs both).
set -euo pipefail
out=$(cd "$(dirname "$0")/.." && pwd)/resources/panel
mkdir -p "$out"
font=DejaVu-Sans

# Socket rectangles: the link overlays are drawn exactly over the inner part of these.
cols=(260 289 318 347 376 405 444 473 502 531 560 589)
draw=()
for i in "${!cols[@]}"; do
    x=${cols[$i]}
    odd=$((2 * i + 1))
    even=$((2 * i + 2))
    draw+=(-fill '#1b1d20' -stroke '#8a9096' -draw "rectangle $((x - 1)),37 $((x + 27)),53")
    draw+=(-fill '#1b1d20' -stroke '#8a9096' -draw "rectangle $((x - 1)),58 $((x + 27)),74")
    draw+=(-stroke none -fill '#d8dde2' -pointsize 7 -draw "text $((x + 9)),34 '$odd'")
    draw+=(-stroke none -fill '#d8dde2' -pointsize 7 -draw "text $((x + 9)),83 '$even'")
done
# Combo ports 25-28: copper sockets and fibre cages.
for p in "665 40 25" "665 61 26" "694 40 27" "694 61 28"; do
    set -- $p
    draw+=(-fill '#1b1d20' -stroke '#8a9096' -draw "rectangle $(($1 - 1)),$(($2 - 3)) $(($1 + 27)),$(($2 + 13))")
done
for p in "623 40" "623 62" "729 40" "729 61"; do
    set -- $p
    draw+=(-fill '#2a2d31' -stroke '#a4aab0' -draw "rectangle $(($1 - 2)),$(($2 - 3)) $(($1 + 34)),$(($2 + 13))")
done
draw+=(-stroke none -fill '#d8dde2' -pointsize 7)
draw+=(-draw "text 674,34 '25'" -draw "text 674,83 '26'" -draw "text 703,34 '27'" -draw "text 703,83 '28'")
draw+=(-draw "text 630,34 '25F'" -draw "text 630,83 '26F'" -draw "text 736,34 '27F'" -draw "text 736,83 '28F'")

# LED captions (in a narrow face, so "Console" ends before the first LED column at x 65) and
# the LED window frames.
leds=(-stroke none -fill '#d8dde2' -pointsize 7 -font Liberation-Sans-Narrow
      -draw "text 36,48 'Power'" -draw "text 36,59 'Console'" -draw "text 36,70 'Alarm'" -draw "text 36,82 'RPS'"
      -font "$font")
for n in $(seq 1 24); do
    x=$((66 + 13 * ((n - 1) / 4)))
    y=$((43 + 13 * ((n - 1) % 4)))
    leds+=(-fill black -stroke '#5a6066' -draw "rectangle $((x - 1)),$((y - 1)) $((x + 4)),$((y + 4))")
done
for y in 44 60 75 91; do
    leds+=(-fill black -stroke '#5a6066' -draw "rectangle 151,$((y - 1)) 156,$((y + 4))")
done
for y in 43 54 65 77; do
    leds+=(-fill black -stroke '#5a6066' -draw "rectangle 28,$((y - 1)) 33,$((y + 4))")
done
leds+=(-stroke none -fill '#d8dde2' -pointsize 6 -draw "text 66,38 'Link/Act 1-24'" -draw "text 140,38 '25-28'")

convert -size 795x109 gradient:'#4b5157'-'#33383d' \
    -fill '#2b2f33' -stroke '#6d747a' -draw "roundrectangle 2,2 792,106 6,6" \
    -fill '#3d4349' -stroke none -draw "rectangle 10,10 230,22" \
    -font "$font" -fill '#f0f3f5' -pointsize 11 -draw "text 14,20 'KRS-5400MX-28'" \
    -fill '#9aa2a9' -pointsize 7 -draw "text 110,19 'Managed Gigabit Ethernet Switch'" \
    -font "$font" "${leds[@]}" "${draw[@]}" \
    -quality 92 "$out/front.jpg"

overlay() { # name width height fill edge
    convert -size "${2}x${3}" xc:"$4" -fill none -stroke "$5" -draw "rectangle 0,0 $(($2 - 1)),$(($3 - 1))" \
        -fill "$5" -stroke none -draw "rectangle $(($2 / 2 - 4)),$(($3 - 4)) $(($2 / 2 + 3)),$(($3 - 1))" \
        -quality 92 "$out/$1.jpg"
}
overlay copper-green 26 12 '#36c24a' '#1d7a2a'
overlay copper-orange 26 12 '#f0962a' '#a85d10'
overlay fibre-green 32 12 '#36c24a' '#1d7a2a'
overlay fibre-orange 32 12 '#f0962a' '#a85d10'

# The About box's 32 x 32 icon: a small switch front.
convert -size 32x32 xc:'#d9dde1' -fill '#2b2f33' -stroke '#6d747a' -draw "roundrectangle 1,9 30,22 2,2" \
    -fill '#36c24a' -stroke none -draw "rectangle 4,13 7,16" -fill '#f0962a' -draw "rectangle 9,13 12,16" \
    -fill '#1b1d20' -stroke '#8a9096' -draw "rectangle 15,12 20,18" -draw "rectangle 22,12 27,18" \
    -quality 92 "$out/icon.jpg"
