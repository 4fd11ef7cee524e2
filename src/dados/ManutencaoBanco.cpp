#include "dados/ManutencaoBanco.h"

#include "comum/Erros.h"
#include "comum/Falhas.h"
#include "comum/Plataforma.h"
#include "dados/BancoDados.h"
#include "dados/Esquema.h"
#include "dados/clsTabACCESS.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <ctime>
#include <system_error>

namespace fs = std::filesystem;

namespace {

using T = clsTabACCESS;

// Removes a file of ours when it leaves scope, unless it was kept.
class ArquivoTemporario {
public:
    explicit ArquivoTemporario(fs::path caminho) : caminho_(std::move(caminho)) { Remover(); }
    ~ArquivoTemporario() { Remover(); }
    ArquivoTemporario(const ArquivoTemporario&) = delete;
    ArquivoTemporario& operator=(const ArquivoTemporario&) = delete;
    const fs::path& Caminho() const { return caminho_; }
    void Manter() { caminho_.clear(); }

private:
    void Remover() {
        if (caminho_.empty()) {
            return;
        }
        std::error_code erro;
        for (const char* sufixo : {"", "-wal", "-shm", "-journal"}) {
            fs::remove(caminho_.string() + sufixo, erro);
        }
    }
    fs::path caminho_;
};

// Copies every page of the database of `origem` into that of `destino` with the engine's
// online backup: in one step, so the copy is one consistent read of the origin; the
// destination is replaced inside one transaction of its own, or not at all.
void CopiarPaginas(TConexao& origem, TConexao& destino) {
    sqlite3_backup* copia = sqlite3_backup_init(destino.Handle(), "main", origem.Handle(), "main");
    if (!copia) {
        throw ErroBanco(DescreverErroBanco(sqlite3_errcode(destino.Handle()), sqlite3_errmsg(destino.Handle())));
    }
    int rc = SQLITE_OK;
    // A lock held for a moment by another connection (a checkpoint, a recovery) is waited out.
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        rc = sqlite3_backup_step(copia, -1);
        if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED) {
            break;
        }
        sqlite3_sleep(50);
    }
    sqlite3_backup_finish(copia);
    if (rc != SQLITE_DONE) {
        throw ErroBanco(DescreverErroBanco(rc, sqlite3_errstr(rc)));
    }
}

bool IgualSemCaixa(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

// Throws ErroGeral unless the database of `conexao` is sound and holds every table and column
// of the listing database.
void ConferirBancoListagem(TConexao& conexao, const std::string& nome) {
    const auto integridade = ProblemasIntegridade(conexao);
    if (!integridade.empty()) {
        throw ErroGeral("O arquivo " + nome + " está danificado: " + integridade.front());
    }
    TConsulta consulta(&conexao);
    for (const auto& tabela : TabelasEsquema()) {
        consulta.Abrir("PRAGMA table_info(" + tabela.nome + ")");
        if (consulta.Vazia()) {
            throw ErroGeral("O arquivo " + nome + " não é um banco da listagem de exportação: falta a tabela " +
                            tabela.nome + ".");
        }
        for (const auto& coluna : tabela.colunas) {
            bool existe = false;
            for (consulta.Primeiro(); !consulta.Fim() && !existe; consulta.Proximo()) {
                existe = IgualSemCaixa(consulta.Texto("name"), coluna.nome);
            }
            if (!existe) {
                throw ErroGeral("O arquivo " + nome + " não é um banco da listagem de exportação: falta a coluna " +
                                coluna.nome + " da tabela " + tabela.nome + ".");
            }
        }
    }
}

std::string NomeComMomento() {
    const std::time_t agora = std::time(nullptr);
    char texto[32];
    std::strftime(texto, sizeof texto, "KORVEX-%Y%m%d-%H%M%S.db", std::localtime(&agora));
    return texto;
}

std::string Plural(int quantidade, const std::string& singular, const std::string& plural) {
    return std::to_string(quantidade) + " " + (quantidade == 1 ? singular : plural);
}

} // namespace

fs::path CopiarBanco(const fs::path& banco, const fs::path& destino) {
    std::error_code erro;
    const fs::path arquivo = fs::is_directory(destino, erro) ? destino / NomeComMomento() : destino;
    if (fs::exists(arquivo, erro)) {
        throw ErroGeral("O arquivo " + arquivo.string() + " já existe; a cópia de segurança não o substitui.");
    }
    ArquivoTemporario parcial(arquivo.string() + ".parcial");
    try {
        TConexao origem;
        origem.Abrir(banco.string(), kSenhaBanco);
        TConexao copia;
        copia.Criar(parcial.Caminho().string(), kSenhaBanco);
        CopiarPaginas(origem, copia);
        // One file that any client opens alone, read-only media included.
        copia.ExecutarNativo("PRAGMA journal_mode = DELETE;");
        const auto integridade = ProblemasIntegridade(copia);
        if (!integridade.empty()) {
            throw ErroBanco(integridade.front());
        }
    } catch (const std::exception& e) {
        throw ErroGeral("Não foi possível fazer a cópia de segurança em " + arquivo.string() + ": " + e.what());
    }
    fs::rename(parcial.Caminho(), arquivo, erro);
    if (erro) {
        throw ErroGeral("Não foi possível gravar a cópia de segurança em " + arquivo.string() + ": " +
                        DescreverErroSistema(erro.value()));
    }
    parcial.Manter();
    return arquivo;
}

fs::path RestaurarBanco(const fs::path& banco, const fs::path& origem) {
    std::error_code erro;
    if (!fs::is_regular_file(origem, erro)) {
        throw ErroGeral("O arquivo " + origem.string() + " não existe.");
    }
    // The copy is checked as a file of its own beside the database: the origin is never
    // opened, so nothing in it changes, and the checked file is the one put in place.
    ArquivoTemporario recebido(banco.string() + ".restaurando");
    fs::copy_file(origem, recebido.Caminho(), erro);
    if (erro) {
        throw ErroGeral("Não foi possível ler " + origem.string() + ": " + DescreverErroSistema(erro.value()));
    }
    TConexao copia;
    try {
        copia.Abrir(recebido.Caminho().string(), kSenhaBanco);
    } catch (const ErroBanco& e) {
        throw ErroGeral(
            "O arquivo " + origem.string() +
            " não é um banco da listagem de exportação (outra senha, ou não é um banco de dados): " + e.what());
    }
    ConferirBancoListagem(copia, origem.string());

    if (!fs::exists(banco, erro)) {
        // The program reads its lists while it writes: the database it opens keeps the journal
        // that allows it, which a backup copy, one file of its own, does not have.
        copia.ExecutarNativo("PRAGMA journal_mode = WAL;");
        copia.Fechar();
        fs::create_directories(banco.parent_path(), erro);
        fs::rename(recebido.Caminho(), banco, erro);
        if (erro) {
            throw ErroGeral("Não foi possível gravar " + banco.string() + ": " + DescreverErroSistema(erro.value()));
        }
        recebido.Manter();
        return {};
    }

    TConexao atual;
    try {
        atual.Abrir(banco.string(), kSenhaBanco);
    } catch (const ErroBanco& e) {
        throw ErroGeral("O banco de dados atual (" + banco.string() + ") não pode ser aberto: " + e.what() +
                        ". Se ele estiver danificado, renomeie-o e repita a restauração.");
    }
    // Every connection to the database keeps a shared lock on it while it is open: the
    // exclusive lock is granted only when no other program has it open, and it is then kept
    // until this connection closes, so no program opens the database halfway through.
    sqlite3_busy_timeout(atual.Handle(), 0);
    atual.ExecutarNativo("PRAGMA locking_mode = EXCLUSIVE;");
    const int rc = sqlite3_exec(atual.Handle(), "BEGIN EXCLUSIVE; COMMIT;", nullptr, nullptr, nullptr);
    if (rc == SQLITE_BUSY) {
        throw ErroGeral("O banco de dados da listagem está aberto em outro programa (o KORVEX ou o korvex-admin). "
                        "Feche-o e repita a restauração.");
    }
    if (rc != SQLITE_OK) {
        throw ErroBanco(DescreverErroBanco(rc, sqlite3_errmsg(atual.Handle())));
    }
    // The current file, whole: what the journal holds goes into it first.
    atual.ExecutarNativo("PRAGMA wal_checkpoint(TRUNCATE);");
    const fs::path anterior = banco.string() + ".anterior";
    ArquivoTemporario anteriorNovo(anterior.string() + ".novo");
    fs::copy_file(banco, anteriorNovo.Caminho(), erro);
    if (erro) {
        throw ErroGeral("Não foi possível guardar o banco atual em " + anterior.string() + ": " +
                        DescreverErroSistema(erro.value()));
    }
    try {
        CopiarPaginas(copia, atual);
    } catch (const ErroBanco& e) {
        throw ErroGeral(std::string("Não foi possível restaurar o banco de dados: ") + e.what());
    }
    fs::rename(anteriorNovo.Caminho(), anterior, erro);
    if (erro) {
        throw ErroGeral("O banco foi restaurado, mas o anterior não pôde ser guardado em " + anterior.string() + ": " +
                        DescreverErroSistema(erro.value()));
    }
    anteriorNovo.Manter();
    return anterior;
}

std::vector<std::string> ProblemasIntegridade(TConexao& conexao) {
    std::vector<std::string> problemas;
    TConsulta consulta(&conexao);
    for (consulta.Abrir("PRAGMA integrity_check"); !consulta.Fim(); consulta.Proximo()) {
        const std::string texto = consulta.Texto(0);
        // The engine may give several findings in one row, one per line, after a line that
        // only names the database.
        for (size_t inicio = 0; inicio < texto.size();) {
            const size_t fim = std::min(texto.find('\n', inicio), texto.size());
            const std::string linha = texto.substr(inicio, fim - inicio);
            if (linha != "ok" && linha != "*** in database main ***") {
                problemas.push_back(linha);
            }
            inicio = fim + 1;
        }
    }
    return problemas;
}

std::vector<std::string> ProblemasListagem(TConexao& conexao) {
    std::vector<std::string> problemas;
    TConsulta consulta(&conexao);

    // The listing browser joins each product with its unit, its agency product and its type
    // (inner joins): a product missing any of them is not shown.
    consulta.Abrir(
        " SELECT c.emp_inscvlt, c.exp_codprod, c.exp_modprod, c.codunid, c.exp_codprodvlt, c.exp_tipoprodvlt, "
        " EXISTS (SELECT * FROM " +
        T::TabUnidades() + " d WHERE c.codunid = d.codunid) AS tem_unidade, EXISTS (SELECT * FROM " +
        T::TabProdutoXVM() + " a WHERE c.exp_codprodvlt = mid(a.cd_produto_xvm,1,4)) AS tem_produto, " +
        " EXISTS (SELECT * FROM " + T::TabTipoProduto() +
        " b WHERE c.exp_codprodvlt = b.prdt_codprod AND c.exp_tipoprodvlt = b.prdt_codtipo) AS tem_tipo " + "   FROM " +
        T::TabExpProduto() + " c ORDER BY c.emp_inscvlt, c.exp_codprod");
    for (; !consulta.Fim(); consulta.Proximo()) {
        std::vector<std::string> motivos;
        if (consulta.Inteiro("tem_unidade") == 0) {
            motivos.push_back("a unidade [" + consulta.Texto("codunid") + "] não está cadastrada em " +
                              T::TabUnidades());
        }
        if (consulta.Inteiro("tem_produto") == 0) {
            motivos.push_back("o produto Veltran [" + consulta.Texto("exp_codprodvlt") + "] não está em " +
                              T::TabProdutoXVM());
        }
        if (consulta.Inteiro("tem_tipo") == 0) {
            motivos.push_back("o tipo [" + consulta.Texto("exp_tipoprodvlt") + "] do produto Veltran [" +
                              consulta.Texto("exp_codprodvlt") + "] não está em " + T::TabTipoProduto());
        }
        if (motivos.empty()) {
            continue;
        }
        std::string texto = "Empresa " + consulta.Texto("emp_inscvlt") + ", produto " + consulta.Texto("exp_codprod") +
                            " (modelo \"" + consulta.Texto("exp_modprod") + "\"): não aparece na listagem porque ";
        for (size_t i = 0; i < motivos.size(); ++i) {
            texto += (i == 0 ? "" : (i + 1 == motivos.size() ? " e " : ", ")) + motivos[i];
        }
        problemas.push_back(texto + ".");
    }

    consulta.Abrir(" SELECT i.emp_inscvlt, i.exp_codprod, count(*) AS quantidade FROM " + T::TabExpInsumo() +
                   " i WHERE NOT EXISTS (SELECT * FROM " + T::TabExpProduto() +
                   " p WHERE p.emp_inscvlt = i.emp_inscvlt AND p.exp_codprod = i.exp_codprod) "
                   " GROUP BY i.emp_inscvlt, i.exp_codprod ORDER BY i.emp_inscvlt, i.exp_codprod");
    for (; !consulta.Fim(); consulta.Proximo()) {
        const int quantidade = static_cast<int>(consulta.Inteiro("quantidade"));
        problemas.push_back("Empresa " + consulta.Texto("emp_inscvlt") + ", produto " + consulta.Texto("exp_codprod") +
                            ": " + Plural(quantidade, "insumo", "insumos") + " de um produto que não existe em " +
                            T::TabExpProduto() + ".");
    }

    consulta.Abrir(" SELECT i.emp_inscvlt, i.exp_codprod, i.codunid, count(*) AS quantidade FROM " + T::TabExpInsumo() +
                   " i WHERE NOT EXISTS (SELECT * FROM " + T::TabUnidades() +
                   " d WHERE i.codunid = d.codunid) "
                   " GROUP BY i.emp_inscvlt, i.exp_codprod, i.codunid ORDER BY i.emp_inscvlt, i.exp_codprod");
    for (; !consulta.Fim(); consulta.Proximo()) {
        const int quantidade = static_cast<int>(consulta.Inteiro("quantidade"));
        problemas.push_back("Empresa " + consulta.Texto("emp_inscvlt") + ", produto " + consulta.Texto("exp_codprod") +
                            ": " + Plural(quantidade, "insumo com", "insumos com") + " a unidade [" +
                            consulta.Texto("codunid") + "], que não está cadastrada em " + T::TabUnidades() + ".");
    }
    return problemas;
}
