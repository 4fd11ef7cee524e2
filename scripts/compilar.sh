#!/usr/bin/env bash
# Configures and builds the program, its companion tool and the tests into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEX_WERROR=ON "$@" >/dev/null
cmake --build build -j"$(nproc)"
