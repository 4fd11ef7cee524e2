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
    // The list query reads over a connection of its own, opened by the first list and seeing
    // committed rows.
    EXPECT_FALSE(dm.qry_sel.Conexao()->Conectada());
    dm.adocon_korvex.Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('200123456', 'A')");
    dm.qry_sel.DefinirSQL("SELECT * FROM KX_EMPRESA");
    dm.qry_sel.Abrir();
    EXPECT_EQ(dm.qry_sel.QuantidadeRegistros(), 1);
    EXPECT_TRUE(dm.qry_sel.Conexao()->Conectada());
    EXPECT_NE(dm.qry_sel.Conexao(), &dm.adocon_korvex);
}

// Every failure at start-up is one error box, in Portuguese with the engine's own message in
// brackets, and the program goes no further.
TEST(Conectar, FalhasMostramACaixaComAMensagemDoMotor) {
    struct Caso {
        const char* nome;
        BancoRuim banco;
        bool criarReferencia;
        std::string esperado; // after the path of the database, or the whole text without it
    };
    const std::string naoEhBanco =
        ". O arquivo não é um banco de dados do programa, está danificado ou foi protegido com "
        "outra senha. [file is encrypted or is not a database]";
    const std::string semArquivo = ". O arquivo do banco de dados não existe ou não pode ser aberto. [unable to open "
                                   "database file]";
    const Caso casos[] = {
        {"sem banco", BancoRuim::Ausente, true, semArquivo},
        {"senha errada", BancoRuim::OutraSenha, true, naoEhBanco},
        {"arquivo de lixo", BancoRuim::Lixo, true, naoEhBanco},
        {"arquivo truncado", BancoRuim::Truncado, true,
         ". O arquivo do banco de dados está danificado ou incompleto. [database disk image is malformed]"},
        {"nenhum dos dois", BancoRuim::Ausente, false, semArquivo},
    };
    for (const auto& caso : casos) {
        AmbienteTeste ambiente({true, caso.criarReferencia});
        EstragarBanco(caso.banco);
        CaixasRoteiro caixas;
        Tdm_DatConn dm;
        EXPECT_FALSE(dm.Conectar()) << caso.nome;
        EXPECT_EQ(caixas.Mostradas(),
                  (std::vector<CaixaMostrada>{{TipoCaixa::Erro, "Erro conexão",
                                               kPrefixoErro +
                                                   "Descrição do erro:\n\nNão foi possível abrir o banco de "
                                                   "dados " +
                                                   CaminhoBancoListagem().string() + caso.esperado}}))
            << caso.nome;
    }

    // A file that opens as a database but has none of the listing's tables.
    AmbienteTeste ambiente;
    EstragarBanco(BancoRuim::Vazio);
    CaixasRoteiro caixas;
    Tdm_DatConn dm;
    EXPECT_FALSE(dm.Conectar());
    EXPECT_EQ(caixas.Mostradas(),
              (std::vector<CaixaMostrada>{
                  {TipoCaixa::Erro, "Erro conexão",
                   kPrefixoErro + "Descrição do erro:\n\nO arquivo " + CaminhoBancoListagem().string() +
                       " não é o banco da listagem de exportação ou está incompleto: falta a tabela KX_EMPRESA."}}));
}

TEST(Conectar, SemArquivoDeReferenciaNomeiaOArquivo) {
    AmbienteTeste ambiente({true, false});
    CaixasRoteiro caixas;
    Tdm_DatConn dm;
    EXPECT_FALSE(dm.Conectar());
    EXPECT_EQ(caixas.Mostradas(),
              (std::vector<CaixaMostrada>{
                  {TipoCaixa::Erro, "Erro conexão",
                   kPrefixoErro + "Verifique se existe o seguinte arquivo " + CaminhoArquivoReferencia().string()}}));
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
