#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dependencias.sh
bash scripts/compilar.sh
cd build
ctest --output-on-failure -j"$(nproc)" --timeout 600
