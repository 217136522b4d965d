#!/usr/bin/env bash
# Drives the real window off screen with random key and mouse events in three number formats
# (".", "," with "." grouping, and "," with a narrow no-break space), checking it after every action,
# and prints each run's slowest action and peak memory:
#   scripts/random_window.sh ACTIONS [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."
actions=${1:?usage: scripts/random_window.sh ACTIONS [SEED]}
seed=${2:-1}
source scripts/lib/build.sh
install_packages BUILD TEST
build_preset default zentavo_random_window
offscreen_session
# The C library fills freed memory, so that anything used after it is freed fails at once.
export MALLOC_PERTURB_=165
for lang in C.UTF-8 ro_RO.UTF-8 fr_FR.UTF-8; do
  echo "== LANG=$lang"
  env -u LC_ALL -u LC_NUMERIC LANG=$lang \
    build/default/tests/window/qt/zentavo_random_window "$seed" "$actions" 2> >(grep -v '^This plugin' >&2)
done
