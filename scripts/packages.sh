# The Debian packages each use of the project needs; sourced by the other scripts.
BUILD_PACKAGES=(build-essential cmake pkg-config qt6-base-dev libgl-dev libxcb1-dev fonts-dejavu-core
  librsvg2-bin qt6-tools-dev qt6-l10n-tools)
TEST_PACKAGES=(libgtest-dev libbenchmark-dev xvfb xauth xdotool x11-apps imagemagick
  desktop-file-utils appstream man-db bsdextrautils dbus at-spi2-core python3-pyatspi
  python3-xlib qt6-gtk-platformtheme)
FUZZ_PACKAGES=(cmake clang libclang-rt-14-dev libgtest-dev)
PACKAGE_PACKAGES=(dpkg-dev lintian devscripts binutils xvfb xauth xdotool)
PROFILE_PACKAGES=(valgrind)
ORCA_PACKAGES=(orca speech-dispatcher)
WAYLAND_PACKAGES=(weston qt6-wayland)
