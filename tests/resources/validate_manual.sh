#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks the documentation a user and a packager
# read: both manual pages format without warnings, show this version and describe every option,
# its own and Qt's, that `zentavo --help` lists and the keys that reach the results; the copyright
# is machine-readable and the changelog's newest entry is this version.
# Usage: validate_manual.sh CMAKE BUILD_DIR VERSION
set -euo pipefail
cmake=$1
build=$2
version=$3

source "$(dirname "$0")/staged_install.sh"
export LC_ALL=C.UTF-8 MANWIDTH=80

# With no display at all: the program answers before Qt looks for one.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/zentavo" --help) || fail "--help failed"
options=$(sed -n '/^Opțiuni/,/^$/p' <<<"$help" | grep -oE -- '(^|[ ,])--?[a-z]+' |
  tr -d ' ,' | sort -u)
[ -n "$options" ] || fail "--help lists no options"

for page in "$usr/share/man/man1/zentavo.1.gz" "$usr/share/man/ro/man1/zentavo.1.gz"; do
  name=${page#"$usr/share/"}
  [ -f "$page" ] || {
    fail "not installed: $name"
    continue
  }
  warnings=$(man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$name: $warnings"
  text=$(man -E UTF-8 -l "$page" 2>/dev/null | col -b)
  grep -q "Zentavo $version" <<<"$text" || fail "$name does not show version $version"
  grep -q "Esc" <<<"$text" || fail "$name does not say that Esc ends the program"
  for key in F2 F6; do
    grep -q "^ *$key\b" <<<"$text" || fail "$name does not describe the $key key"
  done
  for option in $options; do
    grep -qe "$option" <<<"$text" || fail "$name does not describe $option"
  done
done

copyright=$usr/share/doc/zentavo/copyright
head -n1 "$copyright" |
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in the machine-readable format"
newest=$(zcat "$usr/share/doc/zentavo/changelog.gz" | head -n1)
[[ "$newest" == "zentavo ($version) "* ]] || fail "the changelog's newest entry is '$newest'"

[ "$failures" -eq 0 ] || exit 1
echo "ok: manual pages, copyright and changelog install and agree with the program"
