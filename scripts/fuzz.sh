#!/usr/bin/env bash
# Fuzzes one target with libFuzzer for the given number of seconds:
#   scripts/fuzz.sh conversions|form SECONDS
# Builds with clang, AddressSanitizer and UndefinedBehaviorSanitizer in build/fuzz. It starts from
# the committed corpus and keeps what it finds in build/fuzz/corpus/TARGET (the committed corpus
# is not written), and a failing input in build/fuzz/artifacts/TARGET/.
#   scripts/fuzz.sh conversions|form merge
# adds to the committed corpus the inputs found so far that reach code it does not (edges only,
# not hit counts, which keeps the corpus small).
set -euo pipefail
cd "$(dirname "$0")/.."
usage="usage: scripts/fuzz.sh conversions|form SECONDS|merge"
target=${1:?$usage}
seconds=${2:?$usage}
case "$target" in conversions | form) ;; *) echo "$usage" >&2; exit 2 ;; esac

source scripts/lib/build.sh
install_packages FUZZ
cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBUILD_TESTING=ON -DZENTAVO_FUZZ=ON -DZENTAVO_SANITIZE=ON \
  -DZENTAVO_WINDOW=OFF -DZENTAVO_BENCHMARKS=OFF >/dev/null
cmake --build build/fuzz -j2 --target "${target}_fuzz"

work=build/fuzz/corpus/$target
artifacts=build/fuzz/artifacts/$target
mkdir -p "$work" "$artifacts"
fuzzer=build/fuzz/tests/fuzz/${target}_fuzz
if [ "$seconds" = merge ]; then
  exec "$fuzzer" -merge=1 -use_counters=0 "tests/fuzz/corpus/$target" "$work"
fi
exec "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$work" "tests/fuzz/corpus/$target"
