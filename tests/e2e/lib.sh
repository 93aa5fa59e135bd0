# Shared steps of the end-to-end tests: a private copy of the runtime tree, a
# virtual display, the editor started in it, and xdotool to drive it. Source it.
set -euo pipefail

: "${RUNTIME_ROOT:?set by the test registration}"
here_e2e=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here_e2e/../../scripts/xvfb.sh"

E2E_TMP=$(mktemp -d /tmp/sahne-e2e-XXXXXX)
cp -r "$RUNTIME_ROOT/." "$E2E_TMP/"
WORK=$E2E_TMP/game/editor/bin
EDITOR_PID=

cleanup() {
  [ -n "$EDITOR_PID" ] && kill "$EDITOR_PID" 2>/dev/null || true
  stop_xvfb
  if [ "${KEEP_E2E:-0}" = 1 ]; then echo "kept $E2E_TMP"; else rm -rf "$E2E_TMP"; fi
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -f "$WORK/editor.err" ] && tail -20 "$WORK/editor.err" >&2
  exit 1
}

start_editor() {
  start_xvfb
  (cd "$WORK" && exec ./sahne >editor.out 2>editor.err) &
  EDITOR_PID=$!
  wait_for_window "OGRE Render Window" 60 || fail "the editor window did not open"
  WID=$(xdotool search --name "OGRE Render Window" | head -1)
  # Without a window manager nobody gives the window the keyboard: take it.
  xdotool windowfocus "$WID"
  # Let the first frames render and the properties tab finish its slide.
  sleep 3
}

# click X Y [BUTTON]: a click at window pixel X, Y.
click() {
  xdotool mousemove --window "$WID" "$1" "$2"
  sleep 0.2
  xdotool click "${3:-1}"
  sleep 0.5
}

key() {
  xdotool key "$@"
  sleep 0.3
}

type_text() {
  xdotool type --delay 60 "$1"
  sleep 0.3
}

# wait_for_exit SECONDS: the editor's exit code, or fails after the time.
wait_for_exit() {
  local i
  for i in $(seq 1 $(($1 * 10))); do
    if ! kill -0 "$EDITOR_PID" 2>/dev/null; then
      wait "$EDITOR_PID"
      local code=$?
      EDITOR_PID=
      return $code
    fi
    sleep 0.1
  done
  fail "the editor did not end within $1 s"
}

# shot NAME: a screenshot of the virtual screen into the work folder.
shot() {
  import -window root "$WORK/$1.png"
  echo "screenshot: $WORK/$1.png"
}

# distinct_colours FILE: how many colours a picture has.
distinct_colours() {
  identify -format '%k' "$1"
}
