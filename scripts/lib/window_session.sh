# Sourced by the scripts that run the real program on an X display: waiting for its window and
# ending it with Esc. The sourcing script defines fail(), which prints why and exits.

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

# Presses Esc and expects the program with this pid to end within 5 s with status 0.
escape_ends() {
  local pid=$1 status=0
  xdotool key Escape
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the program still runs after Esc"
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "the program exited with status $status after Esc"
}
