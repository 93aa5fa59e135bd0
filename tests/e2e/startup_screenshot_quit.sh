#!/usr/bin/env bash
# The editor opens, writes a screenshot with the screenshot key, and ends with Escape.
source "$(dirname "$0")/lib.sh"

start_editor
key Print
sleep 1
[ -f "$WORK/screenshot_1.png" ] || fail "no screenshot_1.png after the screenshot key"
colours=$(distinct_colours "$WORK/screenshot_1.png")
echo "screenshot_1.png has $colours colours"
[ "$colours" -gt 200 ] || fail "the screenshot looks blank ($colours colours)"
[ "$(identify -format '%wx%h' "$WORK/screenshot_1.png")" = "800x600" ] || fail "screenshot size"

key Escape
wait_for_exit 20 && code=0 || code=$?
[ "$code" = 0 ] || fail "exit code $code after Escape"
echo "PASS"
