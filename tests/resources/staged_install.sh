# Sourced by the checks of an installed tree, with `cmake` and `build` set: installs the build
# into a scratch DESTDIR removed on exit, as a package would, and sets `usr` to its /usr. fail()
# counts a failure and goes on, so that one run reports them all.
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

DESTDIR=$dest "$cmake" --install "$build" --prefix /usr >/dev/null
usr=$dest/usr
