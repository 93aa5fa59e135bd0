#!/usr/bin/env bash
# Nothing lost on a crash: unsaved work is copied into the recovery folder every
# few seconds (set low in sahne.cfg); after kill -9 the next start offers it in
# "kurtarWindow", Ac opens it as the unsaved document it was, and saving it gives
# the bytes of the last copy. A save removes the copy, so the start after shows
# nothing. A second editor never offers the copy of one that runs; a scenario on
# the command line opens after the offer; Sonra keeps a copy, Sil removes it.
# Asked to end by the system (SIGTERM), the editor ends at once, even with the
# file dialog up, and keeps its unsaved work as a copy for the next start.
source "$(dirname "$0")/lib.sh"

RECOVERY=$WORK/../state/recovery
KURTAR_AC="269 401"; KURTAR_SIL="399 401"; KURTAR_SONRA="529 401"; KURTAR_SIL_EVET="335 334"
echo "autosave_seconds=2" >"$WORK/sahne.cfg"

copies() { find "$RECOVERY" -name '*.zev' 2>/dev/null | sort; }
# offered [WINDOW]: how many rows "kurtarListe" shows, 0 when the window is not open.
# The first row is chosen (light blue); a row below it holds dark text.
offered() {
  local w=${1:-$WID} picture=$E2E_TMP/offer.png
  xdotool mousemove --window "$w" 400 14; sleep 0.3
  import -window "$w" "$picture"
  local first
  first=$(convert "$picture" -format '%[fx:int(255*p{400,265}.r)],%[fx:int(255*p{400,265}.g)],%[fx:int(255*p{400,265}.b)]' info:)
  if [ "$first" != 153,191,255 ]; then echo 0; return; fi
  if [ "$(convert "$picture" -crop 330x14+180+277 -format %k info:)" = 1 ]; then echo 1; else echo 2+; fi
}
title_is() {
  local title
  title=$(xdotool getwindowname "${2:-$WID}")
  [ "$title" = "$1" ] || fail "window title '$title', expected '$1'"
}
quit_editor() {
  key Escape
  wait_for_exit 20 || fail "the editor ended with status $?"
}

# --- A session killed with unsaved work ------------------------------------------
start_editor
[ "$(offered)" = 0 ] || fail "a recovery window at the very first start"
menu_item "$ITEM_YENI"
close_menu
click $TOOL_ROW1; click 300 420
click $TOOL_ROW1; click 400 420
click $TOOL_ROW2; click 500 420
slide_tabs "$TAB_RIGHT" 4
click $AREA_BUTTON
click 150 470
click 330 560
click 198 476
sleep 2
click $MESAJ_YAZ
type_into $MSG_TEXT "Kurtarilan mesaj"
click $MSG_EKLE
sleep 4
mapfile -t found < <(copies)
[ "${#found[@]}" = 1 ] || fail "expected one recovery copy, found: ${found[*]:-none}"
copy=${found[0]}
[ "$(basename "$copy")" = "Adsiz.$EDITOR_PID.zev" ] || fail "the copy is named $(basename "$copy")"
grep -qx "pid=$EDITOR_PID" "${copy%.zev}.bilgi" || fail "the side file does not name the process"
grep -qx "original=" "${copy%.zev}.bilgi" || fail "the side file names an original for an unnamed scenario"
[ "$(grep -c '^human ' "$copy")" = 3 ] || fail "the copy holds $(grep -c '^human ' "$copy") objects, expected 3"
grep -qx "Kurtarilan mesaj" "$copy" || fail "the copy lacks the area's message"
written=$(stat -c %Y "$copy")
sleep 4
[ "$(stat -c %Y "$copy")" = "$written" ] || fail "the copy was written again though nothing changed"
cp "$copy" "$E2E_TMP/at-kill.zev"
kill -9 "$EDITOR_PID"; wait "$EDITOR_PID" 2>/dev/null || true; EDITOR_PID=

# --- The next start offers it; Ac and a save give the copy's bytes ---------------
launch_editor
shot recovery-1-offered
[ "$(offered)" = 1 ] || fail "the recovery window does not show one row"
click $KURTAR_AC
sleep 1
title_is "Sahne - Adsiz *"
shot recovery-2-opened
menu_item "$ITEM_KAYDET"
click $DIALOG_OK
close_menu
[ -f "$WORK/save.zev" ] || fail "the recovered scenario was not saved"
cmp "$E2E_TMP/at-kill.zev" "$WORK/save.zev" || fail "the saved scenario differs from the last copy before the kill"
title_is "Sahne - save.zev"
[ -z "$(copies)" ] || fail "the copy is still there after the save: $(copies)"
quit_editor

launch_editor
[ "$(offered)" = 0 ] || fail "a recovery window after a clean end"

# --- A second editor leaves the first one's copy alone ---------------------------
menu_item "$ITEM_YENI"; close_menu
click $TOOL_ROW1; click 350 450
sleep 4
[ "$(copies | wc -l)" = 1 ] || fail "no copy of the running editor"
first_pid=$EDITOR_PID
(cd "$WORK" && exec ./sahne >second.out 2>second.err) &
second_pid=$!
second_wid=$(window_of "$second_pid" 30) || fail "the second editor's window did not open"
started "$second_wid" 60 || fail "the second editor did not finish its start"
sleep 3
[ "$(offered "$second_wid")" = 0 ] || fail "the second editor offers the copy of the one that runs"
kill "$second_pid"; wait "$second_pid" 2>/dev/null || true
[ "$(copies | wc -l)" = 1 ] || fail "the second editor took the first one's copy"
kill -9 "$first_pid"; wait "$first_pid" 2>/dev/null || true; EDITOR_PID=

# --- The offer comes before a scenario given on the command line; Sonra keeps ----
launch_editor save.zev
[ "$(offered)" = 1 ] || fail "the recovery window does not come first"
title_is "Sahne - Adsiz"
shot recovery-3-before-command-line-file
click $KURTAR_SONRA
sleep 1
title_is "Sahne - save.zev"
[ "$(copies | wc -l)" = 1 ] || fail "Sonra did not keep the copy"
quit_editor

# --- Sil asks, then removes the copy with everything beside it --------------------
launch_editor
[ "$(offered)" = 1 ] || fail "the copy kept by Sonra is not offered again"
click $KURTAR_SIL
shot recovery-4-delete-question
click $KURTAR_SIL_EVET
sleep 1
[ "$(offered)" = 0 ] || fail "the recovery window stays after its last row was deleted"
[ -z "$(ls -A "$RECOVERY")" ] || fail "files left in the recovery folder: $(ls -A "$RECOVERY")"
quit_editor

# --- Ended by the system: at once, with the last change kept ----------------------
echo "autosave_seconds=60" >"$WORK/sahne.cfg"   # no copy from the interval meanwhile
launch_editor
menu_item "$ITEM_YENI"; close_menu
click $TOOL_ROW1; click 350 450
sleep 1
menu_item "$ITEM_FARKLI_KAYDET"
[ -z "$(copies)" ] || fail "a copy before the interval was up: $(copies)"
kill -TERM "$EDITOR_PID"
wait_for_exit 10 || fail "the editor ended with status $? when asked to end"
mapfile -t found < <(copies)
[ "${#found[@]}" = 1 ] || fail "expected one copy kept at the end, found: ${found[*]:-none}"
[ "$(grep -c '^human ' "${found[0]}")" = 1 ] || fail "the kept copy lacks the placed object"
launch_editor
[ "$(offered)" = 1 ] || fail "the work kept at the end is not offered"
click $KURTAR_SIL
click $KURTAR_SIL_EVET
sleep 1
kill -TERM "$EDITOR_PID"
wait_for_exit 10 || fail "the editor ended with status $? when asked to end with nothing unsaved"
[ -z "$(ls -A "$RECOVERY")" ] || fail "files left in the recovery folder: $(ls -A "$RECOVERY")"
echo "PASS"
