#!/usr/bin/env bash
# Every test: installs what is missing, builds the native library, the simulator and the DLL,
# and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
jobs=$(nproc)

cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs"
