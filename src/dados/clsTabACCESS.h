#pragma once
// The table catalog: every statement asks it for the name of the table it reads or
// writes, so that no table name is written into a statement by hand.

#include <string>

class clsTabACCESS {
public:
    clsTabACCESS() = delete;
    static std::string TabEmpresa() { return "KX_EMPRESA"; }
    static std::string TabProdutoXVM() { return "T_PROXVM"; }
    static std::string TabTipoProduto() { return "PRJ_TIPO_PROD"; }
    static std::string TabExpProduto() { return "KX_EXPPRODUTO"; }
    static std::string TabUnidades() { return "KXUNIDADES"; }
    static std::string TabLote() { return "KX_LOTE"; }
    static std::string TabErro() { return "KX_ERRO"; }
    static std::string TabInsumo() { return "KX_INSUMO"; }
    static std::string TabProduto() { return "KX_PRODUTO"; }
    static std::string TabPorto() { return "KX_PORTO"; }
    static std::string TabPais() { return "KX_PAIS"; }
    static std::string TabExpInsumo() { return "KX_EXPINSUMO"; }
    static std::string TabMoeda() { return "KX_MOEDA"; }
    static std::string TabNCM() { return "PRJ_NCM"; }
    static std::string TabProdItem() { return "PROD_ITEM"; }
    static std::string TabNCMVlt() { return "VLT_NCM"; }
    static std::string TabNCMProdVlt() { return "PRJ_NCM_PROD_VLT"; }
};
