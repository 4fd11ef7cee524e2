// Fuzz target: the statement layer. The input is a statement and a text, split at the
// first zero byte (without one, the whole input is both).
//  - The statement is translated; when the engine prepares the translation, it holds as
//    many parameters as the translation binds (no marker of the engine's own slipped
//    through). It is only prepared, on a throwaway in-memory database with the tables
//    of the listing, never run.
//  - The text, quoted as the program quotes values, goes into statements of every shape
//    the layer rewrites, on a real test database: it reaches the engine unchanged.

#include "apoio/AmbienteTeste.h"
#include "comum/Erros.h"
#include "dados/BancoDados.h"
#include "dados/DialetoJet.h"
#include "dados/Esquema.h"

#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

struct Bancos {
    AmbienteTeste ambiente;
    TConexao conexao;
    sqlite3* memoria = nullptr;

    Bancos() {
        ambiente.Conectar(conexao);
        conexao.Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('1', 'A')");
        conexao.Executar("INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod) VALUES ('1', 1)");
        sqlite3_open(":memory:", &memoria);
        RegistrarFuncoesJet(memoria);
        for (const TabelaEsquema& tabela : TabelasEsquema()) {
            std::string sql = "CREATE TABLE " + tabela.nome + " (";
            for (size_t k = 0; k < tabela.colunas.size(); ++k) {
                sql += (k ? ", " : "") + tabela.colunas[k].nome + " " + tabela.colunas[k].tipo;
            }
            sqlite3_exec(memoria, (sql + ")").c_str(), nullptr, nullptr, nullptr);
        }
    }
    ~Bancos() { sqlite3_close(memoria); }
};

void Esperar(bool condicao) {
    if (!condicao) {
        std::abort();
    }
}

void ConferirTraducao(sqlite3* banco, std::string_view instrucao) {
    SQLTraduzido traduzido;
    try {
        traduzido = TraduzirSQL(instrucao);
    } catch (const ErroBanco&) {
        return;
    }
    sqlite3_stmt* stmt = nullptr;
    const char* resto = nullptr;
    const int rc =
        sqlite3_prepare_v2(banco, traduzido.texto.data(), static_cast<int>(traduzido.texto.size()), &stmt, &resto);
    // The connection refuses a second statement after the first (the layer's tests show
    // it); only a single statement is looked at here.
    const std::string_view depois =
        resto ? std::string_view(traduzido.texto).substr(static_cast<size_t>(resto - traduzido.texto.data()))
              : std::string_view();
    if (rc == SQLITE_OK && stmt && depois.find_first_not_of("; \t\r\n\f\v") == std::string_view::npos) {
        Esperar(sqlite3_bind_parameter_count(stmt) == static_cast<int>(traduzido.parametros.size()));
    }
    sqlite3_finalize(stmt);
}

std::string Um(TConexao& conexao, const std::string& sql) {
    TConsulta q(&conexao);
    q.Abrir(sql);
    Esperar(q.QuantidadeRegistros() == 1);
    return q.Texto(0);
}

void ConferirTexto(TConexao& conexao, const std::string& texto) {
    const std::string q = Q(texto);
    Esperar(Um(conexao, "SELECT " + q + " AS x") == texto);
    Esperar(Um(conexao, "SELECT 'a' & " + q + " & null AS x") == "a" + texto);
    TTransacao transacao(conexao);
    Esperar(conexao.Executar("UPDATE KX_EMPRESA T1 SET T1.emp_razao = " + q +
                             " WHERE EXISTS (SELECT * FROM KX_EXPPRODUTO P WHERE P.emp_inscvlt = T1.emp_inscvlt AND " +
                             q + " IS NOT NULL)") == 1);
    Esperar(Um(conexao, "SELECT emp_razao FROM KX_EMPRESA") == texto);
    Esperar(Um(conexao, "SELECT COUNT(*) FROM KX_EMPRESA WHERE emp_razao = " + q) == "1");
    Esperar(conexao.Executar("DELETE * FROM KX_EMPRESA WHERE emp_razao = " + q) == 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static Bancos bancos;
    const std::string_view entrada(reinterpret_cast<const char*>(dados), tamanho);
    const size_t zero = entrada.find('\0');
    ConferirTraducao(bancos.memoria, entrada.substr(0, zero));
    ConferirTexto(bancos.conexao, std::string(zero == std::string_view::npos ? entrada : entrada.substr(zero + 1)));
    return 0;
}
