# Sourced by the scripts that run the real program on an X display: starting a virtual display,
# waiting for the program's window and ending it with Esc. The sourcing script defines fail(),
# which prints why and exits.

# The virtual display the program's window is checked on.
screen_width=1280
screen_height=1024
# The window's fixed size at 100 %, with two resistors.
window_width=689
window_height=218
xvfb=(xvfb-run -a -s "-screen 0 ${screen_width}x${screen_height}x24 -noreset")

# Runs the calling script again on a virtual display unless it runs on one already, with
# --dbus inside a private D-Bus session too: on_xvfb [--dbus] "$0" "$@"
on_xvfb() {
  [ -n "${ZENTAVO_ON_XVFB:-}" ] && return 0
  export ZENTAVO_ON_XVFB=1
  local session=()
  if [ "$1" = --dbus ]; then
    session=(dbus-run-session --)
    shift
  fi
  exec "${xvfb[@]}" "${session[@]}" "$@"
}

# Waits up to 30 s for the window of the program with this pid; sets `window`.
wait_for_window() {
  local pid=$1
  window=""
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^ Zentavo $' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && return 0
    kill -0 "$pid" 2>/dev/null || fail "the program ended before it showed its window"
    sleep 0.1
  done
  fail "no window titled ' Zentavo ' appeared"
}

# Presses Esc and expects the program with this pid to end within SECONDS; sets `status` to its
# exit status. The key is let go once the program has ended: Qt's accessibility bridge keeps a
# copy of each key event until the accessibility registry answers for it, and a copy still waiting
# at exit is a leak that the sanitizer build reports.
escape_ends_within() {
  local pid=$1 seconds=$2
  xdotool keydown Escape
  for _ in $(seq $((seconds * 10))); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  xdotool keyup Escape
  kill -0 "$pid" 2>/dev/null && fail "the program still runs $seconds s after Esc"
  status=0
  wait "$pid" || status=$?
}

# Presses Esc and expects the program with this pid to end within 5 s with status 0.
escape_ends() {
  local status
  escape_ends_within "$1" 5
  [ "$status" -eq 0 ] || fail "the program exited with status $status after Esc"
}
