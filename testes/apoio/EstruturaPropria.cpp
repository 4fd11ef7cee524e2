#include "apoio/EstruturaPropria.h"

#include "comum/Cp1252.h"
#include "comum/RotinasUteis.h"
#include "dados/BancoDados.h"

#include <fstream>
#include <random>

namespace fs = std::filesystem;

void PreencherDadosImportacao(TConexao& c) {
    TTransacao transacao(c);
    c.Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES (" + Q(kInscricaoTeste) + ", " + Q(kRazaoTeste) +
               ")");
    for (const char* unidade : {"('1', 'UNIDADE')", "('2', 'QUILOGRAMA')", "('10', 'CONJUNTO')"}) {
        c.Executar(std::string("INSERT INTO KXUNIDADES (codunid, descunid) VALUES ") + unidade);
    }
    for (const char* ncm : {"('39269090', 'Outras obras de plástico', '2')",
                            "('85299020', 'Partes de receptores', '1')", "('73181500', 'Parafusos', '2')"}) {
        c.Executar(std::string("INSERT INTO PRJ_NCM (ncm_codigo, ncm_descricao, uni_codigo) VALUES ") + ncm);
    }
    for (const char* item :
         {"('0401', '85299020', '0001')", "('0401', '85299020', '0002')", "('0401', '39269090', '0001')"}) {
        c.Executar(std::string("INSERT INTO PROD_ITEM (cd_produto_xvm, cd_mercadoria_ncm, vtncm_detalhe) VALUES ") +
                   item);
    }
    for (const char* detalhe : {"('85299020', '0001', 'Painel de cristal líquido')",
                                "('85299020', '0002', 'Placa principal')", "('39269090', '0001', 'Gabinete')"}) {
        c.Executar(std::string("INSERT INTO VLT_NCM (vtncm_codigo, vtncm_detalhe, vtncm_descricao) VALUES ") + detalhe);
    }
    c.Executar("INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt, "
               "exp_tipoprodvlt, exp_modprod) VALUES (" +
               Q(kInscricaoTeste) + ", 1, '1', '85287200', '0401', '001', 'TV-32')");
    c.Executar("INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt, "
               "exp_tipoprodvlt, exp_modprod) VALUES (" +
               Q(kInscricaoTeste) + ", 2, '1', '85287200', '0402', '001', 'SPLIT-9000')");
    c.Executar("INSERT INTO KX_EXPINSUMO (emp_inscvlt, exp_codprod, exp_codins, codunid, exp_tipoins, exp_ncmins, "
               "exp_coeftec, exp_descins, exp_espetec) VALUES (" +
               Q(kInscricaoTeste) + ", 1, 7, '2', 'N', '73181500', 0.25, 'Parafuso M3', 'Aço inox')");
    transacao.Confirmar();
}

std::string MontarLinha(const LinhaEstruturaPropria& l) {
    const std::string texto = CompletaDireita(l.tipo, 1, " ") + CompletaDireita(l.ncm, 8, " ") +
                              CompletaDireita(l.detalhe, 4, " ") + CompletaDireita(l.descricao, 254, " ") +
                              CompletaDireita(l.coeficiente, 15, " ") + CompletaDireita(l.unidade, 2, " ") +
                              CompletaDireita(l.codEmpresa, 30, " ") + l.especificacao;
    return Utf8ParaCp1252(texto);
}

fs::path GravarArquivoEstruturaPropria(const fs::path& pasta, const std::vector<std::string>& linhas,
                                       const std::string& fimDeLinha) {
    std::random_device rd;
    const fs::path arquivo = pasta / ("insumos-" + std::to_string(rd()) + ".txt");
    std::ofstream saida(arquivo, std::ios::binary);
    for (const auto& linha : linhas) {
        saida << linha << fimDeLinha;
    }
    return arquivo;
}

std::vector<std::string> InsumosDoProduto(TConexao& conexao, const std::string& codProd) {
    TConsulta q(&conexao);
    q.Abrir("SELECT * FROM KX_EXPINSUMO WHERE emp_inscvlt = " + Q(kInscricaoTeste) + " AND exp_codprod = " + codProd +
            " ORDER BY exp_codins");
    std::vector<std::string> linhas;
    for (; !q.Fim(); q.Proximo()) {
        std::string linha;
        for (int c = 0; c < q.QuantidadeCampos(); ++c) {
            linha += (q.Nulo(q.NomeCampo(c)) ? std::string("<nulo>") : q.Texto(c)) + "|";
        }
        linhas.push_back(linha);
    }
    return linhas;
}
