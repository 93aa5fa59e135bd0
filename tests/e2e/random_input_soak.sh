#!/usr/bin/env bash
# Random input for a while: seeded clicks, drags, key presses and shortcuts,
# typed text, menu items, tool buttons, the file dialog, the question before
# unsaved changes are lost, and test runs with their message window. Every so
# often the scene is saved through the dialog, opened again after New and saved
# under a second name: the two files must hold the same bytes. The editor must
# live through all of it and end only when told to. SOAK_MINUTES (default 1) and
# SOAK_SEED (default: the clock) choose the run; the same seed draws the same
# actions. With SOAK_KILL=1 the editor is also killed every so often and its
# unsaved work recovered at the next start (see kill_cycle).
source "$(dirname "$0")/lib.sh"

MINUTES=${SOAK_MINUTES:-1}
SEED=${SOAK_SEED:-$(($(date +%s) % 100000))}
KILL=${SOAK_KILL:-0}
if [ "$KILL" = 1 ]; then SAVE_EVERY=${SOAK_SAVE_EVERY:-90}; else SAVE_EVERY=${SOAK_SAVE_EVERY:-40}; fi
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

actions=0 saves=0 roundtrips=0 refused=0 skipped=0 escapes=0 held=0 deaths=0
# 1 after an Escape, Cikis or the frame's close button met unsaved changes: the
# guard may be asking whether to end the editor, where Kaydet and Kaydetme end it.
exit_asked=0
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
    "$refused refused by the editor, $skipped skipped), $escapes Escape presses," \
    "$held presses held back as unsafe, $deaths deaths"
  [ "$KILL" = 1 ] && echo "soak: $kills kills ($recoveries recoveries, $documents_lost documents lost," \
    "$nothing_unsaved with nothing to recover, $unverified recovered but not saved for the comparison);" \
    "autosave every $AUTOSAVE s"
  return 0
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

# A window gone with its editor is told as the death it is.
at() { xdotool mousemove --window "$WID" "$1" "$2" 2>/dev/null || check_alive; }
tap() { at "$1" "$2"; sleep 0.1; xdotool click "${3:-1}"; sleep 0.25; }

# --- What is on the screen, read from a few pixels of one capture -------------
# The pointer first goes to the title bar, so that no hovered button changes colour.
# A failed capture leaves the old picture; whether the editor still lives is checked after each action.
# (import waits for a click on some window when its window is gone: give it a time.)
capture() { at 400 14; sleep 0.1; timeout 10 import -window "$WID" "$E2E_TMP/probe.ppm" 2>/dev/null || true; }
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
# The file dialog: its body left of the listing and left of Tamam, Tamam's and Iptal's
# faces. (The listing itself changes: a chosen row is blue across its width.)
dialog_open() {
  local p
  read -r -a p <<<"$(pixels 168,300 300,451 455,451 600,451)"
  is_body "${p[0]}" && is_body "${p[1]}" && is_grey "${p[2]}" && is_grey "${p[3]}"
}
message_open() {
  local p
  read -r -a p <<<"$(pixels 75,300 200,420 300,460 420,263 420,383)"
  is_body "${p[0]}" && is_body "${p[1]}" && is_body "${p[2]}" && is_white "${p[3]}" && is_white "${p[4]}"
}
# "kurtarWindow": its first row chosen (light blue) above the list's white, Ac's face below.
recovery_open() {
  local p
  read -r -a p <<<"$(pixels 400,265 400,335 225,401)"
  [ "${p[0]}" = 153,191,255 ] && is_white "${p[1]}" && is_grey "${p[2]}"
}
# "kaydetSorWindow": three like button faces in a row, the body between and beside them.
guard_open() {
  local p
  read -r -a p <<<"$(pixels 318,340 448,340 578,340 318,350 448,350 578,350 335,345 465,345 205,300 595,300)"
  is_grey "${p[0]}" && [ "${p[1]}" = "${p[0]}" ] && [ "${p[2]}" = "${p[0]}" ] &&
    is_grey "${p[3]}" && [ "${p[4]}" = "${p[3]}" ] && [ "${p[5]}" = "${p[3]}" ] &&
    is_body "${p[6]}" && is_body "${p[7]}" && is_body "${p[8]}" && is_body "${p[9]}"
}
# A test run: its line over the view, one even grey across the whole width.
test_run_on() {
  local p q
  read -r -a p <<<"$(pixels 10,62 150,78 400,60 650,62 790,78)"
  [ "${#p[@]}" = 5 ] && is_grey "${p[0]}" || return 1
  for q in "${p[@]}"; do [ "$q" = "${p[0]}" ] || return 1; done
}
# The toolbox: its frame's title or its left edge (Gorunum > Arac Kutusu hides it).
toolbox_shown() {
  local p
  read -r -a p <<<"$(pixels 700,72 645,300)"
  [ "${p[0]:-}" = 214,214,214 ] || [ "${p[1]:-}" = 223,223,223 ]
}
file_menu_open() {
  local p
  read -r -a p <<<"$(pixels 14,64 126,64 14,118 126,118)"
  is_grey "${p[0]}" && is_grey "${p[1]}" && is_grey "${p[2]}" && is_grey "${p[3]}"
}

# The window's title follows the frame's caption: " *" at its end while there are unsaved changes.
unsaved() { [[ "$(window_title)" == *" *" ]]; }

# settled CHECK: CHECK holds on two captures some time apart, so an input still on
# its way (a save, an undo back to the saved state, a closing window) cannot undo it.
settled() {
  sleep 0.3
  capture
  "$1" || return 1
  sleep 0.4
  capture
  "$1"
}

# await CHECK SECONDS: captures until CHECK holds (a busy machine draws late); 1 after the time.
await() {
  local until=$((SECONDS + $2))
  while :; do
    capture
    "$1" && return 0
    [ "$SECONDS" -lt "$until" ] || return 1
    sleep 0.2
  done
}

# Once Escape or an ending click met unsaved changes: waits for the guard to ask.
expect_guard() {
  exit_asked=1
  await guard_open 3 || true
}

# What an Escape would do now, when it cannot end the editor; empty when it would.
escape_is_safe() {
  if settled unsaved; then echo "unsaved changes: the guard asks or has the key"
  elif settled dialog_open; then echo "the file dialog has the keys"
  elif settled message_open; then echo "the message editor has the keys"
  elif settled test_run_on; then echo "a test run takes it"
  fi
}

# Places that end the editor: the Cikis item and the frame's close button. Clicked
# only when unsaved changes make the guard ask first.
ends_editor() {
  { [ "$1" -le 140 ] && [ "$2" -ge 160 ] && [ "$2" -le 200 ]; } || { [ "$1" -ge 760 ] && [ "$2" -le 30 ]; }
}
# The guard's Kaydet and Kaydetme, which go on with what it asks about.
guard_goes_on() { [ "$1" -ge 205 ] && [ "$1" -le 465 ] && [ "$2" -ge 320 ] && [ "$2" -le 370 ]; }

# may_click X Y: whether a click there cannot end the editor.
may_click() {
  if [ "$exit_asked" = 1 ] && guard_goes_on "$1" "$2"; then return 1; fi
  if ends_editor "$1" "$2"; then
    settled unsaved || return 1
    exit_asked=1
  fi
  return 0
}

# after_click X Y: a click that may end the editor was let through: the guard asks.
after_click() {
  if [ "$exit_asked" = 1 ] && ends_editor "$1" "$2"; then expect_guard; fi
  return 0
}

# rtap X Y [BUTTON]: a random action's click, unless it could end the editor.
rtap() {
  if may_click "$1" "$2"; then
    tap "$@"
    after_click "$1" "$2"
  else
    held=$((held + 1)); log_action "held back: a click at $1 $2 could end the editor"
  fi
  return 0
}

rnd_point() { rnd 800; PX=$R; rnd 600; PY=$R; }

# --- Random actions ------------------------------------------------------------
WORDS=(Adam yol mavi alan Dikkat soru cevap kirmizi isik dur gec 123 -7 a.zev ../x "bos luk" "%s" "<..>" "." "" \
  cok_uzun_bir_kelime_cok_uzun_bir_kelime_cok_uzun_bir_kelime "iki  bosluk" "sekme" "z;x" "C:" "/" "save.zev")
KEYS=(Up Down Left Right w a s d Page_Up Page_Down Delete BackSpace Return Tab space Home End F1 F5 t f 1 2 x
  ctrl+z ctrl+y ctrl+shift+z ctrl+n ctrl+o ctrl+s ctrl+shift+s ctrl+z ctrl+y)
TOOLS=("653 94" "779 94" "748 139" "748 203" "748 267" "748 331" "673 139" "673 203" "717 267" "717 513"
  "700 400" "710 470")
DIALOG=("330 170" "378 170" "428 170" "440 204" "611 204" "433 238" "611 238" "473 451" "578 451" "626 134"
  "400 350" "455 350" "345 350")
MESSAGE=("320 199" "268 263" "268 303" "268 343" "268 383" "447 263" "447 303" "447 343" "447 383" "447 419"
  "419 460" "516 460" "560 139")
# The guard's Kaydet, Kaydetme, Vazgec and close button; the test run's answers, Devam and Bitir.
ASKING=("270 345" "400 345" "530 345" "586 244" "400 281" "400 321" "400 361" "400 401" "550 502" "655 502")
MENUS=("45 41" "127 41" "211 41" "350 41")
# Yeni, Ac, Kaydet, Farkli Kaydet, Cikis; Sil, Kes, Kopyala, Yapistir, Cogalt, Tumunu Sec, Geri Al, Yinele;
# Arac Kutusu, Dene; Yardim's Hakkinda; a notice's Tamam.
ITEMS=("71 72" "71 99" "71 126" "71 153" "71 180" "154 71" "154 98" "154 125" "154 152" "154 179" "154 206" "154 233"
  "154 260" "238 71" "238 98" "322 98" "400 349")

random_action() {
  # Whether the guard still asks about ending the editor.
  if [ "$exit_asked" = 1 ]; then
    capture
    guard_open || exit_asked=0
  fi
  rnd 100
  local pick=$R
  if [ "$pick" -lt 22 ]; then
    rnd_point; log_action "click $PX $PY"; rtap "$PX" "$PY"
  elif [ "$pick" -lt 26 ]; then
    rnd_point; log_action "right click $PX $PY"; rtap "$PX" "$PY" 3
  elif [ "$pick" -lt 28 ]; then
    rnd_point; log_action "double click $PX $PY"
    if may_click "$PX" "$PY"; then
      at "$PX" "$PY"; xdotool click --repeat 2 --delay 80 1; sleep 0.25
      after_click "$PX" "$PY"
    else
      held=$((held + 1)); log_action "held back: a double click could end the editor"
    fi
  elif [ "$pick" -lt 36 ]; then
    rnd_point; local x1=$PX y1=$PY; rnd_point
    rnd 2; local button=$((R * 2 + 1))
    log_action "drag button $button $x1 $y1 -> $PX $PY"
    if may_click "$x1" "$y1" && may_click "$PX" "$PY"; then
      at "$x1" "$y1"; xdotool mousedown "$button"; sleep 0.1
      at $(((x1 + PX) / 2)) $(((y1 + PY) / 2)); sleep 0.1
      at "$PX" "$PY"; sleep 0.1; xdotool mouseup "$button"; sleep 0.2
      after_click "$PX" "$PY"
    else
      held=$((held + 1)); log_action "held back: the drag could end the editor"
    fi
  elif [ "$pick" -lt 50 ]; then
    rnd ${#KEYS[@]}; local k=${KEYS[$R]}; rnd 4
    if [ "$R" = 0 ] && [[ "$k" != *+* ]]; then
      log_action "hold $k"; xdotool keydown "$k"; sleep 0.4; xdotool keyup "$k"
    else
      log_action "key $k"; xdotool key "$k"
    fi
    sleep 0.15
  elif [ "$pick" -lt 57 ]; then
    rnd ${#WORDS[@]}; local word=${WORDS[$R]}
    log_action "type '$word'"; xdotool type --delay 30 -- "$word"; sleep 0.15
  elif [ "$pick" -lt 65 ]; then
    rnd ${#MENUS[@]}; local menu=${MENUS[$R]}; rnd ${#ITEMS[@]}; local item=${ITEMS[$R]}
    log_action "menu $menu item $item"; rtap $menu; rtap $item
  elif [ "$pick" -lt 74 ]; then
    rnd ${#TOOLS[@]}; log_action "tool ${TOOLS[$R]}"; rtap ${TOOLS[$R]}
  elif [ "$pick" -lt 83 ]; then
    rnd 14
    if [ "$R" -lt 13 ]; then
      log_action "dialog ${DIALOG[$R]}"; rtap ${DIALOG[$R]}
    else
      rnd 12; local row=$((273 + 12 * R)); rnd 2
      if [ "$R" = 0 ]; then
        log_action "dialog row $row"; rtap 250 "$row"
      else
        log_action "dialog row $row double"
        if may_click 250 "$row"; then
          at 250 "$row"; xdotool click --repeat 2 --delay 80 1; sleep 0.25
        else
          held=$((held + 1)); log_action "held back: a double click could end the editor"
        fi
      fi
    fi
  elif [ "$pick" -lt 89 ]; then
    rnd ${#MESSAGE[@]}; log_action "message ${MESSAGE[$R]}"; rtap ${MESSAGE[$R]}
  elif [ "$pick" -lt 95 ]; then
    rnd ${#ASKING[@]}; log_action "asking ${ASKING[$R]}"; rtap ${ASKING[$R]}
  else
    # Escape ends the editor when nothing else takes it and nothing is unsaved.
    local why
    why=$(escape_is_safe)
    if [ -n "$why" ]; then
      log_action "Escape ($why)"; xdotool key Escape; escapes=$((escapes + 1)); sleep 0.3
      case $why in unsaved*) expect_guard ;; esac
    else
      held=$((held + 1)); log_action "no Escape: it would end the editor"
    fi
  fi
}

# --- Saving and reading back ---------------------------------------------------
# Closes what may stand in the way: the guard (Vazgec), a test run with its message
# window (Escape), prompts, the dialog, the message editor, a notice. The blind
# clicks on prompts and notices come only once the guard is seen closed: they lie
# on its Kaydetme.
tidy_up() {
  local i
  # A guard asked for just now may take a moment to show.
  [ "$exit_asked" = 1 ] && sleep 1
  for i in 1 2 3 4 5 6; do
    capture
    if guard_open; then log_action "tidy: Vazgec"; tap 530 345; continue; fi
    if settled test_run_on; then
      log_action "tidy: Escape ends the test run"; xdotool key Escape; escapes=$((escapes + 1)); sleep 0.5
      continue
    fi
    tap 400 350    # a notice's or the missing-file prompt's Tamam
    tap 455 350    # the overwrite prompt's Hayir
    close_notice || true   # a notice grown beyond the layout's size
    capture
    if dialog_open; then tap 578 451; continue; fi
    if message_open; then tap 516 460; continue; fi
    if file_menu_open; then tap 45 41; fi
    exit_asked=0
    return 0
  done
}

# file_command ITEM: Yeni, Ac or Kaydet from the file menu; the menu is left closed.
file_command() {
  # Two presses on Dosya within a third of a second are a double click, not two clicks.
  sleep 0.4
  capture
  file_menu_open || tap 45 41
  await file_menu_open 3 || return 1
  tap $1
  sleep 0.5
}

# dialog_accept NAME: types NAME into the dialog's file name field and accepts.
dialog_accept() {
  await dialog_open 5 || return 1
  tap 433 238
  xdotool key End; xdotool key --repeat 200 --delay 4 BackSpace
  xdotool type --delay 20 -- "$1"
  sleep 0.2
  tap 473 451
  sleep 0.5
  await dialog_closed 6
}
dialog_closed() { ! dialog_open; }

close_file_menu() {
  sleep 0.4
  capture
  if file_menu_open; then tap 45 41; fi
}

find_saved() {
  find "${SEARCH_DIRS[@]}" -xdev -name "$1" -newer "$E2E_TMP/cycle-start" -print -quit 2>/dev/null || true
}

# A picture of the screen when a save step could not be done, for whoever looks into it.
skip_picture() { timeout 10 import -window "$WID" "$RESULTS/skipped-$1.png" 2>/dev/null || true; }

# The soak's own folder named from any folder: enough "../" reach the root first.
OWN_FOLDER=$(printf '../%.0s' $(seq 1 24))${E2E_TMP#/}/

# save_as NAME: saves through Dosya > Farkli Kaydet and the dialog; the file written, if any.
save_as() {
  SAVED=
  file_command "71 153" && dialog_accept "$1" || return 1
  close_file_menu
  SAVED=$(find_saved "${1##*/}")
}

# A copy the soak put into a folder of the dialog's (see save_cycle), removed after its cycle.
PLACED=
trap 'rm -f "$PLACED"; cleanup' EXIT

save_cycle() {
  local n=$1 name="soak-$SEED-$1.zev" again="soak-$SEED-$1-again.zev" where="" first second
  log_action "save cycle $n"
  [ -z "$PLACED" ] || rm -f "$PLACED"
  PLACED=
  tidy_up
  # A hidden toolbox comes back, so that the next round places things again.
  capture
  if ! toolbox_shown; then
    log_action "Gorunum > Arac Kutusu: the toolbox back"
    tap 211 41; tap 238 71; sleep 0.4; tap 211 41
  fi
  touch "$E2E_TMP/cycle-start"
  sleep 1
  if ! save_as "$name"; then
    skipped=$((skipped + 1)); skip_picture "$n-save"; tidy_up; log_action "save cycle $n skipped: dialog not reached"; return 0
  fi
  saves=$((saves + 1))
  if [ -z "$SAVED" ]; then
    refused=$((refused + 1)); log_action "save $name refused by the editor"
    # Random browsing may have left the dialog in a folder nobody may write. The
    # editor saves into the soak's own folder when the name leads there; Open takes
    # only names in the dialog's folder, so the soak puts the file there to be read.
    local folder
    folder=$(sed -n "s|^sahne: Senaryo \"\(.*\)/$name\" dosyasina kaydedilmedi.*|\1|p" "$WORK/editor.err" | tail -1)
    tidy_up
    if [ -z "$folder" ] && ! grep -q "^sahne: Senaryo \"/$name\" dosyasina kaydedilmedi" "$WORK/editor.err"; then
      skipped=$((skipped + 1)); log_action "save cycle $n skipped: no notice names the dialog's folder"; return 0
    fi
    where=$OWN_FOLDER
    if ! save_as "$where$name" || [ -z "$SAVED" ]; then
      skipped=$((skipped + 1)); tidy_up; log_action "save cycle $n skipped: no save into $E2E_TMP"; return 0
    fi
    PLACED=$folder/$name
    if ! cp "$SAVED" "$PLACED" 2>/dev/null; then
      PLACED=; rm -f "$SAVED"; skipped=$((skipped + 1)); log_action "save cycle $n skipped: $folder/ takes no copy"
      return 0
    fi
    rm -f "$SAVED"
    SAVED=$PLACED
  fi
  first=$SAVED
  cp "$first" "$RESULTS/$name"
  # Read it back into an empty scene and save it again. Saved, nothing is unsaved;
  # should the guard still ask, it asks about New, and Kaydetme goes on.
  if ! file_command "71 72"; then
    skipped=$((skipped + 1)); skip_picture "$n-new"; tidy_up; log_action "New before reading $name back skipped"; return 0
  fi
  capture
  if guard_open; then log_action "guard after a save: Kaydetme"; tap 400 345; fi
  close_file_menu
  if ! file_command "71 99" || ! dialog_accept "$name"; then
    skipped=$((skipped + 1)); skip_picture "$n-read"; tidy_up; log_action "read back of $name skipped"; return 0
  fi
  close_file_menu
  if grep -q "^sahne: \".*/$name\"" "$WORK/editor.err"; then
    cp "$WORK/editor.err" "$RESULTS/"
    fail "the editor could not read back $first, which it had just saved (seed $SEED)"
  fi
  if ! save_as "$where$again"; then
    skipped=$((skipped + 1)); skip_picture "$n-again"; tidy_up; log_action "second save of $name skipped"; return 0
  fi
  second=$SAVED
  [ -n "$second" ] || fail "the second save ($again) wrote nothing (seed $SEED)"
  cp "$second" "$RESULTS/$again"
  cmp "$first" "$second" || fail "reading $first back and saving it again changed it (seed $SEED); see $RESULTS"
  roundtrips=$((roundtrips + 1))
  rm -f "$first" "$second"
  PLACED=
  log_action "save cycle $n: $(wc -c <"$RESULTS/$name") bytes read back identical"
}

# --- Killing and recovering (SOAK_KILL=1) ------------------------------------------
# Every KILL_MIN to KILL_MAX seconds the editor is killed with SIGKILL at a random
# moment and started again. The newest recovery copy left behind is then offered,
# Ac opens it and a save through the dialog must give the copy's bytes. An unsaved
# change that the title showed longer than one autosave interval and a write
# before the kill must be in the copy (written after the change). Anything else
# counts as a document lost.
AUTOSAVE=${SOAK_AUTOSAVE_SECONDS:-4}
KILL_MIN=${SOAK_KILL_MIN:-15}
KILL_MAX=${SOAK_KILL_MAX:-45}
RECOVERY=$WORK/../state/recovery
kills=0 recoveries=0 documents_lost=0 nothing_unsaved=0 unverified=0
# When unsaved changes began, as far as the title tells: the look before the one
# that first saw " *" (dirty_from) and that one (dirty_seen); "recovered" while the
# document is a recovered one whose changes the title cannot tell apart.
dirty_from= dirty_seen= last_look=$(date +%s)

watch_title() {
  local now
  now=$(date +%s)
  if unsaved; then
    [ -n "$dirty_seen" ] || { dirty_from=$last_look; dirty_seen=$now; }
  else
    dirty_from= dirty_seen=
  fi
  last_look=$now
}

lose() {
  documents_lost=$((documents_lost + 1))
  log_action "kill $1: DOCUMENT LOST: $2"
  echo "soak: kill $1: document lost: $2" >&2
}

kill_cycle() {
  local n=$1 killed_at copy copy_time snapshot=$RESULTS/kill-$1-copy.zev
  watch_title
  # A random moment, whatever the editor is busy with (an autosave may be under way).
  rnd 2000; sleep "$(printf '%d.%03d' $((R / 1000)) $((R % 1000)))"
  killed_at=$(date +%s)
  kill -9 "$EDITOR_PID"
  wait "$EDITOR_PID" 2>/dev/null || true
  EDITOR_PID=
  kills=$((kills + 1))
  copy=$(ls -t "$RECOVERY"/*.zev 2>/dev/null | head -1 || true)
  log_action "kill $n: $([ -n "$copy" ] && basename "$copy" || echo "no copy"), unsaved since ${dirty_seen:-never}"
  [ -z "$copy" ] || cp "$copy" "$snapshot"
  if [ -n "$dirty_seen" ] && [ "$dirty_seen" != recovered ] && [ $((killed_at - dirty_seen)) -gt $((AUTOSAVE + 3)) ]; then
    if [ -z "$copy" ]; then
      lose "$n" "unsaved changes for $((killed_at - dirty_seen)) s and no recovery copy"
    else
      copy_time=$(sed -n 's/^time=//p' "${copy%.zev}.bilgi" 2>/dev/null || true)
      [ -n "$copy_time" ] && [ "$copy_time" -ge "$dirty_from" ] ||
        lose "$n" "the copy was written at ${copy_time:-?}, before the change seen at $dirty_seen"
    fi
  fi

  launch_editor
  exit_asked=0
  if [ -z "$copy" ]; then
    nothing_unsaved=$((nothing_unsaved + 1))
    capture
    if recovery_open; then lose "$n" "a recovery window without a copy"; tap 529 401; fi
    tap 45 41; tap 71 72; tap 45 41   # New unlocks the tools
  elif ! await recovery_open 20; then
    lose "$n" "the copy $(basename "$copy") was not offered"
    skip_picture "kill-$n-no-offer"
    report
    fail "a recovery copy was not offered after kill $n (seed $SEED)"
  else
    tap 269 401   # Ac: the first row, the newest copy
    sleep 1
    capture
    if recovery_open || ! unsaved; then
      lose "$n" "Ac did not open $(basename "$copy") as unsaved work"
      skip_picture "kill-$n-not-opened"
      report
      fail "Ac did not open the recovery copy after kill $n (seed $SEED)"
    else
      touch "$E2E_TMP/cycle-start"
      sleep 1
      if save_as "kill-$SEED-$n.zev" && [ -n "$SAVED" ]; then
        if cmp -s "$SAVED" "$snapshot"; then
          recoveries=$((recoveries + 1))
          log_action "kill $n: recovered $(wc -c <"$snapshot") bytes identical"
        else
          cp "$SAVED" "$RESULTS/kill-$n-saved.zev"
          lose "$n" "the recovered scenario differs from the copy (see $RESULTS/kill-$n-*)"
        fi
        rm -f "$SAVED"
      else
        unverified=$((unverified + 1))
        tidy_up
        log_action "kill $n: recovered, but the save for the comparison did not happen"
      fi
    fi
  fi
  dirty_from= dirty_seen=
  unsaved && dirty_seen=recovered
  last_look=$(date +%s)
  place_someone
  watch_title
}

# One sure edit after each start, so that most kills find unsaved work: a man from
# the first tool tab on the ground ahead.
place_someone() {
  rnd 450; local x=$((100 + R)); rnd 150
  log_action "place a man at $x $((400 + R))"
  tap 748 139; tap "$x" $((400 + R))
}

next_kill_in() { rnd $((KILL_MAX - KILL_MIN + 1)); next_kill=$((SECONDS + KILL_MIN + R)); }

# --- The run ---------------------------------------------------------------------
echo "soak: seed $SEED for $MINUTES min; actions logged in $ACTIONS_LOG"
[ "$KILL" = 1 ] && echo "autosave_seconds=$AUTOSAVE" >"$WORK/sahne.cfg"
start_editor
tap 45 41; tap 71 72; tap 45 41     # New, so that the tools are open from the start
[ "$KILL" = 1 ] && place_someone
end=$((SECONDS + MINUTES * 60))
next_save=$((SECONDS + SAVE_EVERY))
next_kill_in
cycle=0
while [ "$SECONDS" -lt "$end" ]; do
  random_action
  check_alive
  [ "$KILL" = 1 ] && watch_title
  if [ "$SECONDS" -ge "$next_save" ]; then
    cycle=$((cycle + 1))
    save_cycle "$cycle"
    check_alive
    next_save=$((SECONDS + SAVE_EVERY))
  fi
  if [ "$KILL" = 1 ] && [ "$SECONDS" -ge "$next_kill" ]; then
    kill_cycle $((kills + 1))
    check_alive
    next_kill_in
  fi
done
cycle=$((cycle + 1))
save_cycle "$cycle"
check_alive
[ -z "$PLACED" ] || rm -f "$PLACED"

# A clean end: Escape once the rest is closed; the guard asks when something is
# unsaved, and Kaydetme ends the editor. Something the tidy-up missed gets a
# second and a third try.
for attempt in 1 2 3; do
  tidy_up
  # The tidy-up's taps may have selected an item, which a first Escape only gives up.
  for press in 1 2; do
    log_action "Escape to end"
    xdotool key Escape
    escapes=$((escapes + 1))
    guard_seen=0
    for _ in 1 2 3 4 5 6 7 8 9 10; do
      alive || break
      capture
      if guard_open; then log_action "guard at the end: Kaydetme"; tap 400 345; guard_seen=1; break; fi
      sleep 0.3
    done
    sleep 1
    alive && [ "$guard_seen" = 0 ] || break
  done
  alive || break
done
wait_for_exit 20 && code=0 || code=$?
report
[ "$saves" -gt 0 ] || fail "no save reached the dialog"
[ "$roundtrips" -gt 0 ] || fail "no save was read back"
[ "$code" = 0 ] || fail "exit code $code at the end"
if [ "$KILL" = 1 ]; then
  [ "$kills" -gt 0 ] || fail "no kill happened"
  [ "$documents_lost" = 0 ] || fail "$documents_lost documents lost; see $ACTIONS_LOG"
  left=$(find "$RECOVERY" -name '*.zev' 2>/dev/null | wc -l)
  [ "$left" = 0 ] || fail "$left recovery copies left after the clean end: $(ls "$RECOVERY")"
fi
echo "PASS"
