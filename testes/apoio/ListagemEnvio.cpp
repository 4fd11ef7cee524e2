#include "apoio/ListagemEnvio.h"

#include "dados/BancoDados.h"

void CriarListagemEnvio(TConexao& c) {
    for (const char* sql : {
             "INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('200123456', 'ELETRÔNICA AMAZÔNIA LTDA')",
             "INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('200654321', 'SEM PRODUTOS S.A.')",
             "INSERT INTO KXUNIDADES (codunid, descunid) VALUES ('1', 'UNIDADE')",
             "INSERT INTO KXUNIDADES (codunid, descunid) VALUES ('10', 'CONJUNTO')",
             "INSERT INTO T_PROXVM (cd_produto_xvm, nm_produto_xvm) VALUES ('040101', 'Televisor')",
             "INSERT INTO T_PROXVM (cd_produto_xvm, nm_produto_xvm) VALUES ('040201', 'Ar condicionado')",
             "INSERT INTO PRJ_TIPO_PROD (prdt_codprod, prdt_codtipo, prdt_desctipo) VALUES ('0401', '001', 'Padrão')",
             "INSERT INTO PRJ_TIPO_PROD (prdt_codprod, prdt_codtipo, prdt_desctipo) VALUES ('0402', '001', 'Padrão')",
             "INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt, "
             "exp_tipoprodvlt, exp_modprod, cus_codigo, mod_codemp) VALUES "
             "('200123456', 1, '1', '84151011', '0402', '001', 'SPLIT 12000', 'CC-02', 'SPL12'), "
             "('200123456', 2, '10', '85287200', '0401', '001', '  TV AÇAÍ 43\" ', 'CC-01', 'TV43'), "
             "('200123456', 3, '1', '85287300', '0401', '001', 'TV 50', null, null)",
             "INSERT INTO KX_EXPINSUMO (emp_inscvlt, exp_codprod, exp_codins, codunid, exp_tipoins, exp_ncmins, "
             "exp_detinsvlt, exp_descins, exp_espetec, exp_coeftec, ins_codemp) VALUES "
             "('200123456', 2, 1, '1', 'E', '85423190', null, 'Painel', '  Resolução 3840x2160 ', 0.1234567, "
             "'PN-01'), "
             "('200123456', 2, 2, '1', 'N', '39269090', null, 'Parafuso', null, 12345678.9876543, null), "
             "('200123456', 1, 1, '1', 'P', '84159020', '0001', 'Compressor', 'Rotativo', 1.5, null)",
         }) {
        c.Executar(sql);
    }
}
