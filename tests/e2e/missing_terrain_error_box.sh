#!/usr/bin/env bash
# An engine failure during start-up shows one error box and ends with exit code 0.
source "$(dirname "$0")/lib.sh"

rm "$WORK/terrain.cfg"
start_xvfb
(cd "$WORK" && exec ./sahne >editor.out 2>editor.err) &
EDITOR_PID=$!
error_boxes() { xwininfo -root -tree | grep '"An exception has occured!"' || true; }
for _ in $(seq 1 600); do [ -n "$(error_boxes)" ] && break; sleep 0.1; done
[ -n "$(error_boxes)" ] || fail "no error box"
sleep 1
boxes=$(error_boxes | wc -l)
[ "$boxes" = 1 ] || fail "$boxes error boxes"
grep -q "terrain.cfg" "$WORK/editor.err" || fail "the message does not name terrain.cfg"
box=$(error_boxes | awk '{print $1}')
xdotool mousemove --window "$box" 100 80 click 1 2>/dev/null || true
xdotool windowfocus "$box" key Return 2>/dev/null || true
wait_for_exit 20 && code=0 || code=$?
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS"
