#!/usr/bin/env bash
# Builds the package and runs it once in build/pacchetto/, where its files
# appear. Installs only what the package needs; a plain configure, as a user
# would type it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/dipendenze.sh pacchetto
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target Progetto1
mkdir -p build/pacchetto
cp build/app/Progetto1 build/pacchetto/
build/pacchetto/Progetto1
echo "File del pacchetto in build/pacchetto:"
ls -l build/pacchetto
