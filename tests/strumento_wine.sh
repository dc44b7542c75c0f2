#!/usr/bin/env bash
# The scenario tool for Windows under Wine, in a folder whose name has
# accents, Japanese letters and spaces: texts, compile and dump give the same
# files and the same output as the Linux tool, byte for byte; arguments and
# paths come in wide, with backslashes, slashes and a drive letter; messages
# and diagnostics come out as UTF-8 when redirected, diagnostics in the
# Visual Studio form; a package of another scenario, made by the Windows tool,
# runs under Wine in an empty folder and writes the files that compile gives
# and the documents as given.
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

echo "== scenario.exe package: un altro scenario, eseguito da Wine in una cartella vuota"
# The embedded texts under another line name and train number, a station
# renamed (with a letter of the code page), a line of the notes changed, the
# slow-down order with LF line ends only.
for radice_testi in "$win" "$lin"; do
  v="$radice_testi/valdera"
  mkdir -p "$v"
  cp "$radice_testi/testi/Corsanta_linea.txt" "$v/Valdera_linea.txt"
  LC_ALL=C sed 's/, SAN FELICIO\r$/, SAN F\xC8LICE\r/' "$radice_testi/testi/Corsanta_7402-.txt" \
    >"$v/Valdera_2211-.txt"
  cp "$radice_testi/testi/Corsanta_7402_scheda_treno.txt" "$v/Valdera_2211_scheda_treno.txt"
  tr -d '\r' <"$radice_testi/testi/Corsanta_7402_rallentamenti.txt" \
    >"$v/Valdera_2211_rallentamenti.txt"
  sed 's/^Trazione elettrica/Trazione a vapore, un tempo elettrica/' \
    "$radice_testi/testi/Corsanta_7402_note.txt" >"$v/Valdera_2211_note.txt"
  cmp -s "$v/Valdera_2211-.txt" "$radice_testi/testi/Corsanta_7402-.txt" &&
    { echo "la stazione non è stata rinominata"; exit 1; }
  cmp -s "$v/Valdera_2211_note.txt" "$radice_testi/testi/Corsanta_7402_note.txt" &&
    { echo "le note non sono cambiate"; exit 1; }
done
# Without --base: Progetto1.exe beside scenario.exe.
wine_in "$win" "$radice/w_package" package --texts valdera --name Valdera --number 2211 \
  --out 'pacchetti\Valdera.exe'
atteso 0 package "$radice/w_package"
cat "$radice/w_package.out"
pacchetto="$win/pacchetti/Valdera.exe"
# The Linux tool makes the same file from the same base.
linux_in "$lin" "$radice/l_package" package --texts valdera --name Valdera --number 2211 \
  --out pacchetti/Valdera.exe --base "$(dirname "$scenario_exe")/Progetto1.exe"
atteso 0 "package (Linux)" "$radice/l_package"
cmp "$pacchetto" "$lin/pacchetti/Valdera.exe"
echo "identico: Valdera.exe di scenario.exe e dello strumento Linux ($(stat -c %s "$pacchetto") byte)"
linux_in "$lin" "$radice/l_valdera" compile --line valdera/Valdera_linea.txt \
  --train valdera/Valdera_2211-.txt --name Valdera --number 2211 --out valdera_uscita
atteso 0 "compile Valdera (Linux)" "$radice/l_valdera"

esecuzione="$radice/esecuzione Valdera"
mkdir -p "$esecuzione"
cp "$pacchetto" "$esecuzione/"
stato=0
(cd / && xvfb-run -a wine "$esecuzione/Valdera.exe" >"$radice/w_valdera.log" 2>&1 </dev/null) ||
  stato=$?
if [ "$stato" -ne 0 ]; then
  echo "Valdera.exe: stato $stato"
  cat "$radice/w_valdera.log"
  exit 1
fi
atteso_elenco=$(printf '%s\n' Valdera.exe Valdera_2211.dat Valdera_2211.sim \
  Valdera_2211_note.txt Valdera_2211_rallentamenti.txt Valdera_2211_scheda_treno.txt \
  Valdera_linea.dat | sort)
elenco=$(cd "$esecuzione" && ls -A | sort)
if [ "$elenco" != "$atteso_elenco" ]; then
  echo "file del pacchetto: [$elenco] invece di [$atteso_elenco]"
  exit 1
fi
for f in Valdera_linea.dat Valdera_2211.sim Valdera_2211.dat; do
  cmp "$esecuzione/$f" "$lin/valdera_uscita/$f"
  echo "identico a compile: $f ($(stat -c %s "$esecuzione/$f") byte)"
done
cmp "$esecuzione/Valdera_2211_scheda_treno.txt" "$win/valdera/Valdera_2211_scheda_treno.txt"
cmp "$esecuzione/Valdera_2211_note.txt" "$win/valdera/Valdera_2211_note.txt"
# Written with CR LF again, as the package writes every text.
cmp "$esecuzione/Valdera_2211_rallentamenti.txt" "$win/testi/Corsanta_7402_rallentamenti.txt"
echo "identici ai testi dati: i tre documenti"
LC_ALL=C grep -qa $'SAN F\xC8LICE' "$esecuzione/Valdera_2211.sim" ||
  { echo "la stazione rinominata manca nella tabella"; exit 1; }

# What it carries, as the Linux tool says it.
wine_in "$win" "$radice/w_dump_pacchetto" dump 'pacchetti\Valdera.exe'
atteso 0 "dump del pacchetto" "$radice/w_dump_pacchetto"
head -1 "$radice/w_dump_pacchetto.out"
grep -qxF "## Valdera_2211_note.txt: 51 righe" "$radice/w_dump_pacchetto.out" ||
  { echo "dump del pacchetto senza le note"; exit 1; }
echo "lo strumento su Windows e su Linux concordano"
