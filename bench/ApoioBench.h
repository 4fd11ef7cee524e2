#pragma once
// What the benchmarks share: message boxes that answer without showing anything, and a new
// listing database with the program's schema under the root ($KORVEX_RAIZ).

#include "comum/CaixasMensagem.h"
#include "comum/Plataforma.h"
#include "dados/BancoDados.h"
#include "dados/Esquema.h"

#include <filesystem>
#include <fstream>
#include <string>

class CaixasSilenciosas : public ICaixasMensagem {
public:
    int Mostrar(TipoCaixa, const std::string&, const std::string&) override { return kBotaoOK; }
    bool EscolherPasta(const std::string&, const std::string&, std::string&) override { return false; }
};

// Creates the listing database with its tables and the reference file that start-up asks
// for; `conexao` stays open on the new database.
inline void CriarBancoVazio(TConexao& conexao) {
    std::filesystem::create_directories(CaminhoBancoListagem().parent_path());
    std::filesystem::create_directories(CaminhoArquivoReferencia().parent_path());
    std::ofstream(CaminhoArquivoReferencia()) << "";
    conexao.Criar(CaminhoBancoListagem().string(), kSenhaBanco);
    CriarEsquema(conexao);
}
