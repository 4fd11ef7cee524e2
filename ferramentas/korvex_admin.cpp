// korvex-admin: the command-line companion of the program (database creation, reference
// data, demonstration data, headless runs and the care of the database), on the program's
// paths.

#include "Comandos.h"

#include "comum/Erros.h"

#include <sqlite3.h>

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
    {"validar", ComandoValidar,
     "validar INSCRICAO CODPROD ARQUIVO   confere todas as linhas do arquivo sem gravar nada"},
    {"sql", ComandoSQL, "sql \"INSTRUÇÃO\"            executa uma instrução no dialeto do programa e mostra as linhas"},
    {"gerar-le", ComandoGerarLE, "gerar-le INSCRICAO (--pasta PASTA | --enviar) [--produtos C1,C2,...]"},
    {"copia-seguranca", ComandoCopiaSeguranca,
     "copia-seguranca DESTINO    copia o banco (também com o programa aberto) para um arquivo ou pasta"},
    {"restaurar", ComandoRestaurar,
     "restaurar ORIGEM           põe uma cópia no lugar do banco e guarda o atual como KORVEX.db.anterior"},
    {"verificar", ComandoVerificar,
     "verificar                  confere a integridade do banco e a consistência da listagem"},
};

void MostrarUso(std::ostream& saida) {
    saida << "Uso: korvex-admin COMANDO [ARGUMENTOS]\n"
             "     korvex-admin --help | --versao\n\nComandos:\n";
    for (const auto& c : kComandos) {
        saida << "  " << c.uso << "\n";
    }
    saida << "\nOs caminhos ficam sob $KORVEX_RAIZ (ou a pasta pessoal): VELTRAN/KORVEX/TABELA/KORVEX.db\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0)) {
        MostrarUso(std::cout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--versao") == 0) {
        std::cout << "korvex-admin " << KORVEX_VERSAO << " (SQLCipher com SQLite " << sqlite3_libversion() << ")\n";
        return 0;
    }
    if (argc < 2) {
        MostrarUso(std::cerr);
        return 2;
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
    MostrarUso(std::cerr);
    return 2;
}
