#!/usr/bin/env bash
# Cross-builds the package for Windows, runs its test executable and the
# package itself under Wine inside Xvfb, and compares the package's files with
# those of the Linux build. Exits 77 (skipped) when a tool is missing.
set -euo pipefail
sorgenti=$1
lavoro=$2
progetto1_linux=$3

for strumento in x86_64-w64-mingw32-g++-posix wine xvfb-run; do
  if ! command -v "$strumento" >/dev/null 2>&1; then
    echo "SKIPPED: $strumento non disponibile"
    exit 77
  fi
done

mkdir -p "$lavoro"
(cd "$sorgenti" && cmake --preset windows -B "$lavoro/build") >"$lavoro/configura.log" 2>&1 ||
  { cat "$lavoro/configura.log"; exit 1; }
cmake --build "$lavoro/build" -j2 >"$lavoro/build.log" 2>&1 || { tail -50 "$lavoro/build.log"; exit 1; }

export WINEPREFIX="$lavoro/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Output of Wine goes to files: a wineserver left holding the test's pipes
# would keep the test runner waiting.
con_wine() {
  local log=$1
  shift
  xvfb-run -a wine "$@" >"$log" 2>&1 </dev/null
}
fine() { wineserver -k >/dev/null 2>&1 || true; }
trap fine EXIT

echo "== test unitari sotto Wine"
if ! con_wine "$lavoro/tutti_test.log" "$lavoro/build/tutti_test.exe"; then
  tail -80 "$lavoro/tutti_test.log"
  exit 1
fi
grep -E '^\[  PASSED  \]|^\[  FAILED  \]' "$lavoro/tutti_test.log" || true

# Runs Progetto1.exe copied into folder $1 and compares its files with those
# of the Linux build in $lin.
esegui_e_confronta() {
  local win=$1
  rm -rf "$win"
  mkdir -p "$win"
  cp "$lavoro/build/app/Progetto1.exe" "$win/"
  local stato=0
  (cd / && con_wine "$lavoro/progetto1.log" "$win/Progetto1.exe") || stato=$?
  if [ "$stato" -ne 0 ]; then
    echo "Progetto1.exe in $win: stato $stato"
    cat "$lavoro/progetto1.log"
    exit 1
  fi
  local elenco_win elenco_lin
  elenco_win=$(cd "$win" && ls -A | grep -v '^Progetto1' | sort)
  elenco_lin=$(cd "$lin" && ls -A | grep -v '^Progetto1' | sort)
  if [ "$elenco_win" != "$elenco_lin" ]; then
    echo "file diversi: Windows [$elenco_win] Linux [$elenco_lin]"
    exit 1
  fi
  for f in $elenco_lin; do
    cmp "$win/$f" "$lin/$f"
    echo "identico: $f ($(stat -c %s "$lin/$f") byte)"
  done
}

lin="$lavoro/esecuzione_linux"
rm -rf "$lin"
mkdir -p "$lin"
cp "$progetto1_linux" "$lin/"
(cd / && env -u DISPLAY "$lin/Progetto1")

echo "== Progetto1.exe in una cartella vuota"
esegui_e_confronta "$lavoro/esecuzione_windows"

# Folder names outside the ANSI code page, with accents and spaces, and a
# path longer than 300 characters as Windows sees it (Z:\...).
cartelle="$lavoro/cartelle"
rm -rf "$cartelle"
lungo="$cartelle/lungo"
while [ "${#lungo}" -lt 320 ]; do lungo="$lungo/una cartella dal nome piuttosto lungo"; done
for cartella in "$cartelle/日本語のフォルダ" "$cartelle/Città con spazi e lettere accentate àèìòù" \
  "$lungo"; do
  echo "== Progetto1.exe in $cartella (${#cartella} caratteri)"
  esegui_e_confronta "$cartella"
done
rm -rf "$cartelle"
echo "Windows e Linux concordano"

if [ -n "${4:-}" ]; then
  echo "== scenario.exe sotto Wine, a confronto con lo strumento Linux"
  bash "$sorgenti/tests/strumento_wine.sh" "$lavoro/build/app/scenario.exe" "$4" "$lavoro"
fi
