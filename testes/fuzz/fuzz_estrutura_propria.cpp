// Fuzz target: an own-structure file as the import reads it. The bytes are written to a
// file, which the line reader splits into as many lines as ContaLinhas counts; each line
// is read into an input record and checked against the reference tables of a real test
// database, and the lines that pass are inserted, in a transaction that is then rolled
// back so that every run starts from the same data.

#include "apoio/AmbienteTeste.h"
#include "apoio/EstruturaPropria.h"
#include "comum/RotinasUteis.h"
#include "dados/BancoDados.h"
#include "dados/InfoGerais.h"
#include "importacao/LeitorArquivoTexto.h"
#include "importacao/clsLexInsumoTXT.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>

namespace {

struct Banco {
    AmbienteTeste ambiente;
    TConexao conexao;
    std::filesystem::path arquivo = ambiente.Raiz() / "insumos.txt";

    Banco() {
        ambiente.Conectar(conexao);
        CriarInfoGerais(&conexao);
        PreencherDadosImportacao(conexao);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static Banco banco;
    {
        std::ofstream f(banco.arquivo, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(dados), static_cast<std::streamsize>(tamanho));
    }
    TTransacao transacao(banco.conexao);
    TclsLeitorArquivoTexto leitor(banco.arquivo, kTamanhoLinhaEstruturaPropria);
    int linhas = 0;
    std::string linha;
    while (leitor.LerLinha(linha)) {
        ++linhas;
        if (linha.size() > kTamanhoLinhaEstruturaPropria) {
            std::abort();
        }
        TclsInfoInsumoTXT insumo;
        insumo.LerLinha(linha, kInscricaoTeste, "0401", kProdutoComInsumos);
        if (insumo.Validar()) {
            insumo.Gravar();
        } else if (insumo.MensagemErro().empty()) {
            std::abort();
        }
    }
    if (linhas != ContaLinhas(banco.arquivo)) {
        std::abort();
    }
    return 0;
}
