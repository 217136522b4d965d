# Sourced from the project's root by the scripts that build: installs what a use needs and builds
# in a preset's tree. The presets hold the options, so a tree configured with other values (as
# scripts/run.sh leaves the default one) gets them back.
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

# Configures a preset's tree, with any -D options given first, and builds the given targets (all
# of them when none is given): build_preset PRESET [-DOPTION=VALUE...] [TARGET...]
build_preset() {
  local preset=$1 options=() targets=()
  shift
  while [[ ${1:-} == -D* ]]; do
    options+=("$1")
    shift
  done
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake --preset "$preset" "${options[@]}" >/dev/null
  cmake --build --preset "$preset" "${targets[@]}"
}

# Gives the Qt programs run next an off-screen display and a private runtime folder, removed on
# exit.
offscreen_session() {
  runtime=$(mktemp -d)
  trap 'rm -rf "$runtime"' EXIT
  export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen
}
