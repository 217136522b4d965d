#!/usr/bin/env bash
# Takes the software centres' screenshot: the real window at 100 % on a virtual X display, with a
# worked example typed in with X keys (4,7 kOhm and 2,2 kOhm in parallel, fed by 12 mA, in the
# Romanian number format). Fails unless the image is the whole window with its results shown.
# Usage: make_screenshot.sh PROGRAM OUTPUT_PNG
set -euo pipefail
program=$1
output=$2
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
source "$(dirname "$(realpath "$0")")/../scripts/lib/window_session.sh"
on_xvfb "$0" "$@"

export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
shot=$XDG_RUNTIME_DIR/screenshot.png
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT

env -u LC_ALL -u LC_NUMERIC LANG=ro_RO.UTF-8 QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 "$program" &
pid=$!
wait_for_window "$pid"
xdotool windowfocus --sync "$window"
sleep 0.5
# From the count list, which has the focus: the first resistor and its unit, the second and its
# unit, the current and its unit.
xdotool key Tab
xdotool type --delay 50 4,7
xdotool key Tab Down Tab
xdotool type --delay 50 2,2
xdotool key Tab Down Tab
xdotool type --delay 50 12
xdotool key Tab Up
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window "$window" "$shot"
escape_ends "$pid"
pid=""

size=$(identify -format '%w %h' "$shot")
[ "$size" = "$WIDTH $HEIGHT" ] || fail "the screenshot is $size, the window ${WIDTH}x$HEIGHT"
yellow=$(convert "$shot" -fill black +opaque '#FFFF80' -fill white -opaque '#FFFF80' \
  -format '%[fx:mean]' info:)
awk -v share="$yellow" 'BEGIN { exit !(share > 0) }' || fail "the screenshot shows no result"
mkdir -p "$(dirname "$output")"
mv "$shot" "$output"
echo "screenshot: $output ($size)"
