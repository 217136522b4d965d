#!/usr/bin/env bash
# Opens the calculator natively on Wayland: runs weston without XWayland, starts the program with
# QT_QPA_PLATFORM=wayland and no X display, and checks from the program's own Wayland requests
# that it opens an xdg toplevel with the app id its desktop entry is named after, at its fixed
# size; saves weston's screenshot of it in build/default/wayland/ and expects Esc to end it with
# status 0. Weston runs on its X11 back end inside a virtual X display, since its headless back
# end has no keyboard to press Esc on. Installs weston and qt6-wayland; skipped, with a message,
# only where weston cannot be installed.
set -euo pipefail
script=$(realpath "$0")
cd "$(dirname "$script")/.."
source scripts/lib/build.sh
source scripts/lib/window_session.sh
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

if [ -z "${ZENTAVO_ON_XVFB:-}" ]; then
  install_packages BUILD TEST
  if ! install_packages WAYLAND; then
    # deps.sh has refreshed apt's lists: a weston it does not know cannot be installed here.
    if ! apt-cache show weston >/dev/null 2>&1; then
      echo "SKIPPED: weston is not available from this machine's package sources," \
        "so the Wayland window is not checked"
      exit 0
    fi
    fail "could not install ${WAYLAND_PACKAGES[*]}"
  fi
  build_preset default zentavo >/dev/null
fi
on_xvfb "$script" "$@"

program=$PWD/build/default/window/main/zentavo
app_id=$(sed -n 's/^ZENTAVO_APP_ID:INTERNAL=//p' build/default/CMakeCache.txt)
[ -f "build/default/resources/$app_id.desktop" ] || fail "no desktop entry named $app_id.desktop"
shots=$PWD/build/default/wayland
mkdir -p "$shots"
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
socket=zentavo-check
weston_pid=""
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null;
  rm -rf "$runtime"' EXIT

# --debug lets weston-screenshooter take the picture; no --xwayland, so no X server on Wayland.
weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 --socket="$socket" \
  --no-config --idle-time=0 --debug --log="$runtime/weston.log" >"$runtime/weston.out" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  kill -0 "$weston_pid" 2>/dev/null || fail "weston ended: $(tail -n 5 "$runtime/weston.log")"
  sleep 0.1
done
[ -S "$runtime/$socket" ] || fail "weston opened no socket"

# WAYLAND_DEBUG logs every request the program makes and every event it receives.
client_log=$runtime/client.log
env -u DISPLAY WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
  "$program" 2>"$client_log" &
pid=$!
# Weston gives the keyboard to a window once it is mapped.
for _ in $(seq 300); do
  grep -qE 'wl_keyboard@[0-9]+\.enter\(' "$client_log" && break
  kill -0 "$pid" 2>/dev/null ||
    fail "the program ended before its window showed: $(grep -v '^\[' "$client_log" | tail -n 5)"
  sleep 0.1
done
grep -qE 'wl_keyboard@[0-9]+\.enter\(' "$client_log" || fail "the window never got the keyboard"

request() {
  grep -oE -- "-> xdg_toplevel@[0-9]+\\.$1\\([^)]*\\)" "$client_log" | sed 's/^[^.]*\.//' | sort -u
}
[ "$(request set_app_id)" = "set_app_id(\"$app_id\")" ] ||
  fail "the app id is $(request set_app_id), not the desktop entry's $app_id"
for bound in set_min_size set_max_size; do
  [ "$(request $bound)" = "$bound($window_width, $window_height)" ] ||
    fail "$bound is $(request $bound), not the fixed ${window_width}x$window_height"
done
echo "ok: a native Wayland toplevel, app id $app_id, fixed at ${window_width}x$window_height"

# Nothing of the program is on the X display weston runs in.
[ -z "$(xdotool search --name '^ Zentavo $' 2>/dev/null)" ] || fail "the window is an X window"
grep -qi xwayland "$runtime/weston.log" && fail "weston started XWayland"

sleep 0.5
rm -f "$shots"/wayland-screenshot-*.png
(cd "$shots" && WAYLAND_DISPLAY="$socket" weston-screenshooter) ||
  fail "weston-screenshooter failed"
shot=$(ls "$shots"/wayland-screenshot-*.png)
mv "$shot" "$shots/window.png"
# The resistor boxes' input green shows that the window's content, not only its frame, is there.
colours=$(convert "$shots/window.png" -format %c histogram:info:-)
grep -qi '#C0FFC0' <<<"$colours" || fail "the screenshot shows no input box"
echo "ok: screenshot in $shots/window.png"

xdotool windowfocus --sync "$(xdotool search --class weston | head -n 1)"
escape_ends "$pid"
pid=""
echo "ok: Esc ended the program"
