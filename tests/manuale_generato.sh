#!/usr/bin/env bash
# The manual's generated files in docs/ are what `scenario help --manuale`
# makes of the catalogue now; a difference names the file and the command
# that writes it again.
#   tests/manuale_generato.sh SCENARIO RADICE CARTELLA_DI_LAVORO
set -euo pipefail
scenario=$1
radice=$2
lavoro=$3

rm -rf "$lavoro"
mkdir -p "$lavoro"
"$scenario" help --manuale "$lavoro" >/dev/null

esito=0
for generato in "$lavoro"/*.md; do
  nome=$(basename "$generato")
  if ! cmp -s "$generato" "$radice/docs/$nome"; then
    echo "docs/$nome non è quello che danno il catalogo, i codici e gli avvisi di oggi."
    diff -u "$radice/docs/$nome" "$generato" | head -40 || true
    esito=1
  fi
done
if [ $esito -ne 0 ]; then
  echo
  echo "Rigenera i file del manuale e fanne il commit:"
  echo "  cmake --build \"$(dirname "$(dirname "$scenario")")\" --target manuale"
  echo "oppure:"
  echo "  \"$scenario\" help --manuale \"$radice/docs\""
fi
exit $esito
