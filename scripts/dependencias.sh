#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Only missing packages are installed; nothing is done when all are present.
set -euo pipefail

PACOTES=(
    g++ cmake make pkg-config clang-format
    qt6-base-dev libgl-dev qt6-translations-l10n
    libsqlcipher-dev sqlcipher
    libcurl4-openssl-dev
    libjpeg62-turbo-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    python3-pyftpdlib
    dpkg-dev desktop-file-utils
    xvfb xauth x11-apps imagemagick fonts-dejavu-core
)

faltando=()
for p in "${PACOTES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        faltando+=("$p")
    fi
done

if [ ${#faltando[@]} -eq 0 ]; then
    exit 0
fi

echo "Instalando pacotes: ${faltando[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${faltando[@]}"
