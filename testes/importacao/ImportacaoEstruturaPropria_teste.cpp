#include "apoio/AmbienteTeste.h"
#include "apoio/EstruturaPropria.h"
#include "comum/CaixasRoteiro.h"
#include "dados/BancoDados.h"
#include "dados/InfoGerais.h"
#include "importacao/ImportacaoEstruturaPropria.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {

const std::string kPergunta = "Deseja confirmar a importação dos arquivos de Estrutura Própria \r\nda empresa [" +
                              kInscricaoTeste + "] - [" + kRazaoTeste + "]?";
const std::string kInicio = "Início da Importação dos arquivos de Estrutura Própria\r\n";

class ImportacaoTeste : public ::testing::Test {
protected:
    void SetUp() override {
        ambiente.Conectar(conexao);
        CriarInfoGerais(&conexao);
        PreencherDadosImportacao(conexao);
        importacao.AoRegistrar = [this](const std::string& linha) { log.push_back(linha); };
        importacao.AoIniciarProgresso = [this](int maximo) {
            progressoMaximo = maximo;
            passos = 0;
        };
        importacao.AoAvancarProgresso = [this] { ++passos; };
        importacao.AoProcessarEventos = [this] { ++eventos; };
    }

    fs::path Arquivo(const std::vector<std::string>& linhas, const std::string& fimDeLinha = "\r\n") {
        return GravarArquivoEstruturaPropria(ambiente.Raiz(), linhas, fimDeLinha);
    }

    TResultadoImportacao Importar(const fs::path& arquivo, const std::string& codProd = kProdutoComInsumos,
                                  const std::string& codProdVlt = "0401") {
        caixas.Responder(kBotaoSim);
        return importacao.ImportarArquivo({arquivo.string(), kInscricaoTeste, codProd, codProdVlt});
    }

    AmbienteTeste ambiente;
    CaixasRoteiro caixas;
    TConexao conexao;
    TclsImportacaoEstruturaPropria importacao{conexao};
    std::vector<std::string> log;
    int progressoMaximo = -1;
    int passos = 0;
    int eventos = 0;
};

TEST_F(ImportacaoTeste, ImportaTodasAsLinhasComCodigosSeguidos) {
    const fs::path arquivo = Arquivo({
        MontarLinha({"P", "85299020", "0001", "ignorada", "000000150000000", "1", "PN-1", "Tela 32\" IPS"}),
        MontarLinha({"E", "39269090", "0001", "Tampa 'A' 100% \\ ação", "000012345678901", "2", "O'Brien %_",
                     "Espec. 'x' 50% C:\\dir €"}),
        MontarLinha({"N", "73181500", "", "Arruela", "000000000000001", "10"}),
        MontarLinha({"R", "73181500", "", "Porca", "999999900000000", "1", "", "Aço"}),
    });
    ASSERT_EQ(Importar(arquivo), TResultadoImportacao::Concluida) << importacao.MensagemErro();

    EXPECT_EQ(caixas.Mostradas(), (std::vector<CaixaMostrada>{
                                      {TipoCaixa::Pergunta, "Informação", kPergunta},
                                      {TipoCaixa::Informacao, "Informação", "Operação realizada com sucesso!"},
                                  }));
    EXPECT_EQ(log, (std::vector<std::string>{kInicio, "Recebendo arquivo de insumo - [4] registros\r\n",
                                             "Fim da Importação."}));
    EXPECT_EQ(progressoMaximo, 4);
    EXPECT_EQ(passos, 4);
    EXPECT_EQ(eventos, 4);
    EXPECT_FALSE(conexao.EmTransacao());
    const std::string p = kInscricaoTeste + "|1|";
    EXPECT_EQ(InsumosDoProduto(conexao, kProdutoComInsumos),
              (std::vector<std::string>{
                  p + "7|2|N|73181500|<nulo>|Parafuso M3|Aço inox|0,25|<nulo>|<nulo>|",
                  p + "8|1|P|85299020|0001|Painel de cristal líquido|Tela 32\" IPS|1,5|<nulo>|PN-1|",
                  p + "9|2|E|39269090|<nulo>|Tampa 'A' 100% \\ ação|Espec. 'x' 50% C:\\dir €|123,45678901|<nulo>|"
                      "O'Brien %_|",
                  p + "10|10|N|73181500|<nulo>|Arruela|<nulo>|1E-8|<nulo>|<nulo>|",
                  p + "11|1|R|73181500|<nulo>|Porca|Aço|9999999|<nulo>|<nulo>|",
              }));
}

TEST_F(ImportacaoTeste, RespostaNaoNaoLeNemGravaNada) {
    const auto antes = InsumosDoProduto(conexao, kProdutoComInsumos);
    caixas.Responder(kBotaoNao);
    const auto resultado = importacao.ImportarArquivo(
        {Arquivo({MontarLinha({"N", "73181500", "", "Arruela"})}).string(), kInscricaoTeste, "1", "0401"});
    EXPECT_EQ(resultado, TResultadoImportacao::Cancelada);
    EXPECT_EQ(caixas.Mostradas(), (std::vector<CaixaMostrada>{{TipoCaixa::Pergunta, "Informação", kPergunta}}));
    EXPECT_EQ(log, std::vector<std::string>{kInicio});
    EXPECT_EQ(progressoMaximo, -1);
    EXPECT_FALSE(conexao.EmTransacao());
    EXPECT_EQ(InsumosDoProduto(conexao, kProdutoComInsumos), antes);
}

TEST_F(ImportacaoTeste, QualquerErroDesfazTodasAsLinhas) {
    // A database error on one line: the engine refuses the insert of that input.
    conexao.ExecutarNativo("CREATE TRIGGER falha_simulada BEFORE INSERT ON KX_EXPINSUMO WHEN NEW.ins_codemp = 'FALHA' "
                           "BEGIN SELECT RAISE(ABORT, 'falha simulada do banco'); END;");
    const std::string arruela = MontarLinha({"N", "73181500", "", "Arruela"});
    const std::string tampa = MontarLinha({"E", "39269090", "", "Tampa", "000000100000000", "1", "", "ABS"});
    const std::string porca = MontarLinha({"R", "73181500", "", "Porca"});
    const fs::path inexistente = ambiente.Raiz() / "nao-existe.txt";
    struct Caso {
        const char* nome;
        fs::path arquivo;
        std::string mensagem;
        int linhasGravadas;
        bool outroEscrevendo = false; // another process holds a write transaction meanwhile
    };
    const Caso casos[] = {
        {"three valid lines, then an unknown unit",
         Arquivo({arruela, tampa, porca, MontarLinha({"E", "39269090", "", "Tampa", "000000100000000", "77"})}),
         "Erro na Unidade! Unidade [77] referente ao Insumo do Tipo [Estrangeiro] e NCM [39269090] não encontrada em "
         "KX_UNIDADES.\rFavor providenciar atualização da tabela KX_UNIDADES, ou corrigir o campo CODUNID no "
         "cadastro de produtos.",
         3},
        {"blank line in the middle", Arquivo({arruela, "", porca}),
         "Erro no Tipo do Insumo! Tipo do Insumo [] não existe.", 1},
        {"the same input twice in the file", Arquivo({arruela, tampa, tampa}),
         "Erro no Insumo! Insumo do Tipo [Estrangeiro] e NCM [39269090] JA cadastrado", 2},
        {"database error on the last line",
         Arquivo({arruela, tampa, MontarLinha({"R", "73181500", "", "Porca", "000000100000000", "1", "FALHA"})}),
         "falha simulada do banco", 2},
        {"empty file", Arquivo({}), "Erro no Arquivo! Este encontra-se VAZIO.", 0},
        {"Ctrl+Z first", Arquivo({"\x1A", arruela}), "Erro no Arquivo! Este encontra-se VAZIO.", 0},
        {"missing file", inexistente,
         "Não foi possível abrir o arquivo " + inexistente.string() +
             ": o arquivo ou a pasta não existe [No such file or directory].",
         0},
        // The wait for the other process is bounded; then nothing of this run is written.
        {"database in use by another process", Arquivo({arruela}),
         "O banco de dados está em uso por outro programa (outra cópia deste programa ou o korvex-admin). Espere que "
         "ele termine e repita a operação. [database is locked]",
         0, true},
    };
    const auto antes = InsumosDoProduto(conexao, kProdutoComInsumos);
    for (const auto& caso : casos) {
        caixas.Limpar();
        passos = 0;
        std::optional<ProcessoEscritor> escritor;
        if (caso.outroEscrevendo) {
            escritor.emplace(ambiente.Banco());
        }
        EXPECT_EQ(Importar(caso.arquivo), TResultadoImportacao::Falhou) << caso.nome;
        escritor.reset();
        EXPECT_EQ(importacao.MensagemErro(), caso.mensagem) << caso.nome;
        EXPECT_EQ(caixas.Ultima(),
                  (CaixaMostrada{TipoCaixa::Erro, "Erro",
                                 "Houve um erro ao executar esta operação! \n\n[" + caso.mensagem + "]"}))
            << caso.nome;
        EXPECT_EQ(caixas.Mostradas().size(), 2u) << caso.nome << ": the question and the error box only";
        EXPECT_EQ(passos, caso.linhasGravadas) << caso.nome;
        EXPECT_FALSE(conexao.EmTransacao()) << caso.nome;
        EXPECT_EQ(InsumosDoProduto(conexao, kProdutoComInsumos), antes) << caso.nome;
    }
    EXPECT_EQ(log.back(), kInicio) << "no \"Fim da Importação.\" after a failure";
}

TEST_F(ImportacaoTeste, FinsDeLinhaEUmaTransacaoJaAberta) {
    // Bare LF line ends and a last line without one; the run works inside the open
    // transaction instead of beginning another, and commits it.
    const std::string conteudo =
        MontarLinha({"N", "73181500", "", "Arruela"}) + "\n" + MontarLinha({"R", "73181500", "", "Porca"});
    const fs::path semFimDeLinha = GravarArquivoEstruturaPropria(ambiente.Raiz(), {conteudo}, "");
    conexao.IniciarTransacao();
    ASSERT_EQ(Importar(semFimDeLinha, kProdutoVazio, "0402"), TResultadoImportacao::Concluida)
        << importacao.MensagemErro();
    EXPECT_FALSE(conexao.EmTransacao());
    EXPECT_EQ(InsumosDoProduto(conexao, kProdutoVazio).size(), 2u);
    EXPECT_EQ(progressoMaximo, 2);
    // Lone carriage returns are dropped: a line of two of them is an empty line.
    const fs::path crSoltos = Arquivo({MontarLinha({"N", "73181500", "", "Bucha"}), "\r\r"}, "\n");
    EXPECT_EQ(Importar(crSoltos, kProdutoVazio, "0402"), TResultadoImportacao::Falhou);
    EXPECT_EQ(importacao.MensagemErro(), "Erro no Tipo do Insumo! Tipo do Insumo [] não existe.");
}

} // namespace
