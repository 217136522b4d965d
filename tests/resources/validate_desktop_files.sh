#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR, as a package would, and checks what the desktop reads
# from it: the program, the desktop entry, both icons and the AppStream metainfo, each valid and
# all naming one another consistently.
# Usage: validate_desktop_files.sh CMAKE BUILD_DIR VERSION
set -euo pipefail
cmake=$1
build=$2
version=$3
app_id=ro.tarvik.Zentavo

dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

DESTDIR=$dest "$cmake" --install "$build" --prefix /usr >/dev/null
usr=$dest/usr
desktop=$usr/share/applications/$app_id.desktop
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
png=$usr/share/icons/hicolor/32x32/apps/$app_id.png
svg=$usr/share/icons/hicolor/scalable/apps/$app_id.svg

for file in "$usr/bin/zentavo" "$desktop" "$metainfo" "$png" "$svg"; do
  [ -f "$file" ] || fail "not installed: ${file#"$dest"}"
done
[ -x "$usr/bin/zentavo" ] || fail "bin/zentavo is not executable"
[ "$failures" -eq 0 ] || exit 1

# desktop-file-validate exits 0 on warnings; only its hints are let through (the entry names
# three main categories on purpose).
if ! report=$(desktop-file-validate "$desktop" 2>&1) || grep -v ': hint: ' <<<"$report" | grep -q .
then
  fail "desktop-file-validate: $report"
fi
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate"
# The tree check also finds the desktop entry that the metainfo launches.
appstreamcli validate-tree --no-net --strict "$usr" || fail "appstreamcli validate-tree"

entry() {
  sed -n "s/^$1=//p" "$desktop"
}
[ "$(entry Name)" = Zentavo ] || fail "Name is '$(entry Name)'"
[ "$(entry Categories)" = "Education;Science;Electronics;" ] ||
  fail "Categories are '$(entry Categories)'"
[ -n "$(entry Comment)" ] || fail "no Comment"
[ "$(entry Icon)" = "$app_id" ] || fail "Icon is '$(entry Icon)', not the application id"
exec_name=$(entry Exec)
[ -x "$usr/bin/${exec_name%% *}" ] || fail "Exec '$exec_name' is not an installed program"
grep -q "<id>$app_id</id>" "$metainfo" || fail "metainfo id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "metainfo does not launch $app_id.desktop"
grep -q "<binary>${exec_name%% *}</binary>" "$metainfo" || fail "metainfo provides another binary"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"

# PNG width and height are the big-endian words at bytes 16 to 23.
read -r -a size <<<"$(od -An -tu1 -j16 -N8 "$png")"
[ "${size[*]}" = "0 0 0 32 0 0 0 32" ] || fail "the 32x32 icon's header says ${size[*]}"
grep -q '<svg[^>]* viewBox="0 0 32 32"' "$svg" || fail "the scalable icon has no square view box"

[ "$failures" -eq 0 ] || exit 1
echo "ok: program, desktop entry, icons and metainfo install and validate"
