# Sourced by the callgrind scripts from the project's root: installs what profiling needs, builds
# the given benchmark targets in the default tree, starts an off-screen session and sets `out` to
# the folder the profiles stay in.
source scripts/lib/build.sh
build_for_profiling() {
  install_packages BUILD TEST PROFILE
  build_preset default "$@" >/dev/null
  offscreen_session
  out=build/default/callgrind
  mkdir -p "$out"
}
