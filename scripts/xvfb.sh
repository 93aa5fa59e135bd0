# Helpers for running the editor on a virtual display; source this file.

# The editor's window, found by its title: "Sahne" at start, then the frame's
# caption "Sahne - NAME", with " *" while there are unsaved changes.
EDITOR_WINDOW='^Sahne( - .*)?$'

# The screen is 1024 x 768 unless XVFB_SCREEN says otherwise (WIDTHxHEIGHTxDEPTH).
start_xvfb() {
  # One display at a time: a display started before by this shell goes first.
  stop_xvfb
  # Xvfb picks a free display number itself and tells it through a file descriptor.
  local fifo n
  fifo=$(mktemp -u /tmp/sahne-xvfb-XXXXXX)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  n=$(timeout 20 head -n 1 "$fifo" || true)
  rm -f "$fifo"
  if [ -z "$n" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    echo "Could not start a virtual display (Xvfb)" >&2
    return 1
  fi
  export DISPLAY=":$n"
}

stop_xvfb() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
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
