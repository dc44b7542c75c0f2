#!/usr/bin/env bash
# The README's two tables of subcommands (what each does, and which file holds
# it) name exactly the subcommands the tool's own table gives, in its order,
# as `scenario --help` lists them; and every file the second table names
# exists.
#   tests/sottocomandi_readme.sh README.md SCENARIO RADICE
set -euo pipefail
readme=$1
scenario=$2
radice=$3

strumento=$("$scenario" --help | awk '/^Sottocomandi:/ { dentro = 1; next }
  dentro && /^  [a-z]/ { print $1; next }
  dentro && /^[^ ]/ { exit }')
# A table row whose first cell starts with a subcommand: "| `compile --line ...` |".
uso=$(awk -F'|' '/^## / { dentro = ($0 == "## The scenario tool") }
  dentro && /^\| `[a-z]+[ `]/ { split($2, c, /[` ]+/); print c[2] }' "$readme")
mappa=$(awk -F'|' '/^\| `[a-z]+` \| `tools\/comandi\// { split($2, c, /`/); print c[2] }' "$readme")

esito=0
for tabella in uso mappa; do
  if [ "${!tabella}" != "$strumento" ]; then
    echo "README: la tabella \"$tabella\" elenca:"
    echo "${!tabella}"
    echo "ma lo strumento ha:"
    echo "$strumento"
    esito=1
  fi
done
while read -r file; do
  if [ ! -f "$radice/$file" ]; then
    echo "README: $file non esiste"
    esito=1
  fi
done < <(awk -F'|' '/^\| `[a-z]+` \| `tools\/comandi\// { split($3, c, /`/); print c[2] }' "$readme")
[ -n "$strumento" ] || { echo "nessun sottocomando in scenario --help"; esito=1; }
exit $esito
