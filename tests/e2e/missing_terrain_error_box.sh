#!/usr/bin/env bash
# An engine failure during start-up shows one error box and ends with exit code 0.
source "$(dirname "$0")/lib.sh"

rm "$WORK/terrain.cfg"
start_xvfb
(cd "$WORK" && exec ./sahne >editor.out 2>editor.err) &
EDITOR_PID=$!
wait_for_window "An exception has occured!" 60 || fail "no error box"
boxes=$(xdotool search --name "An exception has occured!" | wc -l)
[ "$boxes" = 1 ] || fail "$boxes error boxes"
grep -q "terrain.cfg" "$WORK/editor.err" || fail "the message does not name terrain.cfg"
box=$(xdotool search --name "An exception has occured!" | head -1)
xdotool key --window "$box" Return
wait_for_exit 20 && code=0 || code=$?
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS"
