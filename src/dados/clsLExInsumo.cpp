#include "dados/clsLExInsumo.h"

#include "comum/Numeros.h"
#include "comum/RotinasUteis.h"

namespace {

struct CodigoTipo {
    const char* codigo;
    const char* descricao;
};

// Indexed by TTipoInsumo, tiIndefinido excluded.
constexpr CodigoTipo kTipos[] = {
    {"P", "Padrao"},
    {"E", "Estrangeiro"},
    {"N", "Nacional"},
    {"R", "Regional"},
};

} // namespace

std::string TclsLExInsumo::exp_codprod() const {
    return std::to_string(Fexp_codprod);
}

void TclsLExInsumo::Set_exp_codprod(std::string_view texto) {
    Fexp_codprod = TextoParaInteiro(texto);
}

std::string TclsLExInsumo::exp_codins() const {
    return std::to_string(Fexp_codins);
}

void TclsLExInsumo::Set_exp_codins(std::string_view texto) {
    Fexp_codins = TextoParaInteiro(texto);
}

TTipoInsumo TclsLExInsumo::TipoInsumo() const {
    for (int tipo = tiPadrao; tipo < tiIndefinido; ++tipo) {
        if (Fexp_tipoins == kTipos[tipo].codigo) {
            return static_cast<TTipoInsumo>(tipo);
        }
    }
    return tiIndefinido;
}

void TclsLExInsumo::DefineTipoInsumo(TTipoInsumo tipo) {
    if (tipo >= tiPadrao && tipo < tiIndefinido) {
        Fexp_tipoins = kTipos[tipo].codigo;
    }
}

std::string TclsLExInsumo::DescricaoTipo() const {
    const TTipoInsumo tipo = TipoInsumo();
    return tipo == tiIndefinido ? "" : kTipos[tipo].descricao;
}

std::string TclsLExInsumo::exp_descins() const {
    return Aparar(Fexp_descins);
}

void TclsLExInsumo::Set_exp_descins(std::string_view valor) {
    Fexp_descins = Aparar(valor);
}

void TclsLExInsumo::Set_exp_espetec(std::string_view valor) {
    Fexp_espetec = Aparar(valor);
}

std::string TclsLExInsumo::CoefTecFormatado() const {
    return FormatarComMilhar(Fexp_coeftec, 2);
}

std::string TclsLExInsumo::CoefTecTexto() const {
    return FormatoGeral(Fexp_coeftec);
}

void TclsLExInsumo::Set_exp_coeftec(std::string_view texto) {
    Fexp_coeftec = TextoParaNumero(LimpaMilhar(texto));
}
