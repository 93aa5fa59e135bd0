# Shared steps of the end-to-end tests: a private copy of the runtime tree, a
# virtual display, the editor started in it, and xdotool to drive it. Source it.
set -euo pipefail

: "${RUNTIME_ROOT:?set by the test registration}"
here_e2e=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here_e2e/../../scripts/xvfb.sh"

E2E_TMP=$(mktemp -d "${E2E_TMPDIR:-/tmp}/sahne-e2e-XXXXXX")
cp -r "$RUNTIME_ROOT/." "$E2E_TMP/"
WORK=$E2E_TMP/game/editor/bin
# The texts the tests look for are the untranslated ones, whatever language a
# run of the build tree chose or the machine's locale names; a test that wants
# a language sets EDITOR_LC_ALL ("" leaves the locale to LANG).
[ -f "$WORK/sahne.cfg" ] && sed -i '/^ *language *=/d' "$WORK/sahne.cfg"
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

# start_editor [ARGUMENT...]: the editor on a new virtual display, with its window in front.
start_editor() {
  start_xvfb
  launch_editor "$@"
}

# launch_editor [ARGUMENT...]: the editor on the display started before.
launch_editor() {
  (cd "$WORK" && exec env LC_ALL="${EDITOR_LC_ALL-C}" ${EDITOR_WRAPPER:-} ./sahne "$@" >editor.out 2>editor.err) &
  EDITOR_PID=$!
  # This editor's window: one of an editor killed just before may linger a moment.
  WID=$(window_of "$EDITOR_PID" 60) || fail "the editor window did not open"
  started "$WID" 60 || fail "the editor did not finish its start"
  sleep 2
  # Without a window manager nobody gives the window the keyboard: take it.
  xdotool windowfocus "$WID"
  # Let the first frames render and the properties tab finish its slide.
  sleep 3
}

# window_of PID SECONDS: the window of the editor with that process id, once it is there.
window_of() {
  local i id
  for i in $(seq 1 $(($2 * 10))); do
    id=$(xdotool search --pid "$1" --name "$EDITOR_WINDOW" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# started WINDOW SECONDS: waits until the editor's start-up has ended, with what
# comes first (the recovery window) up: its title names the scenario ("Sahne - NAME").
started() {
  local i
  for i in $(seq 1 $(($2 * 10))); do
    case "$(xdotool getwindowname "$1" 2>/dev/null || true)" in "Sahne - "*) return 0 ;; esac
    sleep 0.1
  done
  return 1
}

# click X Y [BUTTON]: a click at window pixel X, Y.
click() {
  xdotool mousemove --window "$WID" "$1" "$2"
  sleep 0.3
  xdotool click "${3:-1}"
  sleep 1
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

# window_title: the editor window's title, which follows the frame's caption
# ("Sahne - NAME", with " *" while there are unsaved changes).
window_title() {
  xdotool getwindowname "$WID" 2>/dev/null || true
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

# Window positions of the controls (the window is 800 x 600).
MENU_DOSYA="45 41"; ITEM_YENI="71 72"; ITEM_AC="71 99"; ITEM_KAYDET="71 126"; ITEM_FARKLI_KAYDET="71 153"
TAB_LEFT="653 94"; TAB_RIGHT="779 94"
TOOL_ROW1="748 139"; TOOL_ROW2="748 203"; AREA_BUTTON="717 267"
MESAJ_YAZ="717 513"
MSG_TEXT="320 199"; MSG_Q1="268 263"; MSG_Q2="268 303"; MSG_Q3="268 343"; MSG_Q4="268 383"
MSG_ANSWER2="447 303"; MSG_EKLE="419 460"
DIALOG_NAME="433 238"; DIALOG_OK="473 451"; DIALOG_FIRST_ROW="193 273"
PROMPT_SAVE_YES="344 350"

# menu_item ITEM: opens the file menu and picks one of its items. The menu stays
# open after the pick; close_menu closes it (once no dialog is in front).
menu_item() {
  click $MENU_DOSYA
  click $1
  sleep 1
}
close_menu() {
  click $MENU_DOSYA
}

# slide_tabs BUTTON COUNT: scrolls the tool tabs, waiting for each slide.
slide_tabs() {
  local i
  for i in $(seq 1 "$2"); do click $1; sleep 3; done
}

# type_into X Y TEXT: clicks a text field and types.
type_into() {
  click "$1" "$2"
  type_text "$3"
}

# close_notice: clicks the notice's Tamam button, wherever the notice's size put it.
# In the window's middle column (left of the button's text) a button is a run of
# greys that lighten row by row up to nearly white; title bars stop darker.
# Returns 1 when no notice is showing.
close_notice() {
  xdotool mousemove --window "$WID" 400 14
  sleep 0.2
  local y
  y=$(timeout 10 import -window "$WID" -crop 1x600+365+0 +repage -depth 8 txt:- 2>/dev/null | awk -F'[ ,:()]+' '
    NR > 1 {
      row = $2; r = $3; g = $4; b = $5
      grey = (r == g && g == b)
      if (grey && run > 0 && r > last && r - last <= 5) { run++; last = r; next }
      if (run >= 12 && last >= 242 && start > 60) { print start; exit }
      run = grey ? 1 : 0; start = row; last = r
    }')
  [ -n "$y" ] || return 1
  click 400 $((y + 12))
}
