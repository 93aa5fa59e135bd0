#!/usr/bin/env bash
# Notices in the real window: a scenario naming a missing mesh, a file that is no
# scenario, a save into a folder the user may not write, and a tool whose mesh is
# gone. Each notice names the file and says what happened in Turkish words; the
# system's and the engine's English stays in the log. With NOTICE_SHOTS set, the
# screen of each notice is kept there.
source "$(dirname "$0")/lib.sh"

shots=${NOTICE_SHOTS:-$WORK}
mkdir -p "$shots"

printf 'human adam.mesh 4 0 6\nroad kaldirim_parcasi_bulunamayan_uzun_bir_adla.mesh 0 0 10 10\n' >"$WORK/eksik-model.zev"
printf 'Bu bir senaryo dosyasi degil,\nsadece bir alisveris listesi: elma 3 armut 2\n' >"$WORK/liste.zev"
rm "$WORK/../media/models/polis.mesh"
mkdir "$WORK/kilitli"
# The folder must be closed to the editor: as root, the editor runs as "nobody".
if [ "$(id -u)" = 0 ]; then
  mkdir -p "$E2E_TMP/home"
  chown -R 65534:65534 "$E2E_TMP"
  chown root:root "$WORK/kilitli"
  EDITOR_WRAPPER="env HOME=$E2E_TMP/home setpriv --reuid=65534 --regid=65534 --clear-groups"
fi
chmod 555 "$WORK/kilitli"

# notice_line PATTERN: the notice that matches, as the editor logged it.
notice_line() { grep -a "^sahne: .*$1" "$WORK/editor.err" | tail -1; }

# expect_notice NAME PATTERN WORDS...: the notice exists and holds the words, not
# the English of the system or the engine; the screen goes to NAME.png.
expect_notice() {
  local name=$1 pattern=$2 line word
  shift 2
  sleep 1
  import -window root "$shots/$name.png"
  line=$(notice_line "$pattern")
  [ -n "$line" ] || fail "no notice for $name"
  echo "$name: $line"
  for word in "$@"; do
    [[ "$line" == *"$word"* ]] || fail "the notice for $name lacks \"$word\""
  done
  for word in Cannot locate resource "No such" denied Permission exception; do
    [[ "$line" != *"$word"* ]] || fail "the notice for $name shows the engine's or the system's text \"$word\""
  done
  close_notice || fail "the notice for $name has no Tamam button"
}

# dialog_name NAME: replaces whatever the dialog's name field holds.
dialog_name() {
  click $DIALOG_NAME
  xdotool key End; xdotool key --repeat 40 --delay 4 BackSpace
  type_text "$1"
}

open_file() {
  menu_item "$ITEM_AC"
  dialog_name "$1"
  click $DIALOG_OK
  close_menu
}

start_editor
menu_item "$ITEM_YENI"
close_menu

open_file eksik-model.zev
expect_notice notice-missing-mesh "eksik-model.zev" "satir 2" "kaldirim_parcasi_bulunamayan_uzun_bir_adla.mesh" \
  "model dosyasi bulunamadi" "Sahne degismedi."

open_file liste.zev
expect_notice notice-malformed-file "liste.zev" "bir senaryo dosyasi degil ya da bozuk" "satir 1" "Sahne degismedi."

menu_item "$ITEM_KAYDET"
dialog_name "kilitli/sahne.zev"
click $DIALOG_OK
close_menu
expect_notice notice-read-only-folder "kilitli/sahne.zev" "kaydedilmedi" "izin yok"
[ -z "$(ls -A "$WORK/kilitli")" ] || fail "the save left something in the closed folder"
grep -aq "kilitli.*Permission denied" "$WORK/editor.err" || fail "the system's own reason is not in the log"

click 748 331                # Polis, whose mesh was removed
click 300 420
expect_notice notice-missing-tool-mesh "polis.mesh" "yuklenemedi" "model dosyasi bulunamadi"

key Escape
wait_for_exit 20 && code=0 || code=$?
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS"
