#pragma once
// The catalog of table names: every statement asks it for the name of the table it
// reads or writes instead of writing the name itself. Never instantiated.

#include <string>

class clsTabACCESS {
public:
    clsTabACCESS() = delete;

    static std::string TabEmpresa();     // KX_EMPRESA: companies
    static std::string TabProdutoXVM();  // T_PROXVM: products of the zone (reference)
    static std::string TabTipoProduto(); // PRJ_TIPO_PROD: types of each agency product (reference)
    static std::string TabExpProduto();  // KX_EXPPRODUTO: products of the export listings
    static std::string TabUnidades();    // KXUNIDADES: units of measure (no underscore)
    static std::string TabLote();        // KX_LOTE: batches of a company
    static std::string TabErro();        // KX_ERRO: error rows of a listing product
    static std::string TabInsumo();      // KX_INSUMO: inputs recorded in a batch
    static std::string TabProduto();     // KX_PRODUTO: products recorded in a batch
    static std::string TabPorto();       // KX_PORTO: ports
    static std::string TabPais();        // KX_PAIS: countries
    static std::string TabExpInsumo();   // KX_EXPINSUMO: inputs of the export listings
    static std::string TabMoeda();       // KX_MOEDA: currencies
    static std::string TabNCM();         // PRJ_NCM: NCM codes (reference)
    static std::string TabProdItem();    // PROD_ITEM: NCM items of each zone product (reference)
    static std::string TabNCMVlt();      // VLT_NCM: the agency's item details of NCM codes (reference)
    static std::string TabNCMProdVlt();  // PRJ_NCM_PROD_VLT: NCM codes allowed for a product and type (reference)
};
