#!/usr/bin/env bash
# Finding one's way in a scenario: it opens with an area without a message far
# from the start. Duzenle > Kontrol Et shows that one problem; a click on its row
# brings the area into the camera's view. The map shows the items' marks. Typing
# a word of the other area's message into the list's search field leaves its
# row alone, and a double click on it brings that area into view.
source "$(dirname "$0")/lib.sh"

cat > "$WORK/overview.zev" <<'ZEV'
human adam.mesh -2 0 40
human kadin.mesh 6 0 45
bluearea kup.mesh -300 1 300 -310 290 -290 310 1 -1
Yavas gec okul var
bluearea kup.mesh 420 1 -500 410 -510 430 -490 0 -1
road yol.mesh 3 66 5 57
ZEV

# view NAME: a picture of the editor's window alone (window pixels).
view() {
  import -window "$WID" "$WORK/$1.png"
  echo "screenshot: $WORK/$1.png"
  [ -n "${SHOTS_DIR:-}" ] && cp "$WORK/$1.png" "$SHOTS_DIR/" || true
}
# count_pixels NAME GEOMETRY CONDITION: pixels of a region whose r, g, b meet the awk condition.
count_pixels() {
  convert "$WORK/$1.png" -crop "$2" +repage -depth 8 txt:- |
    awk -F'[ ,:()]+' "NR > 1 { r = \$3; g = \$4; b = \$5; if ($3) n++ } END { print n + 0 }"
}
# The camera's view. A blue area's see-through blue is deeper than the sky's
# over the sky and bluish grey over the ground; some clothes count too, so the
# start view's count is the baseline.
CAMERA_VIEW=630x540+4+56
blue_in_view() {
  count_pixels "$1" $CAMERA_VIEW '(b - r > 150 && b >= 232) || (b - r > 60 && b - g > 25 && b < 200)'
}
MENU_DUZENLE="126 41"; ITEM_KONTROL="151 288"; MENU_GORUNUM="210 41"; ITEM_HARITA="238 153"
CHECK_FIRST_ROW="125 152"; CHECK_CLOSE="460 102"
MAP_PICTURE=254x254+19+329
LIST_SEARCH="333 157"; LIST_FIRST_ROW="88 210"; LIST_ROWS=540x40+62+200; LIST_CLOSE="600 122"

start_editor overview.zev
view overview-0-start
start=$(blue_in_view overview-0-start)
echo "blue pixels in the start view: $start"

click $MENU_DUZENLE
click $ITEM_KONTROL
view overview-1-check
click $CHECK_FIRST_ROW
sleep 1
view overview-2-check-row-clicked
far=$(blue_in_view overview-2-check-row-clicked)
echo "blue pixels in view after the problem's row: $far"
[ "$far" -gt $((start + 3000)) ] || fail "the area without a message is not in view ($far blue pixels)"

click $MENU_GORUNUM
click $ITEM_HARITA
view overview-3-map
objects=$(count_pixels overview-3-map $MAP_PICTURE 'r > 190 && g < 70 && b < 60')
areas=$(count_pixels overview-3-map $MAP_PICTURE 'b > 230 && r < 60 && g < 100')
selected=$(count_pixels overview-3-map $MAP_PICTURE 'r > 240 && g > 200 && b < 40')
echo "map marks: $objects object pixels, $areas area pixels, $selected selected pixels"
[ "$objects" -ge 9 ] && [ "$areas" -ge 8 ] && [ "$selected" -ge 8 ] || fail "the map lacks the items' marks"

key l
click $LIST_SEARCH
type_text "okul"
sleep 1
view overview-4-list-filtered
# Text is dark: the first row has some, the second none.
first=$(count_pixels overview-4-list-filtered 540x18+62+201 'r < 90 && g < 90 && b < 90')
second=$(count_pixels overview-4-list-filtered 540x18+62+221 'r < 90 && g < 90 && b < 90')
echo "dark pixels: first row $first, second row $second"
[ "$first" -gt 30 ] && [ "$second" -eq 0 ] || fail "the search did not leave exactly one row"
xdotool mousemove --window "$WID" $LIST_FIRST_ROW click --repeat 2 --delay 80 1
sleep 1
click $LIST_CLOSE
click $CHECK_CLOSE
view overview-5-list-double-clicked
near=$(blue_in_view overview-5-list-double-clicked)
echo "blue pixels in view after the double click: $near"
[ "$near" -gt $((start + 3000)) ] || fail "the area of the message is not in view ($near blue pixels)"
changed=$(compare -metric AE -fuzz 3% "$WORK/overview-2-check-row-clicked.png" "$WORK/overview-5-list-double-clicked.png" \
  -crop $CAMERA_VIEW null: 2>&1 || true)
[ "${changed%%.*}" -gt 5000 ] || fail "the double click did not move the camera"
echo "ok"
