#include "apoio/AmbienteTeste.h"
#include "comum/Erros.h"
#include "dados/BancoDados.h"
#include "dados/DelAccessUsoGeral.h"
#include "dados/InsAccessUsoGeral.h"
#include "dados/UpdAccessUsoGeral.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class ComandosTeste : public ::testing::Test {
protected:
    void SetUp() override {
        ambiente.Conectar(conexao);
        ins.DefineConexao(&conexao);
        upd.DefineConexao(&conexao);
        del.DefineConexao(&conexao);
    }

    // One row read back with the program's own reading rules.
    TConsulta Ler(const std::string& sql) {
        TConsulta q(&conexao);
        q.DefinirSQL(sql);
        q.Abrir();
        return q;
    }

    int Contar(const std::string& tabela) {
        return static_cast<int>(Ler("SELECT COUNT(*) AS n FROM " + tabela).Inteiro("n"));
    }

    AmbienteTeste ambiente;
    TConexao conexao;
    TAccessIns ins;
    TAccessUpd upd;
    TAccessDel del;
};

TEST_F(ComandosTeste, InstrucoesMontadasPecaPorPeca) {
    const std::string insc = "I'1", razao = "RZ'1", unid = "U'1", cod = "CO'1", prodVlt = "PV'1", tipoProd = "TP'1",
                      ncm = "NC'1", modelo = " MO'1 ", tipoIns = "T'1", espetec = " ES'1 ", descr = " DS'1 ",
                      centroCusto = "CC'1", modEmp = "CM'1", insEmp = "CI'1";
    using Casos = std::vector<std::pair<std::function<void()>, std::string>>;
    const auto conferir = [](TConsulta* (*consulta)(), const Casos& casos) {
        for (const auto& [executar, esperado] : casos) {
            executar();
            EXPECT_EQ(consulta()->SQL(), esperado);
        }
    };
    conferir(InsAccessUsoGeral::Consulta,
             {
                 {[&] { InsereEmpresa(insc, razao); },
                  " INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao)  VALUES ( 'I''1' , 'RZ''1' ) "},
                 {[&] { InsereUnidade(cod, descr); },
                  " INSERT INTO KXUNIDADES (codunid, descunid)  VALUES ( 'CO''1' , ' DS''1 ' ) "},
                 {[&] { InsereProduto(insc, "11", unid, ncm, prodVlt, tipoProd, modelo, "", centroCusto, modEmp); },
                  " INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt,  "
                  " exp_tipoprodvlt, exp_modprod, exp_status, cus_codigo, mod_codemp)  VALUES ( 'I''1' , 11 ,"
                  " 'U''1' , 'NC''1' , 'PV''1' , 'TP''1' , ' MO''1 ' , null , 'CC''1' , 'CM''1' ) "},
                 {[&] { InsereInsumo(insc, "11", "22", unid, tipoIns, ncm, "", descr, espetec, insEmp, 0.25); },
                  " INSERT INTO KX_EXPINSUMO (emp_inscvlt, exp_codprod, exp_codins, codunid, exp_tipoins,"
                  " exp_ncmins,   exp_coeftec, exp_detinsvlt, exp_descins, ins_codemp, exp_espetec)  VALUES ("
                  " 'I''1' , 11 , 22 , 'U''1' , 'T''1' , 'NC''1' , 0.25 , null , ' DS''1 ' , 'CI''1' , ' ES''1 '"
                  " ) "},
             });
    conferir(UpdAccessUsoGeral::Consulta,
             {
                 {[&] { AlteraEmpresa(insc, razao); },
                  " UPDATE KX_EMPRESA T1     SET T1.emp_razao = 'RZ''1'  WHERE T1.emp_inscvlt = 'I''1'"},
                 {[&] { AlteraUnidade(cod, descr); },
                  " UPDATE KXUNIDADES T1     SET T1.descunid = ' DS''1 '  WHERE T1.codunid = 'CO''1'"},
                 {[&] { AlteraProduto(insc, "11", unid, ncm, prodVlt, tipoProd, modelo, centroCusto, modEmp); },
                  " UPDATE KX_EXPPRODUTO    SET codunid = 'U''1' ,         exp_codprodvlt = 'PV''1' ,        "
                  " exp_tipoprodvlt = 'TP''1' ,         exp_modprod  = ' MO''1 ' ,         exp_ncmprod  = 'NC''1'"
                  " ,         cus_codigo  = 'CC''1' ,         mod_codemp  = 'CM''1'   WHERE emp_inscvlt = 'I''1' "
                  "   AND exp_codprod = 11"},
                 {[&] { AlteraInsumo(insc, "11", "22", unid, tipoIns, ncm, "", descr, espetec, insEmp, 0.25); },
                  "UPDATE  KX_EXPINSUMO   SET codunid = 'U''1' ,        exp_tipoins = 'T''1' ,        exp_ncmins"
                  " = 'NC''1' ,        exp_detinsvlt = null ,        exp_descins = ' DS''1 ' ,        exp_espetec"
                  " = ' ES''1 ' ,        exp_coeftec = 0.25 ,        ins_codemp = 'CI''1' WHERE emp_inscvlt ="
                  " 'I''1'   AND exp_codprod = 11   AND exp_codins  = 22"},
             });
    conferir(DelAccessUsoGeral::Consulta,
             {
                 {[&] { ExcluiEmpresa(insc); }, " DELETE    FROM KX_EMPRESA T1   WHERE T1.emp_inscvlt = 'I''1'"},
                 {[&] { ExcluiUnidade(cod); }, " DELETE    FROM KXUNIDADES T1   WHERE T1.codunid = 'CO''1'"},
                 {[&] { ExcluiProduto(insc, "11"); },
                  " DELETE    FROM KX_EXPPRODUTO T1   WHERE T1.emp_inscvlt = 'I''1'    AND T1.exp_codprod = 11"},
                 {[&] { ExcluiErrosProduto(insc, "11"); },
                  " DELETE    FROM KX_ERRO T1   WHERE T1.emp_inscvlt = 'I''1'    AND T1.exp_codprod = 11"},
                 {[&] { ExcluiInsumosProduto(insc, "11"); },
                  " DELETE    FROM KX_EXPINSUMO T1   WHERE T1.emp_inscvlt = 'I''1'    AND T1.exp_codprod = 11"},
                 {[&] { ExcluiInsumo(insc, "11", "22"); },
                  " DELETE    FROM KX_EXPINSUMO T1   WHERE T1.emp_inscvlt = 'I''1'    AND T1.exp_codprod = 11   "
                  " AND T1.exp_codins = 22"},
             });
}

TEST_F(ComandosTeste, EmpresasEUnidadesComAspasGuardamOTextoComoE) {
    EXPECT_EQ(InsereEmpresa("200000001", "D'ÁGUA & FILHOS"), 1);
    EXPECT_EQ(Ler("SELECT emp_razao FROM KX_EMPRESA").Texto("emp_razao"), "D'ÁGUA & FILHOS");
    EXPECT_EQ(AlteraEmpresa("200000001", "D'ÁGUA ''S/A''"), 1);
    EXPECT_EQ(Ler("SELECT emp_razao FROM KX_EMPRESA").Texto("emp_razao"), "D'ÁGUA ''S/A''");
    EXPECT_EQ(AlteraEmpresa("20000000'1", "X"), 0);
    EXPECT_EQ(ExcluiEmpresa("200000001' OR '1'='1"), 0);
    EXPECT_EQ(Contar("KX_EMPRESA"), 1);
    EXPECT_EQ(ExcluiEmpresa("200000001"), 1);
    EXPECT_EQ(Contar("KX_EMPRESA"), 0);

    EXPECT_EQ(InsereUnidade("1", "POLEGADA (\")"), 1);
    EXPECT_EQ(InsereUnidade("2", "PÉ'"), 1);
    EXPECT_EQ(AlteraUnidade("2", "PÉS'"), 1);
    EXPECT_EQ(Ler("SELECT descunid FROM KXUNIDADES WHERE codunid = '2'").Texto("descunid"), "PÉS'");
    EXPECT_EQ(ExcluiUnidade("1"), 1);
    EXPECT_EQ(ExcluiUnidade("1"), 0);
    EXPECT_EQ(Contar("KXUNIDADES"), 1);
}

TEST_F(ComandosTeste, ProdutoNovoSemStatusEAlteracaoNaoTocaNoStatus) {
    EXPECT_EQ(InsereProduto("200000001", "1", "10", "85271300", "1234", "001", "MODELO 'A'", "", "CC", "M1"), 1);
    EXPECT_EQ(InsereProduto("200000001", "2", "10", "85271300", "1234", "001", "MODELO B", "S", "", ""), 1);
    EXPECT_TRUE(Ler("SELECT exp_status FROM KX_EXPPRODUTO WHERE exp_codprod = 1").Nulo("exp_status"));
    EXPECT_EQ(Ler("SELECT exp_status FROM KX_EXPPRODUTO WHERE exp_codprod = 2").Texto("exp_status"), "S");

    EXPECT_EQ(AlteraProduto("200000001", "2", "1", "39269090", "5678", "002", "MODELO C'", "CC2", "M2'"), 1);
    TConsulta q = Ler("SELECT * FROM KX_EXPPRODUTO WHERE exp_codprod = 2");
    EXPECT_EQ(q.Texto("codunid"), "1");
    EXPECT_EQ(q.Texto("exp_ncmprod"), "39269090");
    EXPECT_EQ(q.Texto("exp_codprodvlt"), "5678");
    EXPECT_EQ(q.Texto("exp_tipoprodvlt"), "002");
    EXPECT_EQ(q.Texto("exp_modprod"), "MODELO C'");
    EXPECT_EQ(q.Texto("cus_codigo"), "CC2");
    EXPECT_EQ(q.Texto("mod_codemp"), "M2'");
    EXPECT_EQ(q.Texto("exp_status"), "S");
    EXPECT_EQ(Ler("SELECT exp_modprod FROM KX_EXPPRODUTO WHERE exp_codprod = 1").Texto("exp_modprod"), "MODELO 'A'");
    EXPECT_EQ(AlteraProduto("200000001", "3", "1", "", "", "", "", "", ""), 0);
}

TEST_F(ComandosTeste, InsumoComOpcionaisEmBrancoECoeficienteComPonto) {
    EXPECT_EQ(InsereInsumo("200000001", "1", "1", "2", "E", "39269090", "", " ", "", "PN", 0.25), 1);
    EXPECT_NE(InsAccessUsoGeral::Consulta()->SQL().find(" , 0.25 , null , null , 'PN' , null ) "), std::string::npos)
        << InsAccessUsoGeral::Consulta()->SQL();
    TConsulta q = Ler("SELECT * FROM KX_EXPINSUMO WHERE exp_codins = 1");
    EXPECT_TRUE(q.Nulo("exp_detinsvlt"));
    EXPECT_TRUE(q.Nulo("exp_descins"));
    EXPECT_TRUE(q.Nulo("exp_espetec"));
    EXPECT_TRUE(q.Nulo("exp_status"));
    EXPECT_DOUBLE_EQ(q.Flutuante("exp_coeftec"), 0.25);
    EXPECT_EQ(q.Texto("exp_tipoins"), "E");

    EXPECT_EQ(InsereInsumo("200000001", "1", "2", "2", "P", "39269090", "0001", "O'RING", " AÇO 'X' ", "PN-2", 12), 1);
    EXPECT_NE(InsAccessUsoGeral::Consulta()->SQL().find(" , 12 , '0001' , 'O''RING' , 'PN-2' , ' AÇO ''X'' ' ) "),
              std::string::npos)
        << InsAccessUsoGeral::Consulta()->SQL();
    q = Ler("SELECT * FROM KX_EXPINSUMO WHERE exp_codins = 2");
    EXPECT_EQ(q.Texto("exp_descins"), "O'RING");
    EXPECT_EQ(q.Texto("exp_espetec"), " AÇO 'X' ");
    EXPECT_EQ(q.Texto("ins_codemp"), "PN-2");
    EXPECT_EQ(q.Texto("exp_coeftec"), "12");

    // Blank values clear what was stored; the coefficient keeps every digit it is given.
    EXPECT_EQ(AlteraInsumo("200000001", "1", "2", "10", "N", "73181500", "  ", "", "", "", 0.0000001), 1);
    EXPECT_NE(UpdAccessUsoGeral::Consulta()->SQL().find("exp_coeftec = 1E-7 ,"), std::string::npos)
        << UpdAccessUsoGeral::Consulta()->SQL();
    q = Ler("SELECT * FROM KX_EXPINSUMO WHERE exp_codins = 2");
    EXPECT_TRUE(q.Nulo("exp_detinsvlt"));
    EXPECT_TRUE(q.Nulo("exp_descins"));
    EXPECT_TRUE(q.Nulo("exp_espetec"));
    EXPECT_TRUE(q.Nulo("ins_codemp"));
    EXPECT_EQ(q.Texto("codunid"), "10");
    EXPECT_EQ(q.Texto("exp_tipoins"), "N");
    EXPECT_EQ(q.Texto("exp_ncmins"), "73181500");
    EXPECT_DOUBLE_EQ(q.Flutuante("exp_coeftec"), 0.0000001);

    EXPECT_EQ(AlteraInsumo("200000001", "1", "9", "10", "N", "73181500", "", "", "", "", 1234.5678), 0);
    EXPECT_NE(UpdAccessUsoGeral::Consulta()->SQL().find("exp_coeftec = 1234.5678 ,"), std::string::npos);
}

TEST_F(ComandosTeste, ExclusoesDoProdutoEDosInsumos) {
    conexao.ExecutarNativo(R"(
        INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod) VALUES ('200000001', 1), ('200000001', 2),
                                                                    ('200000002', 1);
        INSERT INTO KX_EXPINSUMO (emp_inscvlt, exp_codprod, exp_codins) VALUES ('200000001', 1, 1),
            ('200000001', 1, 2), ('200000001', 1, 3), ('200000001', 2, 1), ('200000002', 1, 1);
        INSERT INTO KX_ERRO (emp_inscvlt, exp_codprod, err_sequencia) VALUES ('200000001', 1, 1), ('200000001', 1, 2),
                                                                            ('200000002', 1, 1);
    )");
    EXPECT_EQ(ExcluiInsumo("200000001", "1", "2"), 1);
    EXPECT_EQ(ExcluiInsumo("200000001", "1", "2"), 0);
    EXPECT_EQ(ExcluiInsumosProduto("200000001", "1"), 2);
    EXPECT_EQ(ExcluiProduto("200000001", "1"), 1);
    EXPECT_EQ(ExcluiErrosProduto("200000001", "1"), 2);
    EXPECT_EQ(Contar("KX_EXPINSUMO"), 2);
    EXPECT_EQ(Contar("KX_EXPPRODUTO"), 2);
    EXPECT_EQ(Contar("KX_ERRO"), 1);

    // A product without inputs or error rows: each delete reports what it removed.
    EXPECT_EQ(ExcluiInsumosProduto("200000001", "2"), 1);
    EXPECT_EQ(ExcluiInsumosProduto("200000001", "2"), 0);
    EXPECT_EQ(ExcluiProduto("200000001", "2"), 1);
    EXPECT_EQ(ExcluiErrosProduto("200000001", "2"), 0);
    EXPECT_EQ(ExcluiProduto("200000001", "2"), 0);
}

TEST_F(ComandosTeste, ErrosDoBancoChegamAoChamador) {
    ASSERT_EQ(InsereEmpresa("200000001", "ACME"), 1);
    try {
        InsereEmpresa("200000001", "OUTRA");
        FAIL() << "chave repetida aceita";
    } catch (const ErroBanco& e) {
        EXPECT_NE(std::string(e.what()).find("UNIQUE constraint failed"), std::string::npos) << e.what();
    }
    EXPECT_EQ(Ler("SELECT emp_razao FROM KX_EMPRESA").Texto("emp_razao"), "ACME");

    // Codes go into the statements bare: anything but a whole number is refused and
    // nothing is written.
    EXPECT_THROW(InsereProduto("200000001", "", "1", "", "", "", "", "", "", ""), ErroBanco);
    EXPECT_THROW(InsereInsumo("200000001", "1", "1); DELETE FROM KX_EMPRESA; --", "1", "P", "", "", "", "", "", 1),
                 ErroBanco);
    EXPECT_THROW(AlteraInsumo("200000001", "1", "x", "1", "P", "", "", "", "", "", 1), ErroBanco);
    EXPECT_THROW(ExcluiProduto("200000001", "1 OR 1=1"), ErroBanco);
    EXPECT_EQ(Contar("KX_EXPPRODUTO"), 0);
    EXPECT_EQ(Contar("KX_EXPINSUMO"), 0);
    EXPECT_EQ(Contar("KX_EMPRESA"), 1);
}

} // namespace
