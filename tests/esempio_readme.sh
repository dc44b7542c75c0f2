#!/usr/bin/env bash
# Runs every command of a README example block as written, in an empty
# temporary folder, with the built programs on the PATH, and checks that each
# ends with status 0. A block is the indented text that follows a line
#   <!-- esempio: NOME -->
# in the README; lines ending in a backslash go on on the next line.
#   tests/esempio_readme.sh README.md NOME CARTELLA_DEI_PROGRAMMI...
set -euo pipefail
readme=$1
nome=$2
shift 2
for cartella in "$@"; do PATH=$cartella:$PATH; done
export PATH

blocco=$(awk -v segno="<!-- esempio: $nome -->" '
  $0 == segno { dentro = 1; next }
  dentro && /^    / { print substr($0, 5); visto = 1; next }
  dentro && visto && !/^$/ { exit }
' "$readme")
if [ -z "$blocco" ]; then
  echo "nessun esempio \"$nome\" in $readme"
  exit 1
fi

lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cd "$lavoro"
comando=""
n=0
while IFS= read -r riga; do
  if [[ $riga == *\\ ]]; then
    comando+="${riga%\\} "
    continue
  fi
  comando+=$riga
  [ -n "${comando// /}" ] || continue
  n=$((n + 1))
  echo "\$ $comando"
  stato=0
  bash -c "$comando" || stato=$?
  if [ "$stato" -ne 0 ]; then
    echo "stato $stato: $comando"
    exit 1
  fi
  comando=""
done <<<"$blocco"
echo "$n comandi dell'esempio \"$nome\", tutti con stato 0"
