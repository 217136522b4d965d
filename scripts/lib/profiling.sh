# Sourced by the callgrind scripts from the project's root: installs what profiling needs, builds
# the given benchmark targets in the default tree, starts an off-screen session and sets `out` to
# the folder the profiles stay in.
build_for_profiling() {
  source scripts/packages.sh
  scripts/deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${PROFILE_PACKAGES[@]}"
  cmake --preset default -DBUILD_TESTING=ON -DZENTAVO_WINDOW=ON -DZENTAVO_BENCHMARKS=ON >/dev/null
  cmake --build --preset default --target "$@" >/dev/null
  runtime=$(mktemp -d)
  trap 'rm -rf "$runtime"' EXIT
  export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen
  out=build/default/callgrind
  mkdir -p "$out"
}
