#include "Bibliotecas/Interna/EstruturaDados.h"
#include "ProdutoTeste.h"
#include "apoio/AmbienteTeste.h"
#include "comum/Erros.h"
#include "comum/Numeros.h"
#include "comum/Plataforma.h"
#include "dados/BancoDados.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records over a real encrypted database with a PRODUTO table of three rows.
class EstruturaDadosBanco : public ::testing::Test {
protected:
    void SetUp() override {
        conexao.Criar((ambiente.Raiz() / "estrutura.db").string(), kSenhaBanco);
        conexao.ExecutarNativo("CREATE TABLE PRODUTO (CODIGO INTEGER PRIMARY KEY, COR TEXT, PRECO REAL, EMISSAO REAL);"
                               "INSERT INTO PRODUTO VALUES (1, 'VERDE', 1.5, 43831.5);"
                               "INSERT INTO PRODUTO VALUES (2, 'ROSA', NULL, NULL);"
                               "INSERT INTO PRODUTO VALUES (3, 'd''água', 0.25, NULL);");
        OnLogSQL = [this](const std::string& linha) { log.push_back(linha); };
        adaptador.OnDepoisExecutar = [this] { ++execucoes; };
        vetor.FListaRegs->ClasseRegistro = ClasseRegistroDe<TRegProduto>();
        vetor.ConexaoOracle = &adaptador;
        vetor.ConexaoMainFrame = &adaptador;
    }
    void TearDown() override { OnLogSQL = nullptr; }

    // Fills the vector from the rows of its own SELECT.
    void LerVetor() {
        consulta.DefinirSQL(vetor.SelectOracle());
        consulta.Abrir();
        vetor.Consulta = &resultado;
        vetor.Limite = consulta.QuantidadeRegistros();
        vetor.Lidos = 0;
        ASSERT_EQ(vetor.Ler(0), 3);
    }

    TRegProduto* Produto(int indice) { return dynamic_cast<TRegProduto*>(vetor.Registro(indice)); }

    std::string Texto(const std::string& sql) {
        TConsulta q(&conexao);
        q.DefinirSQL(sql);
        q.Abrir();
        return q.Texto(0);
    }

    AmbienteTeste ambiente{AmbienteTeste::Opcoes{false, false}};
    TConexao conexao;
    TConsulta consulta{&conexao};
    TConsultaEstruturaBanco resultado{consulta};
    TConexaoEstruturaBanco adaptador{conexao, "Tdm_DatConn"};
    TclsItemVetRegistros vetor{nullptr, "Produtos"};
    std::vector<std::string> log;
    int execucoes = 0;
};

} // namespace

TEST_F(EstruturaDadosBanco, UmRegistroAlteradoGravaUmUpdate) {
    LerVetor();
    EXPECT_EQ(Produto(0)->Cor->Valor, "VERDE");
    EXPECT_DOUBLE_EQ(Produto(0)->Preco->Valor, 1.5);
    EXPECT_EQ(Produto(0)->Emissao->GetTexto(), "01/01/2020 12:00:00");
    EXPECT_TRUE(Produto(1)->Preco->EstaNulo());
    EXPECT_EQ(Produto(2)->Cor->Valor, "d'água");
    EXPECT_TRUE(vetor.EstaCarregado());

    Produto(1)->Cor->SetValor("AZUL");
    EXPECT_EQ(vetor.AlterarOracle(), 1);

    EXPECT_EQ(execucoes, 1);
    EXPECT_EQ(log, (std::vector<std::string>{">>> TclsItemVetRegistros => {Tdm_DatConn} <<<",
                                             " UPDATE PRODUTO SET COR = 'AZUL' WHERE CODIGO = 2", " "}));
    EXPECT_EQ(Texto("SELECT COR FROM PRODUTO WHERE CODIGO = 2"), "AZUL");
    EXPECT_EQ(Texto("SELECT group_concat(COR, ',') FROM PRODUTO"), "VERDE,AZUL,d'água");
    EXPECT_EQ(vetor.AlterarOracle(), 0) << "nothing is left to write";
    EXPECT_EQ(execucoes, 1);
}

TEST_F(EstruturaDadosBanco, ValoresDosDoisDialetosChegamAoBanco) {
    LerVetor();
    // Oracle: TO_NUMBER('2,75') and TO_DATE(...) run on the database too.
    Produto(1)->Preco->SetValor(2.75);
    Produto(1)->Emissao->SetTexto("05/03/2020 14:30:00");
    EXPECT_EQ(vetor.AlterarOracle(), 1);
    EXPECT_EQ(Texto("SELECT PRECO FROM PRODUTO WHERE CODIGO = 2"), "2,75");
    EXPECT_EQ(Texto("SELECT EMISSAO FROM PRODUTO WHERE CODIGO = 2"),
              FormatoGeral(CodificarDataHora(2020, 3, 5, 14, 30, 0)));

    // MainFrame: a new row with a decimal point.
    TRegProduto novo(nullptr, "Novo");
    novo.TabelaMainFrame = "PRODUTO";
    novo.ConexaoMainFrame = &adaptador;
    novo.Codigo->SetValor(4);
    novo.Preco->SetValor(-0.5);
    novo.Cor->SetValor("'; DROP TABLE PRODUTO; --");
    EXPECT_EQ(novo.IncluirMainFrame(), 1);
    EXPECT_EQ(Texto("SELECT PRECO || ' ' || COR FROM PRODUTO WHERE CODIGO = 4"), "-0.5 '; DROP TABLE PRODUTO; --");

    // An error of the database reaches the caller; the after-event is not called.
    const int antes = execucoes;
    novo.Limpar();
    novo.Codigo->SetValor(4);
    EXPECT_THROW(novo.IncluirMainFrame(), ErroBanco);
    EXPECT_EQ(execucoes, antes);
}
