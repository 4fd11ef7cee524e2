// korvex-admin criar, referencias and sql.

#include "Comandos.h"

#include "comum/Cp1252.h"
#include "comum/Erros.h"
#include "comum/LeitorCSV.h"
#include "comum/Plataforma.h"
#include "comum/Utf8.h"
#include "dados/BancoDados.h"
#include "dados/Esquema.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string Maiusculas(std::string s) {
    for (auto& c : s) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

bool Utf8Valido(const std::string& t) {
    size_t i = 0;
    while (i < t.size()) {
        if (LerUtf8(t, i) == kCaractereInvalido) {
            return false;
        }
    }
    return true;
}

// The reference tables that korvex-admin loads, in load order.
const char* const kTabelasReferencia[] = {"T_PROXVM",  "PRJ_TIPO_PROD", "PRJ_NCM",   "PRJ_NCM_PROD_VLT",
                                          "PROD_ITEM", "VLT_NCM",       "KXUNIDADES"};

std::string ArquivoDaTabela(const fs::path& pasta, const std::string& tabela) {
    std::error_code erro;
    for (const auto& entrada : fs::directory_iterator(pasta, erro)) {
        if (entrada.is_regular_file() && Maiusculas(entrada.path().filename().string()) == tabela + ".CSV") {
            return entrada.path().string();
        }
    }
    return {};
}

void CarregarTabela(TConexao& conexao, const TabelaEsquema& tabela, const std::string& arquivo, int& linhas) {
    const std::string nome = fs::path(arquivo).filename().string();
    std::ifstream f(arquivo, std::ios::binary);
    if (!f) {
        throw ErroGeral(nome + ": o arquivo não pode ser lido.");
    }
    std::string texto((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (!Utf8Valido(texto)) {
        throw ErroGeral(nome + ": o arquivo não está em UTF-8.");
    }
    auto registros = LerCSV(texto, nome);
    if (registros.empty()) {
        throw ErroGeral(nome + ", linha 1: falta a linha com os nomes das colunas.");
    }
    // Header: the table's columns in any order and case, each once.
    const auto& cabecalho = registros.front();
    std::vector<const ColunaEsquema*> colunas;
    std::set<std::string> vistas;
    for (const auto& campo : cabecalho.campos) {
        std::string nomeColuna = Maiusculas(campo);
        nomeColuna.erase(0, nomeColuna.find_first_not_of(' '));
        nomeColuna.erase(nomeColuna.find_last_not_of(' ') + 1);
        auto it = std::find_if(tabela.colunas.begin(), tabela.colunas.end(),
                               [&](const ColunaEsquema& c) { return Maiusculas(c.nome) == nomeColuna; });
        if (it == tabela.colunas.end()) {
            throw ErroGeral(nome + ", linha 1: a coluna \"" + campo + "\" não existe na tabela " + tabela.nome + ".");
        }
        if (!vistas.insert(nomeColuna).second) {
            throw ErroGeral(nome + ", linha 1: a coluna \"" + campo + "\" aparece duas vezes.");
        }
        colunas.push_back(&*it);
    }
    for (const auto& c : tabela.colunas) {
        if (!vistas.count(Maiusculas(c.nome))) {
            throw ErroGeral(nome + ", linha 1: falta a coluna \"" + c.nome + "\".");
        }
    }

    conexao.ExecutarNativo("DELETE FROM " + tabela.nome + ";");
    std::string nomes;
    for (size_t k = 0; k < colunas.size(); ++k) {
        nomes += (k ? ", " : "") + colunas[k]->nome;
    }
    linhas = 0;
    for (size_t r = 1; r < registros.size(); ++r) {
        const auto& reg = registros[r];
        const std::string onde = nome + ", linha " + std::to_string(reg.linha) + ": ";
        if (reg.campos.size() != colunas.size()) {
            throw ErroGeral(onde + "esperados " + std::to_string(colunas.size()) + " campos, encontrados " +
                            std::to_string(reg.campos.size()) + ".");
        }
        std::string valores;
        for (size_t k = 0; k < colunas.size(); ++k) {
            const std::string& v = reg.campos[k];
            if (!CabeEmCp1252(v)) {
                throw ErroGeral(onde + "a coluna \"" + colunas[k]->nome +
                                "\" tem caracteres que não existem no Windows-1252.");
            }
            bool chave = std::find(tabela.chave.begin(), tabela.chave.end(), colunas[k]->nome) != tabela.chave.end();
            if (v.find_first_not_of(' ') == std::string::npos && chave) {
                throw ErroGeral(onde + "a coluna \"" + colunas[k]->nome + "\" faz parte da chave e está vazia.");
            }
            valores += (k ? " , " : "") + (v.empty() && !reg.entreAspas[k] ? std::string("null") : Q(v));
        }
        try {
            conexao.Executar("INSERT INTO " + tabela.nome + " (" + nomes + ") VALUES ( " + valores + " )");
        } catch (const ErroBanco& e) {
            throw ErroGeral(onde + e.what());
        }
        ++linhas;
    }
}

} // namespace

void CriarBancoListagem() {
    const fs::path banco = CaminhoBancoListagem();
    if (fs::exists(banco)) {
        throw ErroGeral("O banco da listagem já existe e não será sobrescrito: " + banco.string());
    }
    fs::create_directories(banco.parent_path());
    fs::create_directories(PastaTemporaria());
    TConexao conexao;
    try {
        conexao.Criar(banco.string(), kSenhaBanco);
        CriarEsquema(conexao);
    } catch (...) {
        conexao.Fechar();
        std::error_code erro;
        for (const char* sufixo : {"", "-wal", "-shm"}) {
            fs::remove(banco.string() + sufixo, erro);
        }
        throw;
    }
}

std::vector<std::pair<std::string, int>> CarregarReferencias(const std::string& pasta) {
    if (!fs::is_directory(pasta)) {
        throw ErroGeral("A pasta não existe: " + pasta);
    }
    std::vector<std::pair<std::string, std::string>> arquivos;
    for (const char* tabela : kTabelasReferencia) {
        std::string arquivo = ArquivoDaTabela(pasta, tabela);
        if (!arquivo.empty()) {
            arquivos.emplace_back(tabela, arquivo);
        }
    }
    if (arquivos.empty()) {
        throw ErroGeral("Nenhum arquivo de tabela de referência (T_PROXVM.csv, PRJ_TIPO_PROD.csv, PRJ_NCM.csv, "
                        "PRJ_NCM_PROD_VLT.csv, PROD_ITEM.csv, VLT_NCM.csv, KXUNIDADES.csv) foi encontrado em " +
                        pasta);
    }
    TConexao conexao;
    conexao.Abrir(CaminhoBancoListagem().string(), kSenhaBanco);
    std::vector<std::pair<std::string, int>> carregadas;
    TTransacao transacao(conexao);
    for (const auto& [tabela, arquivo] : arquivos) {
        int linhas = 0;
        CarregarTabela(conexao, *TabelaEsquemaPorNome(tabela), arquivo, linhas);
        carregadas.emplace_back(tabela, linhas);
    }
    transacao.Confirmar();
    return carregadas;
}

int ComandoCriar(const Argumentos& args) {
    if (!args.empty()) {
        std::cerr << "Uso: korvex-admin criar\n";
        return 2;
    }
    CriarBancoListagem();
    std::cout << "Banco da listagem criado: " << CaminhoBancoListagem().string() << "\n";
    return 0;
}

int ComandoReferencias(const Argumentos& args) {
    if (args.size() != 1) {
        std::cerr << "Uso: korvex-admin referencias PASTA\n";
        return 2;
    }
    if (!fs::exists(CaminhoBancoListagem())) {
        throw ErroGeral("O banco da listagem não existe: " + CaminhoBancoListagem().string() +
                        " (crie-o com korvex-admin criar)");
    }
    for (const auto& [tabela, linhas] : CarregarReferencias(args[0])) {
        std::cout << tabela << ": " << linhas << (linhas == 1 ? " linha carregada\n" : " linhas carregadas\n");
    }
    return 0;
}

int ComandoSQL(const Argumentos& args) {
    if (args.size() != 1) {
        std::cerr << "Uso: korvex-admin sql \"INSTRUÇÃO\"\n";
        return 2;
    }
    TConexao conexao;
    conexao.Abrir(CaminhoBancoListagem().string(), kSenhaBanco);
    TConsulta q(&conexao);
    q.Abrir(args[0]);
    if (q.QuantidadeCampos() == 0) {
        std::cout << q.LinhasAfetadas() << " linha(s) afetada(s)\n";
        return 0;
    }
    for (int c = 0; c < q.QuantidadeCampos(); ++c) {
        std::cout << (c ? "|" : "") << q.NomeCampo(c);
    }
    std::cout << "\n";
    for (; !q.Fim(); q.Proximo()) {
        for (int c = 0; c < q.QuantidadeCampos(); ++c) {
            std::cout << (c ? "|" : "") << (std::holds_alternative<std::monostate>(q.Valor(c)) ? "<nulo>" : q.Texto(c));
        }
        std::cout << "\n";
    }
    return 0;
}
