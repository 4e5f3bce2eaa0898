#!/usr/bin/env bash
# Installs the Debian packages Zentrix needs to build, run and test.
# Nothing is installed when everything is present already.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-multimedia-dev qt6-svg-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libfluidsynth-dev timgm6mb-soundfont fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  dpkg-dev
)
# The tests also build a fuzzer of the saved-game reader, which needs clang.
if [ "${1:-}" = "test" ]; then
  packages+=(clang libclang-rt-14-dev)
  # The installed files are checked with the desktop's own validators, and
  # the Debian package with lintian.
  packages+=(desktop-file-utils appstream libxml2-utils shared-mime-info file man-db lintian)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
else
  SUDO=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -qq
"${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
