#!/usr/bin/env bash
# Installs what is missing, builds Zentrix and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target zentrix
exec ./build/zentrix "$@"
