#!/usr/bin/env bash
# Starts the real program on a virtual X display, types into it with X key events, takes
# screenshots and ends it with Esc: from a text box, after Esc has closed an open drop-down list,
# and at 200 %.
# Usage: end_to_end_test.sh PROGRAM SCREENSHOT_DIR
set -euo pipefail
program=$1
shots=$2
mkdir -p "$shots"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
source "$(dirname "$(realpath "$0")")/../../../scripts/lib/window_session.sh"
on_xvfb "$0" "$@"

export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
convert=convert
[ -x /usr/bin/convert ] && convert=/usr/bin/convert
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT

# Starts the program with no arguments and waits for its window; sets pid and window.
start() {
  "$@" "$program" &
  pid=$!
  wait_for_window "$pid"
  xdotool windowfocus --sync "$window"
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$window")"
}

# The colour, as hex RGB, of a point of the window in its own pixels.
colour_at() {
  "$convert" "$1" -format "%[hex:p{$((X + $2)),$((Y + $3))}]" info:
}

shot() {
  import -window root "$shots/$1.png"
  echo "$shots/$1.png"
}

# Presses Esc and expects the program to end at once with status 0.
escape_ends_program() {
  escape_ends "$pid"
  pid=""
  echo "ok: $1"
}

# 1. Typing resistors and a current shows the total resistance; Esc in a text box ends it.
start
[ "$WIDTH" -eq "$window_width" ] && [ "$HEIGHT" -eq "$window_height" ] ||
  fail "window is ${WIDTH}x$HEIGHT, not ${window_width}x$window_height"
[ $((2 * X + WIDTH - screen_width)) -le 1 ] && [ $((2 * X + WIDTH - screen_width)) -ge -1 ] ||
  fail "window is not centred across: x = $X"
[ $((2 * Y + HEIGHT - screen_height)) -le 1 ] && [ $((2 * Y + HEIGHT - screen_height)) -ge -1 ] ||
  fail "window is not centred down: y = $Y"
total_box_x=$((8 + 488 + 6))
total_box_y=$((8 + 20 + 12))
before=$(shot end_to_end_started)
[ "$(colour_at "$before" $total_box_x $total_box_y)" = "E0E0E0" ] ||
  fail "the total resistance box shows before any resistor is typed"
xdotool key Tab
xdotool type --delay 50 100
xdotool key Tab Tab
xdotool type --delay 50 100
xdotool key Tab Tab
xdotool type --delay 50 1
sleep 0.5
after=$(shot end_to_end_typed)
[ "$(colour_at "$after" $total_box_x $total_box_y)" = "FFFF80" ] ||
  fail "the total resistance box is not shown after typing two resistors and a current"
[ "$(colour_at "$after" $((8 + 72 + 6)) $((8 + 68 + 12)))" = "C0FFC0" ] ||
  fail "the first resistor box is not input green"
escape_ends_program "Esc in the current box"

# 2. Esc while the count list is open closes the list; the next Esc ends the program.
start
xdotool key F4
sleep 0.5
shot end_to_end_list_open >/dev/null
[ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -ge 2 ] ||
  fail "F4 did not open the count list"
xdotool key Escape
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "Esc in the open count list ended the program"
[ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)" -eq 1 ] ||
  fail "Esc did not close the count list"
escape_ends_program "Esc after the open count list closed"

# 3. At 200 % the window doubles in device pixels and still ends on Esc.
start env QT_SCALE_FACTOR=2
[ "$WIDTH" -eq $((2 * window_width)) ] && [ "$HEIGHT" -eq $((2 * window_height)) ] ||
  fail "at 200 % the window is ${WIDTH}x$HEIGHT"
shot end_to_end_at_200_percent >/dev/null
escape_ends_program "Esc at 200 %"
