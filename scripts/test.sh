#!/usr/bin/env bash
# Builds everything and runs every test: the default build, then again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

for preset in default sanitize; do
  echo "== $preset build"
  benchmarks=ON
  [ "$preset" = sanitize ] && benchmarks=OFF
  cmake --preset "$preset" -DBUILD_TESTING=ON -DZENTAVO_WINDOW=ON -DZENTAVO_BENCHMARKS=$benchmarks \
    >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
scripts/package_check.sh
