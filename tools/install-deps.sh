#!/usr/bin/env bash
# Installs the Debian packages Zentrix needs to build, run and test.
# Nothing is installed when everything is present already.
#
#   tools/install-deps.sh [test] [bench] [assets]
#     test:   also what the tests need (the fuzzer, the desktop validators, lintian,
#             PostgreSQL and HAProxy)
#     bench:  also what the benchmarks use (an X server, a virtual sound card)
#     assets: also what tools/make_sounds.sh and tools/make_art.py use
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-multimedia-dev qt6-svg-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libfluidsynth-dev timgm6mb-soundfont fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-websockets-dev libqt6sql6-sqlite
  dpkg-dev
)
for extra in "$@"; do
  case "$extra" in
    # The tests also build a fuzzer of the saved-game reader, which needs clang.
    # The installed files are checked with the desktop's own validators, and
    # the Debian package with lintian.
    # Servers sharing a database are tested on a throw-away PostgreSQL
    # cluster behind HAProxy.
    test) packages+=(clang libclang-rt-14-dev
                     desktop-file-utils appstream libxml2-utils shared-mime-info file man-db lintian
                     postgresql libqt6sql6-psql haproxy) ;;
    bench) packages+=(xvfb xauth pulseaudio postgresql libqt6sql6-psql) ;;
    assets) packages+=(python3 sox espeak-ng) ;;
    *) echo "usage: $0 [test] [bench] [assets]" >&2; exit 2 ;;
  esac
done

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
