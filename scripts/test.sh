#!/usr/bin/env bash
# Builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake --preset default -DBUILD_TESTING=ON -DZENTAVO_BENCHMARKS=ON >/dev/null
cmake --build --preset default
ctest --preset default
