#!/usr/bin/env bash
# Builds the Debian source and binary packages with dpkg-buildpackage, from a copy of the tree in
# build/debian, and checks them as a distribution would: lintian --pedantic with no error or
# warning on both, hardening-check, the contents and the dependencies.
# Then runs the program unpacked in a scratch folder: --version, --help and an unknown option with
# no display at all, and the window on a virtual X display, ended with Esc. The test command runs
# it so; it changes no package of the machine but the ones it needs to build and check.
#   scripts/package_check.sh --install
# also installs the package with apt, runs it from the PATH and purges it again together with what
# apt installed for it, leaving the machine's packages as they were (CI runs it so, after the
# tests). Where zentavo is installed already, or installing it would upgrade or remove another
# package, it is left alone and only the unpacked program runs.
set -euo pipefail
self=$(realpath "$0")
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
source "$(dirname "$self")/lib/window_session.sh"

# Runs on the virtual display: starts the program, waits for its window, presses Esc.
start_and_escape() {
  local program=$1 wm_class=$2
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  pid=""
  trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
  "$program" &
  pid=$!
  wait_for_window "$pid"
  xdotool search --class "^$wm_class\$" | grep -qx "$window" ||
    fail "the window's class is not the desktop entry's StartupWMClass '$wm_class'"
  xdotool windowfocus --sync "$window"
  sleep 0.5
  escape_ends "$pid"
  pid=""
}
if [ "${1:-}" = --start-and-escape ]; then
  start_and_escape "$2" "$3"
  exit 0
fi
install=false
case "${1:-}" in
  --install) install=true ;;
  "") ;;
  *)
    echo "usage: scripts/package_check.sh [--install]" >&2
    exit 2
    ;;
esac

# The command line is answered before Qt looks for a display, so none is given.
check_options() {
  local program=$1 version=$2 out status
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version) || fail "--version failed"
  [ "$out" = "zentavo $version" ] || fail "--version printed '$out'"
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help) || fail "--help failed"
  grep -q '^Utilizare: zentavo' <<<"$out" || fail "--help printed no usage"
  grep -q 'Esc' <<<"$out" || fail "--help does not say that Esc ends the program"
  status=0
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --no-such-option 2>&1 >/dev/null) ||
    status=$?
  [ "$status" -eq 2 ] || fail "an unknown option ended with status $status, not 2"
  [ "$(head -n1 <<<"$out")" = 'zentavo: opțiune necunoscută „--no-such-option”' ] ||
    fail "an unknown option printed '$(head -n1 <<<"$out")'"
  grep -q '^Utilizare: zentavo' <<<"$out" || fail "an unknown option printed no usage"
  echo "ok: $program answers --version, --help and an unknown option without a display"
}

run_window() {
  "${xvfb[@]}" "$self" --start-and-escape "$1" "$2"
  echo "ok: $1 opens its window and Esc ends it with status 0"
}

cd "$(dirname "$0")/.."
source scripts/lib/build.sh
install_packages BUILD PACKAGE
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
apt_get() {
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 "$@"
}
installed_packages() {
  dpkg-query -W -f='${binary:Package} ${Version} ${db:Status-Abbrev}\n' | sort
}

echo "== Debian source and binary packages"
# Every build dependency is installed by scripts/packages.sh for building the package.
build_depends=$(awk '/^Build-Depends:/ { on = 1; sub(/^Build-Depends:/, ""); print; next }
  on && /^ / { print; next } { on = 0 }' debian/control |
  tr ',' '\n' | sed 's/^ *//; s/[ (].*//; s/^debhelper-compat$/debhelper/' | grep .)
for dependency in $build_depends; do
  printf '%s\n' "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" | grep -qxF "$dependency" ||
    fail "the build dependency $dependency is not in scripts/packages.sh"
done
version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg --print-architecture)
out=build/debian
source_tree=$out/zentavo-$version
changes=$out/zentavo_${version}_$arch.changes
# The tree as git sees it, uncommitted changes included and build trees left out, is copied into
# build/, where dpkg-buildpackage writes the packages beside the copy. Packages built from the
# same files are used again (as CI's --install run after the test command does).
git rev-parse --git-dir >/dev/null 2>&1 || fail "the package is built from a git checkout"
mapfile -d '' files < <(git ls-files -z --cached --others --exclude-standard)
present=()
for file in "${files[@]}"; do
  [ -f "$file" ] && present+=("$file")
done
fingerprint=$( (
  printf '%s\0' "${present[@]}" | xargs -0 sha256sum
  printf '%s\0' "${present[@]}" | xargs -0 stat -c '%a %n'
) | sha256sum)
if [ -f "$changes" ] && [ "$(cat "$out/fingerprint" 2>/dev/null)" = "$fingerprint" ]; then
  echo "the packages of these very files are built already"
else
  rm -rf "$out"
  mkdir -p "$source_tree"
  printf '%s\0' "${present[@]}" | tar --null -T - -cf - | tar -xf - -C "$source_tree"
  (cd "$source_tree" && dpkg-buildpackage -us -uc --jobs-try=2) >"$out/build.log" 2>&1 || {
    tail -n 40 "$out/build.log" >&2
    fail "dpkg-buildpackage failed; see $out/build.log"
  }
  echo "$fingerprint" >"$out/fingerprint"
fi
deb=$(realpath "$out/zentavo_${version}_$arch.deb")
[ -f "$deb" ] || fail "dpkg-buildpackage made no ${deb##*/}"
obj=$source_tree/obj-$(dpkg-architecture -qDEB_HOST_GNU_TYPE)
app_id=$(sed -n 's/^ZENTAVO_APP_ID:INTERNAL=//p' "$obj/CMakeCache.txt")
[ -n "$app_id" ] || fail "$obj/CMakeCache.txt names no application id"
echo "built $(cd "$out" && ls ./*.dsc ./*.tar.* ./*.deb | sed 's|^./||' | tr '\n' ' ')"

scratch=$(mktemp -d)
chmod 755 "$scratch"
purge=()
cleanup() {
  if [ ${#purge[@]} -gt 0 ]; then
    apt_get purge -y -qq "${purge[@]}" >/dev/null || true
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT

echo "== lintian --pedantic, source and binary packages"
lintian --pedantic --display-info --fail-on error,warning "$changes" ||
  fail "lintian reports an error or a warning"
echo "ok: lintian reports no error and no warning"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
depended_on=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//')
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 qt6-qpa-plugins; do
  grep -qxF "$needed" <<<"$depended_on" || fail "the package does not depend on $needed"
done
# The package holds exactly what the build installs, whose files the tests check one by one, and
# the lintian override.
installed=$scratch/installed
DESTDIR=$installed cmake --install "$obj" >/dev/null
install_files=$( (
  cd "$installed" && find . ! -type d
  echo ./usr/share/lintian/overrides/zentavo
) | sort)
package_files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
[ -n "$package_files" ] || fail "the package holds no files"
[ "$package_files" = "$install_files" ] ||
  fail "the package's files are not the installed ones (< installed, > packed):
$(diff <(echo "$install_files") <(echo "$package_files"))"
echo "ok: the package holds the $(wc -l <<<"$package_files") files the build installs"

stage=$scratch/stage
dpkg-deb -x "$deb" "$stage"
staged=$stage/usr/bin/zentavo
wm_class=$(sed -n 's/^StartupWMClass=//p' "$stage/usr/share/applications/$app_id.desktop")

echo "== hardening-check"
hardening=()
# Control-flow protection needs every linked object marked for it; where the C library's own
# start files are not (Debian 12), no program can be, so the check would fail for any of them.
if ! readelf -n "$(c++ -print-file-name=Scrt1.o)" | grep -q 'x86 feature: IBT, SHSTK'; then
  hardening+=(--nocfprotection)
  echo "(the C library's start files carry no control-flow protection: that check is skipped)"
fi
hardening-check "${hardening[@]}" "$staged" || fail "hardening-check"

echo "== dependencies"
cp "$deb" "$scratch/"
deb=$scratch/$(basename "$deb")
simulation=$(apt_get install --simulate "$deb") ||
  fail "apt cannot resolve the package's dependencies: $simulation"
echo "ok: apt resolves the package's dependencies"

echo "== the program"
check_options "$staged" "$version"
run_window "$staged" "$wm_class"
if ! $install; then
  echo "ok: the package passes (run unpacked; scripts/package_check.sh --install also installs it)"
  exit 0
fi

echo "== installed with apt"
if dpkg-query -W -f='${Status}' zentavo 2>/dev/null | grep -q "install ok installed"; then
  echo "zentavo $(dpkg-query -W -f='${Version}' zentavo) is installed already and stays so"
elif grep -qE '^(Inst [^ ]+ \[|Remv )' <<<"$simulation"; then
  echo "installing zentavo would upgrade or remove other packages: it is left uninstalled"
else
  before=$(installed_packages)
  # Exactly what apt installs is purged again: zentavo and the dependencies it brings in new.
  mapfile -t purge < <(sed -n 's/^Inst \([^ ]*\) (.*/\1/p' <<<"$simulation")
  apt_get install -y -qq "$deb" >/dev/null
  [ "$(command -v zentavo)" = /usr/bin/zentavo ] || fail "zentavo is not /usr/bin/zentavo"
  check_options zentavo "$version"
  run_window zentavo "$wm_class"
  apt_get purge -y -qq "${purge[@]}" >/dev/null
  purge=()
  changed=$(diff <(echo "$before") <(installed_packages)) ||
    fail "the installed packages differ from before the check: $changed"
  echo "ok: installed with apt, run from the PATH and purged; the installed packages are as before"
fi
echo "ok: the package passes"
