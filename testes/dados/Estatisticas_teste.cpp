#include "apoio/AmbienteTeste.h"
#include "dados/BancoDados.h"
#include "dados/Esquema.h"
#include "dados/SQLListas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The plan's lines and the rows of the listing query of company 200000001.
struct Execucao {
    std::string plano;
    std::vector<std::string> linhas;
};

Execucao Executar(TConexao& conexao) {
    Execucao execucao;
    TConsulta consulta(&conexao);
    consulta.Abrir("EXPLAIN QUERY PLAN " + SQLProdutosEmpresa("200000001"));
    for (; !consulta.Fim(); consulta.Proximo()) {
        execucao.plano += consulta.Texto("detail") + "\n";
    }
    consulta.Abrir(SQLProdutosEmpresa("200000001"));
    for (; !consulta.Fim(); consulta.Proximo()) {
        execucao.linhas.push_back(consulta.Texto("exp_codprod") + " " + consulta.Texto("nm_produto_xvm"));
    }
    return execucao;
}

} // namespace

// With statistics the listing query reads the zone products once and reaches the company's
// products through their index, instead of reading every zone product for each product; the
// rows are the same.
TEST(EstatisticasTeste, ConsultaDaListagemBuscaOsProdutosPeloIndice) {
    AmbienteTeste ambiente;
    TConexao conexao;
    ambiente.Conectar(conexao);
    TTransacao transacao(conexao);
    conexao.Executar("INSERT INTO KXUNIDADES VALUES ('1', 'UNIDADE')");
    for (int z = 1000; z < 1400; ++z) {
        const std::string codigo = std::to_string(z);
        conexao.Executar("INSERT INTO T_PROXVM VALUES ('" + codigo + "01', 'PRODUTO " + codigo + "')");
        conexao.Executar("INSERT INTO PRJ_TIPO_PROD VALUES ('" + codigo + "', '001', 'TIPO')");
    }
    for (int p = 1; p <= 400; ++p) {
        conexao.Executar("INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt, "
                         "exp_tipoprodvlt, exp_modprod) VALUES ('200000001', " +
                         std::to_string(p) + ", '1', '85287200', '" + std::to_string(1000 + p % 400) +
                         "', '001', 'MODELO')");
    }
    transacao.Confirmar();

    const Execucao sem = Executar(conexao);
    AtualizarEstatisticas(conexao);
    const Execucao com = Executar(conexao);

    EXPECT_EQ(com.plano.rfind("SCAN TABLE T_PROXVM", 0), 0u) << com.plano;
    EXPECT_NE(com.plano.find("KX_EXPPRODUTO AS C USING INDEX IX_KX_EXPPRODUTO_1 (emp_inscvlt=? AND exp_codprodvlt=?"),
              std::string::npos)
        << com.plano;
    EXPECT_EQ(com.linhas.size(), 400u);
    EXPECT_EQ(com.linhas, sem.linhas);
}
