#!/usr/bin/env bash
# Counts, under callgrind, the instructions from process start to the first painted frame of the
# calculator, of a window of the same size holding one label, and of that window without it; all
# three end at the same point, right after their first frame. Each is counted off screen and on a
# virtual X display. The profiles stay in build/default/callgrind for callgrind_annotate.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/profiling.sh
source scripts/lib/window_session.sh
build_for_profiling zentavo_startup_probe
probe=build/default/bench/zentavo_startup_probe

declare -A instructions
for platform in offscreen xcb; do
  display=()
  [[ $platform == xcb ]] && display=("${xvfb[@]}")
  for window in zentavo label bare; do
    flag=()
    [[ $window != zentavo ]] && flag=("--$window")
    profile="$out/$window.$platform"
    said=$(QT_QPA_PLATFORM=$platform "${display[@]}" valgrind --tool=callgrind \
      --callgrind-out-file="$profile.out" "$probe" "${flag[@]}" 2>"$profile.log")
    if [[ $said != painted ]]; then
      echo "the $window window did not paint under callgrind ($platform); see $profile.log" >&2
      exit 1
    fi
    instructions[$window]=$(sed -n 's/^summary: \([0-9]*\).*/\1/p' "$profile.out")
  done

  echo "Instructions from process start to the first painted frame (callgrind, $platform)"
  printf '%-10s %14s %8s %8s\n' "" instructions "/ label" "/ bare"
  for window in zentavo label bare; do
    awk -v name="$window" -v n="${instructions[$window]}" -v label="${instructions[label]}" \
      -v bare="${instructions[bare]}" \
      'BEGIN { printf "%-10s %14d %8.3f %8.3f\n", name, n, n / label, n / bare }'
  done
done
