#!/usr/bin/env bash
# Authoring faster: three cars placed with a kept placement (a double click on
# the toolbox entry), a Ctrl+drag rubber band over two of them, Ctrl+C, Ctrl+V
# elsewhere, Q twice, save: five cars, the two pasted ones turned to 330. Three
# undos take back both turns and the paste; one redo brings the paste back.
source "$(dirname "$0")/lib.sh"

cars_in() { grep -c '^human araba.mesh ' "$1" || true; }
first_three() { awk 'NR <= 3' "$1"; }
turned_in() { grep -c '^human araba.mesh -\?[0-9]* -\?[0-9]* -\?[0-9]* [0-9]*$' "$1" || true; }
# changed_pixels A B: how many pixels of the camera view differ between two screenshots.
changed_pixels() {
  compare -metric AE -fuzz 3% "$WORK/$1.png" "$WORK/$2.png" -crop 620x540+120+150 null: 2>&1 || true
}

start_editor
menu_item "$ITEM_YENI"
close_menu
# The camera rises a little (Page Up) to look over the cars.
xdotool keydown Prior; sleep 0.12; xdotool keyup Prior; sleep 0.5

slide_tabs "$TAB_RIGHT" 2        # to the vehicles
xdotool mousemove --window "$WID" $TOOL_ROW1 click --repeat 2 --delay 80 1   # Araba, kept
sleep 1
for point in "110 470" "320 470" "530 470"; do click $point; done
click 560 200 3                  # a right click ends the placement
shot author-1-three-cars

# Ctrl+drag from above left of the first car to below right of the second.
xdotool mousemove --window "$WID" 40 430; sleep 0.5
shot author-2-before-band
xdotool keydown ctrl; sleep 0.3
xdotool mousedown 1; sleep 0.3
for step in 1 2 3 4 5 6; do
  xdotool mousemove --window "$WID" $((40 + step * 65)) $((430 + step * 13)); sleep 0.15
done
sleep 0.5
shot author-3-rubber-band
xdotool mouseup 1; sleep 0.3
xdotool keyup ctrl; sleep 1
shot author-4-two-selected
band=$(changed_pixels author-2-before-band author-3-rubber-band)
echo "the rubber band changed $band pixels of the view"
[ "$band" -gt 2000 ] || fail "no rubber band was drawn while dragging"

key ctrl+c
xdotool mousemove --window "$WID" 320 548; sleep 0.5
key ctrl+v
sleep 0.5
key q
key q
sleep 1
shot author-5-pasted-turned

menu_item "$ITEM_KAYDET"
click $DIALOG_OK
close_menu
[ -f "$WORK/save.zev" ] || fail "nothing was saved"
cp "$WORK/save.zev" "$WORK/five-turned.zev"
echo "--- five, two turned:"; cat "$WORK/save.zev"; echo; echo "---"
[ "$(cars_in "$WORK/save.zev")" = 5 ] || fail "expected five cars"
[ "$(grep -c '^human araba.mesh .* 330$' "$WORK/save.zev")" = 2 ] || fail "expected two cars turned to 330"
[ "$(turned_in "$WORK/save.zev")" = 2 ] || fail "expected exactly two cars with a turn"
first_three "$WORK/save.zev" > "$WORK/placed.txt"

# saved_again SHOT WHAT: saves to the file (Ctrl+S), shows it and checks that
# the three placed cars are as they were and that none is turned.
saved_again() {
  key ctrl+s
  sleep 1
  shot "$1"
  cp "$WORK/save.zev" "$WORK/$1.zev"
  echo "--- $2:"; cat "$WORK/save.zev"; echo; echo "---"
  [ "$(turned_in "$WORK/save.zev")" = 0 ] || fail "$2: expected no turned car"
  first_three "$WORK/save.zev" | cmp "$WORK/placed.txt" - || fail "$2: the placed cars changed"
}

key ctrl+z
key ctrl+z
key ctrl+z
saved_again author-6-undone "three undos"
[ "$(cars_in "$WORK/save.zev")" = 3 ] || fail "three undos: expected three cars"

key ctrl+y
saved_again author-7-redone "one redo"
[ "$(cars_in "$WORK/save.zev")" = 5 ] || fail "one redo: expected five cars"

key Escape
wait_for_exit 20 && code=0 || code=$?
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS"
