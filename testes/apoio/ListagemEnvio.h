#pragma once
// A small export listing for the send tests, in the database of the connection.
//
// Company 200123456, its products in the order of its product list (agency code, then NCM):
//   product 2: 0401, NCM 85287200, unit 10, model "  TV AÇAÍ 43\" " (stored untrimmed), with
//              input 1 (E, coefficient 0,1234567, specification "  Resolução 3840x2160 ") and
//              input 2 (N, coefficient 12345678,9876543, no detail, part number or specification);
//   product 3: 0401, NCM 85287300, unit 1, model "TV 50", no inputs;
//   product 1: 0402, NCM 84151011, unit 1, model "SPLIT 12000", input 1 (P, detail 0001,
//              coefficient 1,5).
// Company 200654321 exists with no products.

class TConexao;

inline constexpr const char* kInscricaoEnvio = "200123456";

void CriarListagemEnvio(TConexao& conexao);
