#!/usr/bin/env bash
# `scenario lsp` in a real editor: Neovim's language client, headless, on the
# embedded scenario's texts with one signal placed twice. It must get the
# check's diagnostic at that line, a hover naming the speed's field and unit,
# and the sections in the outline. Skipped (77) without nvim.
#   tests/lsp_neovim.sh SCENARIO LAVORO
set -euo pipefail
scenario=$1
lavoro=$2
command -v nvim >/dev/null 2>&1 || { echo "lsp_neovim: nvim mancante"; exit 77; }
rm -rf "$lavoro"
mkdir -p "$lavoro"
"$scenario" texts --out "$lavoro" >/dev/null
treno="$lavoro/Corsanta_7402-.txt"
# The first signal written a second time right after itself.
riga_segnale=$(grep -n '^segnale' "$treno" | head -1 | cut -d: -f1)
sed -i "${riga_segnale}p" "$treno"
doppio=$((riga_segnale + 1))
riga_velocita=$(grep -n '^velocita' "$treno" | head -1 | cut -d: -f1)

LSP_SCENARIO=$scenario LSP_TRENO=$treno LSP_ESITO="$lavoro/esito.txt" \
  LSP_RIGA_VELOCITA=$riga_velocita \
  timeout 120 nvim --headless -u NONE -i NONE -n -c "luafile $(dirname "$0")/lsp_neovim.lua"

esito=0
controlla() {
  if ! grep -q -- "$1" "$lavoro/esito.txt"; then
    echo "lsp_neovim: manca \"$1\" in:"
    cat "$lavoro/esito.txt"
    esito=1
  fi
}
controlla "^diagnostica $doppio:1 E16 la cella del segnale è già occupata"
controlla "^hover .*velocita, campo 2 di 2: velocita.*km/h"
controlla "^simbolo \[stazioni\] 22$"
exit $esito
