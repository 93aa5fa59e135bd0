#!/usr/bin/env bash
# The interface's language in the real window: under an English locale the
# caption and the menus are English, under a Turkish one Turkish with its
# letters; Gorunum > Dil switches a running editor at once and keeps the choice
# in sahne.cfg for the next start. With LANGUAGE_SHOTS set, the screens are kept
# there (menus open, the file dialog, the language window).
source "$(dirname "$0")/lib.sh"

shots=${LANGUAGE_SHOTS:-$WORK}
mkdir -p "$shots"
MENU_GORUNUM="250 41"; ITEM_DIL="277 206"

# keep NAME: the window's picture as NAME.png.
keep() {
  sleep 1
  import -window "$WID" "$shots/$1.png"
}

# menu_bar NAME: the picture of the menu buttons alone, for comparing languages.
menu_bar() {
  import -window "$WID" -crop 400x26+0+28 +repage "$E2E_TMP/$1-menus.png"
}

# expect_title TEXT: the window's title (the frame's caption) within a few seconds.
expect_title() {
  local i
  for i in $(seq 1 50); do
    [ "$(window_title)" = "$1" ] && return 0
    sleep 0.1
  done
  fail "the title is \"$(window_title)\", not \"$1\""
}

# quit_editor: ends the editor; one that a dialog keeps from ending is killed.
quit_editor() {
  local i
  kill "$EDITOR_PID"
  for i in $(seq 1 100); do
    kill -0 "$EDITOR_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$EDITOR_PID" 2>/dev/null || true
  wait "$EDITOR_PID" 2>/dev/null || true
  EDITOR_PID=
}

EDITOR_LC_ALL= LANG=en_US.UTF-8 start_editor
expect_title "Sahne - Untitled"
menu_bar en
keep en-start
click $MENU_DOSYA
keep en-file-menu
click $MENU_GORUNUM
keep en-view-menu
click $ITEM_DIL
keep en-language-window
# Its close button: the window goes, the language stays.
click 496 270
[ -f "$WORK/sahne.cfg" ] && grep -q "^language=" "$WORK/sahne.cfg" && fail "closing the language window chose one"
slide_tabs "$TAB_RIGHT" 1
keep en-roads-tab
quit_editor

EDITOR_LC_ALL= LANG=tr_TR.UTF-8 launch_editor
expect_title "Sahne - Adsız"
menu_bar tr
keep tr-start
click $MENU_GORUNUM
keep tr-view-menu
click $MENU_GORUNUM
slide_tabs "$TAB_RIGHT" 1
keep tr-roads-tab
menu_item "$ITEM_AC"
keep tr-file-dialog
click $DIALOG_NAME
type_text "yok.zev"
click $DIALOG_OK
keep tr-file-not-found
quit_editor

EDITOR_LC_ALL= LANG=C launch_editor
expect_title "Sahne - Adsiz"
menu_bar c
[ "$(compare -metric AE "$E2E_TMP/en-menus.png" "$E2E_TMP/tr-menus.png" null: 2>&1)" != 0 ] ||
  fail "the menus read the same in English and Turkish"
[ "$(compare -metric AE "$E2E_TMP/tr-menus.png" "$E2E_TMP/c-menus.png" null: 2>&1)" != 0 ] ||
  fail "the Turkish menus show no Turkish letters"

# A switch while the editor runs: the caption follows at once and the choice is kept.
click $MENU_GORUNUM
click $ITEM_DIL
keep c-language-window
click 400 351
expect_title "Sahne - Untitled"
keep c-switched-to-english
grep -qx "language=en" "$WORK/sahne.cfg" || fail "sahne.cfg does not keep language=en"
quit_editor

EDITOR_LC_ALL= LANG=tr_TR.UTF-8 launch_editor
expect_title "Sahne - Untitled"
echo "languages: English and Turkish menus differ, the switch applies at once and is kept"
