#!/usr/bin/env bash
# Builds the Debian package with CPack from the build folder and checks what it holds: both
# programs in /usr/bin, the SQL extension, the icon, the desktop entry (valid, in Portuguese,
# starting korvex with the product's icon) and the run-time dependencies that dpkg-shlibdeps
# found. Skipped (status 77) where the Debian packaging tools are missing.
#
#     verificar_pacote.sh PASTA_DE_COMPILACAO VERSAO
set -euo pipefail
compilacao="$1"
versao="$2"

for ferramenta in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate; do
    if ! command -v "$ferramenta" >/dev/null 2>&1; then
        echo "Teste pulado: falta $ferramenta (pacotes dpkg-dev e desktop-file-utils)."
        exit 77
    fi
done

saida="$(mktemp -d)"
trap 'rm -rf "$saida"' EXIT
if ! cpack -G DEB --config "$compilacao/CPackConfig.cmake" -B "$saida" >"$saida/cpack.log" 2>&1; then
    cat "$saida/cpack.log"
    exit 1
fi
arquitetura="$(dpkg --print-architecture)"
multiarch="$(dpkg-architecture -qDEB_HOST_MULTIARCH)"
pacote="$saida/korvex_${versao}_${arquitetura}.deb"
if [ ! -f "$pacote" ]; then
    echo "FALHA: o pacote $pacote não foi gerado:"
    ls "$saida"
    exit 1
fi

falhas=0
falha() {
    echo "FALHA: $*"
    falhas=$((falhas + 1))
}

conteudo="$(dpkg-deb -c "$pacote" | awk '{print $6}')"
for arquivo in ./usr/bin/korvex ./usr/bin/korvex-admin "./usr/lib/$multiarch/korvex/korvex_jet.so" \
    ./usr/share/applications/korvex.desktop ./usr/share/icons/hicolor/256x256/apps/korvex.png; do
    grep -qxF "$arquivo" <<<"$conteudo" || falha "o pacote não contém $arquivo"
done

depende="$(dpkg-deb -f "$pacote" Depends)"
nomes="$(tr ',' '\n' <<<"$depende" | sed 's/^ *//; s/ .*//')"
for dependencia in libqt6widgets6 libsqlcipher0 libcurl4 libjpeg62-turbo libstdc++6 qt6-qpa-plugins; do
    grep -qxF "$dependencia" <<<"$nomes" || falha "Depends não cita $dependencia: $depende"
done

dpkg-deb -x "$pacote" "$saida/raiz"
entrada="$saida/raiz/usr/share/applications/korvex.desktop"
desktop-file-validate "$entrada" || falha "desktop-file-validate recusou $entrada"
for linha in "Exec=korvex" "Icon=korvex" "GenericName=Listagem de Exportação"; do
    grep -qxF "$linha" "$entrada" || falha "a entrada não tem a linha $linha"
done
if [ "$(head -c 8 "$saida/raiz/usr/share/icons/hicolor/256x256/apps/korvex.png" | od -An -tx1 | tr -d ' \n')" \
    != "89504e470d0a1a0a" ]; then
    falha "o ícone não é um PNG"
fi
# The programs of the package run, stripped as they are.
"$saida/raiz/usr/bin/korvex-admin" --versao | grep -q "^korvex-admin $versao " ||
    falha "korvex-admin --versao do pacote não mostra a versão $versao"

if [ "$falhas" -ne 0 ]; then
    exit 1
fi
echo "Pacote $(basename "$pacote") conferido."
