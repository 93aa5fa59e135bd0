#!/usr/bin/env bash
# Undo and redo from the keys, the caption's unsaved mark (in the frame and in
# the window's title), the question before unsaved changes are lost, and Ctrl+S
# saving to the opened file without a dialog.
source "$(dirname "$0")/lib.sh"

GUARD_SAVE="270 345"; GUARD_DISCARD="400 345"; GUARD_CANCEL="530 345"

objects_in() { grep -c '^human ' "$1" || true; }
place_man() { click $TOOL_ROW1; click "$1" "$2"; }
# caption NAME: a picture of the main frame's title bar.
caption() { import -window "$WID" -crop 400x22+0+0 "$WORK/$1.png"; }
# title_is TEXT: the window manager's title of the editor window follows the frame's caption.
title_is() {
  local title
  title=$(window_title)
  [ "$title" = "$1" ] || fail "window title '$title', expected '$1'"
}

start_editor
menu_item "$ITEM_YENI"
close_menu
caption caption-new
title_is "Sahne - Adsiz"
shot undo-1-new

place_man 300 420
place_man 400 420
place_man 500 420
caption caption-three-placed
title_is "Sahne - Adsiz *"
shot undo-2-three-placed
cmp -s "$WORK/caption-new.png" "$WORK/caption-three-placed.png" && fail "the caption shows no unsaved mark"

key ctrl+z
key ctrl+z
menu_item "$ITEM_KAYDET"
click $DIALOG_OK
close_menu
[ -f "$WORK/save.zev" ] || fail "nothing was saved"
[ "$(objects_in "$WORK/save.zev")" = 1 ] || fail "two undos then save: expected one object"
caption caption-saved
title_is "Sahne - save.zev"
shot undo-3-saved-one

key ctrl+y
key ctrl+s
sleep 1
[ "$(objects_in "$WORK/save.zev")" = 2 ] || fail "redo then Ctrl+S: expected two objects"
caption caption-saved-two
cmp -s "$WORK/caption-saved.png" "$WORK/caption-saved-two.png" || fail "the caption differs between two clean saves of one file"

place_man 350 500
caption caption-edited
title_is "Sahne - save.zev *"
cmp -s "$WORK/caption-saved.png" "$WORK/caption-edited.png" && fail "the caption shows no unsaved mark after an edit"
key Escape                       # gives up the new man's selection first
key Escape
shot undo-4-guard
click $GUARD_CANCEL
sleep 1
kill -0 "$EDITOR_PID" 2>/dev/null || fail "Vazgec ended the editor"
shot undo-5-after-cancel
key Escape
click $GUARD_DISCARD
wait_for_exit 20 && code=0 || code=$?
[ "$code" = 0 ] || fail "Kaydetme: exit code $code"
[ "$(objects_in "$WORK/save.zev")" = 2 ] || fail "Kaydetme changed the file"

launch_editor                    # on the same display
menu_item "$ITEM_AC"
click $DIALOG_FIRST_ROW          # the listing: <..>, <.>, save.zev
sleep 0.5
xdotool mousemove --window "$WID" 193 309 click 1; sleep 1   # save.zev, the third row
click $DIALOG_OK
close_menu
sleep 1
title_is "Sahne - save.zev"
place_man 450 520
key ctrl+s
sleep 1
shot undo-6-opened-edited-saved
[ "$(objects_in "$WORK/save.zev")" = 3 ] || fail "Ctrl+S after Open did not save the edit into the opened file"
title_is "Sahne - save.zev"
key Escape                       # gives up the new man's selection first
key Escape
wait_for_exit 20 && code=0 || code=$?
[ "$code" = 0 ] || fail "exit code $code after a clean Escape"
echo "PASS"
