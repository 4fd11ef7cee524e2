#include "dados/BancoDados.h"

#include "comum/Erros.h"
#include "comum/Falhas.h"
#include "comum/Numeros.h"
#include "dados/DialetoJet.h"
#include "dados/Esquema.h"

#include <sqlite3.h>

#include <cctype>
#include <cmath>
#include <filesystem>
#include <unordered_map>

namespace {

constexpr size_t kLimiteCache = 256;

// The engine's failures in the product's words, with the engine's own message in brackets.
[[noreturn]] void FalhaBanco(sqlite3* banco) {
    if (!banco) {
        throw ErroBanco("A conexão com o banco de dados não está aberta.");
    }
    throw ErroBanco(DescreverErroBanco(sqlite3_errcode(banco), sqlite3_errmsg(banco)));
}

void ExecutarSimples(sqlite3* banco, const char* sql) {
    char* erro = nullptr;
    if (const int rc = sqlite3_exec(banco, sql, nullptr, nullptr, &erro); rc != SQLITE_OK) {
        std::string mensagem = erro ? erro : sqlite3_errmsg(banco);
        sqlite3_free(erro);
        throw ErroBanco(DescreverErroBanco(rc, mensagem));
    }
}

// Binds the literals taken out of a statement.
void Vincular(sqlite3* banco, sqlite3_stmt* stmt, const std::vector<ParametroSQL>& parametros) {
    for (size_t k = 0; k < parametros.size(); ++k) {
        int indice = static_cast<int>(k) + 1;
        int rc = SQLITE_OK;
        if (auto i = std::get_if<int64_t>(&parametros[k])) {
            rc = sqlite3_bind_int64(stmt, indice, *i);
        } else if (auto d = std::get_if<double>(&parametros[k])) {
            rc = sqlite3_bind_double(stmt, indice, *d);
        } else {
            const auto& t = std::get<std::string>(parametros[k]);
            rc = sqlite3_bind_text(stmt, indice, t.data(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK) {
            FalhaBanco(banco);
        }
    }
}

// Resets a statement from the cache when it leaves scope, so that no read or write
// stays open on the connection between calls.
struct ReiniciarAoSair {
    sqlite3_stmt* stmt;
    ~ReiniciarAoSair() {
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
    }
};

bool IgualSemCaixa(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace

// ---------------------------------------------------------------------------
// TConexao

struct TConexao::Cache {
    std::unordered_map<std::string, sqlite3_stmt*> comandos;
};

TConexao::TConexao() : cache_(std::make_unique<Cache>()) {}

TConexao::~TConexao() {
    Fechar();
}

void TConexao::Abrir(const std::string& arquivo, const std::string& senha) {
    AbrirArquivo(arquivo, senha, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, false);
}

void TConexao::Criar(const std::string& arquivo, const std::string& senha) {
    if (std::filesystem::exists(arquivo)) {
        throw ErroBanco("O arquivo do banco de dados já existe: " + arquivo);
    }
    AbrirArquivo(arquivo, senha, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, true);
}

void TConexao::AbrirArquivo(const std::string& arquivo, const std::string& senha, int flags, bool novo) {
    Fechar();
    const std::string falha = "Não foi possível abrir o banco de dados " + arquivo + ". ";
    sqlite3* banco = nullptr;
    if (const int rc = sqlite3_open_v2(arquivo.c_str(), &banco, flags, nullptr); rc != SQLITE_OK) {
        std::string mensagem = banco ? sqlite3_errmsg(banco) : "out of memory";
        sqlite3_close(banco);
        throw ErroBanco(falha + DescreverErroBanco(rc, mensagem));
    }
    banco_ = banco;
    arquivo_ = arquivo;
    try {
        Configurar(senha);
        if (novo) {
            ExecutarSimples(banco_, "PRAGMA journal_mode = WAL;");
        } else {
            AtualizarEsquema(*this);
        }
    } catch (const ErroBanco& e) {
        Fechar();
        throw ErroBanco(falha + e.what());
    } catch (...) {
        Fechar();
        throw;
    }
}

void TConexao::Configurar(const std::string& senha) {
    if (sqlite3_key(banco_, senha.data(), static_cast<int>(senha.size())) != SQLITE_OK) {
        FalhaBanco(banco_);
    }
    // Another process writing to the database holds this connection for at most this long;
    // then the operation fails, telling the user that the database is in use.
    sqlite3_busy_timeout(banco_, kEsperaBancoOcupadoMs);
    sqlite3_extended_result_codes(banco_, 0);
    // A wrong key, or a file that is not a database or is cut short, only shows at the first
    // read: read now, so that opening fails.
    ExecutarSimples(banco_, "SELECT count(*) FROM sqlite_master;");
    if (RegistrarFuncoesJet(banco_) != SQLITE_OK) {
        FalhaBanco(banco_);
    }
}

void TConexao::LiberarCache() {
    for (auto& [texto, stmt] : cache_->comandos) {
        sqlite3_finalize(stmt);
    }
    cache_->comandos.clear();
}

void TConexao::AbrirAoUsar(const std::string& arquivo, const std::string& senha) {
    Fechar();
    arquivoAdiado_ = arquivo;
    senhaAdiada_ = senha;
}

void TConexao::Fechar() {
    arquivoAdiado_.clear();
    senhaAdiada_.clear();
    if (!banco_) {
        return;
    }
    LiberarCache();
    sqlite3_close_v2(banco_);
    banco_ = nullptr;
    arquivo_.clear();
}

sqlite3_stmt* TConexao::Preparar(const std::string& sqlTraduzido) {
    if (!banco_ && !arquivoAdiado_.empty()) {
        const std::string arquivo = arquivoAdiado_, senha = senhaAdiada_;
        try {
            Abrir(arquivo, senha);
        } catch (const ErroBanco&) {
            AbrirAoUsar(arquivo, senha); // the next statement tries again, with the same message
            throw;
        }
    }
    if (!banco_) {
        throw ErroBanco("A conexão com o banco de dados não está aberta.");
    }
    auto it = cache_->comandos.find(sqlTraduzido);
    if (it != cache_->comandos.end()) {
        return it->second;
    }
    sqlite3_stmt* stmt = nullptr;
    const char* resto = nullptr;
    if (sqlite3_prepare_v2(banco_, sqlTraduzido.c_str(), static_cast<int>(sqlTraduzido.size()), &stmt, &resto) !=
        SQLITE_OK) {
        sqlite3_finalize(stmt);
        FalhaBanco(banco_);
    }
    if (!stmt) {
        throw ErroBanco("A instrução SQL está vazia.");
    }
    // The engine prepares the first statement only: whatever follows it would be dropped
    // without a word, so a second statement is refused.
    for (const char* c = resto; c && c < sqlTraduzido.c_str() + sqlTraduzido.size(); ++c) {
        if (*c != ';' && !std::isspace(static_cast<unsigned char>(*c))) {
            sqlite3_finalize(stmt);
            throw ErroBanco("Instrução SQL recusada: há mais de um comando, separados por \";\"; execute um de "
                            "cada vez.");
        }
    }
    if (cache_->comandos.size() >= kLimiteCache) {
        LiberarCache();
    }
    cache_->comandos.emplace(sqlTraduzido, stmt);
    return stmt;
}

bool TConexao::EmTransacao() const {
    return banco_ && sqlite3_get_autocommit(banco_) == 0;
}

void TConexao::IniciarTransacao() {
    if (!banco_) {
        throw ErroBanco("A conexão com o banco de dados não está aberta.");
    }
    ExecutarSimples(banco_, "BEGIN IMMEDIATE;");
}

void TConexao::ConfirmarTransacao() {
    if (!banco_) {
        throw ErroBanco("A conexão com o banco de dados não está aberta.");
    }
    ExecutarSimples(banco_, "COMMIT;");
}

void TConexao::DesfazerTransacao() {
    if (!banco_) {
        throw ErroBanco("A conexão com o banco de dados não está aberta.");
    }
    ExecutarSimples(banco_, "ROLLBACK;");
}

int TConexao::Executar(const std::string& sql) {
    return TConsulta(this).ExecutarComando(sql);
}

void TConexao::ExecutarNativo(const std::string& sql) {
    if (!banco_) {
        throw ErroBanco("A conexão com o banco de dados não está aberta.");
    }
    ExecutarSimples(banco_, sql.c_str());
}

// ---------------------------------------------------------------------------
// TTransacao

TTransacao::TTransacao(TConexao& conexao) : conexao_(conexao) {
    if (!conexao_.EmTransacao()) {
        conexao_.IniciarTransacao();
        propria_ = true;
    }
}

TTransacao::~TTransacao() {
    if (propria_ && conexao_.EmTransacao()) {
        try {
            conexao_.DesfazerTransacao();
        } catch (...) {
            // The connection may already have ended the transaction on its own.
        }
    }
}

void TTransacao::Confirmar() {
    if (propria_) {
        conexao_.ConfirmarTransacao();
        propria_ = false;
    }
}

// ---------------------------------------------------------------------------
// TConsulta

TConsulta::TConsulta(TConexao* conexao) : conexao_(conexao) {}

TConsulta::~TConsulta() = default;

void TConsulta::DefinirConexao(TConexao* conexao) {
    Fechar();
    conexao_ = conexao;
}

void TConsulta::Fechar() {
    ativa_ = false;
    colunas_.clear();
    linhas_.clear();
    posicao_ = 0;
}

sqlite3_stmt* TConsulta::PrepararComando() {
    Fechar();
    if (!conexao_) {
        throw ErroBanco("A consulta não tem conexão com o banco de dados.");
    }
    SQLTraduzido traduzido = TraduzirSQL(sql_);
    sqlite3_stmt* stmt = conexao_->Preparar(traduzido.texto);
    try {
        Vincular(conexao_->Handle(), stmt, traduzido.parametros);
    } catch (...) {
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
        throw;
    }
    return stmt;
}

void TConsulta::Abrir() {
    sqlite3_stmt* stmt = PrepararComando();
    ReiniciarAoSair reinicio{stmt};
    sqlite3* banco = conexao_->Handle();

    const int n = sqlite3_column_count(stmt);
    std::vector<std::string> colunas;
    colunas.reserve(static_cast<size_t>(n));
    for (int c = 0; c < n; ++c) {
        const char* nome = sqlite3_column_name(stmt, c);
        colunas.emplace_back(nome ? nome : "");
    }
    std::vector<std::vector<ValorBanco>> linhas;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        std::vector<ValorBanco> linha(static_cast<size_t>(n));
        for (int c = 0; c < n; ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER:
                linha[static_cast<size_t>(c)] = static_cast<int64_t>(sqlite3_column_int64(stmt, c));
                break;
            case SQLITE_FLOAT:
                linha[static_cast<size_t>(c)] = sqlite3_column_double(stmt, c);
                break;
            case SQLITE_NULL:
                break;
            default: {
                auto p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
                linha[static_cast<size_t>(c)] =
                    std::string(p ? p : "", static_cast<size_t>(sqlite3_column_bytes(stmt, c)));
            }
            }
        }
        linhas.push_back(std::move(linha));
    }
    if (rc != SQLITE_DONE) {
        FalhaBanco(banco);
    }
    linhasAfetadas_ = sqlite3_stmt_readonly(stmt) ? 0 : sqlite3_changes(banco);
    colunas_ = std::move(colunas);
    linhas_ = std::move(linhas);
    posicao_ = 0;
    ativa_ = true;
}

TConsulta& TConsulta::Abrir(std::string sql) {
    DefinirSQL(std::move(sql));
    Abrir();
    return *this;
}

int TConsulta::ExecutarComando(std::string sql) {
    DefinirSQL(std::move(sql));
    return ExecutarComando();
}

int TConsulta::ExecutarComando() {
    sqlite3_stmt* stmt = PrepararComando();
    ReiniciarAoSair reinicio{stmt};
    sqlite3* banco = conexao_->Handle();
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        FalhaBanco(banco);
    }
    linhasAfetadas_ = sqlite3_stmt_readonly(stmt) ? 0 : sqlite3_changes(banco);
    return linhasAfetadas_;
}

void TConsulta::Primeiro() {
    posicao_ = 0;
}
void TConsulta::Ultimo() {
    posicao_ = linhas_.empty() ? 0 : static_cast<int>(linhas_.size()) - 1;
}
void TConsulta::Proximo() {
    if (posicao_ < static_cast<int>(linhas_.size())) {
        ++posicao_;
    }
}
void TConsulta::Anterior() {
    if (posicao_ >= 0) {
        --posicao_;
    }
}
bool TConsulta::Fim() const {
    return linhas_.empty() || posicao_ >= static_cast<int>(linhas_.size());
}
bool TConsulta::Inicio() const {
    return linhas_.empty() || posicao_ < 0;
}

const std::string& TConsulta::NomeCampo(int indice) const {
    if (indice < 0 || indice >= static_cast<int>(colunas_.size())) {
        throw ErroBanco("Índice de campo fora dos limites: " + std::to_string(indice));
    }
    return colunas_[static_cast<size_t>(indice)];
}

int TConsulta::IndiceCampo(std::string_view nome) const {
    for (size_t c = 0; c < colunas_.size(); ++c) {
        if (IgualSemCaixa(colunas_[c], nome)) {
            return static_cast<int>(c);
        }
    }
    return -1;
}

const ValorBanco& TConsulta::Valor(int indice) const {
    if (!ativa_) {
        throw ErroBanco("A consulta não está aberta.");
    }
    if (Fim() || Inicio()) {
        throw ErroBanco("Não há registro corrente na consulta.");
    }
    if (indice < 0 || indice >= static_cast<int>(colunas_.size())) {
        throw ErroBanco("Índice de campo fora dos limites: " + std::to_string(indice));
    }
    return linhas_[static_cast<size_t>(posicao_)][static_cast<size_t>(indice)];
}

const ValorBanco& TConsulta::Valor(std::string_view nome) const {
    int indice = IndiceCampo(nome);
    if (indice < 0) {
        throw ErroBanco("Campo '" + std::string(nome) + "' não encontrado");
    }
    return Valor(indice);
}

bool TConsulta::Nulo(std::string_view nome) const {
    return std::holds_alternative<std::monostate>(Valor(nome));
}

std::string TConsulta::Texto(std::string_view nome) const {
    return ValorComoTexto(Valor(nome));
}

std::string TConsulta::Texto(int indice) const {
    return ValorComoTexto(Valor(indice));
}

int64_t TConsulta::Inteiro(std::string_view nome) const {
    const ValorBanco& v = Valor(nome);
    if (auto i = std::get_if<int64_t>(&v)) {
        return *i;
    }
    if (auto d = std::get_if<double>(&v)) {
        return std::llround(*d);
    }
    if (auto t = std::get_if<std::string>(&v)) {
        return TextoParaInteiro(*t);
    }
    return 0;
}

double TConsulta::Flutuante(std::string_view nome) const {
    const ValorBanco& v = Valor(nome);
    if (auto d = std::get_if<double>(&v)) {
        return *d;
    }
    if (auto i = std::get_if<int64_t>(&v)) {
        return static_cast<double>(*i);
    }
    if (auto t = std::get_if<std::string>(&v)) {
        return TextoParaNumero(*t);
    }
    return 0.0;
}

// ---------------------------------------------------------------------------

std::string ValorComoTexto(const ValorBanco& valor) {
    if (auto t = std::get_if<std::string>(&valor)) {
        return *t;
    }
    if (auto i = std::get_if<int64_t>(&valor)) {
        return std::to_string(*i);
    }
    if (auto d = std::get_if<double>(&valor)) {
        return FormatoGeral(*d);
    }
    return std::string();
}

std::string Q(std::string_view texto) {
    std::string saida;
    saida.reserve(texto.size() + 2);
    saida.push_back('\'');
    for (char c : texto) {
        if (c == '\'') {
            saida.push_back('\'');
        }
        saida.push_back(c);
    }
    saida.push_back('\'');
    return saida;
}
