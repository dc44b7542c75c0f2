#!/usr/bin/env bash
# Builds and runs every test: the development build (with the Windows build
# under Wine), the Release build that users get, a short fuzzing run of the
# finishing stage, then the whole suite again with AddressSanitizer and
# UndefinedBehaviorSanitizer. Warnings are errors in all of them
# (CMakePresets.json). At the end, for the record, the whole-process
# benchmark (bench/confronto.sh), which never fails on a figure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/dipendenze.sh test

for preset in default release; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

fuzz/esegui_fuzz.sh "${P1_SECONDI_FUZZ:-60}"

cmake --preset sanitizers
cmake --build --preset sanitizers
ctest --preset sanitizers

bench/confronto.sh build-release build/windows/build
