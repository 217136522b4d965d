#!/usr/bin/env bash
# Builds the benchmarks and prints their tables: one recalculation, one typed character (in the
# form and in the real widgets, off screen, repaint included), every action on the longest
# current, and start-up time and memory beside a window of the same size with one label and a
# bare one.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/build.sh
install_packages BUILD TEST
build_preset default zentavo_bench zentavo_qt_bench zentavo_long_current_bench \
  zentavo_startup_probe zentavo_startup_bench
offscreen_session
bench=build/default/bench
"$bench/zentavo_bench"
"$bench/zentavo_qt_bench"
"$bench/zentavo_long_current_bench"
"$bench/zentavo_startup_bench" "$bench/zentavo_startup_probe" "${STARTUP_RUNS:-31}"
