#include "dados/clsTabACCESS.h"

std::string clsTabACCESS::TabEmpresa() {
    return "KX_EMPRESA";
}
std::string clsTabACCESS::TabProdutoXVM() {
    return "T_PROXVM";
}
std::string clsTabACCESS::TabTipoProduto() {
    return "PRJ_TIPO_PROD";
}
std::string clsTabACCESS::TabExpProduto() {
    return "KX_EXPPRODUTO";
}
std::string clsTabACCESS::TabUnidades() {
    return "KXUNIDADES";
}
std::string clsTabACCESS::TabLote() {
    return "KX_LOTE";
}
std::string clsTabACCESS::TabErro() {
    return "KX_ERRO";
}
std::string clsTabACCESS::TabInsumo() {
    return "KX_INSUMO";
}
std::string clsTabACCESS::TabProduto() {
    return "KX_PRODUTO";
}
std::string clsTabACCESS::TabPorto() {
    return "KX_PORTO";
}
std::string clsTabACCESS::TabPais() {
    return "KX_PAIS";
}
std::string clsTabACCESS::TabExpInsumo() {
    return "KX_EXPINSUMO";
}
std::string clsTabACCESS::TabMoeda() {
    return "KX_MOEDA";
}
std::string clsTabACCESS::TabNCM() {
    return "PRJ_NCM";
}
std::string clsTabACCESS::TabProdItem() {
    return "PROD_ITEM";
}
std::string clsTabACCESS::TabNCMVlt() {
    return "VLT_NCM";
}
std::string clsTabACCESS::TabNCMProdVlt() {
    return "PRJ_NCM_PROD_VLT";
}
