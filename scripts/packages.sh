# The Debian packages each use of the project needs; sourced by the other scripts.
BUILD_PACKAGES=(build-essential cmake pkg-config qt6-base-dev libgl-dev fonts-dejavu-core)
TEST_PACKAGES=(libgtest-dev libbenchmark-dev xvfb xauth xdotool x11-apps imagemagick
  desktop-file-utils appstream)
FUZZ_PACKAGES=(cmake clang libclang-rt-14-dev libgtest-dev)
PACKAGE_PACKAGES=(dpkg-dev xvfb xauth xdotool)
PROFILE_PACKAGES=(valgrind)
