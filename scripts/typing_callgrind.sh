#!/usr/bin/env bash
# Counts, under callgrind, the instructions of one typed character in the real widgets, from the
# key press until every box it changes has repainted: the mean over KEYSTROKES (default 200)
# characters, typed and deleted in turn. The profile stays in build/default/callgrind.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/profiling.sh
build_for_profiling zentavo_qt_bench
keystrokes=${KEYSTROKES:-200}
valgrind --tool=callgrind --toggle-collect='*TypeAndRepaint*' \
  --callgrind-out-file="$out/typing.out" \
  build/default/bench/zentavo_qt_bench --keystrokes="$keystrokes" 2>"$out/typing.log" || {
  echo "the keystrokes failed under callgrind; see $out/typing.log" >&2
  exit 1
}
total=$(sed -n 's/^summary: \([0-9]*\).*/\1/p' "$out/typing.out")
awk -v total="$total" -v n="$keystrokes" \
  'BEGIN { printf "Instructions per typed character, repaint included (callgrind): %d\n", total / n }'
