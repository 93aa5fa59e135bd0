#!/usr/bin/env bash
# The editor opens, writes a screenshot with the screenshot key, moves its camera
# with the keys, and ends with Escape.
source "$(dirname "$0")/lib.sh"

start_editor
key Print
sleep 1
[ -f "$WORK/screenshot_1.png" ] || fail "no screenshot_1.png after the screenshot key"
colours=$(distinct_colours "$WORK/screenshot_1.png")
echo "screenshot_1.png has $colours colours"
[ "$colours" -gt 200 ] || fail "the screenshot looks blank ($colours colours)"
[ "$(identify -format '%wx%h' "$WORK/screenshot_1.png")" = "800x600" ] || fail "screenshot size"

# After New the camera view shows the live picture; the keys move the camera.
menu_item "$ITEM_YENI"
close_menu
sleep 1
shot before-moving
xdotool keydown Up; sleep 1.5; xdotool keyup Up
xdotool keydown Right; sleep 0.5; xdotool keyup Right
sleep 1
shot after-moving
# The ground part of the view (the sky drifts by itself).
ground() { convert "$1" -crop 630x250+118+425 +repage "$2"; }
ground "$WORK/before-moving.png" "$WORK/ground-before.png"
ground "$WORK/after-moving.png" "$WORK/ground-after.png"
changed=$(compare -metric AE -fuzz 5% "$WORK/ground-before.png" "$WORK/ground-after.png" null: 2>&1 || true)
echo "$changed pixels of the ground in the camera view changed"
[ "${changed%.*}" -gt 20000 ] || fail "the camera did not move"

key Escape
wait_for_exit 20 && code=0 || code=$?
[ "$code" = 0 ] || fail "exit code $code after Escape"
echo "PASS"
