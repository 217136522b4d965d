#!/usr/bin/env bash
# Builds the Debian package, installs it with apt as a user would, starts `zentavo` from the PATH
# on a virtual X display, ends it with Esc, and removes the package again.
set -euo pipefail
self=$(realpath "$0")
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Runs on the virtual display: starts the program from the PATH, waits for its window, presses Esc.
start_and_escape() {
  local wm_class=$1 window="" status=0
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  pid=""
  trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
  zentavo &
  pid=$!
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^ Zentavo $' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "zentavo ended before it showed its window"
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window titled ' Zentavo ' appeared"
  xdotool search --class "^$wm_class\$" | grep -qx "$window" ||
    fail "the window's class is not the desktop entry's StartupWMClass '$wm_class'"
  xdotool windowfocus --sync "$window"
  sleep 0.5
  xdotool key Escape
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "zentavo still runs after Esc"
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq 0 ] || fail "zentavo exited with status $status after Esc"
}
if [ "${1:-}" = --start-and-escape ]; then
  start_and_escape "$2"
  exit 0
fi

cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# The tests' optimisation level (-O2); cpack strips the debug information.
build=build/package
echo "== Debian package"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DZENTAVO_WINDOW=ON \
  -DZENTAVO_BENCHMARKS=OFF -DZENTAVO_SANITIZE=OFF >/dev/null
cmake --build "$build" -j2
rm -f "$build"/zentavo_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/zentavo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb"
deb=$(realpath "${debs[0]}")
echo "built ${deb#"$PWD/"}"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
depended_on=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//')
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 qt6-qpa-plugins; do
  grep -qxF "$needed" <<<"$depended_on" || fail "the package does not depend on $needed"
done
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/zentavo ./usr/share/applications/ro.tarvik.Zentavo.desktop \
  ./usr/share/metainfo/ro.tarvik.Zentavo.metainfo.xml \
  ./usr/share/icons/hicolor/32x32/apps/ro.tarvik.Zentavo.png \
  ./usr/share/icons/hicolor/scalable/apps/ro.tarvik.Zentavo.svg; do
  grep -q " $path$" <<<"$contents" || fail "the package lacks $path"
done

if dpkg-query -W -f='${Status}' zentavo 2>/dev/null | grep -q "install ok installed"; then
  fail "zentavo is installed already; remove it first so this check leaves the machine as it was"
fi
# apt's download sandbox user must be able to read the package.
staged=$(mktemp -d)
chmod 755 "$staged"
cp "$deb" "$staged/"
trap 'DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq zentavo >/dev/null || true
      rm -rf "$staged"' EXIT
(cd "$staged" && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq ./zentavo_*.deb)
[ "$(command -v zentavo)" = /usr/bin/zentavo ] || fail "zentavo is not /usr/bin/zentavo on the PATH"
wm_class=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/ro.tarvik.Zentavo.desktop)

xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$self" --start-and-escape "$wm_class"
echo "ok: the installed zentavo starts from the PATH and Esc ends it with status 0"
