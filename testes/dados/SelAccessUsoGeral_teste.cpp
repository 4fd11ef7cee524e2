#include "apoio/AmbienteTeste.h"
#include "comum/Erros.h"
#include "dados/BancoDados.h"
#include "dados/SelAccessUsoGeral.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A company with products 1, 2 and 7 and the agency's reference rows they point to.
class SelAccessTeste : public ::testing::Test {
protected:
    void SetUp() override {
        ambiente.Conectar(conexao);
        modulo.DefineConexao(&conexao);
        conexao.ExecutarNativo(R"(
            INSERT INTO KX_EMPRESA VALUES ('200000001', 'ACME LTDA'), ('200000002', 'D''ÁGUA S/A');
            INSERT INTO KXUNIDADES VALUES ('1', 'UNIDADE'), ('10', 'QUILO'), ('2', 'METRO');
            INSERT INTO T_PROXVM VALUES ('1234001', 'RADIO PORTATIL'), ('5678000', 'TELEVISOR');
            INSERT INTO PRJ_TIPO_PROD VALUES ('1234', '001', 'AM/FM'), ('1234', '002', NULL);
            INSERT INTO PRJ_NCM VALUES ('85271300', 'RÁDIOS', '10'), ('39269090', 'PLÁSTICOS', '2'),
                                       ('73181500', NULL, NULL);
            INSERT INTO PRJ_NCM_PROD_VLT VALUES ('1234', '001', '85271300');
            INSERT INTO PROD_ITEM VALUES ('1234', '39269090', '0001'), ('1234', '39269090', '0002'),
                                         ('1234', '73181500', '0009');
            INSERT INTO VLT_NCM VALUES ('39269090', '0001', 'PARAFUSO'), ('39269090', '0002', 'PORCA');
            INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt,
                                       exp_tipoprodvlt, exp_modprod)
                VALUES ('200000001', 1, '10', '85271300', '1234', '001', 'MODELO X  '),
                       ('200000001', 2, '10', '85271300', '1234', '001', 'MODELO Y'),
                       ('200000001', 7, '1', '85271300', '1234', '001', 'MODELO Z');
            INSERT INTO KX_EXPINSUMO (emp_inscvlt, exp_codprod, exp_codins, codunid, exp_tipoins, exp_ncmins,
                                      exp_detinsvlt, exp_descins, exp_espetec, exp_coeftec)
                VALUES ('200000001', 1, 3, '2', 'P', '39269090', '0001', NULL, '  AÇO INOX ', 2),
                       ('200000001', 1, 5, '2', 'N', '39269090', NULL, ' PARAFUSO M3 ', 'AÇO', 0.5),
                       ('200000001', 1, 6, '2', 'E', '39269090', NULL, 'PORCA', NULL, 1);
        )");
    }

    AmbienteTeste ambiente;
    TConexao conexao;
    TAccessSel modulo;
};

TEST_F(SelAccessTeste, InstrucoesMontadasPecaPorPeca) {
    const std::string insc = "I'1", unid = "U'1", cod = "CO'1", prodVlt = "PV'1", tipoProd = "TP'1", ncm = "NC'1",
                      detalhe = "DT'1", modelo = " MO'1 ", tipoIns = "T'1", espetec = " ES'1 ", descr = " DS'1 ";
    const std::vector<std::pair<std::function<void()>, std::string>> casos = {
        {[&] { RazaoSocialEmpresa(insc); }, " SELECT T1.EMP_RAZAO  FROM KX_EMPRESA T1  WHERE T1.EMP_INSCVLT = 'I''1'"},
        {[&] { DescricaoUnidade(unid); }, " SELECT descunid    FROM KXUNIDADES T1    WHERE T1.codunid = 'U''1'"},
        {[&] { NomeProdutoXVM(cod); },
         " SELECT nm_produto_xvm    FROM T_PROXVM T1   WHERE mid(T1.cd_produto_xvm,1,4) = 'CO''1'"},
        {[&] { DescricaoTipoProduto(prodVlt, tipoProd); },
         " SELECT prdt_desctipo    FROM PRJ_TIPO_PROD T1   WHERE T1.prdt_codprod = 'PV''1'    AND"
         " T1.prdt_codtipo = 'TP''1'"},
        {[&] { DescricaoNCM(ncm); }, " SELECT T1.NCM_DESCRICAO  FROM PRJ_NCM T1  WHERE T1.NCM_CODIGO = 'NC''1'"},
        {[&] { DescricaoNCMProduto(prodVlt, tipoProd, ncm); },
         " SELECT  ncm_descricao  FROM PRJ_NCM_PROD_VLT A, PRJ_NCM B  WHERE        a.nps_ncm ="
         " b.ncm_codigo    AND nps_ncm = 'NC''1'   AND nps_codprod = 'PV''1'   AND nps_codtipo = 'TP''1'"},
        {[&] { DescricaoNCMItem(prodVlt, ncm); },
         " SELECT  a.vtncm_detalhe  ,  b.ncm_codigo  ,  b.ncm_descricao  ,  b.uni_codigo  FROM PROD_ITEM"
         " A, PRJ_NCM B  WHERE        a.cd_mercadoria_ncm = b.ncm_codigo    AND a.cd_produto_xvm ="
         " 'PV''1'   AND a.cd_mercadoria_ncm = 'NC''1' ORDER BY ncm_codigo"},
        {[&] { DescricaoDetalheNCM(ncm, detalhe); },
         "SELECT a.vtncm_descricao   FROM VLT_NCM A  WHERE a.vtncm_codigo  = 'NC''1'   AND"
         " a.vtncm_detalhe = 'DT''1'"},
        {[&] { UnidadeNCM(ncm); }, " SELECT  uni_codigo  FROM PRJ_NCM A  WHERE        ncm_codigo = 'NC''1'"},
        {[&] { UnidadeNCMProduto(prodVlt, tipoProd, ncm); },
         " SELECT  uni_codigo  FROM PRJ_NCM_PROD_VLT A, PRJ_NCM B  WHERE a.nps_ncm = b.ncm_codigo    AND"
         " nps_ncm = 'NC''1'   AND nps_codprod = 'PV''1'   AND nps_codtipo = 'TP''1'"},
        {[&] { UnidadeNCMItem(prodVlt, ncm); },
         " SELECT  b.uni_codigo  FROM PROD_ITEM A, PRJ_NCM B  WHERE        a.cd_mercadoria_ncm ="
         " b.ncm_codigo    AND a.cd_produto_xvm = 'PV''1'   AND a.cd_mercadoria_ncm = 'NC''1'"},
        {[&] { ProximoCodigoProduto(insc); },
         "Select max(exp_codprod) as codigo from kx_expproduto where emp_inscvlt = 'I''1'"},
        {[&] { ProximoCodigoInsumo(insc, "11"); },
         " SELECT MAX(exp_codins) AS exp_codins    FROM KX_EXPINSUMO T1   WHERE T1.emp_inscvlt = 'I''1' "
         "   AND T1.exp_codprod = 11"},
        {[&] { ExisteProdutoLE(insc, prodVlt, tipoProd, modelo); },
         " SELECT *    FROM KX_EXPPRODUTO T1   WHERE T1.emp_inscvlt = 'I''1'    AND T1.exp_codprodvlt ="
         " 'PV''1'    AND T1.exp_tipoprodvlt = 'TP''1'    AND TRIM(T1.exp_modprod) = 'MO''1'"},
        {[&] { ExisteInsumoLE(insc, "11", tipoIns, ncm, detalhe, espetec); },
         " SELECT *    FROM KX_EXPINSUMO T1   WHERE T1.emp_inscvlt = 'I''1'    AND T1.exp_codprod = 11  "
         "  AND T1.exp_tipoins = 'T''1'    AND T1.exp_ncmins = 'NC''1'    AND T1.exp_detinsvlt = 'DT''1'"
         "    AND TRIM(T1.exp_espetec) = 'ES''1'"},
        {[&] { ExisteInsumoDescricao(insc, "11", tipoIns, ncm, descr, espetec); },
         " SELECT *    FROM KX_EXPINSUMO T1   WHERE T1.emp_inscvlt = 'I''1'    AND T1.exp_codprod = 11  "
         "  AND T1.exp_tipoins = 'T''1'    AND T1.exp_ncmins = 'NC''1'    AND TRIM(T1.exp_descins) ="
         " 'DS''1'    AND TRIM(T1.exp_espetec) = 'ES''1'"},
        {[&] { EmpresaTemProdutos(insc); }, " SELECT *    FROM KX_EXPPRODUTO T1   WHERE T1.EMP_INSCVLT = 'I''1'"},
        {[&] { EmpresaTemInsumos(insc); }, " SELECT *    FROM KX_EXPINSUMO T1   WHERE T1.EMP_INSCVLT = 'I''1'"},
        {[&] { UnidadeEmProdutos(unid); }, " SELECT *    FROM KX_EXPPRODUTO T1   WHERE T1.codunid = 'U''1'"},
        {[&] { UnidadeEmInsumos(unid); }, " SELECT *    FROM KX_EXPINSUMO T1   WHERE T1.codunid = 'U''1'"},
        {[&] { ExisteUnidade(unid); }, " SELECT *    FROM KXUNIDADES T1   WHERE CODUNID = 'U''1'"},
        {[&] { ExisteNCM(ncm); }, " SELECT *    FROM PRJ_NCM T1   WHERE NCM_CODIGO = 'NC''1'"},
        {[&] { ExisteNCMItem(prodVlt, ncm); },
         " SELECT *  FROM PROD_ITEM A, PRJ_NCM B  WHERE        a.cd_mercadoria_ncm = b.ncm_codigo    AND"
         " a.cd_produto_xvm = 'PV''1'   AND a.cd_mercadoria_ncm = 'NC''1'"},
        {[&] { ExisteDetalheItem(prodVlt, ncm, detalhe); },
         "SELECT *   FROM PROD_ITEM A, VLT_NCM B   WHERE a.cd_mercadoria_ncm = b.vtncm_codigo    AND"
         " a.vtncm_detalhe = b.vtncm_detalhe    AND a.cd_produto_xvm =  'PV''1'   AND"
         " a.cd_mercadoria_ncm = 'NC''1'   AND a.vtncm_detalhe = 'DT''1'"},
    };
    for (const auto& [chamar, esperado] : casos) {
        chamar();
        EXPECT_EQ(SelAccessUsoGeral::Consulta()->SQL(), esperado);
    }
    // Without a technical specification the description test leaves it out.
    ExisteInsumoDescricao(insc, "11", tipoIns, ncm, descr, "   ");
    EXPECT_EQ(SelAccessUsoGeral::Consulta()->SQL(),
              " SELECT *    FROM KX_EXPINSUMO T1   WHERE T1.emp_inscvlt = 'I''1'    AND T1.exp_codprod = 11"
              "    AND T1.exp_tipoins = 'T''1'    AND T1.exp_ncmins = 'NC''1'    AND TRIM(T1.exp_descins) = 'DS''1'");
}

TEST_F(SelAccessTeste, ConsultasDeValor) {
    const std::vector<std::pair<std::function<std::string()>, std::string>> casos = {
        {[] { return RazaoSocialEmpresa("200000002"); }, "D'ÁGUA S/A"},
        {[] { return RazaoSocialEmpresa("999999999"); }, ""},
        {[] { return RazaoSocialEmpresa("20000'001"); }, ""},
        {[] { return DescricaoUnidade("10"); }, "QUILO"},
        {[] { return DescricaoUnidade("3"); }, ""},
        {[] { return NomeProdutoXVM("1234"); }, "RADIO PORTATIL"},
        {[] { return NomeProdutoXVM("1234001"); }, ""},
        {[] { return DescricaoTipoProduto("1234", "001"); }, "AM/FM"},
        {[] { return DescricaoTipoProduto("1234", "002"); }, ""},
        {[] { return DescricaoTipoProduto("5678", "001"); }, ""},
        {[] { return DescricaoNCM("85271300"); }, "RÁDIOS"},
        {[] { return DescricaoNCM("73181500"); }, ""},
        {[] { return DescricaoNCMProduto("1234", "001", "85271300"); }, "RÁDIOS"},
        {[] { return DescricaoNCMProduto("1234", "002", "85271300"); }, ""},
        {[] { return DescricaoNCMItem("1234", "39269090"); }, "PLÁSTICOS"},
        {[] { return DescricaoNCMItem("1234", "85271300"); }, ""},
        {[] { return DescricaoDetalheNCM("39269090", "0002"); }, "PORCA"},
        {[] { return DescricaoDetalheNCM("39269090", "0003"); }, ""},
        {[] { return UnidadeNCM("85271300"); }, "10"},
        {[] { return UnidadeNCM("73181500"); }, ""},
        {[] { return UnidadeNCMProduto("1234", "001", "85271300"); }, "10"},
        {[] { return UnidadeNCMProduto("5678", "001", "85271300"); }, ""},
        {[] { return UnidadeNCMItem("1234", "39269090"); }, "2"},
        {[] { return UnidadeNCMItem("5678", "39269090"); }, ""},
    };
    for (size_t i = 0; i < casos.size(); ++i) {
        EXPECT_EQ(casos[i].first(), casos[i].second) << "caso " << i;
    }
}

TEST_F(SelAccessTeste, ProximosCodigos) {
    EXPECT_EQ(ProximoCodigoProduto("200000001"), 8);
    EXPECT_EQ(ProximoCodigoProduto("200000002"), 1);
    EXPECT_EQ(ProximoCodigoProduto("2000'0001"), 1);
    EXPECT_EQ(ProximoCodigoInsumo("200000001", "1"), 7);
    EXPECT_EQ(ProximoCodigoInsumo("200000001", "2"), 1);
    EXPECT_EQ(ProximoCodigoInsumo("200000002", "1"), 1);
}

TEST_F(SelAccessTeste, ProdutoRepetidoPeloModeloAparado) {
    // Stored with trailing spaces, asked without them; stored without, asked with them.
    EXPECT_TRUE(ExisteProdutoLE("200000001", "1234", "001", "MODELO X"));
    EXPECT_TRUE(ExisteProdutoLE("200000001", "1234", "001", "  MODELO Y   "));
    EXPECT_TRUE(ExisteProdutoLE("200000001", "1234", "001", "modelo y"));
    EXPECT_FALSE(ExisteProdutoLE("200000001", "1234", "002", "MODELO Y"));
    EXPECT_FALSE(ExisteProdutoLE("200000002", "1234", "001", "MODELO Y"));
    EXPECT_FALSE(ExisteProdutoLE("200000001", "1234", "001", "MODELO 'Y"));
}

TEST_F(SelAccessTeste, InsumoRepetido) {
    // By item detail: the technical specification is always compared, trimmed on both sides.
    EXPECT_TRUE(ExisteInsumoLE("200000001", "1", "P", "39269090", "0001", "AÇO INOX"));
    EXPECT_TRUE(ExisteInsumoLE("200000001", "1", "P", "39269090", "0001", " aço inox  "));
    EXPECT_FALSE(ExisteInsumoLE("200000001", "1", "P", "39269090", "0002", "AÇO INOX"));
    EXPECT_FALSE(ExisteInsumoLE("200000001", "1", "P", "39269090", "0001", ""));
    EXPECT_FALSE(ExisteInsumoLE("200000001", "2", "P", "39269090", "0001", "AÇO INOX"));

    // By description: a blank specification is left out of the test.
    EXPECT_TRUE(ExisteInsumoDescricao("200000001", "1", "N", "39269090", "PARAFUSO M3", ""));
    EXPECT_TRUE(ExisteInsumoDescricao("200000001", "1", "N", "39269090", "  PARAFUSO M3", "   "));
    EXPECT_TRUE(ExisteInsumoDescricao("200000001", "1", "N", "39269090", "PARAFUSO M3", " AÇO "));
    EXPECT_FALSE(ExisteInsumoDescricao("200000001", "1", "N", "39269090", "PARAFUSO M3", "LATÃO"));
    EXPECT_FALSE(ExisteInsumoDescricao("200000001", "1", "E", "39269090", "PARAFUSO M3", ""));
    EXPECT_TRUE(ExisteInsumoDescricao("200000001", "1", "E", "39269090", "PORCA", ""));
    // A stored specification that is null never equals a given one.
    EXPECT_FALSE(ExisteInsumoDescricao("200000001", "1", "E", "39269090", "PORCA", "AÇO"));
    EXPECT_FALSE(ExisteInsumoDescricao("200000001", "1", "N", "39269090", "PARAFUSO M3'", ""));
}

TEST_F(SelAccessTeste, ConsultasDeExistencia) {
    const std::vector<std::pair<std::function<bool()>, bool>> casos = {
        {[] { return EmpresaTemProdutos("200000001"); }, true},
        {[] { return EmpresaTemProdutos("200000002"); }, false},
        {[] { return EmpresaTemInsumos("200000001"); }, true},
        {[] { return EmpresaTemInsumos("200000002"); }, false},
        {[] { return EmpresaTemInsumos("2'"); }, false},
        {[] { return UnidadeEmProdutos("1"); }, true},
        {[] { return UnidadeEmProdutos("2"); }, false},
        {[] { return UnidadeEmInsumos("2"); }, true},
        {[] { return UnidadeEmInsumos("10"); }, false},
        {[] { return ExisteUnidade("10"); }, true},
        {[] { return ExisteUnidade("01"); }, false},
        {[] { return ExisteNCM("39269090"); }, true},
        {[] { return ExisteNCM("3926909"); }, false},
        {[] { return ExisteNCMItem("1234", "39269090"); }, true},
        {[] { return ExisteNCMItem("1234", "85271300"); }, false},
        {[] { return ExisteDetalheItem("1234", "39269090", "0002"); }, true},
        // An item without a detail description of the agency is not a detail.
        {[] { return ExisteDetalheItem("1234", "73181500", "0009"); }, false},
        {[] { return ExisteDetalheItem("5678", "39269090", "0001"); }, false},
    };
    for (size_t i = 0; i < casos.size(); ++i) {
        EXPECT_EQ(casos[i].first(), casos[i].second) << "caso " << i;
    }
}

TEST_F(SelAccessTeste, ErrosDoBancoChegamAoChamador) {
    // A cod that is not a whole number never reaches the statement.
    EXPECT_THROW(ProximoCodigoInsumo("200000001", ""), ErroBanco);
    EXPECT_THROW(ExisteInsumoLE("200000001", "1 OR 1=1", "P", "39269090", "0001", "AÇO INOX"), ErroBanco);

    conexao.ExecutarNativo("DROP TABLE KX_EXPINSUMO;");
    try {
        EmpresaTemInsumos("200000001");
        FAIL() << "a tabela não existe";
    } catch (const ErroBanco& e) {
        EXPECT_NE(std::string(e.what()).find("no such table: KX_EXPINSUMO"), std::string::npos) << e.what();
    }
}

} // namespace
