#!/usr/bin/env bash
# Runs the window whose Esc ending leaks on purpose (planted_leak.cpp) where the sanitizer tests
# run the window, with everything they load: a virtual X display, a D-Bus session with the
# accessibility bus, Qt's GTK theme, and the LeakSanitizer suppressions of the sanitize test preset.
# LeakSanitizer must report that one leak, named after its function, and nothing else: a
# suppression that hid it would hide the program's own leaks too.
# Usage: planted_leak_test.sh PROGRAM
set -euo pipefail
program=$1
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
source "$(dirname "$(realpath "$0")")/../../../scripts/lib/window_session.sh"
on_xvfb --dbus "$0" "$@"

[[ ${LSAN_OPTIONS:-} == *suppressions=* ]] ||
  fail "LSAN_OPTIONS names no suppressions: run it with ctest --preset sanitize"
export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
report=$(mktemp)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR" "$report"' EXIT

LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  NO_AT_BRIDGE=1 "$program" 2>"$report" &
pid=$!
wait_for_window "$pid"
xdotool windowfocus --sync "$window"
sleep 0.5
# The leak check runs at exit and takes a moment under the sanitizers.
escape_ends_within "$pid" 30
pid=""
cat "$report"

[ "$status" -ne 0 ] || fail "the program ended with status 0 despite its leak"
grep -q 'ERROR: LeakSanitizer: detected memory leaks' "$report" || fail "no leak was reported"
grep -A8 '^Direct leak of 48 byte(s) in 1 object(s)' "$report" | grep -q 'in PlantedLeak' ||
  fail "the planted leak was not reported with its function"
grep -qx 'SUMMARY: AddressSanitizer: 48 byte(s) leaked in 1 allocation(s).' "$report" ||
  fail "leaks other than the planted one were reported"
echo "ok: the planted leak, and only it, fails the program"
