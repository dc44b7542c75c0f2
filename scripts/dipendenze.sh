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
)

case "${1:-test}" in
  pacchetto) pacchetti=("${pacchetto[@]}") ;;
  test) pacchetti=("${test[@]}") ;;
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
if [ ${#mancanti[@]} -eq 0 ]; then
  exit 0
fi
echo "Installazione: ${mancanti[*]}"
sudo_=""
if [ "$(id -u)" -ne 0 ]; then sudo_=sudo; fi
$sudo_ apt-get update
DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y --no-install-recommends "${mancanti[@]}"
