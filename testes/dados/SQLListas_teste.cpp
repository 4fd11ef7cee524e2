#include "apoio/AmbienteTeste.h"
#include "dados/BancoDados.h"
#include "dados/DatConn.h"
#include "dados/SQLListas.h"
#include "dados/SelAccessUsoGeral.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Textos = std::vector<std::string>;

// Company 200000001 with products that do and do not meet the reference tables, the
// inputs of its product 1 of every tipoIns, and batches of its products and inputs.
class SQLListasTeste : public ::testing::Test {
protected:
    void SetUp() override {
        ambiente.Conectar(conexao);
        conexao.ExecutarNativo(R"(
            INSERT INTO KX_EMPRESA VALUES ('200000001', 'zeta'), ('200000002', 'ÁGUA'), ('200000003', 'beta');
            INSERT INTO KXUNIDADES VALUES ('2', 'METRO'), ('10', 'QUILO'), ('1', 'UNIDADE');
            INSERT INTO T_PROXVM VALUES ('1234001', 'RADIO A'), ('1234002', 'RADIO B'), ('5678000', 'TV'),
                                        ('9999000', 'SOM');
            INSERT INTO PRJ_TIPO_PROD VALUES ('1234', '001', 'AM/FM'), ('1234', '003', 'AM'),
                                             ('5678', '002', 'LCD'), ('9999', '001', 'MINI');
            INSERT INTO PRJ_NCM VALUES ('85271300', 'RÁDIOS', '10'), ('85287200', 'TVS', '1'),
                                       ('39269090', 'PLÁSTICOS', '2'), ('73181500', 'PARAFUSOS', '1');
            INSERT INTO PRJ_NCM_PROD_VLT VALUES ('1234', '001', '85271300'), ('1234', '001', '39269090'),
                                                ('1234', '003', '73181500');
            INSERT INTO PROD_ITEM VALUES ('1234', '73181500', '0001'), ('1234', '39269090', '0001'),
                                         ('1234', '39269090', '0002'), ('5678', '85287200', '0001');
            INSERT INTO VLT_NCM VALUES ('39269090', '0001', 'PARAFUSO'), ('39269090', '0002', 'PORCA'),
                                       ('73181500', '0001', 'ROSCA');
            INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt,
                                       exp_tipoprodvlt, exp_modprod, cus_codigo, mod_codemp)
                VALUES ('200000001', 1, '10', '85271300', '1234', '001', 'MOD 1', 'CC1', 'M1'),
                       ('200000001', 2, '1', '85287200', '5678', '002', 'MOD 2', 'CC2', 'M2'),
                       ('200000001', 3, '1', '85287200', '4321', '002', 'SEM PRODUTO DA ZONA', '', ''),
                       ('200000001', 4, '1', '85287200', '5678', '009', 'SEM TIPO', '', ''),
                       ('200000001', 5, '77', '85287200', '9999', '001', 'SEM UNIDADE', '', ''),
                       ('200000002', 1, '1', '85287200', '5678', '002', 'OUTRA EMPRESA', '', '');
            INSERT INTO KX_EXPINSUMO (emp_inscvlt, exp_codprod, exp_codins, codunid, exp_tipoins, exp_ncmins,
                                      exp_detinsvlt, exp_descins, exp_espetec, exp_coeftec, ins_codemp)
                VALUES ('200000001', 1, 7, '2', 'P', '39269090', '0002', NULL, 'AÇO', 0.25, 'PN7'),
                       ('200000001', 1, 1, '2', 'P', '39269090', '0001', NULL, NULL, 2, NULL),
                       ('200000001', 1, 2, '99', 'E', '73181500', NULL, 'PARAFUSO', NULL, 1.5, NULL),
                       ('200000001', 1, 3, '1', NULL, '73181500', NULL, 'SEM TIPO', NULL, 1, NULL),
                       ('200000001', 1, 4, '1', 'N', '73181500', NULL, 'NACIONAL', NULL, 1, NULL),
                       ('200000001', 1, 5, '1', 'R', '73181500', NULL, 'REGIONAL', NULL, 1, NULL),
                       ('200000001', 1, 6, '1', 'X', '73181500', NULL, 'TIPO DESCONHECIDO', NULL, 1, NULL),
                       ('200000001', 2, 1, '1', 'P', '39269090', '0001', NULL, NULL, 3, NULL);
            INSERT INTO KX_LOTE VALUES ('200000001', 'L1', '1'), ('200000001', 'L2', '0'), ('200000002', 'L3', '1');
            INSERT INTO KX_PRODUTO VALUES ('200000001', 2, 'L1'), ('200000001', 1, 'L2');
            INSERT INTO KX_INSUMO VALUES ('200000001', 1, 5, 'L1'), ('200000001', 1, 7, 'L2');
        )");
    }

    // The given column of every row, as the windows read it.
    Textos Coluna(const std::string& sql, const std::string& coluna) {
        TConsulta q(&conexao);
        q.DefinirSQL(sql);
        q.Abrir();
        Textos valores;
        for (; !q.Fim(); q.Proximo()) {
            valores.push_back(q.Texto(coluna));
        }
        return valores;
    }

    AmbienteTeste ambiente;
    TConexao conexao;
};

Textos Ordenados(Textos t) {
    std::sort(t.begin(), t.end());
    return t;
}

TEST_F(SQLListasTeste, InstrucoesMontadasPecaPorPeca) {
    const std::string insc = "I'1", cod = "CO'1", prodVlt = "PV'1", tipoProd = "TP'1", ncm = "NC'1", lote = "L'1";
    const std::vector<std::pair<std::string, std::string>> casos = {
        {SQLEmpresas(), " SELECT * FROM   KX_EMPRESA ORDER BY emp_razao"},
        {SQLUnidades(), " SELECT * FROM   KXUNIDADES ORDER BY codunid"},
        {SQLProdutosEmpresa(insc),
         " SELECT   exp_codprodvlt, exp_ncmprod, nm_produto_xvm, prdt_desctipo, exp_modprod, c.codunid,"
         " descunid, exp_codprod, exp_tipoprodvlt, cus_codigo, mod_codemp   FROM   T_PROXVM A,"
         " PRJ_TIPO_PROD B, KX_EXPPRODUTO C, KXUNIDADES D  WHERE   c.codunid = d.codunid AND"
         " c.exp_codprodvlt = mid(a.cd_produto_xvm,1,4) AND c.exp_codprodvlt = b.prdt_codprod AND"
         " c.exp_tipoprodvlt = b.prdt_codtipo AND c.emp_inscvlt = 'I''1' ORDER BY c.exp_codprodvlt,"
         " c.exp_ncmprod "},
        {SQLTiposProduto(cod),
         " SELECT       prdt_codtipo ,     prdt_desctipo    FROM   PRJ_TIPO_PROD  WHERE prdt_codprod ="
         " 'CO''1'"},
        {SQLDetalhesItem(prodVlt, ncm),
         "SELECT a.vtncm_detalhe, b.vtncm_descricao   FROM PROD_ITEM A, VLT_NCM B   WHERE"
         " a.cd_mercadoria_ncm = b.vtncm_codigo    AND a.vtncm_detalhe = b.vtncm_detalhe    AND"
         " a.cd_produto_xvm =  'PV''1'   AND a.cd_mercadoria_ncm = 'NC''1'"},
        {SQLInsumosPadrao(insc, "11"),
         " SELECT  SWITCH (exp_tipoins = 'E', 'Estrangeiro' ,         exp_tipoins = 'P', 'Padrao' ,     "
         "    exp_tipoins = 'N', 'Nacional' ,         exp_tipoins = 'R', 'Regional')      AS"
         " exp_desctipoins ,        A.exp_ncmins  ,         A.exp_detinsvlt  ,         A.exp_descins  , "
         "        A.exp_espetec  ,         A.exp_coeftec  ,         A.codunid  ,         B.descunid  ,  "
         "       A.exp_codins  ,         0 AS status  ,         A.ins_codemp  ,         A.exp_tipoins   "
         " FROM KX_EXPINSUMO A  LEFT JOIN KXUNIDADES B         ON (A.codunid = B.codunid)  WHERE"
         " A.emp_inscvlt = 'I''1'   AND A.exp_codprod = 11   AND A.exp_tipoins = 'P' ORDER BY"
         " A.exp_codins"},
        {SQLInsumosOutros(insc, "11"),
         " SELECT  SWITCH (exp_tipoins = 'E', 'Estrangeiro' ,         exp_tipoins = 'P', 'Padrao' ,     "
         "    exp_tipoins = 'N', 'Nacional' ,         exp_tipoins = 'R', 'Regional')      AS"
         " exp_desctipoins ,        A.exp_ncmins  ,         A.exp_detinsvlt  ,         A.exp_descins  , "
         "        A.exp_espetec  ,         A.exp_coeftec  ,         A.codunid  ,         B.descunid  ,  "
         "       A.exp_codins  ,         0 AS status  ,         A.ins_codemp  ,         A.exp_tipoins   "
         " FROM KX_EXPINSUMO A  LEFT JOIN KXUNIDADES B         ON (A.codunid = B.codunid)  WHERE"
         " A.emp_inscvlt = 'I''1'   AND A.exp_codprod = 11   AND (A.exp_tipoins <> 'P'     OR "
         " A.exp_tipoins IS null) ORDER BY A.exp_codins"},
        {SQLProdutoEnvio(insc, "11"),
         " SELECT  emp_inscVlt  ,  exp_codprod  ,  codunid  ,  exp_ncmprod  ,  exp_codprodvlt  , "
         " exp_tipoprodvlt  ,  exp_modprod  ,  exp_status  ,  cus_codigo  ,  mod_codemp    FROM"
         " KX_EXPPRODUTO  WHERE         emp_inscvlt = 'I''1'    AND exp_codprod = 11"},
        {SQLInsumosEnvio(insc, "11"),
         " SELECT  emp_inscVlt  ,  exp_codprod  ,  exp_codins  ,  codunid  ,  exp_tipoins  ,  exp_ncmins"
         "  ,  exp_detinsvlt  ,  exp_descins  ,  exp_espetec  ,  exp_coeftec  ,  exp_status  , "
         " ins_codemp    FROM KX_EXPINSUMO  WHERE         emp_inscvlt = 'I''1'    AND exp_codprod = 11"},
        {SQLProdutosXVM(),
         " SELECT       mid(cd_produto_xvm,1,4) AS cd_produto_xvm ,     nm_produto_xvm  FROM   T_PROXVM"},
        {SQLNCMsProduto(prodVlt, tipoProd),
         " SELECT  b.ncm_descricao  ,  b.ncm_codigo  ,  b.uni_codigo  ,  a.nps_codtipo  FROM"
         " PRJ_NCM_PROD_VLT A, PRJ_NCM B  WHERE        a.nps_ncm = b.ncm_codigo    AND a.nps_codprod ="
         " 'PV''1'   AND a.nps_codtipo = 'TP''1'"},
        {SQLNCMsItem(prodVlt),
         " SELECT  a.vtncm_detalhe  ,  b.ncm_codigo  ,  b.ncm_descricao  ,  b.uni_codigo  FROM PROD_ITEM"
         " A, PRJ_NCM B  WHERE        a.cd_mercadoria_ncm = b.ncm_codigo    AND a.cd_produto_xvm ="
         " 'PV''1' ORDER BY ncm_codigo"},
        {SQLProdutosForaLote(insc, lote),
         " SELECT  exp_codprodvlt  ,  exp_tipoprodvlt  ,  codunid  ,  exp_ncmprod  ,  exp_modprod  , "
         " exp_codprod  ,  nm_produto_xvm  ,  prdt_desctipo  FROM KX_EXPPRODUTO A,T_PROXVM"
         " C,PRJ_TIPO_PROD D  WHERE        mid(c.cd_produto_xvm,1,4) = a.exp_codprodvlt   AND"
         " d.prdt_codprod = a.exp_codprodvlt    AND d.prdt_codtipo = a.exp_tipoprodvlt    AND"
         " a.emp_inscvlt = 'I''1'   AND NOT EXISTS (  SELECT * FROM KX_PRODUTO B  WHERE       "
         " b.emp_inscvlt = a.emp_inscvlt  AND b.exp_codprod = a.exp_codprod  AND b.lot_numero = 'L''1')"},
        {SQLInsumosNacRegForaLote(insc, lote, "11"),
         " SELECT  exp_codins  ,  exp_tipoins  ,     switch (exp_tipoins = 'N', 'Nacional'  ,           "
         "  exp_tipoins = 'R', 'Regional'  ,             exp_tipoins = 'E', 'Estrangeiro'  ,            "
         " exp_tipoins = 'P', 'Padrao')     as exp_tipodesc ,  exp_ncmins  ,  exp_detinsvlt  , "
         " exp_descins  ,  exp_espetec  ,  codunid  ,  exp_coeftec    FROM KX_EXPINSUMO A   WHERE       "
         "  a.emp_inscvlt = 'I''1'    AND a.exp_codprod = 11    AND a.exp_tipoins in ('N', 'R')     AND"
         " NOT EXISTS (  SELECT * FROM KX_INSUMO B   WHERE         b.emp_inscvlt = a.emp_inscvlt   AND"
         " b.exp_codprod = a.exp_codprod   AND b.exp_codins  = a.exp_codins   AND b.lot_numero  = 'L''1')"},
        {SQLInsumosEstPadForaLote(insc, lote, "11"),
         " SELECT  exp_codins  ,  exp_tipoins  ,     switch (exp_tipoins = 'N', 'Nacional'  ,           "
         "  exp_tipoins = 'R', 'Regional'  ,             exp_tipoins = 'E', 'Estrangeiro'  ,            "
         " exp_tipoins = 'P', 'Padrao')     as exp_tipodesc ,  exp_ncmins  ,  exp_detinsvlt  , "
         " exp_descins  ,  exp_espetec  ,  codunid  ,  exp_coeftec    FROM KX_EXPINSUMO A   WHERE       "
         "  a.emp_inscvlt = 'I''1'    AND a.exp_codprod = 11    AND a.exp_tipoins in ('E', 'P')     AND"
         " NOT EXISTS (  SELECT * FROM KX_INSUMO B   WHERE         b.emp_inscvlt = a.emp_inscvlt   AND"
         " b.exp_codprod = a.exp_codprod   AND b.exp_codins  = a.exp_codins   AND b.lot_numero  = 'L''1')"},
        {SQLLotesKit(insc), " SELECT  *  FROM KX_LOTE WHERE        emp_inscvlt = 'I''1'   AND lot_ehkit = '1' "},
    };
    for (const auto& [sql, esperado] : casos) {
        EXPECT_EQ(sql, esperado);
        TConsulta q(&conexao);
        q.DefinirSQL(sql);
        EXPECT_NO_THROW(q.Abrir()) << sql;
    }
}

TEST_F(SQLListasTeste, EmpresasPeloNomeEUnidadesPeloCodigoComoTexto) {
    EXPECT_EQ(Coluna(SQLEmpresas(), "emp_razao"), (Textos{"ÁGUA", "beta", "zeta"}));
    EXPECT_EQ(Coluna(SQLUnidades(), "codunid"), (Textos{"1", "10", "2"}));
    EXPECT_EQ(Coluna(SQLUnidades(), "descunid"), (Textos{"UNIDADE", "QUILO", "METRO"}));
}

TEST_F(SQLListasTeste, ProdutosDaEmpresaSoComReferenciasCompletas) {
    const std::string sql = SQLProdutosEmpresa("200000001");
    // Product 1 prefixes two zone products and is listed once for each; products 3, 4 and 5
    // miss their zone product, tipoIns or unit.
    EXPECT_EQ(Coluna(sql, "exp_codprod"), (Textos{"1", "1", "2"}));
    EXPECT_EQ(Ordenados(Coluna(sql, "nm_produto_xvm")), (Textos{"RADIO A", "RADIO B", "TV"}));
    EXPECT_EQ(Coluna(sql, "prdt_desctipo"), (Textos{"AM/FM", "AM/FM", "LCD"}));
    EXPECT_EQ(Coluna(sql, "codunid"), (Textos{"10", "10", "1"}));
    EXPECT_EQ(Coluna(sql, "descunid"), (Textos{"QUILO", "QUILO", "UNIDADE"}));
    EXPECT_EQ(Coluna(sql, "exp_tipoprodvlt"), (Textos{"001", "001", "002"}));
    EXPECT_EQ(Coluna(sql, "cus_codigo"), (Textos{"CC1", "CC1", "CC2"}));
    EXPECT_EQ(Coluna(sql, "mod_codemp"), (Textos{"M1", "M1", "M2"}));
    EXPECT_TRUE(Coluna(SQLProdutosEmpresa("2000'0001"), "exp_codprod").empty());
}

TEST_F(SQLListasTeste, TiposDoProdutoEDetalhesDoItem) {
    EXPECT_EQ(Ordenados(Coluna(SQLTiposProduto("1234"), "prdt_codtipo")), (Textos{"001", "003"}));
    EXPECT_EQ(Coluna(SQLTiposProduto("5678"), "prdt_desctipo"), (Textos{"LCD"}));
    const std::string sql = SQLDetalhesItem("1234", "39269090");
    EXPECT_EQ(Ordenados(Coluna(sql, "vtncm_detalhe")), (Textos{"0001", "0002"}));
    EXPECT_EQ(Ordenados(Coluna(sql, "vtncm_descricao")), (Textos{"PARAFUSO", "PORCA"}));
    EXPECT_TRUE(Coluna(SQLDetalhesItem("5678", "85287200"), "vtncm_detalhe").empty());
}

TEST_F(SQLListasTeste, InsumosPadraoEOutros) {
    const std::string padrao = SQLInsumosPadrao("200000001", "1");
    EXPECT_EQ(Coluna(padrao, "exp_codins"), (Textos{"1", "7"}));
    EXPECT_EQ(Coluna(padrao, "exp_desctipoins"), (Textos{"Padrao", "Padrao"}));
    EXPECT_EQ(Coluna(padrao, "exp_coeftec"), (Textos{"2", "0,25"}));
    EXPECT_EQ(Coluna(padrao, "descunid"), (Textos{"METRO", "METRO"}));
    EXPECT_EQ(Coluna(padrao, "status"), (Textos{"0", "0"}));
    EXPECT_EQ(Coluna(padrao, "ins_codemp"), (Textos{"", "PN7"}));
    EXPECT_EQ(Coluna(padrao, "exp_espetec"), (Textos{"", "AÇO"}));

    // Every tipoIns but "P", a null one included; an unknown tipoIns has no description and a
    // unit missing from the register an empty description.
    const std::string outros = SQLInsumosOutros("200000001", "1");
    EXPECT_EQ(Coluna(outros, "exp_codins"), (Textos{"2", "3", "4", "5", "6"}));
    EXPECT_EQ(Coluna(outros, "exp_desctipoins"), (Textos{"Estrangeiro", "", "Nacional", "Regional", ""}));
    EXPECT_EQ(Coluna(outros, "exp_tipoins"), (Textos{"E", "", "N", "R", "X"}));
    EXPECT_EQ(Coluna(outros, "codunid"), (Textos{"99", "1", "1", "1", "1"}));
    EXPECT_EQ(Coluna(outros, "descunid"), (Textos{"", "UNIDADE", "UNIDADE", "UNIDADE", "UNIDADE"}));
    EXPECT_EQ(Coluna(outros, "exp_coeftec"), (Textos{"1,5", "1", "1", "1", "1"}));

    EXPECT_EQ(Coluna(SQLInsumosPadrao("200000001", "2"), "exp_codins"), (Textos{"1"}));
    EXPECT_TRUE(Coluna(SQLInsumosOutros("200000001", "2"), "exp_codins").empty());
}

TEST_F(SQLListasTeste, LinhasDoEnvio) {
    const std::string produto = SQLProdutoEnvio("200000001", "2");
    EXPECT_EQ(Coluna(produto, "emp_inscvlt"), (Textos{"200000001"}));
    EXPECT_EQ(Coluna(produto, "exp_modprod"), (Textos{"MOD 2"}));
    EXPECT_EQ(Coluna(produto, "exp_status"), (Textos{""}));
    EXPECT_TRUE(Coluna(SQLProdutoEnvio("200000001", "9"), "exp_codprod").empty());

    const std::string insumos = SQLInsumosEnvio("200000001", "1");
    EXPECT_EQ(Ordenados(Coluna(insumos, "exp_codins")), (Textos{"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(Ordenados(Coluna(insumos, "exp_coeftec")), (Textos{"0,25", "1", "1", "1", "1", "1,5", "2"}));
}

// The lookup dialog uses a statement in place of a table: SELECT <columns> FROM (<statement>)
// WHERE <column> LIKE '<pattern>'.
TEST_F(SQLListasTeste, TabelasDerivadasDaPesquisa) {
    const std::string xvm = "CD_PRODUTO_XVM, NM_PRODUTO_XVM";
    const std::string ncms = "NCM_CODIGO, NCM_DESCRICAO, NPS_CODTIPO, UNI_CODIGO";
    const std::string itens = "NCM_CODIGO, NCM_DESCRICAO, VTNCM_DETALHE, UNI_CODIGO";
    const std::string produtos = "EXP_CODPROD, EXP_CODPRODVLT, EXP_NCMPROD, NM_PRODUTO_XVM, PRDT_DESCTIPO, "
                                 "EXP_MODPROD, EXP_TIPOPRODVLT, CODUNID";
    const std::string insumos = "EXP_CODINS, EXP_TIPODESC, EXP_NCMINS, EXP_DESCINS, EXP_ESPETEC, CODUNID, EXP_COEFTEC, "
                                "EXP_TIPOINS, EXP_DETINSVLT";
    struct Caso {
        std::string sql, colunas, busca, padrao, retorno;
        Textos esperado;
    };
    // clang-format off
    const std::vector<Caso> casos = {
        {SQLProdutosXVM(), xvm, "NM_PRODUTO_XVM", "radio%", "CD_PRODUTO_XVM", {"1234", "1234"}},
        {SQLProdutosXVM(), xvm, "CD_PRODUTO_XVM", "%78", "NM_PRODUTO_XVM", {"TV"}},
        {SQLNCMsProduto("1234", "001"), ncms, "NCM_DESCRICAO", "%Á%", "UNI_CODIGO", {"10", "2"}},
        {SQLNCMsProduto("1234", "001"), ncms, "NCM_CODIGO", "8527%", "NCM_CODIGO", {"85271300"}},
        {SQLNCMsItem("1234"), itens, "NCM_CODIGO", "%%", "NCM_CODIGO", {"39269090", "39269090", "73181500"}},
        {SQLNCMsItem("1234"), itens, "NCM_DESCRICAO", "%o'%", "NCM_CODIGO", {}},
        {SQLProdutosForaLote("200000001", "L1"), produtos, "EXP_CODPROD", "%", "EXP_CODPROD", {"1", "1", "5"}},
        {SQLProdutosForaLote("200000001", "L1"), produtos, "EXP_CODPROD", "1%", "NM_PRODUTO_XVM", {"RADIO A", "RADIO B"}},
        {SQLProdutosForaLote("200000001", "L2"), produtos, "NM_PRODUTO_XVM", "%", "EXP_CODPROD", {"2", "5"}},
        {SQLInsumosNacRegForaLote("200000001", "L1", "1"), insumos, "EXP_CODINS", "%", "EXP_TIPODESC", {"Nacional"}},
        {SQLInsumosEstPadForaLote("200000001", "L1", "1"), insumos, "EXP_CODINS", "%", "EXP_CODINS", {"1", "2", "7"}},
        {SQLInsumosEstPadForaLote("200000001", "L2", "1"), insumos, "EXP_DESCINS", "PARA%", "EXP_TIPODESC",
         {"Estrangeiro"}},
        {SQLLotesKit("200000001"), "LOT_NUMERO", "LOT_NUMERO", "%", "LOT_NUMERO", {"L1"}},
    };
    // clang-format on
    for (const auto& c : casos) {
        const std::string sql =
            " SELECT  " + c.colunas + " FROM (" + c.sql + ") WHERE " + c.busca + " LIKE " + Q(c.padrao);
        EXPECT_EQ(Ordenados(Coluna(sql, c.retorno)), c.esperado) << sql;
    }
    // A derived table that ends in ORDER BY keeps its order.
    EXPECT_EQ(Coluna(" SELECT  NCM_CODIGO, VTNCM_DETALHE FROM (" + SQLNCMsItem("1234") + ") WHERE NCM_CODIGO LIKE '%'",
                     "NCM_CODIGO"),
              (Textos{"39269090", "39269090", "73181500"}));
}

// Windows walk a list on qry_sel and may ask a lookup for each row: the lookup runs on its
// own query and leaves the walk where it was.
TEST_F(SQLListasTeste, ListaNoQrySelComConsultasDuranteAPassagem) {
    dm_DatConn = std::make_unique<Tdm_DatConn>();
    ASSERT_TRUE(dm_DatConn->Conectar());
    TConsulta& q = AbrirLista(SQLInsumosOutros("200000001", "1"));
    q.Ultimo();
    EXPECT_EQ(q.Posicao() + 1, 5);
    q.Primeiro();
    Textos unidades;
    for (; !q.Fim(); q.Proximo()) {
        unidades.push_back(DescricaoUnidade(q.Texto("codunid")));
    }
    EXPECT_EQ(unidades, (Textos{"", "UNIDADE", "UNIDADE", "UNIDADE", "UNIDADE"}));
    dm_DatConn.reset();
}

} // namespace
