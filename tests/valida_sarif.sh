#!/usr/bin/env bash
# The SARIF of `scenario check` through Microsoft's validator: a text with
# faults of every kind of location (record, value, whole file, cell), and the
# embedded scenario, which has none. The validator reports its findings as
# "FILE(L,C): error|warning ..." and exits 0 either way: any error fails.
#   valida_sarif.sh SCENARIO SARIF_MULTITOOL FOLDER
set -euo pipefail
scenario=$1
validatore=$2
cartella=$3

if [ ! -x "$validatore" ]; then
  echo "validatore SARIF assente ($validatore): npm ci nella radice del progetto lo installa" >&2
  exit 77
fi
rm -rf "$cartella"
mkdir -p "$cartella/con spazio"
cd "$cartella"

"$scenario" texts --out incorporato > /dev/null
cat > "con spazio/linea è.txt" <<'FINE'
[generale]
lunghezza percorso,    10000
progressiva chilometrica uno,    0,    100825,    1
ripetizione segnali 4 codici,    0    ,0
[curve]
curvas7,  1350,  800
pendenzza,  0,  0
pendenza,  abc,  4
cartello_indicatore,  10,   (PL km)(8+016)
[fine]
FINE
cat > treno.txt <<'FINE'
[generale]
velocita,   0,    103
segnale,    2500,   2, 2, 3,  1, 0,    0,  0,0,0, 0
segnale,    2500,   2, 2, 3,  1, 0,    0,  0,0,0, 0
[fine]
FINE

stato=0
"$scenario" check --line "con spazio/linea è.txt" --train treno.txt --format sarif > guasti.sarif || stato=$?
if [ "$stato" -ne 1 ]; then
  echo "scenario check: stato $stato, atteso 1" >&2
  exit 1
fi
"$scenario" check --line incorporato/Corsanta_linea.txt --train incorporato/Corsanta_7402-.txt \
  --format sarif > incorporato.sarif

for f in guasti.sarif incorporato.sarif; do
  "$validatore" validate "$f" > "$f.validazione" 2>&1 || {
    cat "$f.validazione" >&2
    exit 1
  }
  if grep -E "\): error " "$f.validazione" >&2; then
    echo "$f: il validatore SARIF trova errori" >&2
    exit 1
  fi
  grep -q "Analysis completed successfully" "$f.validazione" || {
    cat "$f.validazione" >&2
    exit 1
  }
done
grep -q '"ruleId":"E16"' guasti.sarif
grep -q '"results":\[\]' incorporato.sarif
echo "SARIF valido"
