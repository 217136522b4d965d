#!/usr/bin/env bash
# Builds the calculator and opens it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/build.sh
install_packages BUILD
# Neither the tests nor the benchmarks are configured: their packages may not be installed.
build_preset default -DBUILD_TESTING=OFF -DZENTAVO_BENCHMARKS=OFF zentavo
exec build/default/window/main/zentavo
