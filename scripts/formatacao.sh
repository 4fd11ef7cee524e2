#!/usr/bin/env bash
# Checks that our C++ sources follow .clang-format (Debian 12's clang-format, version 14: other
# versions format some constructs differently). With --corrigir, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t fontes < <(find src ferramentas extensao testes bench arte -name '*.cpp' -o -name '*.h' | sort)
if [ "${1:-}" = "--corrigir" ]; then
    clang-format -i "${fontes[@]}"
else
    clang-format --dry-run -Werror "${fontes[@]}"
fi
