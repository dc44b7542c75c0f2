#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, only those
# still missing. Each package and what it is for is listed in the README.
set -euo pipefail

pacchetti=(
  cmake ninja-build g++            # build
  googletest libgtest-dev libgmock-dev  # tests (the sources also serve the Windows build)
  libbenchmark-dev                 # benchmarks
  libfltk1.3-dev libx11-dev        # wait window and message box on Linux
  nlohmann-json3-dev libcli11-dev  # the scenario tool: JSON output, command line
  g++-mingw-w64-x86-64 wine wine64 xvfb xauth  # Windows build, run under Wine in Xvfb
  clang libclang-rt-14-dev         # fuzzing with libFuzzer
  clang-format                     # formatting
)

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
