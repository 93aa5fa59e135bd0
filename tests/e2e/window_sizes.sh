#!/usr/bin/env bash
# The window follows its size. On a 1920 x 1080 screen the editor opens at the
# configured 800 x 600 and places a man by a click; resized to 1600 x 900 it
# places one by a click through the same ground point, both saved through the
# file dialog: the file has them at the same place. F11 takes the window to
# full screen and back, and the next start opens at the last size.
source "$(dirname "$0")/lib.sh"
export XVFB_SCREEN=1920x1080x24

# size: the window's width and height as the window system has them.
size() {
  xwininfo -id "$WID" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'
}
# at_ground_point WIDTH HEIGHT: the window pixel that shows the ground point
# this test clicks at. The camera picture fills the window's frame below the
# menu bar, left of the toolbox (158.4 pixels); the camera's vertical angle of
# view is fixed, so a point of the scene lies at the same offset from the
# picture's centre, counted in picture heights, at every size.
at_ground_point() {
  awk -v w="$1" -v h="$2" 'BEGIN {
    left = 4; top = 56; width = w - 8 - 158.4; height = h - 60
    printf "%d %d\n", left + width / 2 - 0.5 * height + 0.5, top + 0.85 * height + 0.5 }'
}
# saved_man: the position of the one man in save.zev.
saved_man() {
  [ "$(grep -c '^human ' "$WORK/save.zev")" = 1 ] || fail "expected one man in: $(cat "$WORK/save.zev")"
  awk '/^human / { print $3, $5 }' "$WORK/save.zev"
}

start_editor
[ "$(size)" = 800x600 ] || fail "the first size is the configured video mode, not $(size)"
menu_item "$ITEM_YENI"
close_menu
click $TOOL_ROW1                                   # Adam
click $(at_ground_point 800 600)
shot window-800x600
menu_item "$ITEM_KAYDET"
click $DIALOG_OK
close_menu
read -r small_x small_z <<<"$(saved_man)"
echo "placed at 800 x 600: $small_x $small_z"
key Delete                                         # the man is still selected

# Resized where it fits on the screen; the panels follow in the next frame.
xdotool windowmove "$WID" 0 0
xdotool windowsize "$WID" 1600 900
sleep 3
[ "$(size)" = 1600x900 ] || fail "the window did not take 1600 x 900: $(size)"
# Window positions at 1600 x 900: the toolbox's first row at the right edge,
# the save dialog's OK button and its overwrite prompt's Kaydet in the middle.
click 1552 139                                     # Adam
click $(at_ground_point 1600 900)
shot window-1600x900
menu_item "$ITEM_FARKLI_KAYDET"                    # through the dialog again
click 1113 691                                     # OK
click 745 500                                      # save.zev exists: Kaydet
close_menu
read -r large_x large_z <<<"$(saved_man)"
echo "placed at 1600 x 900: $large_x $large_z"
for d in $((large_x - small_x)) $((large_z - small_z)); do
  [ "${d#-}" -le 1 ] || fail "the click at 1600 x 900 placed at $large_x $large_z, at 800 x 600 at $small_x $small_z"
done

key F11
sleep 3
[ "$(size)" = 1920x1080 ] || fail "F11 did not make the window full screen: $(size)"
shot window-1920x1080
key F11
sleep 3
[ "$(size)" = 1600x900 ] || fail "F11 again did not bring the window back to 1600 x 900: $(size)"

key Escape                                         # gives up the selection
key Escape                                         # ends the editor
wait_for_exit 30 && code=0 || code=$?
[ "$code" = 0 ] || fail "exit code $code"
grep -qx 'window_width=1600' "$WORK/sahne.cfg" || fail "the size was not remembered: $(cat "$WORK/sahne.cfg")"
grep -qx 'window_height=900' "$WORK/sahne.cfg" || fail "the size was not remembered: $(cat "$WORK/sahne.cfg")"

launch_editor
[ "$(size)" = 1600x900 ] || fail "the next start opened at $(size), not at the last size"
key Escape
wait_for_exit 30 && code=0 || code=$?
[ "$code" = 0 ] || fail "exit code $code after the second start"
echo "PASS"
