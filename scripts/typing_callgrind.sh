#!/usr/bin/env bash
# Counts, under callgrind, the instructions of one typed character in the real widgets, from the
# key press until every box it changes has repainted: the mean over KEYSTROKES (default 200)
# characters, typed and deleted in turn, with the paint events the window's widgets receive for
# each; and the instructions of one redraw of the longest current the current box takes (the mean
# of REDRAWS, default 10). The profiles stay in build/default/callgrind.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/profiling.sh
build_for_profiling zentavo_qt_bench zentavo_long_current_bench
keystrokes=${KEYSTROKES:-200}
redraws=${REDRAWS:-10}

# Runs a benchmark under callgrind, counting only in the named function; prints what it said.
count_in() {
  local function=$1 profile=$2
  shift 2
  valgrind --tool=callgrind --toggle-collect="*$function*" --callgrind-out-file="$out/$profile.out" \
    "$@" 2>"$out/$profile.log" || {
    echo "$profile failed under callgrind; see $out/$profile.log" >&2
    exit 1
  }
}
instructions() { sed -n 's/^summary: \([0-9]*\).*/\1/p' "$out/$1.out"; }

said=$(count_in TypeAndRepaint typing build/default/bench/zentavo_qt_bench \
  --keystrokes="$keystrokes")
read -r paints typed <<<"$said"
count_in RedrawOnce long_current build/default/bench/zentavo_long_current_bench --redraws="$redraws"
awk -v typing="$(instructions typing)" -v n="$keystrokes" -v paints="$paints" -v typed="$typed" \
  -v redraw="$(instructions long_current)" -v redraws="$redraws" 'BEGIN {
  printf "Instructions per typed character, repaint included (callgrind): %d\n", typing / n
  printf "Paint events per typed character: %.1f\n", paints / typed
  printf "Instructions per redraw of the longest current (callgrind): %d\n", redraw / redraws
}'
