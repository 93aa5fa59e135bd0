#!/usr/bin/env bash
# Start and quit, over and over, on a machine whose cores are all busy: every start
# must open the window, and every Escape must end the editor with exit code 0.
# START_QUIT_ROUNDS (default 50) sets how many.
source "$(dirname "$0")/lib.sh"

rounds=${START_QUIT_ROUNDS:-50}
busy=()
stop_busy() {
  local pid
  for pid in "${busy[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap 'stop_busy; cleanup' EXIT
for _ in $(seq 1 "$(nproc)"); do
  (exec yes >/dev/null) &
  busy+=($!)
done

start_xvfb
cd "$WORK"
windows=0 clean_exits=0 began=$(date +%s)
for round in $(seq 1 "$rounds"); do
  ./sahne >editor.out 2>editor.err &
  EDITOR_PID=$!
  WID=
  for _ in $(seq 1 600); do
    WID=$(xdotool search --onlyvisible --name "$EDITOR_WINDOW" 2>/dev/null | head -1 || true)
    [ -n "$WID" ] && break
    kill -0 "$EDITOR_PID" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$WID" ]; then
    wait_for_exit 30 && code=0 || code=$?
    fail "start $round opened no window (exit code $code); $windows windows so far"
  fi
  windows=$((windows + 1))
  # Nobody hands out the keyboard without a window manager: take it, then Escape.
  # A key that arrives before the window took the focus is lost, so ask again
  # every few seconds until the editor ends.
  for attempt in 1 2 3 4 5 6; do
    xdotool windowfocus "$WID" key Escape 2>/dev/null || true
    for _ in $(seq 1 50); do
      kill -0 "$EDITOR_PID" 2>/dev/null || break 2
      sleep 0.1
    done
  done
  wait_for_exit 5 && code=0 || code=$?
  [ "$code" = 0 ] || fail "start $round ended with exit code $code"
  clean_exits=$((clean_exits + 1))
done
echo "$windows windows, $clean_exits exit codes 0 in $rounds starts ($(($(date +%s) - began)) s, $(nproc) busy processes)"
[ "$windows" = "$rounds" ] && [ "$clean_exits" = "$rounds" ] || fail "not every start opened and closed cleanly"
echo "PASS"
