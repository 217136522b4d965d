#!/usr/bin/env bash
# Drives the Orca screen reader through a short session with the calculator on a virtual X
# display and prints what Orca said: Tab round every control, type a resistor, pick a unit, type a
# second resistor and a current, pick its unit. Speech goes through speech-dispatcher to a file
# instead of a sound card; fails unless Orca says each picked unit. Installs orca and
# speech-dispatcher, which the tests do not need. Ends every process it started, Orca and the
# speech-dispatcher it starts included.
# Usage: [ORCA_LOG=FILE] scripts/orca_session.sh [PROGRAM]   (default: the default build's
# program; ORCA_LOG keeps Orca's debug log)
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/default/window/main/zentavo}")
fail() {
  echo "$*" >&2
  exit 1
}
source scripts/lib/build.sh
install_packages TEST ORCA
source scripts/lib/window_session.sh
on_xvfb --dbus "$0" "$program"

work=$(mktemp -d)
# Every process of the session carries this mark in its environment, speech-dispatcher and its
# module too, which Orca starts and which leave this script's process group.
export ZENTAVO_ORCA_SESSION=$work

# The pids of the session's processes still running.
session_pids() {
  local environ pid variables variable
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    [ "$pid" = $$ ] || [ "$pid" = "$BASHPID" ] && continue
    mapfile -d '' variables 2>/dev/null <"$environ" || continue
    for variable in "${variables[@]}"; do
      [ "$variable" = "ZENTAVO_ORCA_SESSION=$work" ] && echo "$pid" && break
    done
  done
}
# Ends them: SIGTERM first, then SIGKILL for what is left after 3 s (Orca ignores SIGTERM).
end_session() {
  local pids
  mapfile -t pids < <(session_pids)
  [ ${#pids[@]} -eq 0 ] && return 0
  kill -TERM "${pids[@]}" 2>/dev/null || true
  for _ in $(seq 30); do
    mapfile -t pids < <(session_pids)
    [ ${#pids[@]} -eq 0 ] && return 0
    sleep 0.1
  done
  kill -KILL "${pids[@]}" 2>/dev/null || true
}
trap 'end_session; [ -n "${ORCA_LOG:-}" ] && cp "$work/orca.log" "$ORCA_LOG"; rm -rf "$work"' EXIT

# A private home, so neither Orca's nor speech-dispatcher's settings of this machine's user count.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
speech=$work/speech.txt
: >"$speech"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
LogDir "$work"
AddModule "file" "sd_generic" "file.conf"
DefaultModule file
AudioOutputMethod "libao"
CONF
cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/file.conf" <<CONF
GenericExecuteSynth "echo \'\$DATA\' >> $speech"
GenericCmdDependency "echo"
GenericLanguage "en" "en" "utf-8"
GenericLanguage "ro" "ro" "utf-8"
AddVoice "en" "MALE1" "en"
AddVoice "ro" "MALE1" "ro"
CONF
# The module opens an audio device before it runs its command; libao's null driver is one.
echo default_driver=null >"$HOME/.libao"

# Orca speaks Romanian through gettext's LANGUAGE; speech-dispatcher needs a locale that the C
# library has, and a Romanian one may not be generated.
LANG=C.UTF-8 LANGUAGE=ro orca --replace --debug-file="$work/orca.log" >"$work/orca.out" 2>&1 &
# Ended with the session, not as a job of this shell, which would report its SIGKILL.
disown
for _ in $(seq 100); do
  [ -s "$speech" ] && break
  sleep 0.2
done
[ -s "$speech" ] || { echo "Orca did not start speaking" >&2; cat "$work/orca.out" >&2; exit 1; }

LANG=ro_RO.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" &
app_pid=$!
wait_for_window "$app_pid"
xdotool windowfocus --sync "$window"
sleep 3

# Each step is marked in the transcript with the keys that caused what follows.
step() {
  echo "[$1]" >>"$speech"
  shift
  "$@"
  sleep 2
}
for _ in $(seq 8); do
  step "Tab" xdotool key Tab
done
step "Tab" xdotool key Tab
step "typed 47" xdotool type --delay 300 47
step "Tab" xdotool key Tab
step "Down: kOhm" xdotool key Down
step "Tab" xdotool key Tab
step "typed 22" xdotool type --delay 300 22
step "Tab, Tab" xdotool key Tab Tab
step "typed 12" xdotool type --delay 300 12
step "Tab" xdotool key Tab
step "Up: mA" xdotool key Up
step "Esc" xdotool key Escape
wait "$app_pid" || true

echo "== What Orca said, as speech-dispatcher received it"
cat "$speech"
echo "== What Orca sent to speech, from its log"
sed -n "s/^.* - SPEECH OUTPUT: '\\(.*\\)' *{'established.*\$/\\1/p" "$work/orca.log"

# What Orca said right after a step, up to the next one.
said_after() {
  awk -v step="[$1]" '$0 == step { on = 1; next } /^\[/ { on = 0 } on' "$speech"
}
missing=0
for pick in "Down: kOhm:kOhm" "Up: mA:mA"; do
  step=${pick%:*}
  unit=${pick##*:}
  if ! said_after "$step" | grep -qx "$unit\.\?"; then
    echo "Orca did not say $unit after [$step]" >&2
    missing=1
  fi
done
exit "$missing"
