#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR, as a package would, and checks what the desktop reads
# from it: the program, the desktop entry, the icons and the AppStream metainfo, each valid and
# all naming one another consistently, and every icon size drawn in the 32 px icon's colours.
# Usage: validate_desktop_files.sh CMAKE BUILD_DIR VERSION APP_ID
set -euo pipefail
cmake=$1
build=$2
version=$3
app_id=$4
sizes=(16 22 24 32 48 64 128 256)

source "$(dirname "$0")/staged_install.sh"
desktop=$usr/share/applications/$app_id.desktop
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
svg=$usr/share/icons/hicolor/scalable/apps/$app_id.svg
png() {
  echo "$usr/share/icons/hicolor/$1x$1/apps/$app_id.png"
}

for file in "$usr/bin/zentavo" "$desktop" "$metainfo" "$svg"; do
  [ -f "$file" ] || fail "not installed: ${file#"$dest"}"
done
for size in "${sizes[@]}"; do
  [ -f "$(png "$size")" ] || fail "not installed: the ${size} px icon"
done
[ -x "$usr/bin/zentavo" ] || fail "bin/zentavo is not executable"
[ "$failures" -eq 0 ] || exit 1

# desktop-file-validate exits 0 on warnings and hints; the entry must draw none of them.
if ! report=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$report" ]; then
  fail "desktop-file-validate: $report"
fi
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate"
# The tree check also finds the desktop entry that the metainfo launches.
appstreamcli validate-tree --no-net --strict "$usr" || fail "appstreamcli validate-tree"

entry() {
  sed -n "s/^$1=//p" "$desktop"
}
[ "$(entry Name)" = Zentavo ] || fail "Name is '$(entry Name)'"
[ "$(entry Categories)" = "Science;Electronics;" ] || fail "Categories are '$(entry Categories)'"
for key in GenericName Comment; do
  [ -n "$(entry "$key")" ] || fail "no $key"
  # The untranslated text is English, the Romanian one its [ro] translation.
  LC_ALL=C grep -q "^$key=[[:print:]]*\$" "$desktop" || fail "$key is not plain English text"
  [ -n "$(entry "$key\\[ro\\]")" ] || fail "no ${key}[ro]"
done
for word in resistor parallel "current divider" Ohm rezistor paralel "divizor de curent"; do
  for key in Keywords 'Keywords\[ro\]'; do
    grep -q "^$key=\(.*;\)\?$word;" "$desktop" || fail "$key lacks '$word'"
  done
done
[ "$(entry Icon)" = "$app_id" ] || fail "Icon is '$(entry Icon)', not the application id"
exec_name=$(entry Exec)
[ -x "$usr/bin/${exec_name%% *}" ] || fail "Exec '$exec_name' is not an installed program"
grep -q "<id>$app_id</id>" "$metainfo" || fail "metainfo id is not $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "metainfo does not launch $app_id.desktop"
grep -q "<binary>${exec_name%% *}</binary>" "$metainfo" || fail "metainfo provides another binary"
grep -q "<project_license>MIT</project_license>" "$metainfo" || fail "metainfo's licence is not MIT"
# The newest release comes first and is this build's version.
newest=$(grep -o -m1 '<release version="[^"]*"' "$metainfo" || true)
[ "$newest" = "<release version=\"$version\"" ] || fail "metainfo's newest release: '$newest'"

# Every size is the card drawn on whole pixels in the 16 colours of the 32 px icon: a size blurred
# off its pixel grid mixes new ones.
colours() {
  convert "$1" -background '#ff00ff' -flatten -unique-colors txt:- | grep -o '#[0-9A-F]\{6\}' |
    sort
}
[ "$(colours "$(png 32)" | wc -l)" -le 16 ] || fail "the 32 px icon has more than 16 colours"
for size in "${sizes[@]}"; do
  file=$(png "$size")
  [ "$(identify -format '%w %h' "$file")" = "$size $size" ] ||
    fail "the ${size} px icon is $(identify -format '%w x %h' "$file")"
  extra=$(comm -13 <(colours "$(png 32)") <(colours "$file") | tr '\n' ' ')
  [ -z "$extra" ] || fail "the ${size} px icon has colours the 32 px icon lacks: $extra"
done
grep -q '<svg[^>]* viewBox="0 0 32 32"' "$svg" || fail "the scalable icon has no 32 x 32 view box"

[ "$failures" -eq 0 ] || exit 1
echo "ok: program, desktop entry, icons and metainfo install and validate"
