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

echo "== saved-game reader under the fuzzer (one minute) =="
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTRIX_CORE_ONLY=ON \
  -DZENTRIX_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_savefile fuzz_protocol
corpus=$(mktemp -d)
cp fuzz/corpus/* "$corpus"/
./build-fuzz/fuzz_savefile "$corpus" -max_total_time="${ZENTRIX_FUZZ_SECONDS:-60}" -max_len=8192 \
  -artifact_prefix="$corpus/crash-" -print_final_stats=1 2>&1 | tail -n 12
rm -rf "$corpus"

echo "== network protocol decoder under the fuzzer (30 s) =="
corpus=$(mktemp -d)
cp fuzz/corpus_protocol/* "$corpus"/
./build-fuzz/fuzz_protocol "$corpus" -max_total_time="${ZENTRIX_PROTOCOL_FUZZ_SECONDS:-30}" -max_len=20000 \
  -artifact_prefix="$corpus/crash-" -print_final_stats=1 2>&1 | tail -n 12
rm -rf "$corpus"
echo "fuzz: 2 passed, 0 failed"
