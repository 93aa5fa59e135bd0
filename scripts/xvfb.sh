# Helpers for running the editor on a virtual display; source this file.

start_xvfb() {
  local n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      XVFB_PID=$!
      export DISPLAY=":$n"
      for _ in $(seq 1 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
      done
      kill "$XVFB_PID" 2>/dev/null || true
    fi
  done
  echo "Could not start a virtual display (Xvfb)" >&2
  return 1
}

stop_xvfb() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}

# wait_for_window NAME SECONDS: waits until a window of that name exists.
wait_for_window() {
  local name=$1 seconds=$2 i
  for i in $(seq 1 $((seconds * 10))); do
    xdotool search --name "$name" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}
