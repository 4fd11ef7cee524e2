#!/usr/bin/env python3
"""Checks the folder structure of the sources from their #include lines.

Two rules, each failing the check with the files that break it:
- the folders depend one way: the graph of "folder includes a header of another folder" has
  no cycle;
- the core includes no Qt: a file of the core (neither a unit U* nor a *Qt file nor main())
  includes neither a Qt header nor a header of the Qt layer.

Usage: dependencias_pastas.py SRC   (CTest runs it on src/)
"""

import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
CABECALHO_QT = re.compile(r"^Qt?[A-Z]")


def camada_qt(arquivo: Path) -> bool:
    """Windows (units U*), Qt implementations (*Qt.cpp, *Qt.h) and main() form the Qt layer."""
    return re.match(r"U[A-Z]", arquivo.name) is not None or arquivo.stem.endswith("Qt") or arquivo.name == "main.cpp"


def ciclo(grafo: dict) -> list:
    """A cycle of the graph as the list of its folders (the first repeated at the end), or []."""
    estado = {}  # 1: on the current path, 2: done
    caminho = []

    def visitar(pasta):
        estado[pasta] = 1
        caminho.append(pasta)
        for destino in sorted(grafo.get(pasta, {})):
            if estado.get(destino) == 1:
                return caminho[caminho.index(destino) :] + [destino]
            if destino not in estado:
                achado = visitar(destino)
                if achado:
                    return achado
        caminho.pop()
        estado[pasta] = 2
        return []

    for pasta in sorted(grafo):
        if pasta not in estado:
            achado = visitar(pasta)
            if achado:
                return achado
    return []


def main(raiz: Path) -> int:
    grafo = {}  # folder -> {folder it includes: one file that does it}
    erros = []
    for arquivo in sorted(p for p in raiz.rglob("*") if p.suffix in (".h", ".cpp")):
        relativo = arquivo.relative_to(raiz).as_posix()
        pasta = arquivo.parent.relative_to(raiz).as_posix()
        nucleo = not camada_qt(arquivo)
        for tipo, incluido in INCLUDE.findall(arquivo.read_text(encoding="utf-8")):
            if tipo == "<":
                if nucleo and CABECALHO_QT.match(incluido):
                    erros.append(f"{relativo}: arquivo do nucleo inclui o cabecalho Qt <{incluido}>")
                continue
            destino = raiz / incluido
            if not destino.is_file():
                continue
            if nucleo and camada_qt(destino):
                erros.append(f"{relativo}: arquivo do nucleo inclui {incluido}, da camada Qt")
            pasta_destino = destino.parent.relative_to(raiz).as_posix()
            if pasta_destino != pasta:
                grafo.setdefault(pasta, {}).setdefault(pasta_destino, relativo)

    achado = ciclo(grafo)
    if achado:
        erros.append("ciclo entre pastas: " + " -> ".join(achado))
        for origem, destino in zip(achado, achado[1:]):
            erros.append(f"    {grafo[origem][destino]} inclui um arquivo de {destino}/")

    for erro in erros:
        print(erro)
    if not erros:
        for pasta in sorted(grafo):
            print(f"{pasta} -> {', '.join(sorted(grafo[pasta]))}")
    return 1 if erros else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-1])
        sys.exit(2)
    sys.exit(main(Path(sys.argv[1])))
