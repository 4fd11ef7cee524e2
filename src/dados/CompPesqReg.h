#pragma once
// The lookup dialog's core: the lookup definitions (the columns of a reference table
// that the dialog shows, searches and hands back), the statement a search runs, and
// the binder that holds the connection and the private query the searches run on.

#include "comum/ListaNomeValor.h"
#include "dados/ModuloInstrucoes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class enumTipoCampo { tcString, tcInteiro, tcDataHora, tcFlutuante };

// How the search text must match the chosen column (the dialog's "Localizar por").
enum class enumTipoBusca { tbInicioCampo, tbFinalCampo, tbQualquerParte };

// One column of a lookup. The type is recorded with the definition; the search treats
// every type alike.
struct TItemCampo {
    std::string Legenda;  // caption of the result column and of the chooser entry
    int Comprimento = 80; // column width in pixels; 0 hides the column, its value still comes back
    enumTipoCampo TipoCampo = enumTipoCampo::tcString;
    bool bClasula = true;  // may be chosen as the search column
    bool bRetorno = false; // handed back to the caller as NomeCampo=Valor
    std::string NomeCampo; // column name in the SELECT list and NAME of the returned line
    std::string Valor;     // the field's cell in the row the user chose last
};

// The ordered fields of a lookup: the order of the SELECT list, of the result columns,
// of the chooser entries and of the returned lines.
class TListaCampos {
public:
    TListaCampos() = default;
    TListaCampos(std::initializer_list<TItemCampo> itens) : itens_(itens) {}

    int Quantidade() const { return static_cast<int>(itens_.size()); }
    TItemCampo& operator[](int i) { return itens_.at(static_cast<size_t>(i)); }
    const TItemCampo& operator[](int i) const { return itens_.at(static_cast<size_t>(i)); }
    auto begin() { return itens_.begin(); }
    auto end() { return itens_.end(); }
    auto begin() const { return itens_.begin(); }
    auto end() const { return itens_.end(); }

    // The field of the chooser's n-th entry (the n-th field that may be searched), or
    // null when there is no such entry.
    const TItemCampo* CampoDaEntrada(int entrada) const;

private:
    std::vector<TItemCampo> itens_;
};

// One lookup definition of the dialog.
class TCompPesquisa {
public:
    std::string Nome; // the definition's component name ("CompPesqUnidade")
    TListaCampos Campos;
    std::string Tabela; // what follows FROM: a table name or a parenthesised sub-query
    std::string Titulo; // shown as "Pesquisa: " + Titulo

    // Copies the chosen row (one cell per field, in order; missing cells read as empty)
    // into the fields' Valor and gives the value of the first returned field.
    std::string LerSelecao(const std::vector<std::string>& linha);
    // Sets Retorno's line NomeCampo=Valor for every returned field, in order (an empty
    // value removes that name's line); other lines stay.
    void GravarRetorno(TListaNomeValor& Retorno) const;
};

// A fresh copy of the stored definition of a lookup kind (0 to 12): Tabela empty, no
// Valor. Nothing for any other kind.
std::optional<TCompPesquisa> DefinicaoPesquisa(int Tipo);

// The table source of the kinds that Pesquisar opens (0 to 5 and 8): a catalog name or
// a parenthesised sub-query. Empty text for any other kind.
std::string TabelaPesquisa(int Tipo);

// The table source of the kinds that PesquisarComParametros opens (6, 7 and 9 to 12),
// the sub-query built from the caller's parameters (a missing one reads as empty).
// Empty text for any other kind.
std::string TabelaPesquisaComParametros(int Tipo, const TListaNomeValor& Parametros);

// The statement of one search: every field in the SELECT list, the chooser entry's
// column compared by LIKE with the trimmed text as the search type says, the pattern
// quoted with its single quotes doubled. Throws ErroGeral when the entry names no field.
std::string MontarSQL(const TCompPesquisa& Comp, int EntradaCampo, enumTipoBusca TipoBusca, std::string_view Texto);

// The lookup binder: holds the connection and the private query on which the lookup
// dialog runs its searches.
class TPesquisaGerador : public TModuloInstrucoes<TPesquisaGerador> {
public:
    // Runs a search statement on the private query (closed first, left open after) and
    // gives its rows as texts, `campos` cells each (NULL as empty text). Database errors
    // pass to the caller as ErroBanco.
    static std::vector<std::vector<std::string>> Executar(const std::string& sql, int campos);
};
