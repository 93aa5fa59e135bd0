#!/usr/bin/env bash
# Random input for a while: seeded clicks, drags, key presses, typed text, menu
# items, tool buttons and the file dialog with its buttons. Every so often the
# scene is saved through the dialog, opened again after New and saved under a
# second name: the two files must hold the same bytes. The editor must live
# through all of it. SOAK_MINUTES (default 1) and SOAK_SEED (default: the clock)
# choose the run; the same seed gives the same actions.
source "$(dirname "$0")/lib.sh"

MINUTES=${SOAK_MINUTES:-1}
SEED=${SOAK_SEED:-$(($(date +%s) % 100000))}
SAVE_EVERY=${SOAK_SAVE_EVERY:-40}
RANDOM=$SEED
RESULTS=${SOAK_RESULTS:-$E2E_TMP/results}
mkdir -p "$RESULTS"
ACTIONS_LOG=$RESULTS/actions.log
: >"$ACTIONS_LOG"

# Random typing, dialog buttons and drives may save anywhere the editor may write.
# As root, the editor runs as "nobody": it writes only into its own tree and the
# world-writable temporary folders, and it meets folders it may not write.
if [ "$(id -u)" = 0 ]; then
  mkdir -p "$E2E_TMP/home"
  chown -R 65534:65534 "$E2E_TMP"
  EDITOR_WRAPPER="env HOME=$E2E_TMP/home setpriv --reuid=65534 --regid=65534 --clear-groups"
  SEARCH_DIRS=("$E2E_TMP" /tmp /var/tmp /dev/shm)
else
  SEARCH_DIRS=("$E2E_TMP" /tmp /var/tmp /dev/shm "$HOME")
fi

# A failing step ends the run (set -e): say where, with the seed and the last actions.
trap 'echo "soak: stopped at line $LINENO ($BASH_COMMAND), seed $SEED; last actions:" >&2; printf "  %s\n" "${recent[@]}" >&2' ERR

actions=0 saves=0 roundtrips=0 refused=0 skipped=0 escapes=0 deaths=0
declare -a recent=()

# R: a random number below $1 (no subshell, so that the seed decides every draw).
rnd() { R=$((RANDOM % $1)); }

log_action() {
  actions=$((actions + 1))
  recent+=("$actions: $*")
  [ "${#recent[@]}" -gt 25 ] && recent=("${recent[@]:1}")
  echo "$actions: $*" >>"$ACTIONS_LOG"
}

alive() {
  [ -r "/proc/$EDITOR_PID/stat" ] || return 1
  local state
  state=$(awk '{ print $3 }' "/proc/$EDITOR_PID/stat" 2>/dev/null) || return 1
  [ -n "$state" ] && [ "$state" != Z ]
}

report() {
  echo "soak: seed $SEED, $MINUTES min, $actions actions, $saves saves ($roundtrips read back identical," \
    "$refused refused by the editor, $skipped skipped), $escapes Escape presses, $deaths deaths"
}

died() {
  deaths=1
  local code=0
  wait "$EDITOR_PID" 2>/dev/null || code=$?
  EDITOR_PID=
  echo "The editor died (exit status $code, seed $SEED). Last actions:" >&2
  printf '  %s\n' "${recent[@]}" >&2
  cp "$WORK"/editor.err "$WORK"/editor.out "$RESULTS/" 2>/dev/null || true
  report
  fail "the editor died during the soak (seed $SEED); actions in $ACTIONS_LOG"
}

check_alive() { alive || died; }

# Places that end the editor on purpose: the Cikis menu item and the frame's close button.
forbidden() {
  local x=$1 y=$2
  { [ "$x" -le 140 ] && [ "$y" -ge 132 ] && [ "$y" -le 172 ]; } || { [ "$x" -ge 760 ] && [ "$y" -le 30 ]; }
}

rnd_point() {
  while :; do
    rnd 800; PX=$R; rnd 600; PY=$R
    forbidden "$PX" "$PY" || return 0
  done
}

at() { xdotool mousemove --window "$WID" "$1" "$2"; }
tap() { at "$1" "$2"; sleep 0.1; xdotool click "${3:-1}"; sleep 0.25; }

# --- What is on the screen, read from a few pixels of one capture -------------
# The pointer first goes to the title bar, so that no hovered button changes colour.
# A failed capture leaves the old picture; whether the editor still lives is checked after each action.
capture() { at 400 14; sleep 0.1; import -window "$WID" "$E2E_TMP/probe.ppm" 2>/dev/null || true; }
pixels() {  # pixels X,Y ... -> "r,g,b r,g,b ..."
  local fmt="" p
  for p in "$@"; do fmt+="%[fx:int(255*p{$p}.r)],%[fx:int(255*p{$p}.g)],%[fx:int(255*p{$p}.b)] "; done
  convert "$E2E_TMP/probe.ppm" -format "$fmt" info: 2>/dev/null
}
is_white() { [ "$1" = 255,255,255 ]; }
is_body() {  # the light blue-grey of dialog bodies
  local r g b
  IFS=, read -r r g b <<<"$1"
  [ "$r" -ge 222 ] && [ "$g" -ge 222 ] && [ "$b" -ge 240 ] && [ "$b" -ge "$r" ]
}
is_grey() {  # a button face
  local r g b
  IFS=, read -r r g b <<<"$1"
  [ "$r" -ge 180 ] && [ "$r" -le 240 ] && [ $((r - g)) -le 4 ] && [ $((g - r)) -le 4 ] &&
    [ $((g - b)) -le 4 ] && [ $((b - g)) -le 4 ]
}
dialog_open() {
  local p
  read -r -a p <<<"$(pixels 168,300 300,451 400,350 300,400 600,300)"
  is_body "${p[0]}" && is_body "${p[1]}" && is_white "${p[2]}" && is_white "${p[3]}" && is_white "${p[4]}"
}
message_open() {
  local p
  read -r -a p <<<"$(pixels 75,300 200,420 300,460 420,263 420,383)"
  is_body "${p[0]}" && is_body "${p[1]}" && is_body "${p[2]}" && is_white "${p[3]}" && is_white "${p[4]}"
}
file_menu_open() {
  local p
  read -r -a p <<<"$(pixels 14,64 126,64 14,118 126,118)"
  is_grey "${p[0]}" && is_grey "${p[1]}" && is_grey "${p[2]}" && is_grey "${p[3]}"
}

# --- Random actions ------------------------------------------------------------
WORDS=(Adam yol mavi alan Dikkat soru cevap kirmizi isik dur gec 123 -7 a.zev ../x "bos luk" "%s" "<..>" "." "" \
  cok_uzun_bir_kelime_cok_uzun_bir_kelime_cok_uzun_bir_kelime "iki  bosluk" "sekme" "z;x" "C:" "/" "save.zev")
KEYS=(Up Down Left Right w a s d Page_Up Page_Down Delete BackSpace Return Tab space Home End F1 F5 t f 1 2 x)
TOOLS=("653 94" "779 94" "748 139" "748 203" "748 267" "748 331" "673 139" "673 203" "717 267" "717 513"
  "700 400" "710 470")
DIALOG=("330 170" "378 170" "428 170" "440 204" "611 204" "433 238" "611 238" "473 451" "578 451" "626 134"
  "400 350" "455 350" "345 350")
MESSAGE=("320 199" "268 263" "268 303" "268 343" "268 383" "447 263" "447 303" "447 343" "447 383" "447 419"
  "419 460" "516 460" "560 139")
MENUS=("45 41" "127 41" "211 41" "297 41")
ITEMS=("71 72" "71 99" "71 126" "154 71" "238 71" "322 71" "400 349")

random_action() {
  rnd 100
  local pick=$R
  if [ "$pick" -lt 24 ]; then
    rnd_point; log_action "click $PX $PY"; tap "$PX" "$PY"
  elif [ "$pick" -lt 28 ]; then
    rnd_point; log_action "right click $PX $PY"; tap "$PX" "$PY" 3
  elif [ "$pick" -lt 30 ]; then
    rnd_point; log_action "double click $PX $PY"; at "$PX" "$PY"; xdotool click --repeat 2 --delay 80 1; sleep 0.25
  elif [ "$pick" -lt 38 ]; then
    rnd_point; local x1=$PX y1=$PY; rnd_point
    rnd 2; local button=$((R * 2 + 1))
    log_action "drag button $button $x1 $y1 -> $PX $PY"
    at "$x1" "$y1"; xdotool mousedown "$button"; sleep 0.1
    at $(((x1 + PX) / 2)) $(((y1 + PY) / 2)); sleep 0.1
    at "$PX" "$PY"; sleep 0.1; xdotool mouseup "$button"; sleep 0.2
  elif [ "$pick" -lt 52 ]; then
    rnd ${#KEYS[@]}; local k=${KEYS[$R]}; rnd 4
    if [ "$R" = 0 ]; then
      log_action "hold $k"; xdotool keydown "$k"; sleep 0.4; xdotool keyup "$k"
    else
      log_action "key $k"; xdotool key "$k"
    fi
    sleep 0.15
  elif [ "$pick" -lt 60 ]; then
    rnd ${#WORDS[@]}; local word=${WORDS[$R]}
    log_action "type '$word'"; xdotool type --delay 30 -- "$word"; sleep 0.15
  elif [ "$pick" -lt 68 ]; then
    rnd ${#MENUS[@]}; local menu=${MENUS[$R]}; rnd ${#ITEMS[@]}; local item=${ITEMS[$R]}
    log_action "menu $menu item $item"; tap $menu; tap $item
  elif [ "$pick" -lt 78 ]; then
    rnd ${#TOOLS[@]}; log_action "tool ${TOOLS[$R]}"; tap ${TOOLS[$R]}
  elif [ "$pick" -lt 88 ]; then
    rnd 14
    if [ "$R" -lt 13 ]; then
      log_action "dialog ${DIALOG[$R]}"; tap ${DIALOG[$R]}
    else
      rnd 12; local row=$((273 + 12 * R)); rnd 2
      if [ "$R" = 0 ]; then
        log_action "dialog row $row"; tap 250 "$row"
      else
        log_action "dialog row $row double"; at 250 "$row"; xdotool click --repeat 2 --delay 80 1; sleep 0.25
      fi
    fi
  elif [ "$pick" -lt 95 ]; then
    rnd ${#MESSAGE[@]}; log_action "message ${MESSAGE[$R]}"; tap ${MESSAGE[$R]}
  else
    # Escape ends the editor unless the file dialog or the message editor has the keys.
    capture
    if dialog_open || message_open; then
      log_action "Escape (a dialog is open)"; xdotool key Escape; escapes=$((escapes + 1)); sleep 0.3
    else
      log_action "no Escape: neither dialog is open"
    fi
  fi
}

# --- Saving and reading back ---------------------------------------------------
# Closes what may stand in the way: prompts, the dialog, the message editor, a notice.
tidy_up() {
  local i
  for i in 1 2 3 4; do
    tap 400 350    # a notice's or the missing-file prompt's Tamam
    tap 455 350    # the overwrite prompt's Hayir
    close_notice || true   # a notice grown beyond the layout's size
    capture
    if dialog_open; then tap 578 451; continue; fi
    if message_open; then tap 516 460; continue; fi
    if file_menu_open; then tap 45 41; fi
    return 0
  done
}

# file_command ITEM: Yeni, Ac or Kaydet from the file menu; the menu is left closed.
file_command() {
  # Two presses on Dosya within a third of a second are a double click, not two clicks.
  sleep 0.4
  capture
  file_menu_open || tap 45 41
  capture
  file_menu_open || return 1
  tap $1
  sleep 0.5
}

# dialog_name NAME: types NAME into the dialog's file name field and accepts.
dialog_accept() {
  capture
  dialog_open || return 1
  tap 433 238
  xdotool key End; xdotool key --repeat 90 --delay 4 BackSpace
  xdotool type --delay 20 -- "$1"
  sleep 0.2
  tap 473 451
  sleep 0.8
  capture
  ! dialog_open
}

close_file_menu() {
  sleep 0.4
  capture
  if file_menu_open; then tap 45 41; fi
}

find_saved() {
  find "${SEARCH_DIRS[@]}" -xdev -name "$1" -newer "$E2E_TMP/cycle-start" -print -quit 2>/dev/null || true
}

# A picture of the screen when a save step could not be done, for whoever looks into it.
skip_picture() { import -window "$WID" "$RESULTS/skipped-$1.png" 2>/dev/null || true; }

save_cycle() {
  local n=$1 name="soak-$SEED-$1.zev" again="soak-$SEED-$1-again.zev" first second
  log_action "save cycle $n"
  tidy_up
  touch "$E2E_TMP/cycle-start"
  sleep 1
  if ! file_command "71 126" || ! dialog_accept "$name"; then
    skipped=$((skipped + 1)); skip_picture "$n-save"; tidy_up; log_action "save cycle $n skipped: dialog not reached"; return 0
  fi
  close_file_menu
  saves=$((saves + 1))
  first=$(find_saved "$name")
  if [ -z "$first" ]; then
    refused=$((refused + 1)); tidy_up; log_action "save $name refused by the editor"; return 0
  fi
  cp "$first" "$RESULTS/$name"
  # Read it back into an empty scene and save it again.
  file_command "71 72" || { skipped=$((skipped + 1)); tidy_up; return 0; }
  close_file_menu
  if ! file_command "71 99" || ! dialog_accept "$name"; then
    skipped=$((skipped + 1)); skip_picture "$n-read"; tidy_up; log_action "read back of $name skipped"; return 0
  fi
  close_file_menu
  if grep -q "^sahne: \".*/$name\"" "$WORK/editor.err"; then
    cp "$WORK/editor.err" "$RESULTS/"
    fail "the editor could not read back $first, which it had just saved (seed $SEED)"
  fi
  if ! file_command "71 126" || ! dialog_accept "$again"; then
    skipped=$((skipped + 1)); skip_picture "$n-again"; tidy_up; log_action "second save of $name skipped"; return 0
  fi
  close_file_menu
  second=$(find_saved "$again")
  [ -n "$second" ] || fail "the second save ($again) wrote nothing (seed $SEED)"
  cp "$second" "$RESULTS/$again"
  cmp "$first" "$second" || fail "reading $first back and saving it again changed it (seed $SEED); see $RESULTS"
  roundtrips=$((roundtrips + 1))
  rm -f "$first" "$second"
  log_action "save cycle $n: $(wc -c <"$RESULTS/$name") bytes read back identical"
}

# --- The run ---------------------------------------------------------------------
echo "soak: seed $SEED for $MINUTES min; actions logged in $ACTIONS_LOG"
start_editor
tap 45 41; tap 71 72; tap 45 41     # New, so that the tools are open from the start
end=$((SECONDS + MINUTES * 60))
next_save=$((SECONDS + SAVE_EVERY))
cycle=0
while [ "$SECONDS" -lt "$end" ]; do
  random_action
  check_alive
  if [ "$SECONDS" -ge "$next_save" ]; then
    cycle=$((cycle + 1))
    save_cycle "$cycle"
    check_alive
    next_save=$((SECONDS + SAVE_EVERY))
  fi
done
cycle=$((cycle + 1))
save_cycle "$cycle"
check_alive

# A clean end: Escape once the dialogs are closed.
tidy_up
xdotool key Escape
wait_for_exit 20 && code=0 || code=$?
report
[ "$saves" -gt 0 ] || fail "no save reached the dialog"
[ "$roundtrips" -gt 0 ] || fail "no save was read back"
[ "$code" = 0 ] || fail "exit code $code at the end"
echo "PASS"
