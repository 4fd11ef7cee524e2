#pragma once
// For the input window tests, over the demonstration database connected through the data
// module (BancoDemo): a fresh listing product to work on, inputs written straight into it, and its
// rows read back as stored.

#include "dados/clsLExInsumo.h"
#include "dados/clsLExProduto.h"

#include <optional>
#include <string>
#include <vector>

// A new product of company 200123456 with the agency product, type and NCM of its product
// `origem`; with `comInsumos`, a copy of that product's inputs under the same numbers.
TClsLExProduto NovoProduto(int origem = 1, bool comInsumos = false);

// One input as stored; an optional text is absent when the column is null.
struct InsumoGravado {
    int codins = 0;
    std::optional<std::string> tipo;
    std::string ncm;
    std::optional<std::string> detalhe;
    std::optional<std::string> descricao;
    std::optional<std::string> especificacao;
    double coeficiente = 0;
    std::string codunid;
    std::optional<std::string> codEmpresa;
};

// Writes the input under the product's next input number and gives that number. A null
// type, detail, description, specification or company code is written as null.
int InserirInsumo(const TClsLExProduto& produto, const InsumoGravado& insumo);

// The product's inputs in input-number order.
std::vector<InsumoGravado> InsumosGravados(const TClsLExProduto& produto);
// One input of the product; throws when there is none.
InsumoGravado InsumoGravadoDe(const TClsLExProduto& produto, int codins);

// The input as the input list hands it to a properties window.
TclsLExInsumo RegistroDe(const TClsLExProduto& produto, const InsumoGravado& insumo);
