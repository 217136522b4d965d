#!/usr/bin/env bash
# Runs one of the AT-SPI test scripts against the real program on a virtual X display, in a
# private D-Bus session whose accessibility bus starts on demand, as in a desktop session.
# Usage: atspi_test.sh SCRIPT PROGRAM FORM_NAMES
set -euo pipefail
script=$1
source "$(dirname "$(realpath "$0")")/../../../scripts/lib/window_session.sh"
on_xvfb --dbus "$0" "$@"

export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
# The system's Python has the AT-SPI bindings, whatever python3 comes first on the PATH.
/usr/bin/python3 "$(dirname "$0")/$script" "${@:2}"
