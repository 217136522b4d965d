#!/usr/bin/env bash
# Builds everything and runs every test: the default build, then again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the Debian package, checked and run where it was unpacked. It
# installs the Debian packages that building and testing need, and none of its own making.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/build.sh
install_packages BUILD TEST

for preset in default sanitize; do
  echo "== $preset build"
  build_preset "$preset"
  ctest --preset "$preset"
done
scripts/package_check.sh
