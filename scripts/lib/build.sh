# Sourced from the project's root by the scripts that build: installs what a use needs and builds
# in a preset's tree.
source scripts/packages.sh

# Installs the Debian packages of the named uses of packages.sh: install_packages BUILD TEST ...
install_packages() {
  local packages=() use
  for use in "$@"; do
    local -n use_packages="${use}_PACKAGES"
    packages+=("${use_packages[@]}")
    unset -n use_packages
  done
  scripts/deps.sh "${packages[@]}"
}

# Configures a preset's tree and builds the given targets (all of them when none is given):
# build_preset PRESET [TARGET...]. The preset holds the options, so a tree configured by hand with
# other values gets them back.
build_preset() {
  local preset=$1 targets=()
  shift
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" "${targets[@]}"
}

# Gives the Qt programs run next an off-screen display and a private runtime folder, removed on
# exit.
offscreen_session() {
  runtime=$(mktemp -d)
  trap 'rm -rf "$runtime"' EXIT
  export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen
}
