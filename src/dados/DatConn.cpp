#include "dados/DatConn.h"

#include "comum/CaixasMensagem.h"
#include "comum/Erros.h"
#include "comum/Plataforma.h"
#include "dados/Esquema.h"
#include "dados/InfoGerais.h"

#include <filesystem>
#include <set>

std::unique_ptr<Tdm_DatConn> dm_DatConn;

namespace {

// A file that opens as a database but lacks the listing's tables (a file emptied by a failed
// copy, another program's database) is refused at start-up rather than by the first window that
// reads it.
void ConferirTabelas(TConexao& conexao) {
    std::set<const TabelaEsquema*> existentes;
    TConsulta consulta(&conexao);
    for (consulta.Abrir("SELECT name FROM sqlite_master WHERE type = 'table'"); !consulta.Fim(); consulta.Proximo()) {
        existentes.insert(TabelaEsquemaPorNome(consulta.Texto("name")));
    }
    for (const TabelaEsquema& tabela : TabelasEsquema()) {
        if (!existentes.contains(&tabela)) {
            throw ErroBanco("O arquivo " + conexao.Arquivo() +
                            " não é o banco da listagem de exportação ou está incompleto: falta a tabela " +
                            tabela.nome + ".");
        }
    }
}

} // namespace

Tdm_DatConn::Tdm_DatConn() : qry_sel(&conexaoLista_) {}

Tdm_DatConn::~Tdm_DatConn() {
    qry_sel.Fechar();
    conexaoLista_.Fechar();
    adocon_korvex.Fechar();
}

bool Tdm_DatConn::Conectar() {
    const std::string banco = CaminhoBancoListagem().string();
    try {
        adocon_korvex.Abrir(banco, kSenhaBanco);
        ConferirTabelas(adocon_korvex);
        // The list query keeps its own connection for the life of the program: keying a
        // connection is slow, and each read on it still sees just the committed data. It is
        // opened by the first list, so that start-up, and a command-line run that lists
        // nothing, derive the key once.
        conexaoLista_.AbrirAoUsar(banco, kSenhaBanco);
    } catch (const std::exception& e) {
        adocon_korvex.Fechar();
        CaixaErro("Erro conexão",
                  std::string("Ocorreu um erro ao tentar efetuar a conexão com o banco!\nDescrição do erro:\n\n") +
                      e.what());
        return false;
    }
    std::error_code erro;
    const auto referencia = CaminhoArquivoReferencia();
    if (!std::filesystem::exists(referencia, erro)) {
        CaixaErro("Erro conexão",
                  "Ocorreu um erro ao tentar efetuar a conexão com o banco!\nVerifique se existe o seguinte arquivo " +
                      referencia.string());
        return false;
    }
    try {
        AtualizarEstatisticas(adocon_korvex);
    } catch (const ErroBanco&) {
        // Only the speed of the lists depends on them: a database that refuses them still opens.
    }
    CriarInfoGerais(&adocon_korvex);
    return true;
}

TConsulta& AbrirLista(const std::string& sql) {
    return dm_DatConn->qry_sel.Abrir(sql);
}
