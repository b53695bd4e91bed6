#!/bin/sh
# Installs the Debian 12 packages that QOR needs to build, run and test.
# Does nothing when every package is already installed, so it is cheap to run before every build.
set -eu

packages="
cmake
g++
clang-14
libclang-rt-14-dev
make
ninja-build
pkg-config
qt6-base-dev
qt6-base-dev-tools
libqt6opengl6-dev
qt6-charts-dev
qt6-svg-dev
qt6-tools-dev
qt6-l10n-tools
qt6-translations-l10n
qt6-qpa-plugins
libassimp-dev
libgl-dev
libgl1-mesa-dri
libglx-mesa0
libgtest-dev
libgmock-dev
libbenchmark-dev
xvfb
xauth
fonts-dejavu-core
desktop-file-utils
appstream
dpkg-dev
fakeroot
xdotool
libxml2-utils
shared-mime-info
"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    sudo=""
elif command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
else
    echo "These packages are missing and installing them needs root:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing
