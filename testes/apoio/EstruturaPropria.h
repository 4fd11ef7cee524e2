#pragma once
// Own-structure files and reference data for the import tests: a company with two
// products, units, NCM codes and the agency's items of product "0401".

#include <filesystem>
#include <string>
#include <vector>

class TConexao;

inline const std::string kInscricaoTeste = "200123456";
inline const std::string kRazaoTeste = "Indústria Ação Ltda";
// Product 1 ("0401") starts with one input (code 7); product 2 ("0402") has none.
inline const std::string kProdutoComInsumos = "1";
inline const std::string kProdutoVazio = "2";

// Fills the reference tables, the company and its products.
void PreencherDadosImportacao(TConexao& conexao);

// One line of an own-structure file, field by field, in the program's text (UTF-8).
struct LinhaEstruturaPropria {
    std::string tipo{};
    std::string ncm{};
    std::string detalhe{};
    std::string descricao{};
    std::string coeficiente = "000000150000000";
    std::string unidade = "1";
    std::string codEmpresa{};
    std::string especificacao{};
};

// The line as the file holds it: Windows-1252 bytes, every field padded to its width
// with spaces, the technical specification unpadded (so a line without one ends at position 314).
std::string MontarLinha(const LinhaEstruturaPropria& linha);

// Writes the lines, each followed by `fimDeLinha`, into a file under the folder.
std::filesystem::path GravarArquivoEstruturaPropria(const std::filesystem::path& pasta,
                                                    const std::vector<std::string>& linhas,
                                                    const std::string& fimDeLinha = "\r\n");

// Every column of the inputs of a product, one text per row, ordered by input code:
// what the all-or-nothing tests compare before and after an import.
std::vector<std::string> InsumosDoProduto(TConexao& conexao, const std::string& codProd);
