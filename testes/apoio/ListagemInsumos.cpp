#include "apoio/ListagemInsumos.h"

#include "comum/RotinasUteis.h"
#include "dados/BancoDados.h"
#include "dados/DatConn.h"
#include "dados/SelAccessUsoGeral.h"

#include <stdexcept>

namespace {

const char* const kEmpresa = "200123456";

std::string Texto(const std::optional<std::string>& valor) {
    return valor ? Q(*valor) : "null";
}

std::optional<std::string> Opcional(const TConsulta& consulta, const char* coluna) {
    if (consulta.Nulo(coluna)) {
        return std::nullopt;
    }
    return consulta.Texto(coluna);
}

std::vector<InsumoGravado> Ler(const TClsLExProduto& produto, const std::string& filtro) {
    TConsulta consulta(&dm_DatConn->adocon_korvex);
    consulta.Abrir("SELECT * FROM KX_EXPINSUMO WHERE emp_inscvlt = " + Q(produto.emp_inscvlt()) +
                   " AND exp_codprod = " + produto.exp_codprod() + filtro + " ORDER BY exp_codins");
    std::vector<InsumoGravado> insumos;
    for (; !consulta.Fim(); consulta.Proximo()) {
        InsumoGravado r;
        r.codins = static_cast<int>(consulta.Inteiro("exp_codins"));
        r.tipo = Opcional(consulta, "exp_tipoins");
        r.ncm = consulta.Texto("exp_ncmins");
        r.detalhe = Opcional(consulta, "exp_detinsvlt");
        r.descricao = Opcional(consulta, "exp_descins");
        r.especificacao = Opcional(consulta, "exp_espetec");
        r.coeficiente = consulta.Flutuante("exp_coeftec");
        r.codunid = consulta.Texto("codunid");
        r.codEmpresa = Opcional(consulta, "ins_codemp");
        insumos.push_back(r);
    }
    return insumos;
}

} // namespace

TClsLExProduto NovoProduto(int origem, bool comInsumos) {
    TConexao& c = dm_DatConn->adocon_korvex;
    const std::string codigo = std::to_string(ProximoCodigoProduto(kEmpresa));
    const std::string de =
        " FROM KX_EXPPRODUTO WHERE emp_inscvlt = " + Q(kEmpresa) + " AND exp_codprod = " + std::to_string(origem);
    c.Executar("INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt, "
               "exp_tipoprodvlt, exp_modprod) SELECT emp_inscvlt, " +
               codigo + ", codunid, exp_ncmprod, exp_codprodvlt, exp_tipoprodvlt, 'MODELO " + codigo + "'" + de);
    if (comInsumos) {
        c.Executar(
            "INSERT INTO KX_EXPINSUMO (emp_inscvlt, exp_codprod, exp_codins, codunid, exp_tipoins, exp_ncmins, "
            "exp_detinsvlt, exp_descins, exp_espetec, exp_coeftec, exp_status, ins_codemp) SELECT emp_inscvlt, " +
            codigo +
            ", exp_codins, codunid, exp_tipoins, exp_ncmins, exp_detinsvlt, exp_descins, exp_espetec, "
            "exp_coeftec, exp_status, ins_codemp FROM KX_EXPINSUMO WHERE emp_inscvlt = " +
            Q(kEmpresa) + " AND exp_codprod = " + std::to_string(origem));
    }
    TConsulta consulta(&c);
    consulta.Abrir("SELECT exp_codprodvlt" + de);
    TClsLExProduto produto;
    produto.Set_emp_inscvlt(kEmpresa);
    produto.Set_exp_codprod(codigo);
    produto.Set_exp_codprodvlt(consulta.Texto("exp_codprodvlt"));
    return produto;
}

int InserirInsumo(const TClsLExProduto& produto, const InsumoGravado& r) {
    const int codins = ProximoCodigoInsumo(produto.emp_inscvlt(), produto.exp_codprod());
    dm_DatConn->adocon_korvex.Executar(
        "INSERT INTO KX_EXPINSUMO (emp_inscvlt, exp_codprod, exp_codins, codunid, exp_tipoins, exp_ncmins, "
        "exp_detinsvlt, exp_descins, exp_espetec, exp_coeftec, ins_codemp) VALUES (" +
        Q(produto.emp_inscvlt()) + ", " + produto.exp_codprod() + ", " + std::to_string(codins) + ", " + Q(r.codunid) +
        ", " + Texto(r.tipo) + ", " + Q(r.ncm) + ", " + Texto(r.detalhe) + ", " + Texto(r.descricao) + ", " +
        Texto(r.especificacao) + ", " + FloatParaSQL(r.coeficiente) + ", " + Texto(r.codEmpresa) + ")");
    return codins;
}

std::vector<InsumoGravado> InsumosGravados(const TClsLExProduto& produto) {
    return Ler(produto, "");
}

InsumoGravado InsumoGravadoDe(const TClsLExProduto& produto, int codins) {
    auto insumos = Ler(produto, " AND exp_codins = " + std::to_string(codins));
    if (insumos.empty()) {
        throw std::runtime_error("insumo " + std::to_string(codins) + " não encontrado");
    }
    return insumos.front();
}

TclsLExInsumo RegistroDe(const TClsLExProduto& produto, const InsumoGravado& g) {
    TclsLExInsumo r;
    r.Set_emp_inscvlt(produto.emp_inscvlt());
    r.Set_exp_codprod(produto.exp_codprod());
    r.Set_exp_codins(g.codins);
    r.Set_exp_tipoins(g.tipo.value_or(""));
    r.Set_exp_ncmins(g.ncm);
    r.Set_exp_detinsvlt(g.detalhe.value_or(""));
    r.Set_exp_descins(g.descricao.value_or(""));
    r.Set_exp_espetec(g.especificacao.value_or(""));
    r.Set_exp_coeftec(g.coeficiente);
    r.Set_codunid(g.codunid);
    r.Set_ins_codemp(g.codEmpresa.value_or(""));
    return r;
}
