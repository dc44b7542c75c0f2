#!/usr/bin/env bash
# Installs the Debian packages still missing for one of the two README
# commands:
#   scripts/dipendenze.sh pacchetto   building and running the package
#   scripts/dipendenze.sh test        building and running every test (the default)
# Each package and what it is for is listed in the README.
set -euo pipefail

pacchetto=(
  cmake ninja-build g++            # build
  libfltk1.3-dev libx11-dev        # wait window and message box on Linux
  libxft-dev libxrender-dev libxfixes-dev libxext-dev libfontconfig-dev  # FLTK linked in
)
test=(
  "${pacchetto[@]}"
  git                              # the style test lists the sources it checks
  googletest libgtest-dev libgmock-dev  # tests (the sources also serve the Windows build)
  libbenchmark-dev                 # benchmarks
  hyperfine time                   # whole processes against their floors (bench/confronto.sh)
  nlohmann-json3-dev libcli11-dev  # the scenario tool: JSON output, command line
  g++-mingw-w64-x86-64 wine wine64 xvfb xauth  # Windows build, run under Wine in Xvfb
  clang libclang-rt-14-dev llvm    # fuzzing with libFuzzer; llvm-symbolizer names a fault's frames
  clang-format                     # formatting
  chromium                         # the page of scenario view in a real browser (puppeteer-core)
  neovim                           # scenario lsp in a real editor's language client
)
# The SARIF validator of the tests comes from npm (package.json at the root);
# Debian's Node only where no npm is installed already.
test_npm=(nodejs npm)

gruppo=${1:-test}
case "$gruppo" in
  pacchetto) pacchetti=("${pacchetto[@]}") ;;
  test)
    pacchetti=("${test[@]}")
    if ! command -v npm > /dev/null; then pacchetti+=("${test_npm[@]}"); fi
    ;;
  *)
    echo "uso: $0 [pacchetto|test]" >&2
    exit 2
    ;;
esac

mancanti=()
for p in "${pacchetti[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    mancanti+=("$p")
  fi
done
if [ ${#mancanti[@]} -gt 0 ]; then
  echo "Installazione: ${mancanti[*]}"
  sudo_=""
  if [ "$(id -u)" -ne 0 ]; then sudo_=sudo; fi
  $sudo_ apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y --no-install-recommends "${mancanti[@]}"
fi

# The npm packages of the tests, as package-lock.json pins them.
if [ "$gruppo" = test ]; then
  radice=$(cd "$(dirname "$0")/.." && pwd)
  if [ ! -d "$radice/node_modules" ] || [ "$radice/package-lock.json" -nt "$radice/node_modules" ]; then
    echo "npm ci: ${radice}/package-lock.json"
    (cd "$radice" && npm ci --no-audit --no-fund)
    touch "$radice/node_modules"
  fi
  # npm does not always keep the validator's own executable bit.
  chmod +x "$radice"/node_modules/@microsoft/sarif-multitool-linux/Sarif.Multitool 2> /dev/null || true
fi
