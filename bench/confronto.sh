#!/usr/bin/env bash
# Whole processes against their floors, side by side in one run (hyperfine,
# medians), and peak memory (GNU time) against the bytes written or read:
#   - the package's whole run (no display) against cp of its six files;
#   - the package carrying a scenario against the bare package;
#   - scenario compile of the 993000 m line against cp of its three files;
#   - scenario compile of a 100 MB line text, against cp of that text;
#   - with a Windows build, the package under Wine against a minimal Win32
#     program that shows one window and exits.
# Run by hand, and by ./test.sh at its end for the record; it never fails on
# a figure.
#   bench/confronto.sh [BUILD_LINUX [BUILD_WINDOWS]]
# BUILD_LINUX defaults to build-release, BUILD_WINDOWS to build-windows (left
# out when it holds no Progetto1.exe); P1_GIRI sets the runs of each command.
set -euo pipefail
radice=$(cd "$(dirname "$0")/.." && pwd)
linux=$(cd "${1:-$radice/build-release}" && pwd)
windows=${2:-$radice/build-windows}
giri=${P1_GIRI:-15}

for strumento in hyperfine /usr/bin/time; do
  if ! command -v "$strumento" >/dev/null 2>&1; then
    echo "confronto: manca $strumento (scripts/dipendenze.sh test)" >&2
    exit 2
  fi
done

lavoro=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$lavoro"' EXIT

# Median wall time and mean CPU time (user + system) of each command, in
# seconds, from hyperfine's CSV: "mediana cpu", one line per command.
misura() {
  local csv=$lavoro/misura.csv
  hyperfine --style none --warmup 2 --runs "$giri" --export-csv "$csv" "$@" \
    >/dev/null 2>"$lavoro/hyperfine.log" || { cat "$lavoro/hyperfine.log" >&2; return 1; }
  awk -F, 'NR > 1 { printf "%s %s\n", $4, $5 + $6 }' "$csv"
}

# Peak resident memory of one run, in bytes (the median of three).
picco() {
  for _ in 1 2 3; do
    /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1
  done | sort -n | sed -n 2p | awk '{ print $1 * 1024 }'
}

# A figure never fails the script: a ratio without a floor prints as 0, and
# each ratio is shown against its target ("sì" when met).
riga() {
  # nome, misure del programma, misure del pavimento[, obiettivo del rapporto dei tempi]
  local nome=$1
  read -r m1 c1 <<<"$2"
  read -r m2 c2 <<<"$3"
  awk -v n="$nome" -v m1="$m1" -v c1="$c1" -v m2="$m2" -v c2="$c2" -v o="${4:-0}" 'BEGIN {
    r = m2 > 0 ? m1 / m2 : 0
    printf "%-34s %9.1f ms %9.1f ms   %5.2fx tempo  %5.2fx CPU", n, m1 * 1000, m2 * 1000, r,
           (c2 > 0 ? c1 / c2 : 0)
    if (o > 0) printf "   obiettivo %.2fx: %s", o, (r > 0 && r <= o ? "sì" : "no")
    printf "\n"
  }'
}

memoria() {
  # nome, picco, byte, che cosa sono i byte, obiettivo (rapporto)
  awk -v n="$1" -v p="$2" -v b="$3" -v cosa="$4" -v o="$5" 'BEGIN {
    r = b > 0 ? p / b : 0
    printf "%-34s %9.1f MB di picco, %7.1f MB %s: %5.2fx   obiettivo %.2fx: %s\n", n,
           p / 1048576, b / 1048576, cosa, r, o, (r > 0 && r <= o ? "sì" : "no")
  }'
}

# Median wall time in seconds against a limit, for a program without a floor.
entro() {
  read -r m1 c1 <<<"$2"
  awk -v n="$1" -v m1="$m1" -v c1="$c1" -v l="$3" 'BEGIN {
    printf "%-34s %9.1f ms (CPU %.1f ms)   obiettivo entro %.0f ms: %s\n", n, m1 * 1000,
           c1 * 1000, l * 1000, (m1 <= l ? "sì" : "no")
  }'
}

dimensione() { stat -c %s "$@" | awk '{ s += $1 } END { print s }'; }

printf "%-34s %12s %12s\n" "" "programma" "pavimento"

# The package, in a folder of its own, without a display.
mkdir -p "$lavoro/pacchetto" "$lavoro/copia6"
cp "$linux/app/Progetto1" "$lavoro/pacchetto/"
(cd / && env -u DISPLAY "$lavoro/pacchetto/Progetto1")
mapfile -t sei < <(find "$lavoro/pacchetto" -maxdepth 1 -type f ! -name Progetto1 | sort)
# Without a display, and without an `env` in front: its exec would be
# counted against the package and not against cp.
riga "Progetto1 (${#sei[@]} file)" \
  "$(unset DISPLAY && misura -N "$lavoro/pacchetto/Progetto1")" \
  "$(misura -N "cp ${sei[*]} $lavoro/copia6/")" 1.5

# The same package carrying the embedded scenario's texts, made by scenario
# package: it reads its own file whole and then does the same work, so its
# floor is the bare package.
scenario=$linux/tools/scenario
"$scenario" texts --out "$lavoro/testi_incorporati" >/dev/null
"$scenario" package --texts "$lavoro/testi_incorporati" --name Corsanta --number 7402 \
  --out "$lavoro/accodato/Progetto1" --base "$linux/app/Progetto1" >/dev/null
(cd / && env -u DISPLAY "$lavoro/accodato/Progetto1")
riga "Progetto1 con scenario accodato" \
  "$(unset DISPLAY && misura -N "$lavoro/accodato/Progetto1")" \
  "$(unset DISPLAY && misura -N "$lavoro/pacchetto/Progetto1")" 1.1

# The longest line, compiled with its plan.
"$linux/bench/genera_testi" "$lavoro"
mkdir -p "$lavoro/lunga" "$lavoro/copia3"
compila_lunga="$scenario compile --line $lavoro/lunga_linea.txt --train $lavoro/lunga_treno.txt \
--name Lunga --number 1 --out $lavoro/lunga"
$compila_lunga >/dev/null
mapfile -t tre < <(find "$lavoro/lunga" -maxdepth 1 -type f | sort)
riga "compile, linea di 993000 m" "$(misura -N "$compila_lunga")" \
  "$(misura -N "cp ${tre[*]} $lavoro/copia3/")" 1.5
# shellcheck disable=SC2086
memoria "compile, linea di 993000 m" "$(picco $compila_lunga)" "$(dimensione "${tre[@]}")" \
  scritti 1.2

# A 100 MB text: read whole, fields that match no keyword.
mkdir -p "$lavoro/cento"
compila_cento="$scenario compile --line $lavoro/cento_mb_linea.txt --train $lavoro/breve_treno.txt \
--name Cento --number 1 --out $lavoro/cento"
$compila_cento >/dev/null
misure_cento=$(misura -N "$compila_cento")
entro "compile, testo di 100 MB" "$misure_cento" 1
riga "compile, testo di 100 MB" "$misure_cento" \
  "$(misura -N "cp $lavoro/cento_mb_linea.txt $lavoro/copia_cento.txt")"
# shellcheck disable=SC2086
memoria "compile, testo di 100 MB" "$(picco $compila_cento)" \
  "$(dimensione "$lavoro/cento_mb_linea.txt")" letti 1.5

# The Windows package under Wine, against the floor of any windowed program
# there. One wineserver stays up for both, as it would on a desktop; it
# needs the prefix's folder to exist before wine first fills it.
if [ -f "$windows/app/Progetto1.exe" ] && [ -f "$windows/bench/finestra_minima.exe" ] &&
  command -v wine >/dev/null 2>&1; then
  mkdir -p "$lavoro/windows"
  cp "$windows/app/Progetto1.exe" "$windows/bench/finestra_minima.exe" "$lavoro/windows/"
  export WINEPREFIX=$lavoro/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$WINEPREFIX"
  # shellcheck disable=SC2016
  "$radice/tests/con_xvfb.sh" bash -c '
    set -euo pipefail
    wine "$1/Progetto1.exe" >/dev/null 2>&1 </dev/null
    wineserver -w
    wineserver -p
    hyperfine --style none --warmup 1 --runs "$2" --export-csv "$3" \
      "wine $1/Progetto1.exe" "wine $1/finestra_minima.exe" >/dev/null 2>&1 </dev/null
    wineserver -k || true' _ "$lavoro/windows" "$(((giri + 2) / 3))" "$lavoro/wine.csv"
  misure=$(awk -F, 'NR > 1 { printf "%s %s\n", $4, $5 + $6 }' "$lavoro/wine.csv")
  riga "Progetto1.exe sotto Wine" "$(sed -n 1p <<<"$misure")" "$(sed -n 2p <<<"$misure")" 1.1
else
  echo "(nessuna build Windows in $windows: Wine non misurato)"
fi
