#!/usr/bin/env bash
# Installs what is missing, builds Zentrix with its tests and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export QT_MEDIA_BACKEND=gstreamer
ctest --test-dir build --output-on-failure -j"$(nproc)"
