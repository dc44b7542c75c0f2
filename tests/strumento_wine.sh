#!/usr/bin/env bash
# The scenario tool for Windows under Wine, in a folder whose name has
# accents, Japanese letters and spaces: texts, compile and dump give the same
# files and the same output as the Linux tool, byte for byte; arguments and
# paths come in wide, with backslashes, slashes and a drive letter; messages
# and diagnostics come out as UTF-8 when redirected, diagnostics in the
# Visual Studio form.
# Usage: strumento_wine.sh SCENARIO.EXE SCENARIO_LINUX LAVORO (WINEPREFIX set).
set -euo pipefail
scenario_exe=$1
scenario_linux=$2
lavoro=$3
# Wine converts arguments and file names with the locale's character set.
export LC_ALL=C.UTF-8
export WINEDEBUG=-all

radice="$lavoro/strumento"
rm -rf "$radice"
win="$radice/Città 日本語 è/prova"
lin="$radice/linux"
mkdir -p "$win" "$lin"

# wine_in DIR LOG ARG...: the Windows tool run in DIR, standard output in
# LOG.out and error in LOG.err; the exit status in $stato.
wine_in() {
  local dir=$1 log=$2
  shift 2
  stato=0
  (cd "$dir" && wine "$scenario_exe" "$@" >"$log.out" 2>"$log.err" </dev/null) || stato=$?
}
linux_in() {
  local dir=$1 log=$2
  shift 2
  stato=0
  (cd "$dir" && "$scenario_linux" "$@" >"$log.out" 2>"$log.err") || stato=$?
}
atteso() {
  if [ "$stato" -ne "$1" ]; then
    echo "$2: stato $stato invece di $1"
    cat "$3.err"
    exit 1
  fi
}
# The Windows name of a Unix path, as the program sees it.
percorso_windows() { printf 'Z:%s' "$1" | tr / '\\'; }

echo "== scenario.exe texts, compile, dump in \"$win\""
wine_in "$win" "$radice/w_texts" texts --out testi
atteso 0 texts "$radice/w_texts"
linux_in "$lin" "$radice/l_texts" texts --out testi
atteso 0 "texts (Linux)" "$radice/l_texts"

# The train text by its full Windows name, with the drive letter and
# backslashes; the output folder with slashes and a space.
treno_windows=$(percorso_windows "$win/testi/Corsanta_7402-.txt")
wine_in "$win" "$radice/w_compile" compile --line 'testi\Corsanta_linea.txt' \
  --train "$treno_windows" --name Corsanta --number 7402 --out "uscita/file binari"
atteso 0 compile "$radice/w_compile"
linux_in "$lin" "$radice/l_compile" compile --line testi/Corsanta_linea.txt \
  --train testi/Corsanta_7402-.txt --name Corsanta --number 7402 --out "uscita/file binari"
atteso 0 "compile (Linux)" "$radice/l_compile"
scritto="scritto uscita/file binari\\Corsanta_linea.dat"
if ! grep -qxF "$scritto" "$radice/w_compile.out"; then
  echo "compile: manca \"$scritto\" in:"
  cat "$radice/w_compile.out"
  exit 1
fi

for formato in testo json; do
  argomenti=(dump "uscita/file binari/Corsanta_linea.dat" "uscita/file binari/Corsanta_7402.sim"
             "uscita/file binari/Corsanta_7402.dat")
  [ "$formato" = json ] && argomenti+=(--json)
  wine_in "$win" "$radice/w_dump_$formato" "${argomenti[@]}"
  atteso 0 "dump $formato" "$radice/w_dump_$formato"
  linux_in "$lin" "$radice/l_dump_$formato" "${argomenti[@]}"
  atteso 0 "dump $formato (Linux)" "$radice/l_dump_$formato"
  cmp "$radice/w_dump_$formato.out" "$radice/l_dump_$formato.out"
  echo "identico: dump $formato ($(stat -c %s "$radice/l_dump_$formato.out") byte)"
done

echo "== file a confronto"
elenco_win=$(cd "$win" && find . -type f | sort)
elenco_lin=$(cd "$lin" && find . -type f | sort)
if [ "$elenco_win" != "$elenco_lin" ]; then
  echo "file diversi: Windows [$elenco_win] Linux [$elenco_lin]"
  exit 1
fi
while IFS= read -r f; do
  cmp "$win/$f" "$lin/$f"
  echo "identico: $f ($(stat -c %s "$lin/$f") byte)"
done <<<"$elenco_lin"

echo "== messaggi e diagnosi"
# An accented message, redirected: UTF-8 bytes, the path as given.
wine_in "$win" "$radice/w_non_cartella" texts --out 'testi\Corsanta_7402_note.txt'
atteso 2 "texts su un file" "$radice/w_non_cartella"
printf 'scenario: "testi\\Corsanta_7402_note.txt" non è una cartella\n' >"$radice/atteso.err"
cmp "$radice/w_non_cartella.err" "$radice/atteso.err"

# A line text without its heading: the Windows tool names the place as
# Visual Studio does, the Linux tool does so when asked.
sed 1d "$win/testi/Corsanta_linea.txt" >"$win/testi/senza generale.txt"
sed 1d "$lin/testi/Corsanta_linea.txt" >"$lin/testi/senza generale.txt"
wine_in "$win" "$radice/w_diagnosi" compile --line "testi/senza generale.txt" \
  --train testi/Corsanta_7402-.txt --name Corsanta --number 7402 --out altro
atteso 3 "compile senza generale" "$radice/w_diagnosi"
linux_in "$lin" "$radice/l_diagnosi" compile --line "testi/senza generale.txt" \
  --train testi/Corsanta_7402-.txt --name Corsanta --number 7402 --out altro --diagnostics msvc
atteso 3 "compile senza generale (Linux)" "$radice/l_diagnosi"
cmp "$radice/w_diagnosi.err" "$radice/l_diagnosi.err"
if ! grep -q '^testi/senza generale.txt([0-9]*,[0-9]*): errore 102: ' "$radice/w_diagnosi.err"; then
  echo "diagnosi non nella forma di Visual Studio:"
  cat "$radice/w_diagnosi.err"
  exit 1
fi
head -1 "$radice/w_diagnosi.err"
echo "lo strumento su Windows e su Linux concordano"
