#!/usr/bin/env bash
# Installs what is missing, builds Zentrix with its tests and runs every test
# headless: the whole program, then the rules again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh test
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$jobs"
export QT_QPA_PLATFORM=offscreen
export QT_MEDIA_BACKEND=gstreamer
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== rules under sanitizers =="
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DZENTRIX_CORE_ONLY=ON -DZENTRIX_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
