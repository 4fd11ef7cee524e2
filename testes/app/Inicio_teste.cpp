#include "apoio/AmbienteTeste.h"
#include "comum/CaixasRoteiro.h"
#include "comum/Plataforma.h"
#include "comum/clsPastas.h"
#include "dados/DatConn.h"
#include "dados/InfoGerais.h"
#include "dados/SelAccessUsoGeral.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

const std::string kPrefixoErro = "Ocorreu um erro ao tentar efetuar a conexão com o banco!\n";

TEST(Conectar, AbreOBancoECriaOsModulos) {
    AmbienteTeste ambiente;
    CaixasRoteiro caixas;
    Tdm_DatConn dm;
    ASSERT_TRUE(dm.Conectar());
    EXPECT_TRUE(caixas.Mostradas().empty());
    EXPECT_EQ(TclsInfoGeraisGerador::Conexao(), &dm.adocon_korvex);
    ASSERT_NE(SelAccessUsoGeral::Consulta(), nullptr);
    EXPECT_EQ(SelAccessUsoGeral::Consulta()->Conexao(), &dm.adocon_korvex);
    // A second DefineConexao replaces the module's query by a new one.
    TConsulta* primeira = SelAccessUsoGeral::Consulta();
    AccessSel->DefineConexao(&dm.adocon_korvex);
    EXPECT_NE(SelAccessUsoGeral::Consulta(), nullptr);
    (void)primeira;
    // The list query reads over a connection of its own, seeing committed rows.
    dm.adocon_korvex.Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('200123456', 'A')");
    dm.qry_sel.DefinirSQL("SELECT * FROM KX_EMPRESA");
    dm.qry_sel.Abrir();
    EXPECT_EQ(dm.qry_sel.QuantidadeRegistros(), 1);
    EXPECT_NE(dm.qry_sel.Conexao(), &dm.adocon_korvex);
}

TEST(Conectar, FalhasMostramACaixaComAMensagemDoMotor) {
    struct Caso {
        const char* nome;
        bool criarBanco;
        bool senhaErrada;
        bool criarReferencia;
        std::string esperado;
    };
    const Caso casos[] = {
        {"sem banco", false, false, true, "Descrição do erro:\n\nunable to open database file"},
        {"senha errada", true, true, true, "Descrição do erro:\n\nfile is encrypted or is not a database"},
        {"sem referência", true, false, false, "Verifique se existe o seguinte arquivo "},
        {"nenhum dos dois", false, false, false, "Descrição do erro:\n\nunable to open database file"},
    };
    for (const auto& caso : casos) {
        AmbienteTeste ambiente({caso.criarBanco && !caso.senhaErrada, caso.criarReferencia});
        if (caso.senhaErrada) {
            TConexao outra;
            outra.Criar(CaminhoBancoListagem().string(), "outra senha");
        }
        CaixasRoteiro caixas;
        Tdm_DatConn dm;
        EXPECT_FALSE(dm.Conectar()) << caso.nome;
        ASSERT_EQ(caixas.Mostradas().size(), 1u) << caso.nome;
        const auto& caixa = caixas.Ultima();
        EXPECT_EQ(caixa.tipo, TipoCaixa::Erro);
        EXPECT_EQ(caixa.titulo, "Erro conexão");
        EXPECT_EQ(caixa.texto.rfind(kPrefixoErro + caso.esperado, 0), 0u) << caso.nome << ": " << caixa.texto;
        if (!caso.criarReferencia && caso.criarBanco) {
            EXPECT_EQ(caixa.texto, kPrefixoErro + caso.esperado + CaminhoArquivoReferencia().string());
        }
    }
}

TEST(Pastas, NomeECaminhoDoArquivo) {
    TclsPastas& p = NovaPastas();
    EXPECT_EQ(p.MascaraArquivo(), "LE%s.TXT");
    EXPECT_EQ(p.NomeArquivo(), "");
    p.DefineNomeArquivo("123ABC");
    EXPECT_EQ(p.NomeArquivo(), "LE123ABC.TXT");
    EXPECT_EQ(p.CaminhoArquivo(), "LE123ABC.TXT");
    p.DefinePasta("/saida/");
    EXPECT_EQ(p.CaminhoArquivo(), "/saida/LE123ABC.TXT");
    // A new holder replaces the previous one and carries nothing over.
    EXPECT_EQ(NovaPastas().CaminhoArquivo(), "");
}

} // namespace
