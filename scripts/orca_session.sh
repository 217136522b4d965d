#!/usr/bin/env bash
# Drives the Orca screen reader through a short session with the calculator on a virtual X
# display and prints what Orca said: read the top line in flat review, Tab round every control,
# type 4.7 kOhm and 2.2 kOhm and a current of 12 mA, ask for every result with F2, step into the
# results with F6 and back, choose four resistors, type the other two and read the top line again.
# Speech goes through speech-dispatcher to a file instead of a sound card. Fails unless Orca says
# each picked entry and nothing more, a field's name before its value, the total and the voltage
# with their units in words after an edit and every result on F2, and the total in flat review
# with four resistors. Ends every process it started. Installs orca and speech-dispatcher, which
# the tests do not need.
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
orca_pid=""
app_pid=""

# Ends a process of this session: TERM, then KILL after a grace period (Orca ignores TERM).
end_process() {
  local pid=$1
  kill -TERM "$pid" 2>/dev/null || return 0
  for _ in $(seq 30); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
}
# Orca starts speech-dispatcher, which leaves it and its synthesis module running on their own: the
# daemon is found by its pid file and the module by its configuration, both in this session's
# private folders.
end_session() {
  [ -n "$app_pid" ] && end_process "$app_pid"
  [ -n "$orca_pid" ] && end_process "$orca_pid"
  local pid_file=$work/run/speech-dispatcher/pid/speech-dispatcher.pid pid
  [ -s "$pid_file" ] && end_process "$(cat "$pid_file")"
  for pid in $(pgrep -f -- "$work/home/.config/speech-dispatcher/modules/" || true); do
    end_process "$pid"
  done
  [ -n "${ORCA_LOG:-}" ] && cp "$work/orca.log" "$ORCA_LOG"
  rm -rf "$work"
}
trap end_session EXIT

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
orca_pid=$!
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
# Flat review's current line (the keypad's 8) holds the focused count list. Read while the total's
# row is hidden, its state is what Orca keeps until told of a change.
step "review line with no result" xdotool key KP_Up
for _ in $(seq 8); do
  step "Tab" xdotool key Tab
done
step "Tab to the first resistor" xdotool key Tab
step "typed 4.7" xdotool type --delay 300 4.7
step "Tab" xdotool key Tab
step "Down: kOhm" xdotool key Down
step "Tab" xdotool key Tab
step "typed 2.2" xdotool type --delay 300 2.2
step "Tab" xdotool key Tab
step "Down: kOhm again" xdotool key Down
step "Tab" xdotool key Tab
step "typed 12" xdotool type --delay 300 12
step "Tab" xdotool key Tab
step "Up: mA" xdotool key Up
step "F2" xdotool key F2
step "F6" xdotool key F6
step "Down in the results" xdotool key Down
step "F6 back" xdotool key F6
step "Tab, Tab" xdotool key Tab Tab
step "Down: 3" xdotool key Down
step "Down: 4" xdotool key Down
step "Tab to the third resistor" xdotool key Tab Tab Tab Tab Tab
step "typed 10" xdotool type --delay 300 10
step "Tab, Tab" xdotool key Tab Tab
step "typed 10 again" xdotool type --delay 300 10
# In the total, on the top line.
step "F6 to the total" xdotool key F6
step "review line" xdotool key KP_Up
step "Esc" xdotool key Escape
wait "$app_pid" || true
app_pid=""

echo "== What Orca said, as speech-dispatcher received it"
cat "$speech"
echo "== What Orca sent to speech, from its log"
sed -n "s/^.* - SPEECH OUTPUT: '\\(.*\\)' *{'established.*\$/\\1/p" "$work/orca.log"

# What Orca said right after a step, up to the next one.
said_after() {
  awk -v step="[$1]" '$0 == step { on = 1; next } /^\[/ { on = 0 } on' "$speech"
}
missing=0
# expect WHAT STEP COMMAND...: the command reads what Orca said after the step.
expect() {
  local what=$1 step=$2
  shift 2
  if ! said_after "$step" | "$@"; then
    echo "Orca did not say $what after [$step]" >&2
    missing=1
  fi
}
# The picked entry and nothing else but the name of the key and the results it changed.
only() {
  awk -v entry="$1" '$0 != entry && $0 != entry "." && $0 !~ /^[a-z]* ?$/ &&
    $0 !~ /^ *(Rezistenta totală|Căderea de tensiune) / { extra = 1 } END { exit extra }'
}
for pick in "Down: kOhm:kOhm" "Down: kOhm again:kOhm" "Up: mA:mA" "Down: 3:3" "Down: 4:4"; do
  step=${pick%:*}
  entry=${pick##*:}
  expect "$entry" "$step" grep -qx "$entry\.\?"
  expect "$entry alone" "$step" only "$entry"
done
# The field's name first, not its value and selection.
expect "the resistor's name first" "Tab to the first resistor" \
  awk '/Rezistenta 1/ { named = 1; exit } /^0|selectat/ { exit } END { exit !named }'
# What Orca said after a step as one line: speech-dispatcher takes each sentence apart.
says() {
  tr '\n' ' ' | grep -q "$1"
}
# 4.7 kOhm in parallel with 2.2 kOhm is 1.499 kOhm; 12 A through it give 17.98 kV, 12 mA 17.98 V.
total="Rezistenta totală 1,499 kiloohmi\. *"
expect "the total and the voltage in kilovolts" "typed 12" \
  says "${total}Căderea de tensiune 17,98[0-9]* kilovolți"
expect "the total and the voltage in volts" "Up: mA" says "${total}Căderea de tensiune 17,98[0-9]* volți"
expect "every result" "F2" \
  says "${total}Puterea disipată 1 [0-9,]* miliwați\. .*Căderea de tensiune 17,98[0-9]* volți"
expect "the total in the results" "F6" grep -q "Rezistenta totală"
# 4.7 kOhm, 2.2 kOhm, 10 Ohm and 10 Ohm in parallel make 4.983 Ohm.
expect "the total in flat review" "review line" grep -q "Rezistenta totală: 4,983 Ohm"
exit "$missing"
