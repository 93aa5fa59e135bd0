#!/usr/bin/env bash
# Music plays from the start and a press that the interface takes sounds one click:
# the editor's sound goes into a WAV file, whose clicks are counted.
source "$(dirname "$0")/lib.sh"
: "${CLICK_COUNT:?set by the test registration}"

recording=$E2E_TMP/sound.wav
EDITOR_WRAPPER="$here_e2e/../sound/record_audio.sh $recording" start_editor
sleep 2
click $MENU_DOSYA                # the menu opens ...
sleep 2
click $MENU_DOSYA                # ... and closes: two presses on widgets
sleep 3
key Escape
wait_for_exit 20 && code=0 || code=$?
[ "$code" = 0 ] || fail "exit code $code"

[ -s "$recording" ] || fail "no sound was recorded"
result=$("$CLICK_COUNT" "$recording")
echo "$result"
[ "$(echo "$result" | head -1)" = "clicks: 2" ] || fail "expected two clicks"
echo "PASS"
