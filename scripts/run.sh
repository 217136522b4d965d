#!/usr/bin/env bash
# Builds the calculator and opens it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}"
cmake --preset default -DZENTAVO_WINDOW=ON -DBUILD_TESTING=OFF -DZENTAVO_BENCHMARKS=OFF >/dev/null
cmake --build --preset default --target zentavo
exec build/default/window/main/zentavo
