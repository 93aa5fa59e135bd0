#!/usr/bin/env bash
# The installed desktop entry passes desktop-file-validate, the icon lies in the
# hicolor theme, the file type package installs with update-mime-database and
# gives a ".zev" file its type, and the software centres' description passes
# appstreamcli without an error or a warning, naming the entry and the type.
set -euo pipefail
build=${1:?usage: desktop_files.sh BUILD_DIR}

tmp=$(mktemp -d /tmp/sahne-desktop-XXXXXX)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share

entry=$share/applications/sahne.desktop
[ -f "$entry" ] || fail "no desktop entry installed"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
value() { sed -n "s/^$1=//p" "$entry"; }
[ "$(value Name)" = Sahne ] || fail "Name is '$(value Name)'"
[ "$(value Exec)" = "sahne %f" ] || fail "Exec is '$(value Exec)'"
[ "$(value MimeType)" = "application/x-sahne-scenario;" ] || fail "MimeType is '$(value MimeType)'"
[ -x "$prefix/bin/$(value Exec | cut -d' ' -f1)" ] || fail "the program of Exec is not in bin"
for size in 16 32 48 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/$(value Icon).png
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "icon $icon"
done

package=$share/mime/packages/sahne.xml
[ -f "$package" ] || fail "no file type package installed"
update-mime-database "$share/mime" || fail "update-mime-database failed"
grep -qx '[0-9]*:application/x-sahne-scenario:\*\.zev' "$share/mime/globs2" || fail "*.zev is not in globs2"
grep -q '<comment xml:lang="tr">Sahne senaryo dosyasi</comment>' "$share/mime/application/x-sahne-scenario.xml" \
  || fail "the type has no Turkish comment"

# A lookup through the desktop's own library finds the type of a scenario file.
printf 'human adam.mesh 1 0 1\n' > "$tmp/deneme.zev"
type=$(XDG_DATA_HOME=$share XDG_DATA_DIRS=$share:/usr/share \
       gio info -a standard::content-type "$tmp/deneme.zev" | sed -n 's/.*standard::content-type: //p')
echo "deneme.zev has the type '$type'"
[ "$type" = application/x-sahne-scenario ] || fail "deneme.zev is '$type'"

metainfo=$(ls "$share"/metainfo/*.metainfo.xml 2>/dev/null || true)
[ "$(echo "$metainfo" | wc -w)" = 1 ] || fail "expected one metainfo file, found: $metainfo"
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli rejects $metainfo: $report"
echo "$report"
! grep -q '^[EW]:' <<<"$report" || fail "appstreamcli reports errors or warnings"
grep -q "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$metainfo" || fail "not launched by the entry"
grep -q '<mediatype>application/x-sahne-scenario</mediatype>' "$metainfo" || fail "the .zev type is not named"
grep -q '<name xml:lang="tr">Sahne</name>' "$metainfo" || fail "no Turkish name"
grep -q '<summary xml:lang="tr">' "$metainfo" || fail "no Turkish summary"
version=$("$prefix/bin/sahne" --version 2>/dev/null || true)
grep -q "<release version=\"${version##* }\"" "$metainfo" || fail "the release is not the program's version ($version)"
echo PASS
