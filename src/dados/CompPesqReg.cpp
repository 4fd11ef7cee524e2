#include "dados/CompPesqReg.h"

#include "comum/Erros.h"
#include "comum/RotinasUteis.h"
#include "dados/SQLListas.h"
#include "dados/clsTabACCESS.h"

#include <memory>

namespace {

// One stored field: caption, column, width, type, searchable, returned.
TItemCampo Campo(const char* legenda, const char* nome, int largura, bool procura, bool retorno,
                 enumTipoCampo tipo = enumTipoCampo::tcString) {
    return TItemCampo{legenda, largura, tipo, procura, retorno, nome, {}};
}

constexpr auto tcInteiro = enumTipoCampo::tcInteiro;

// The thirteen lookup definitions of the dialog, by kind.
const std::vector<TCompPesquisa>& Definicoes() {
    static const std::vector<TCompPesquisa> definicoes = [] {
        const TListaCampos insumosForaLote = {
            Campo("Cód. Insumo", "EXP_CODINS", 80, true, true),
            Campo("Tipo", "EXP_TIPODESC", 100, false, true),
            Campo("NCM", "EXP_NCMINS", 0, false, true),
            Campo("Descrição Insumo", "EXP_DESCINS", 400, true, true),
            Campo("EXP_ESPETEC", "EXP_ESPETEC", 0, false, true),
            Campo("CODUNID", "CODUNID", 0, false, true, tcInteiro),
            Campo("EXP_COEFTEC", "EXP_COEFTEC", 0, false, true),
            Campo("EXP_TIPOINS", "EXP_TIPOINS", 0, false, true),
            Campo("EXP_DETINSVLT", "EXP_DETINSVLT", 0, false, true),
        };
        return std::vector<TCompPesquisa>{
            {"CompPesqInscVlt",
             {Campo("Razão Social", "EMP_RAZAO", 400, true, true),
              Campo("Insc. Vlt.", "EMP_INSCVLT", 80, true, true, tcInteiro)},
             "",
             "Empresa"},
            {"CompPesqPaises",
             {Campo("Código Pais", "PAI_CODIGO", 80, true, true, tcInteiro),
              Campo("Desc. Pais", "PAI_DESC", 400, true, true)},
             "",
             "Países"},
            {"CompPesqPorto",
             {Campo("Código Porto", "POR_CODIGO", 80, true, true, tcInteiro),
              Campo("Desc. Porto", "POR_DESC", 400, true, true)},
             "",
             "Porto"},
            {"CompPesqMoeda",
             {Campo("Código Moeda", "MOE_CODIGO", 80, true, true, tcInteiro),
              Campo("Desc. Moeda", "MOE_DESC", 400, true, true)},
             "",
             "Moeda"},
            {"CompPesqUnidade",
             {Campo("Código Unidade", "CODUNID", 80, true, true, tcInteiro),
              Campo("Desc. Unidade", "DESCUNID", 400, true, true)},
             "",
             "Unidade"},
            {"CompPesqProdXVM",
             {Campo("Código Produto", "CD_PRODUTO_XVM", 120, true, true),
              Campo("Desc. Produto", "NM_PRODUTO_XVM", 400, true, true)},
             "",
             "Produtos"},
            {"CompPesqPRJNCMPRODVLT",
             {Campo("Cód. NCM", "NCM_CODIGO", 100, true, true),
              Campo("NCM Descrição", "NCM_DESCRICAO", 400, true, true),
              Campo("NCM Det", "NPS_CODTIPO", 100, false, false), Campo("Cod. Unid", "UNI_CODIGO", 0, false, true)},
             "",
             "Insumos"},
            {"CompPesqPRODITEM",
             {Campo("Cód. NCM", "NCM_CODIGO", 100, true, true),
              Campo("NCM Descrição", "NCM_DESCRICAO", 400, true, true),
              Campo("NCM Detalhe", "VTNCM_DETALHE", 100, false, false),
              Campo("Cod. Unid", "UNI_CODIGO", 0, false, true)},
             "",
             "Insumos"},
            {"CompPesqPRJNCM",
             {Campo("Cód. NCM", "NCM_CODIGO", 100, true, true),
              Campo("NCM Descrição", "NCM_DESCRICAO", 400, true, true),
              Campo("Cod. Unid", "UNI_CODIGO", 0, false, true)},
             "",
             "Insumos"},
            {"CompPesqProdNCad",
             {Campo("Cód. Prod. KORVEX", "EXP_CODPROD", 150, true, true),
              Campo("Cód. Prod. Veltran", "EXP_CODPRODVLT", 0, false, true),
              Campo("NCM", "EXP_NCMPROD", 0, false, true), Campo("Descrição", "NM_PRODUTO_XVM", 500, true, true),
              Campo("Tipo", "PRDT_DESCTIPO", 80, true, true),
              Campo("Modelo", "EXP_MODPROD", 400, true, true, tcInteiro),
              Campo("Tipo", "EXP_TIPOPRODVLT", 0, false, true), Campo("Unidade", "CODUNID", 0, false, true)},
             "",
             "Insumos"},
            {"CompPesqInsNacNCad", insumosForaLote, "", "Insumos"},
            {"CompPesqInsEstNCad", insumosForaLote, "", "Insumos"},
            {"CompPesqLoteBase", {Campo("Lote Número", "LOT_NUMERO", 200, true, true)}, "", "Insumos"},
        };
    }();
    return definicoes;
}

} // namespace

const TItemCampo* TListaCampos::CampoDaEntrada(int entrada) const {
    if (entrada < 0) {
        return nullptr;
    }
    for (const auto& campo : itens_) {
        if (campo.bClasula && entrada-- == 0) {
            return &campo;
        }
    }
    return nullptr;
}

std::string TCompPesquisa::LerSelecao(const std::vector<std::string>& linha) {
    std::string escolhido;
    bool achou = false;
    for (int i = 0; i < Campos.Quantidade(); ++i) {
        TItemCampo& campo = Campos[i];
        campo.Valor = static_cast<size_t>(i) < linha.size() ? linha[static_cast<size_t>(i)] : std::string();
        if (campo.bRetorno && !achou) {
            escolhido = campo.Valor;
            achou = true;
        }
    }
    return escolhido;
}

void TCompPesquisa::GravarRetorno(TListaNomeValor& Retorno) const {
    for (const auto& campo : Campos) {
        if (campo.bRetorno) {
            Retorno.DefinirValor(campo.NomeCampo, campo.Valor);
        }
    }
}

std::optional<TCompPesquisa> DefinicaoPesquisa(int Tipo) {
    const auto& definicoes = Definicoes();
    if (Tipo < 0 || static_cast<size_t>(Tipo) >= definicoes.size()) {
        return std::nullopt;
    }
    return definicoes[static_cast<size_t>(Tipo)];
}

std::string TabelaPesquisa(int Tipo) {
    switch (Tipo) {
    case 0:
        return clsTabACCESS::TabEmpresa();
    case 1:
        return clsTabACCESS::TabPais();
    case 2:
        return clsTabACCESS::TabPorto();
    case 3:
        return clsTabACCESS::TabMoeda();
    case 4:
        return clsTabACCESS::TabUnidades();
    case 5:
        return "(" + SQLProdutosXVM() + ")";
    case 8:
        return clsTabACCESS::TabNCM();
    default:
        return {};
    }
}

std::string TabelaPesquisaComParametros(int Tipo, const TListaNomeValor& Parametros) {
    const auto p = [&Parametros](const char* nome) { return Parametros.Valor(nome); };
    std::string sql;
    switch (Tipo) {
    case 6:
        sql = SQLNCMsProduto(p("CodPrdVlt"), p("TipoPrdVlt"));
        break;
    case 7:
        sql = SQLNCMsItem(p("CodPrdVlt"));
        break;
    case 9:
        sql = SQLProdutosForaLote(p("InscVlt"), p("LotNumero"));
        break;
    case 10:
        sql = SQLInsumosNacRegForaLote(p("InscVlt"), p("LotNumero"), p("CodPrd"));
        break;
    case 11:
        sql = SQLInsumosEstPadForaLote(p("InscVlt"), p("LotNumero"), p("CodPrd"));
        break;
    case 12:
        sql = SQLLotesKit(p("InscVlt"));
        break;
    default:
        return {};
    }
    return "(" + sql + ")";
}

std::string MontarSQL(const TCompPesquisa& Comp, int EntradaCampo, enumTipoBusca TipoBusca, std::string_view Texto) {
    const TItemCampo* procura = Comp.Campos.CampoDaEntrada(EntradaCampo);
    if (!procura) {
        throw ErroGeral("Nenhum campo de procura foi selecionado.");
    }
    const std::string texto = Aparar(Texto);
    std::string padrao;
    switch (TipoBusca) {
    case enumTipoBusca::tbInicioCampo:
        padrao = texto + "%";
        break;
    case enumTipoBusca::tbFinalCampo:
        padrao = "%" + texto;
        break;
    case enumTipoBusca::tbQualquerParte:
        padrao = "%" + texto + "%";
        break;
    }
    std::string colunas;
    for (const auto& campo : Comp.Campos) {
        colunas += (colunas.empty() ? " " : ", ") + campo.NomeCampo;
    }
    return " SELECT " + colunas + " FROM " + Comp.Tabela + " WHERE " + procura->NomeCampo + " LIKE " + Q(padrao);
}

std::vector<std::vector<std::string>> TPesquisaGerador::Executar(const std::string& sql, int campos) {
    if (!Consulta()) {
        throw ErroGeral("A pesquisa não está ligada ao banco de dados.");
    }
    TConsulta& q = Abrir(sql);
    std::vector<std::vector<std::string>> linhas;
    linhas.reserve(static_cast<size_t>(q.QuantidadeRegistros()));
    for (; !q.Fim(); q.Proximo()) {
        auto& linha = linhas.emplace_back();
        for (int i = 0; i < campos; ++i) {
            linha.push_back(q.Texto(i));
        }
    }
    return linhas;
}
