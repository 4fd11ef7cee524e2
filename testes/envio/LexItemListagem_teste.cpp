#include "apoio/AmbienteTeste.h"
#include "comum/Erros.h"
#include "comum/Plataforma.h"
#include "envio/LexItemListagem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace fs = std::filesystem;
using ::testing::AllOf;
using ::testing::HasSubstr;

namespace {

std::string LerBytes(const fs::path& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(arquivo), {}};
}

// Positions counted from 1, as the agency's layout gives them.
std::string Campo(const std::string& linha, size_t inicio, size_t largura) {
    return linha.substr(inicio - 1, largura);
}

TLExItemProduto ProdutoExemplo() {
    TLExItemProduto p;
    p.Set_emp_inscvlt("200123456");
    p.Set_exp_codprod(12);
    p.Set_codunid("1");
    p.Set_exp_ncmprod("85287200");
    p.Set_exp_codprodvlt("0401");
    p.Set_exp_tipoprodvlt("001");
    p.Set_exp_modprod("  TV AÇAÍ 43\" ");
    p.Set_cus_codigo("CC-0101");
    p.Set_mod_codemp("TV43-4K");
    return p;
}

TLExItemInsumo InsumoExemplo() {
    TLExItemInsumo i;
    i.Set_emp_inscvlt("200123456");
    i.Set_exp_codprod("12");
    i.Set_exp_codins(345);
    i.Set_codunid("10");
    i.Set_exp_tipoins("E");
    i.Set_exp_ncmins("85423190");
    i.Set_exp_detinsvlt("0001");
    i.Set_exp_coeftec("1.234,5");
    i.Set_ins_codemp("PN-01");
    i.Set_exp_descins(" Painel  de cristal líquido ");
    i.Set_exp_espetec("\t Resolução 3840x2160 \r\n");
    return i;
}

TEST(TLExItemProduto, LinhaDoProdutoCampoACampo) {
    const std::string linha = ProdutoExemplo().LinhaProduto();
    ASSERT_EQ(linha.size(), 326u);
    EXPECT_EQ(Campo(linha, 1, 1), "P");
    EXPECT_EQ(Campo(linha, 2, 9), "200123456");
    EXPECT_EQ(Campo(linha, 11, 4), "12  ");
    EXPECT_EQ(Campo(linha, 15, 2), "1 ");
    EXPECT_EQ(Campo(linha, 17, 8), "85287200");
    EXPECT_EQ(Campo(linha, 25, 4), "0401");
    EXPECT_EQ(Campo(linha, 29, 3), "001");
    // Trimmed, accented letters one Windows-1252 byte each.
    EXPECT_EQ(Campo(linha, 32, 255), "TV A\xC7"
                                     "A\xCD 43\"" +
                                         std::string(255 - 11, ' '));
    EXPECT_EQ(Campo(linha, 287, 10), "CC-0101   ");
    EXPECT_EQ(Campo(linha, 297, 30), "TV43-4K" + std::string(23, ' '));
}

TEST(TLExItemProduto, CamposLongosNuncaSaoCortados) {
    TLExItemProduto p = ProdutoExemplo();
    p.Set_exp_modprod(std::string(255, 'M'));
    EXPECT_EQ(Campo(p.LinhaProduto(), 287, 7), "CC-0101");

    p.Set_exp_modprod(std::string(255, 'M') + "Ç");
    std::string linha = p.LinhaProduto();
    EXPECT_EQ(linha.size(), 327u);
    EXPECT_EQ(Campo(linha, 287, 1), "\xC7");
    EXPECT_EQ(Campo(linha, 288, 7), "CC-0101");

    p.Set_exp_codprod(123456);
    p.Set_exp_ncmprod("1234567890");
    linha = p.LinhaProduto();
    EXPECT_EQ(Campo(linha, 11, 6), "123456");
    EXPECT_EQ(Campo(linha, 19, 10), "1234567890");
    EXPECT_EQ(linha.size(), 331u);
}

TEST(TLExItemInsumo, LinhaDoInsumoCampoACampo) {
    const std::string linha = InsumoExemplo().LinhaInsumo();
    ASSERT_EQ(linha.size(), 4061u);
    EXPECT_EQ(Campo(linha, 1, 1), "I");
    EXPECT_EQ(Campo(linha, 2, 9), "200123456");
    EXPECT_EQ(Campo(linha, 11, 4), "12  ");
    EXPECT_EQ(Campo(linha, 15, 5), "345  ");
    EXPECT_EQ(Campo(linha, 20, 2), "10");
    EXPECT_EQ(Campo(linha, 22, 1), "E");
    EXPECT_EQ(Campo(linha, 23, 8), "85423190");
    EXPECT_EQ(Campo(linha, 31, 4), "0001");
    EXPECT_EQ(Campo(linha, 35, 20), "00000000012345000000");
    EXPECT_EQ(Campo(linha, 55, 30), "PN-01" + std::string(25, ' '));
    // Blanks around the texts never reach the file; blanks inside them do.
    EXPECT_EQ(Campo(linha, 85, 254), "Painel  de cristal l\xEDquido" + std::string(254 - 26, ' '));
    EXPECT_EQ(Campo(linha, 339, 3723), "Resolu\xE7\xE3o 3840x2160" + std::string(3723 - 19, ' '));
}

TEST(TLExItemInsumo, CamposVaziosOcupamALarguraEOTipoNaoEPreenchido) {
    TLExItemInsumo i;
    i.Set_emp_inscvlt("200123456");
    const std::string linha = i.LinhaInsumo();
    // An empty type takes no position: everything after it moves one to the left.
    EXPECT_EQ(linha.size(), 4060u);
    EXPECT_EQ(Campo(linha, 11, 11), "0   0      ");
    EXPECT_EQ(Campo(linha, 34, 20), std::string(20, '0'));
    EXPECT_EQ(linha.find_first_not_of(' ', 54), std::string::npos);

    i.Set_exp_tipoins("N");
    EXPECT_EQ(i.LinhaInsumo().size(), 4061u);
}

TEST(TLExItemInsumo, QuebraDeLinhaDentroDoTextoViraEspaco) {
    TLExItemInsumo i = InsumoExemplo();
    i.Set_exp_espetec("Linha 1\r\nLinha 2\nLinha\t3");
    i.Set_exp_descins("Cabo\r\nblindado");
    const std::string linha = i.LinhaInsumo();
    EXPECT_EQ(linha.size(), 4061u);
    EXPECT_EQ(linha.find_first_of("\r\n\t"), std::string::npos);
    EXPECT_EQ(Campo(linha, 85, 14), "Cabo  blindado");
    EXPECT_EQ(Campo(linha, 339, 24), "Linha 1  Linha 2 Linha 3");
}

TEST(CampoCoeficienteLE, DezMilionesimosEmVinteDigitos) {
    const std::pair<double, const char*> casos[] = {
        {0.5, "00000000000005000000"},
        {1.25, "00000000000012500000"},
        {1234.5, "00000000012345000000"},
        {0.0, "00000000000000000000"},
        {-0.0, "00000000000000000000"},
        {0.00000006, "00000000000000000001"},
        {0.00000004, "00000000000000000000"},
        {0.00000005, "00000000000000000001"},
        {0.1234567, "00000000000001234567"},
        {1.0, "00000000000010000000"},
        {99999999.9999999, "00000999999999999999"},
    };
    for (const auto& [valor, esperado] : casos) {
        EXPECT_EQ(CampoCoeficienteLE(valor), esperado) << valor;
    }
    for (double fora : {-1.0, -0.00000001, 100'000'000.0, 99999999.99999996, 1e20, std::nan(""), HUGE_VAL}) {
        EXPECT_EQ(CampoCoeficienteLE(fora), std::nullopt) << fora;
    }
}

TEST(TLExItemInsumo, CoeficienteDoTextoComPrecisaoCompleta) {
    TLExItemInsumo i = InsumoExemplo();
    for (const auto& [texto, esperado] :
         {std::pair{"0,1234567", "00000000000001234567"}, std::pair{"1,5E-7", "00000000000000000002"},
          std::pair{"12345678,9876543", "00000123456789876543"}}) {
        i.Set_exp_coeftec(texto);
        EXPECT_EQ(Campo(i.LinhaInsumo(), 35, 20), esperado) << texto;
    }
}

TEST(TLExItemInsumo, ValorQueOArquivoNaoComportaNomeiaProdutoEInsumo) {
    TLExItemInsumo i = InsumoExemplo();
    i.Set_exp_coeftec("-1,5");
    try {
        i.LinhaInsumo();
        FAIL() << "coeficiente negativo aceito";
    } catch (const ErroGeral& e) {
        EXPECT_STREQ(e.what(), "Não foi possível gravar o insumo 345 (\"Painel  de cristal líquido\") do produto 12 "
                               "no arquivo da listagem de exportação: o coeficiente técnico -1,5 não cabe no "
                               "arquivo, que aceita de 0 a 99.999.999,9999999.");
    }
    i.Set_exp_coeftec("100000000");
    EXPECT_THROW(i.LinhaInsumo(), ErroGeral);

    i = InsumoExemplo();
    i.Set_exp_espetec("Tolerância ≤ 0,1 mm");
    EXPECT_THAT([&] { i.LinhaInsumo(); },
                ::testing::ThrowsMessage<ErroGeral>(
                    AllOf(HasSubstr("o insumo 345"), HasSubstr("do produto 12"), HasSubstr("'≤'"))));
    TLExItemProduto p = ProdutoExemplo();
    p.Set_mod_codemp("TV→43");
    EXPECT_THAT([&] { p.LinhaProduto(); },
                ::testing::ThrowsMessage<ErroGeral>(HasSubstr("o produto 12 (\"TV AÇAÍ 43\"\")")));
}

class ArquivoLE : public ::testing::Test {
protected:
    AmbienteTeste ambiente{{false, false}};
    const fs::path pasta = PastaTemporaria();
};

TEST_F(ArquivoLE, VersaoProdutosEInsumosComCRLF) {
    const std::string caminho = (pasta / "LE1.TXT").string();
    TLExItemProduto produto = ProdutoExemplo();
    TLExItemInsumo insumo = InsumoExemplo();
    produto.AbrirArquivo(caminho);
    produto.GravarVersao();
    produto.GravarProduto();
    insumo.GravarInsumo();
    insumo.Set_exp_codins(346);
    insumo.GravarInsumo();
    produto.Set_exp_codprod(13); // a product without inputs
    produto.GravarProduto();
    produto.Set_exp_codprod(14);
    produto.GravarProduto();
    produto.FecharArquivo();

    const std::string linha13 = ProdutoExemplo().LinhaProduto().replace(10, 4, "13  ");
    const std::string linha14 = ProdutoExemplo().LinhaProduto().replace(10, 4, "14  ");
    const std::string linha346 = InsumoExemplo().LinhaInsumo().replace(14, 5, "346  ");
    EXPECT_EQ(LerBytes(caminho), "VERSAO 07/11/2018\r\n" + ProdutoExemplo().LinhaProduto() + "\r\n" +
                                     InsumoExemplo().LinhaInsumo() + "\r\n" + linha346 + "\r\n" + linha13 + "\r\n" +
                                     linha14 + "\r\n");
}

TEST_F(ArquivoLE, MesmoCaminhoSubstituiOArquivoEOutrosFicam) {
    std::ofstream(pasta / "LE2.TXT") << "outro";
    const std::string caminho = (pasta / "LE1.TXT").string();
    TLExItemProduto produto;
    for (int vez = 0; vez < 2; ++vez) {
        produto.AbrirArquivo(caminho);
        produto.GravarVersao();
        produto.FecharArquivo();
    }
    EXPECT_EQ(LerBytes(caminho), "VERSAO 07/11/2018\r\n");
    EXPECT_EQ(LerBytes(pasta / "LE2.TXT"), "outro");

    // Into another folder, the temporary one is created when it is missing.
    fs::remove_all(pasta);
    const fs::path outra = ambiente.Raiz() / "saida";
    fs::create_directory(outra);
    produto.AbrirArquivo((outra / "LE1.TXT").string());
    produto.GravarVersao();
    produto.FecharArquivo();
    EXPECT_TRUE(fs::is_directory(pasta));
    EXPECT_EQ(LerBytes(outra / "LE1.TXT"), "VERSAO 07/11/2018\r\n");
}

TEST_F(ArquivoLE, FalhasDeArquivoSaoErrosDeEntradaSaida) {
    TLExItemProduto produto;
    const std::string semPasta = (ambiente.Raiz() / "nao-existe" / "LE1.TXT").string();
    EXPECT_THAT([&] { produto.AbrirArquivo(semPasta); },
                ::testing::ThrowsMessage<ErroEntradaSaida>(
                    ::testing::StrEq("Não foi possível criar o arquivo " + semPasta +
                                     ": o arquivo ou a pasta não existe [No such file or directory].")));
    EXPECT_THROW(produto.GravarVersao(), ErroEntradaSaida);
    EXPECT_THROW(TLExItemInsumo().GravarInsumo(), ErroEntradaSaida);
    EXPECT_NO_THROW(produto.FecharArquivo());
}

// A file under its final name is always complete: while it is written, and after it is
// discarded, a file of that name already there stays as it was, and nothing else is left.
TEST_F(ArquivoLE, SoGanhaONomeFinalQuandoCompleto) {
    const fs::path caminho = pasta / "LE1.TXT";
    std::ofstream(caminho) << "anterior";
    const auto nomes = [this] {
        std::set<std::string> achados;
        for (const auto& entrada : fs::directory_iterator(pasta)) {
            achados.insert(entrada.path().filename().string());
        }
        return achados;
    };
    TLExItemProduto produto = ProdutoExemplo();
    produto.AbrirArquivo(caminho.string());
    produto.GravarVersao();
    produto.GravarProduto();
    EXPECT_EQ(LerBytes(caminho), "anterior");
    produto.DescartarArquivo();
    EXPECT_EQ(LerBytes(caminho), "anterior");
    EXPECT_EQ(nomes(), std::set<std::string>{"LE1.TXT"});

    produto.AbrirArquivo(caminho.string());
    produto.GravarVersao();
    produto.FecharArquivo();
    EXPECT_EQ(LerBytes(caminho), "VERSAO 07/11/2018\r\n");
    EXPECT_EQ(nomes(), std::set<std::string>{"LE1.TXT"});
}

} // namespace
