#!/usr/bin/env bash
# Builds the calculator and opens it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/build.sh
install_packages BUILD
# The release preset configures neither the tests nor the benchmarks, whose packages may not be
# installed.
build_preset release zentavo
exec build/release/window/main/zentavo
