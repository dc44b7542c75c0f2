#!/usr/bin/env bash
# Installs the build into an empty temporary prefix, as `cmake --install`
# does for a user, and checks that exactly the tool, its bases and the
# author's manual are installed, the bases as built and where the installed
# tool looks for them (tools/pacchetti/pacchetto_base.h), none in bin/, the
# manual as it is in docs/, and that the installed tool runs.
#   installazione.sh CMAKE BUILD BINDIR CARTELLA_BASI DOCDIR PROGETTO1 [PROGETTO1_EXE]
# BINDIR, CARTELLA_BASI and DOCDIR are relative to the prefix; PROGETTO1_EXE
# is the Windows base of the build, where it was built.
set -euo pipefail
cmake=$1
build=$2
bin=$3
basi=$4
doc=$5
progetto1=$6
progetto1_exe=${7:-}
radice=$(cd "$(dirname "$0")/.." && pwd)

lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
prefisso="$lavoro/prefisso con spazio"
if ! uscita=$("$cmake" --install "$build" --prefix "$prefisso" 2>&1); then
  echo "$uscita"
  exit 1
fi

attesi=("$bin/scenario" "$basi/Progetto1")
if [ -n "$progetto1_exe" ]; then attesi+=("$basi/Progetto1.exe"); fi
manuale=()
for f in "$radice"/docs/*.md; do manuale+=("$doc/$(basename "$f")"); done
installati=$(cd "$prefisso" && find . -type f -printf '%P\n' | sort)
elenco=$(printf '%s\n' "${attesi[@]}" "${manuale[@]}" | sort)
if [ "$installati" != "$elenco" ]; then
  echo "installati:"
  echo "$installati"
  echo "attesi:"
  echo "$elenco"
  exit 1
fi
for programma in "${attesi[@]}"; do
  if [ ! -x "$prefisso/$programma" ]; then
    echo "non eseguibile: $programma"
    exit 1
  fi
done
cmp "$progetto1" "$prefisso/$basi/Progetto1"
if [ -n "$progetto1_exe" ]; then cmp "$progetto1_exe" "$prefisso/$basi/Progetto1.exe"; fi
for f in "${manuale[@]}"; do cmp "$radice/docs/$(basename "$f")" "$prefisso/$f"; done
echo "installati: ${attesi[*]} ${manuale[*]}"

scenario=$prefisso/$bin/scenario
"$scenario" --help >"$lavoro/aiuto.txt"
grep -q '^Uso: scenario' "$lavoro/aiuto.txt" || { cat "$lavoro/aiuto.txt"; exit 1; }
mkdir "$lavoro/autore"
cd "$lavoro/autore"
"$scenario" texts --out testi >/dev/null
[ -s testi/Corsanta_linea.txt ] || { echo "scenario texts non ha scritto testi/Corsanta_linea.txt"; exit 1; }
echo "lo strumento installato funziona"

# ---- scenario package from the install, with the bases it finds itself ----
"$scenario" package --texts testi --name Corsanta --number 7402 --out pacchetti/Corsanta
cmp -n "$(stat -c %s "$progetto1")" "$progetto1" pacchetti/Corsanta
"$scenario" dump pacchetti/Corsanta >dump.txt
head -1 dump.txt
if [ -n "$progetto1_exe" ]; then
  "$scenario" package --texts testi --name Corsanta --number 7402 --out pacchetti/Corsanta.exe
  cmp -n "$(stat -c %s "$progetto1_exe")" "$progetto1_exe" pacchetti/Corsanta.exe
fi
echo "scenario package installato trova le sue basi"
