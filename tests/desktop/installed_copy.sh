#!/usr/bin/env bash
# The installed editor as a user would run it: installed into a temporary prefix,
# started by a user other than root as "sahne FILE" with a path relative to the
# start directory, saved through the file dialog into that user's home. The
# saved file equals the opened one, and nothing is written inside the installed tree.
build=${1:?usage: installed_copy.sh BUILD_DIR}
source "$(dirname "$0")/../e2e/lib.sh"

# The installed tree belongs to root and the user only reads it.
chmod 755 "$E2E_TMP"
prefix=$E2E_TMP/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

if [ "$(id -u)" = 0 ]; then
  user=nobody
  as_user=(runuser -u "$user" --)
else
  user=$(id -un)
  as_user=()
fi
home=$E2E_TMP/home
mkdir -p "$home/isler"
cp "$here_e2e/journey_expected.zev" "$home/isler/yol.zev"
[ "$(id -u)" = 0 ] && chown -R "$user" "$home"
WORK=$E2E_TMP/logs
mkdir -p "$WORK"

listing() { find "$prefix" -printf '%p %s %T@ %u\n' | sort; }
listing > "$WORK/installed-before.txt"

start_xvfb
# Only what a desktop session would give: no XDG variables, so their fall-backs apply.
(cd "$home/isler" && exec "${as_user[@]}" env -i HOME="$home" PATH="$prefix/bin:/usr/bin:/bin" \
   DISPLAY="$DISPLAY" ALSOFT_DRIVERS=null sahne yol.zev >"$WORK/editor.out" 2>"$WORK/editor.err") &
EDITOR_PID=$!
wait_for_window "$EDITOR_WINDOW" 60 || fail "the installed editor did not open its window"
WID=$(xdotool search --name "$EDITOR_WINDOW" | head -1)
sleep 2
xdotool windowfocus "$WID"
sleep 3
shot installed-opened

# The scenario is open and the panels are unlocked: save at once. The dialog
# starts beside the opened file; the name typed over the offered one leads home.
menu_item "$ITEM_FARKLI_KAYDET"
type_text "~/save.zev"
shot installed-save-dialog
click $DIALOG_OK
close_menu
[ -f "$home/save.zev" ] || fail "the dialog did not save save.zev into the home directory"
[ "$(stat -c %U "$home/save.zev")" = "$user" ] || fail "save.zev is not the user's"
cmp "$home/isler/yol.zev" "$home/save.zev" || fail "the saved scenario differs from the opened one"

key Print
sleep 1
[ -f "$home/screenshot_1.png" ] || fail "the screenshot is not in the home directory"

key Escape
wait_for_exit 20 && code=0 || code=$?
[ "$code" = 0 ] || fail "exit code $code"

for file in .config/sahne/ogre.cfg .local/state/sahne/Ogre.log .local/state/sahne/CEGUI.log; do
  [ -s "$home/$file" ] || fail "no $file in the user's home"
done
[ "$(ls "$home/isler")" = yol.zev ] || fail "files were written beside the opened scenario: $(ls "$home/isler")"
listing > "$WORK/installed-after.txt"
diff "$WORK/installed-before.txt" "$WORK/installed-after.txt" || fail "the installed tree changed"
echo "editor's standard error:"; cat "$WORK/editor.err"
echo PASS
