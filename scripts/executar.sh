#!/usr/bin/env bash
# One command for a newcomer: installs what is missing, builds, prepares the
# demonstration data under demo/ (only when absent) and starts the program on it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dependencias.sh
bash scripts/compilar.sh
export KORVEX_RAIZ="${KORVEX_RAIZ:-$PWD/demo}"
if [ ! -f "$KORVEX_RAIZ/VELTRAN/KORVEX/TABELA/KORVEX.db" ]; then
    build/korvex-admin demo
fi
exec build/korvex
