#!/usr/bin/env bash
# Builds the libFuzzer target with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and fuzzes the finishing stage for the given
# number of seconds (default 60). Inputs that find a fault land in
# fuzz/artefatti/; copy each into fuzz/regressioni/ once it is fixed.
#   fuzz/esegui_fuzz.sh 1800     # half an hour
set -euo pipefail
cd "$(dirname "$0")/.."
secondi=${1:-60}
build=build-fuzz
cmake --preset fuzzing >/dev/null
cmake --build --preset fuzzing --target fuzz_finitura genera_semi
"$build/fuzz/genera_semi" "$build/semi" >/dev/null
mkdir -p fuzz/corpus_lavoro fuzz/artefatti
"$build/fuzz/fuzz_finitura" -max_total_time="$secondi" -timeout=20 -rss_limit_mb=2048 \
  -max_len=200000 -dict=fuzz/parole.dict -artifact_prefix=fuzz/artefatti/ \
  -print_final_stats=1 fuzz/corpus_lavoro "$build/semi"
