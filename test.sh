#!/usr/bin/env bash
# Builds and runs every test: the normal build (with the Windows build under
# Wine), a short fuzzing run of the finishing stage, then the whole suite
# again with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/dipendenze.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

fuzz/esegui_fuzz.sh "${P1_SECONDI_FUZZ:-60}"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DP1_SANITIZE=ON
cmake --build build-asan -j2
# The Windows build is compiled by its own toolchain and already ran above.
ctest --test-dir build-asan --output-on-failure -j2 -E windows_wine
