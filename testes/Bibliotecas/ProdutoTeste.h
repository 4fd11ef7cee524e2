#pragma once
// The record the library tests work on: a product row with key CODIGO, colour COR,
// price PRECO and issue date EMISSAO.

#include "Bibliotecas/Interna/EstruturaDados.h"

class TRegProduto : public TclsItemRegistro {
public:
    TRegProduto(TclsNodo* pai, const std::string& nome) : TclsItemRegistro(pai, nome) {
        TabelaOracle = "PRODUTO";
        TabelaMainFrame = "PRODMF";
        Codigo = new TClsCampoInt(FListaCmps, "CODIGO");
        Codigo->Opcoes = ocLer | ocIncluir | ocRestringir | ocChave;
        Cor = new TClsCampoStr(FListaCmps, "COR");
        Cor->Opcoes = ocLer | ocIncluir | ocAlterar;
        Preco = new TClsCampoFloat(FListaCmps, "PRECO");
        Preco->Opcoes = ocLer | ocIncluir | ocAlterar;
        Emissao = new TClsCampoDate(FListaCmps, "EMISSAO");
        Emissao->Opcoes = ocLer | ocIncluir | ocAlterar;
    }
    TClsCampoInt* Codigo;
    TClsCampoStr* Cor;
    TClsCampoFloat* Preco;
    TClsCampoDate* Emissao;
};
