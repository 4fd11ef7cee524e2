// Own-structure import speed against the real limit of the same work: a 20,000-line file (the
// four input types, specifications of about 200 characters) read line by line, its fields cut and
// converted, and each line inserted with one prepared, bound INSERT in one transaction, with no
// check. The import does the same and, for each line, the lookups and the duplicate check. Also
// the check of the whole file without keeping anything (korvex-admin validar), against the import.
//
//     build/bench/ImportacaoEstruturaPropria_bench [LINHAS [NCMS]]
//
// The inputs are spread over NCMS NCM codes (500 unless given). The duplicate check of a line
// looks among the product's inputs of the same type and NCM code: with few codes for many inputs
// (a product whose thousands of inputs share one NCM) it must still find its rows at once. The
// import runs into an empty product and into one that already holds as many inputs; each is
// printed with its ratio to the limit, in elapsed and in CPU time (the machine may be shared).

#include "ApoioBench.h"
#include "comum/CaixasRoteiro.h"
#include "comum/Cp1252.h"
#include "comum/Plataforma.h"
#include "comum/RotinasUteis.h"
#include "dados/BancoDados.h"
#include "dados/Esquema.h"
#include "dados/InfoGerais.h"
#include "importacao/ImportacaoEstruturaPropria.h"
#include "importacao/LeitorArquivoTexto.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kInscricao = "200123456";
int g_ncms = 500;
const char* const kTipos[] = {"P", "E", "N", "R"};

std::string NCM(int i) {
    return std::to_string(84000000 + i * 101);
}
std::string Detalhe(int i) {
    return CompletaEsquerda(std::to_string(i % 4 + 1), 4, "0");
}

struct Insumo {
    std::string tipo, ncm, detalhe, descricao, unidade, codEmpresa, especificacao;
    double coeficiente;
};

// Row i of a listing: the four types in turn, NCM codes and units spread, texts unique.
Insumo Gerar(int i, const std::string& prefixo) {
    Insumo r;
    r.tipo = kTipos[i % 4];
    r.ncm = NCM(i / 4 % g_ncms);
    r.detalhe = r.tipo == "P" ? Detalhe(i / 4 / g_ncms) : "";
    r.descricao = r.tipo == "P" ? "Item " + r.ncm + "/" + r.detalhe : prefixo + " insumo número " + std::to_string(i);
    r.unidade = std::to_string(i % 10 + 1);
    r.codEmpresa = "PN-" + prefixo + "-" + std::to_string(i);
    r.especificacao = prefixo + " " + std::to_string(i) + " ";
    while (r.especificacao.size() < 200) {
        r.especificacao += "especificação técnica ";
    }
    r.coeficiente = (i % 1000 + 1) * 0.125;
    return r;
}

std::string Linha(const Insumo& r) {
    char coef[32];
    std::snprintf(coef, sizeof coef, "%015lld", static_cast<long long>(r.coeficiente * 1e8 + 0.5));
    return CompletaDireita(r.tipo, 1, " ") + CompletaDireita(r.ncm, 8, " ") + CompletaDireita(r.detalhe, 4, " ") +
           CompletaDireita(r.descricao, 254, " ") + coef + CompletaDireita(r.unidade, 2, " ") +
           CompletaDireita(r.codEmpresa, 30, " ") + r.especificacao;
}

void Preparar(TConexao& c) {
    TTransacao t(c);
    c.Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('" + kInscricao + "', 'Bench Ltda')");
    for (int u = 1; u <= 10; ++u) {
        c.Executar("INSERT INTO KXUNIDADES (codunid, descunid) VALUES ('" + std::to_string(u) + "', 'U')");
    }
    for (int n = 0; n < g_ncms; ++n) {
        c.Executar("INSERT INTO PRJ_NCM (ncm_codigo, ncm_descricao, uni_codigo) VALUES ('" + NCM(n) + "', 'N', '1')");
        for (int d = 0; d < 4; ++d) {
            c.Executar("INSERT INTO PROD_ITEM (cd_produto_xvm, cd_mercadoria_ncm, vtncm_detalhe) VALUES ('0401', '" +
                       NCM(n) + "', '" + Detalhe(d) + "')");
            c.Executar("INSERT INTO VLT_NCM (vtncm_codigo, vtncm_detalhe, vtncm_descricao) VALUES ('" + NCM(n) +
                       "', '" + Detalhe(d) + "', 'Item " + NCM(n) + "/" + Detalhe(d) + "')");
        }
    }
    for (int p = 1; p <= 3; ++p) {
        c.Executar("INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt, "
                   "exp_tipoprodvlt, exp_modprod) VALUES ('" +
                   kInscricao + "', " + std::to_string(p) + ", '1', '85287200', '0401', '001', 'M" + std::to_string(p) +
                   "')");
    }
    t.Confirmar();
}

// Wall-clock and processor time of one run (the machine may be shared: both are shown).
struct Tempo {
    double parede = 0;
    double cpu = 0;
};

template <typename F> Tempo Medir(F&& f) {
    const auto parede = std::chrono::steady_clock::now();
    const std::clock_t cpu = std::clock();
    f();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - parede).count(),
            double(std::clock() - cpu) / CLOCKS_PER_SEC};
}

// Inserts rows with one prepared INSERT whose values are bound, in one transaction, coded from 1.
class InsercaoDireta {
public:
    InsercaoDireta(TConexao& c, int codProd) : c_(c), codProd_(codProd) {
        sqlite3_prepare_v2(c.Handle(),
                           "INSERT INTO KX_EXPINSUMO (emp_inscvlt, exp_codprod, exp_codins, codunid, exp_tipoins, "
                           "exp_ncmins, exp_coeftec, exp_detinsvlt, exp_descins, ins_codemp, exp_espetec) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                           -1, &stmt_, nullptr);
        c_.IniciarTransacao();
    }
    ~InsercaoDireta() {
        c_.ConfirmarTransacao();
        sqlite3_finalize(stmt_);
    }

    void Inserir(const Insumo& r) {
        sqlite3_bind_text(stmt_, 1, kInscricao.data(), static_cast<int>(kInscricao.size()), SQLITE_STATIC);
        sqlite3_bind_int(stmt_, 2, codProd_);
        sqlite3_bind_int(stmt_, 3, ++codigo_);
        Texto(4, r.unidade);
        Texto(5, r.tipo);
        Texto(6, r.ncm);
        sqlite3_bind_double(stmt_, 7, r.coeficiente);
        Texto(8, r.detalhe);
        Texto(9, r.descricao);
        Texto(10, r.codEmpresa);
        Texto(11, r.especificacao);
        if (sqlite3_step(stmt_) != SQLITE_DONE) {
            std::fprintf(stderr, "INSERT: %s\n", sqlite3_errmsg(c_.Handle()));
            std::exit(1);
        }
        sqlite3_reset(stmt_);
    }

private:
    void Texto(int i, const std::string& v) {
        if (v.empty()) {
            sqlite3_bind_null(stmt_, i);
        } else {
            sqlite3_bind_text(stmt_, i, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
        }
    }

    TConexao& c_;
    int codProd_;
    int codigo_ = 0;
    sqlite3_stmt* stmt_ = nullptr;
};

// A field of an own-structure line (positions from 1), trimmed, in the program's own text.
std::string Campo(const std::string& linha, size_t posicao, size_t largura) {
    return posicao - 1 < linha.size() ? Aparar(Cp1252ParaUtf8(std::string_view(linha).substr(posicao - 1, largura)))
                                      : std::string();
}

// The limit: the file read as the import reads it, each line's fields cut and converted, and
// inserted with no check.
void ImportarSemChecagens(TConexao& c, const fs::path& arquivo, int codProd) {
    InsercaoDireta insercao(c, codProd);
    TclsLeitorArquivoTexto leitor(arquivo, 4037);
    std::string linha;
    while (leitor.LerLinha(linha)) {
        Insumo r;
        r.tipo = Campo(linha, 1, 1);
        r.ncm = Campo(linha, 2, 8);
        r.detalhe = Campo(linha, 10, 4);
        r.descricao = Campo(linha, 14, 254);
        r.coeficiente = std::strtod(Campo(linha, 268, 15).c_str(), nullptr) / 1e8;
        r.unidade = Campo(linha, 283, 2);
        r.codEmpresa = Campo(linha, 285, 30);
        r.especificacao = Campo(linha, 315, 4037 - 314);
        insercao.Inserir(r);
    }
}

void Importar(TConexao& c, const fs::path& arquivo, const std::string& codProd) {
    TclsImportacaoEstruturaPropria importacao(c);
    if (importacao.ImportarArquivo({arquivo.string(), kInscricao, codProd, "0401", false}) !=
        TResultadoImportacao::Concluida) {
        std::fprintf(stderr, "A importação falhou: %s\n", importacao.MensagemErro().c_str());
        std::exit(1);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 20000;
    if (argc > 2) {
        g_ncms = std::max(1, std::atoi(argv[2]));
    }
    std::random_device rd;
    const fs::path raiz = fs::temp_directory_path() / ("korvex-bench-" + std::to_string(rd()));
    setenv("KORVEX_RAIZ", raiz.c_str(), 1);

    TConexao c;
    CriarBancoVazio(c);
    CriarInfoGerais(&c);
    Preparar(c);
    CaixasRoteiro caixas;

    std::vector<Insumo> linhas, existentes;
    for (int i = 0; i < n; ++i) {
        linhas.push_back(Gerar(i, "arq"));
        existentes.push_back(Gerar(i, "old"));
    }
    const fs::path arquivo = raiz / "insumos.txt";
    {
        std::ofstream saida(arquivo, std::ios::binary);
        for (const auto& r : linhas) {
            saida << Utf8ParaCp1252(Linha(r)) << "\r\n";
        }
    }
    // Product 2 already holds n other inputs.
    {
        InsercaoDireta insercao(c, 2);
        for (const auto& r : existentes) {
            insercao.Inserir(r);
        }
    }

    const Tempo limite = Medir([&] { ImportarSemChecagens(c, arquivo, 3); });
    const Tempo validacao = Medir([&] {
        TclsImportacaoEstruturaPropria importacao(c);
        if (!importacao.ValidarArquivo({arquivo.string(), kInscricao, "1", "0401", false}).invalidas.empty()) {
            std::fprintf(stderr, "A validação recusou linhas do arquivo.\n");
            std::exit(1);
        }
    });
    const Tempo vazio = Medir([&] { Importar(c, arquivo, "1"); });
    const Tempo cheio = Medir([&] { Importar(c, arquivo, "2"); });
    std::printf("%d linhas (P, E, N, R alternados; %d NCM; especificações de ~200 caracteres)\n", n, g_ncms);
    std::printf("%-44s %10s %9s %9s %9s %9s\n", "", "linhas/s", "parede", "cpu", "x limite", "x cpu");
    auto mostrar = [&](const std::string& nome, Tempo t) {
        std::printf("%-44s %10.0f %8.3fs %8.3fs %8.2fx %8.2fx\n", nome.c_str(), n / t.parede, t.parede, t.cpu,
                    t.parede / limite.parede, t.cpu / limite.cpu);
    };
    mostrar("limite: ler, cortar, INSERT preparado", limite);
    mostrar("importação, produto vazio", vazio);
    mostrar("importação, produto com " + std::to_string(n) + " insumos", cheio);
    mostrar("validação sem gravar, produto vazio", validacao);
    std::printf("validação / importação (produto vazio): %.2fx parede, %.2fx cpu\n", validacao.parede / vazio.parede,
                validacao.cpu / vazio.cpu);
    c.Fechar();
    fs::remove_all(raiz);
    return 0;
}
