#!/usr/bin/env bash
# A user's session: New, an object from a tool tab, a blue area with a four-question
# message, a three-segment road, an object placed and deleted, a move; then Save
# through the file dialog, New, Open, and Save again: the file must come back the same.
source "$(dirname "$0")/lib.sh"

start_editor
menu_item "$ITEM_YENI"
close_menu

click $TOOL_ROW1                 # Adam
click 300 420                    # placed on the ground ahead
shot journey-1-object

slide_tabs "$TAB_RIGHT" 4        # to the special tab
click $AREA_BUTTON               # Mavi Alan
click 150 470
click 330 560                    # the second corner places the area
click 198 476                    # select the area (the properties tab slides in)
sleep 2
shot journey-2-area
click $MESAJ_YAZ
type_into $MSG_TEXT "Bu alanda dikkatli olun"
type_into $MSG_Q1 "Kirmizi isik ne demek"
type_into $MSG_Q2 "Dur demek"
type_into $MSG_Q3 "Gec demek"
type_into $MSG_Q4 "Hizlan demek"
click $MSG_ANSWER2
shot journey-3-message
click $MSG_EKLE

slide_tabs "$TAB_LEFT" 3         # to roads and signs
click $TOOL_ROW1                 # Yol
for point in "450 560" "450 470" "560 470" "560 420"; do click $point; done
click 600 400 3                  # a right click ends the road
shot journey-4-road

slide_tabs "$TAB_LEFT" 1         # to people
click $TOOL_ROW2                 # Kadin
click 620 560                    # placed and selected
key Delete                       # and deleted again
click 303 356                    # select the man ...
click 200 540                    # ... and move him, below the area and left of the road
shot journey-5-edited

menu_item "$ITEM_KAYDET"
shot journey-6-save-dialog
click $DIALOG_OK
close_menu
[ -f "$WORK/save.zev" ] || fail "nothing was saved"
cp "$WORK/save.zev" "$WORK/first.zev"
echo "--- saved:"; cat "$WORK/save.zev"; echo; echo "---"

lines=$(wc -l < "$WORK/save.zev")
[ "$(grep -c '^human ' "$WORK/save.zev")" = 1 ] || fail "expected one object"
[ "$(grep -c '^bluearea kup.mesh .* 1 2$' "$WORK/save.zev")" = 1 ] || fail "expected one area with answer 2"
[ "$(grep -c '^road yol.mesh ' "$WORK/save.zev")" = 3 ] || fail "expected three road segments"
grep -qx "Bu alanda dikkatli olun" "$WORK/save.zev" || fail "message text missing"
grep -qx "Hizlan demek" "$WORK/save.zev" || fail "fourth question missing"
[ "$lines" = 9 ] || fail "expected 10 lines (9 line ends), got $lines line ends"
cmp "$here_e2e/journey_expected.zev" "$WORK/save.zev" || fail "the saved file differs from the expected text"

menu_item "$ITEM_YENI"
close_menu
shot journey-7-new
colours=$(convert "$WORK/journey-7-new.png" -crop 630x530+120+150 -format %k info:)
blue=$(convert "$WORK/journey-7-new.png" -crop 630x260+120+420 -fuzz 12% -fill black +opaque '#3d6da0' -fill white -opaque '#3d6da0' -format '%[fx:int(mean*w*h)]' info:)
echo "after New: $colours colours in the view, $blue area-blue pixels on the ground"
[ "$blue" -lt 50 ] || fail "the blue area is still there after New"
menu_item "$ITEM_AC"
click $DIALOG_FIRST_ROW          # the listing: <..>, <.>, first.zev, save.zev
sleep 0.5
shot journey-8-open-dialog
xdotool mousemove --window "$WID" 193 329 click 1; sleep 1   # save.zev, the fourth row
click $DIALOG_OK
close_menu
sleep 1
shot journey-9-opened

before=$(stat -c %i "$WORK/save.zev")
menu_item "$ITEM_FARKLI_KAYDET"
click $DIALOG_OK                 # save.zev exists: the overwrite prompt asks
shot journey-10-overwrite
click $PROMPT_SAVE_YES
close_menu
[ "$(stat -c %i "$WORK/save.zev")" != "$before" ] || fail "the second save did not write the file"
cmp "$WORK/first.zev" "$WORK/save.zev" || fail "the reopened scene saved differently"

key Escape
wait_for_exit 20 && code=0 || code=$?
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS"
