// korvex-admin: the command-line companion of the program (database creation,
// reference data, demonstration data and headless runs), on the program's paths.

#include "Comandos.h"

#include "comum/Erros.h"

#include <cstring>
#include <iostream>

namespace {

struct Comando {
    const char* nome;
    int (*executar)(const Argumentos&);
    const char* uso;
};

const Comando kComandos[] = {
    {"criar", ComandoCriar, "criar                      cria o banco da listagem vazio"},
    {"referencias", ComandoReferencias, "referencias PASTA          carrega as tabelas de referência de arquivos CSV"},
    {"demo", ComandoDemo, "demo                       cria um banco com dados de demonstração"},
    {"importar", ComandoImportar,
     "importar INSCRICAO CODPROD ARQUIVO  importa os insumos de um arquivo de estrutura própria"},
    {"sql", ComandoSQL, "sql \"INSTRUÇÃO\"            executa uma instrução no dialeto do programa e mostra as linhas"},
    {"gerar-le", ComandoGerarLE, "gerar-le INSCRICAO (--pasta PASTA | --enviar) [--produtos C1,C2,...]"},
};

void MostrarUso() {
    std::cerr << "Uso: korvex-admin COMANDO [ARGUMENTOS]\n\nComandos:\n";
    for (const auto& c : kComandos) {
        std::cerr << "  " << c.uso << "\n";
    }
    std::cerr << "\nOs caminhos ficam sob $KORVEX_RAIZ (ou a pasta pessoal): VELTRAN/KORVEX/TABELA/KORVEX.db\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0) {
        MostrarUso();
        return argc < 2 ? 2 : 0;
    }
    Argumentos args(argv + 2, argv + argc);
    for (const auto& c : kComandos) {
        if (std::strcmp(argv[1], c.nome) == 0) {
            try {
                return c.executar(args);
            } catch (const std::exception& e) {
                std::cerr << "Erro: " << e.what() << "\n";
                return 1;
            }
        }
    }
    std::cerr << "Comando desconhecido: " << argv[1] << "\n\n";
    MostrarUso();
    return 2;
}
