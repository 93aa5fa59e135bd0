#!/usr/bin/env bash
# Dene: a scenario with two messages ahead of the camera (the first with a quiz)
# is opened; the up arrow walks into the first message, the quiz is answered,
# the walk goes on to the second, Escape ends the run with its counts. A second
# run answers wrong and ends with Bitir. Saving afterwards gives the file's bytes.
source "$(dirname "$0")/lib.sh"

ITEM_GORUNUM="210 41"; ITEM_DENE="240 99"
ANSWER1="400 281"; ANSWER2="400 321"; ANSWER3="400 361"
DEVAM="550 502"; BITIR="655 502"; NOTICE_OK="400 349"

# The camera starts at (0, 0, 80) looking along -z: the quiz area lies across
# z 20..50, the message area across z -40..-10, both 60 units wide. The
# message and its second question are as long as the file allows.
printf '%s' "bluearea kup.mesh 0 0 35 -30 20 30 50 1 2
Yaya gecidine yaklastiniz. Yavaslayin, cevreye iyi bakin ve gecitteki yayalara her zaman yol verin.
Hizlanip gecmek
Durup yayalara yol vermek, sonra dikkatle gecmek.
Korna calmak
Serite aldirmamak
bluearea kup.mesh 0 0 -25 -30 -40 30 -10 1 -1
Kavsaga geldiniz: isiklara dikkat edin." > "$WORK/deneme.zev"
cp "$WORK/deneme.zev" "$WORK/original.zev"

notices() { grep -c "Deneme bitti" "$WORK/editor.err" || true; }

# hold_up_until_message SECONDS: walks ahead; the message window stops the walk.
hold_up() {
  xdotool keydown Up
  sleep "$1"
  xdotool keyup Up
  sleep 0.5
}

start_editor
menu_item "$ITEM_AC"
type_into $DIALOG_NAME "deneme.zev"
click $DIALOG_OK
close_menu
sleep 1
shot dene-1-opened

click $ITEM_GORUNUM
click $ITEM_DENE
sleep 1
shot dene-2-started
hold_up 3
shot dene-3-first-message
click $DEVAM                      # no answer yet: the window stays
click $ANSWER2
shot dene-4-right-answer
click $ANSWER1                    # answered already: nothing changes
click $DEVAM
hold_up 4
shot dene-5-second-message
click $DEVAM
hold_up 1
key Escape
sleep 1
shot dene-6-summary
kill -0 "$EDITOR_PID" 2>/dev/null || fail "Escape during the run ended the editor"
grep -q "Deneme bitti. Dogru cevap: 1 / 1, gorulen mesaj: 2 / 2" "$WORK/editor.err" \
  || fail "expected 1 / 1 and 2 / 2 in the notice: $(grep Deneme "$WORK/editor.err" || true)"

# The notice stays open: the next run puts it away so it cannot take the quiz's clicks.
# Once more, answered wrong, ended with Bitir: each message shows again in a new
# run, and only an answered quiz lets the walk go on to the second message.
key F5
hold_up 3
click $ANSWER3
shot dene-7-wrong-answer
click $DEVAM
hold_up 4
click $BITIR
sleep 1
shot dene-8-summary-bitir
grep -q "Deneme bitti. Dogru cevap: 0 / 1, gorulen mesaj: 2 / 2" "$WORK/editor.err" \
  || fail "expected 0 / 1 and 2 / 2 in the second notice: $(grep Deneme "$WORK/editor.err" || true)"
click $NOTICE_OK

menu_item "$ITEM_FARKLI_KAYDET"
type_text "save.zev"             # in place of the offered name of the opened file
click $DIALOG_OK
close_menu
[ -f "$WORK/save.zev" ] || fail "nothing was saved"
cmp "$WORK/original.zev" "$WORK/save.zev" || fail "the scenario saved after the runs differs from the opened file"
cmp "$WORK/original.zev" "$WORK/deneme.zev" || fail "the opened file was changed"

key Escape
wait_for_exit 20 && code=0 || code=$?
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS"
