#include "importacao/clsLexInsumoTXT.h"

#include "comum/Cp1252.h"
#include "comum/Erros.h"
#include "comum/Numeros.h"
#include "comum/RotinasUteis.h"
#include "dados/InsAccessUsoGeral.h"
#include "dados/SelAccessUsoGeral.h"

namespace {

// Field `largura` bytes from position `posicao` (counted from 1), cut by the line's end.
std::string_view Campo(std::string_view linha, size_t posicao, size_t largura) {
    return posicao - 1 < linha.size() ? linha.substr(posicao - 1, largura) : std::string_view{};
}

// A field's text, trimmed, in the program's own text.
std::string Texto(std::string_view linha, size_t posicao, size_t largura) {
    return Aparar(Cp1252ParaUtf8(Campo(linha, posicao, largura)));
}

// The coefficient field is a fixed-point number, 7 integer and 8 decimal digits, with
// an optional sign in front. Whatever is not such a number reads as 0 (which Validar
// refuses): a blank, a letter, a decimal mark, an empty field or a lone sign.
double Coeficiente(std::string_view campo) {
    if (!EhInteiro(campo)) {
        return 0.0;
    }
    try {
        return TextoParaNumero(InserirVirgula(campo, 7, 8));
    } catch (const ErroConversao&) {
        return 0.0;
    }
}

} // namespace

void TclsInfoInsumoTXT::LerLinha(std::string_view linha, const std::string& inscricao, const std::string& codProdVlt,
                                 const std::string& codProd) {
    linha = linha.substr(0, kTamanhoLinhaEstruturaPropria);
    Set_emp_inscvlt(inscricao);
    Fexp_codprodvlt = codProdVlt;
    Set_exp_codprod(codProd);
    Set_exp_codins(ProximoCodigoInsumo(inscricao, exp_codprod()));

    Set_exp_tipoins(Texto(linha, 1, 1));
    Set_exp_ncmins(Texto(linha, 2, 8));
    Set_exp_detinsvlt(Texto(linha, 10, 4));
    if (exp_tipoins() == "P") {
        Set_exp_descins(DescricaoDetalheNCM(exp_ncmins(), exp_detinsvlt()));
    } else {
        Set_exp_descins(Texto(linha, 14, 254));
    }
    Fexp_coeftec = Coeficiente(Campo(linha, 268, 15));
    Set_codunid(Texto(linha, 283, 2));
    Set_ins_codemp(Texto(linha, 285, 30));
    Set_exp_espetec(Texto(linha, 315, kTamanhoLinhaEstruturaPropria - 314));
}

bool TclsInfoInsumoTXT::Falha(std::string mensagem) {
    FMensagemErro = std::move(mensagem);
    return false;
}

bool TclsInfoInsumoTXT::Validar() {
    FMensagemErro.clear();
    const TTipoInsumo tipo = TipoInsumo();
    if (tipo == tiIndefinido) {
        return Falha("Erro no Tipo do Insumo! Tipo do Insumo [" + exp_tipoins() + "] não existe.");
    }
    const bool padrao = tipo == tiPadrao;
    const std::string ncm = exp_ncmins();
    const std::string produto = exp_codprodvlt();
    const std::string doTipo = "referente ao Insumo do Tipo [" + DescricaoTipo() + "] e NCM [" + ncm + "]";

    if (padrao && !ExisteNCMItem(produto, ncm)) {
        return Falha("Erro na NCM! NCM [" + ncm + "] vinculada ao Produto Vlt. [" + produto +
                     "] não encontrada em PRJ_NCM.\rFavor providenciar atualização da tabela PRJ_NCM, ou corrigir o "
                     "campo NCM_CODIGO no cadastro de insumos.");
    }
    if (!padrao && !ExisteNCM(ncm)) {
        return Falha("Erro na NCM! NCM [" + ncm +
                     "] não encontrada em PRJ_NCM.\rFavor providenciar atualização da tabela PRJ_NCM, ou corrigir o "
                     "campo NCM_CODIGO no cadastro de insumos.");
    }
    if (padrao && !ExisteDetalheItem(produto, ncm, exp_detinsvlt())) {
        return Falha("Erro no Item! Item [" + exp_detinsvlt() + "] vinculado ao Produto Vlt. [" + produto +
                     "] e NCM [" + ncm +
                     "] não encontrada em PROD_ITEM.\rFavor providenciar atualização da tabela PROD_ITEM, ou corrigir "
                     "o campo VTNCM_DETALHE no cadastro de insumos.");
    }
    if (!padrao) {
        // Foreign, national and regional inputs carry no item detail.
        Set_exp_detinsvlt("");
        if (exp_descins().empty()) {
            return Falha("Erro na Descrição! Descrição " + doTipo + " encontra-se VAZIA");
        }
    }
    if (exp_coeftec() == 0.0) {
        return Falha("Erro no Coeficiente Técnico! Coeficiente Técnico " + doTipo + " encontra-se VAZIO");
    }
    // The export listing file holds the coefficient as an unsigned whole number of
    // ten-millionths: a negative one could never be sent.
    if (exp_coeftec() < 0.0) {
        return Falha("Erro no Coeficiente Técnico! Coeficiente Técnico " + doTipo + " encontra-se NEGATIVO");
    }
    if (!ExisteUnidade(codunid())) {
        return Falha("Erro na Unidade! Unidade [" + codunid() + "] " + doTipo +
                     " não encontrada em KX_UNIDADES.\rFavor providenciar atualização da tabela KX_UNIDADES, ou "
                     "corrigir o campo CODUNID no cadastro de produtos.");
    }
    if ((padrao || tipo == tiEstrangeiro) && Aparar(exp_espetec()).empty()) {
        return Falha("Erro na Especificacao Técnica! Especificacao Técnica " + doTipo + " encontra-se VAZIA");
    }
    const bool existe =
        padrao ? ExisteInsumoLE(emp_inscvlt(), exp_codprod(), exp_tipoins(), ncm, exp_detinsvlt(), exp_espetec())
               : ExisteInsumoDescricao(emp_inscvlt(), exp_codprod(), exp_tipoins(), ncm, exp_descins(), exp_espetec());
    if (existe) {
        return Falha("Erro no Insumo! Insumo do Tipo [" + DescricaoTipo() + "] e NCM [" + ncm + "] JA cadastrado");
    }
    return true;
}

void TclsInfoInsumoTXT::Gravar() {
    InsereInsumo(emp_inscvlt(), exp_codprod(), exp_codins(), codunid(), exp_tipoins(), exp_ncmins(), exp_detinsvlt(),
                 exp_descins(), exp_espetec(), ins_codemp(), exp_coeftec());
}
