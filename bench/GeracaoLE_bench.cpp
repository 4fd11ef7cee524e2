// Generation of the export listing file against the real limit of the same work.
//
// A company with 1,000 products of 100 inputs each (specifications of about 200 characters, the
// inputs spread over NCMS NCM codes) is written with the send run (only generating). The limit
// reads the same rows the way the run needs them, with two prepared, bound statements per
// product (the product's row, then its inputs' rows, every column read as text), and writes the
// same bytes, product by product, with fwrite through a 1 MiB buffer, as a file that is only ever
// whole (under another name, forced onto the disk, then renamed), which is how the run writes it.
// Prints both times (elapsed and CPU: the machine is shared, so the CPU time is the steadier
// figure), their ratios and the peak memory of the process after a run of a tenth of the products
// and after the full run: the run streams one product at a time, so the peak must not grow with
// the listing.
//
// Usage: GeracaoLE_bench [products] [inputs per product] [NCMS]

#include "ApoioBench.h"
#include "comum/CaixasMensagem.h"
#include "comum/Plataforma.h"
#include "dados/BancoDados.h"
#include "dados/DatConn.h"
#include "dados/Esquema.h"
#include "envio/GeracaoLE.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Relogio = std::chrono::steady_clock;

namespace {

long PicoMemoriaKiB() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

double SegundosCPU() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) +
           double(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

// Elapsed and CPU seconds of a piece of work.
struct Medida {
    double tempo = 0;
    double cpu = 0;
};

template <typename Trabalho> Medida Medir(Trabalho&& trabalho) {
    sync(); // each write starts with no dirty pages of earlier work to flush
    const auto inicio = Relogio::now();
    const double cpuInicio = SegundosCPU();
    trabalho();
    return {std::chrono::duration<double>(Relogio::now() - inicio).count(), SegundosCPU() - cpuInicio};
}

std::string Especificacao(int produto, int insumo) {
    std::string texto = "Especificação técnica do insumo " + std::to_string(insumo) + " do produto " +
                        std::to_string(produto) + ": liga de alumínio anodizado, tolerância de 0,05 mm, ";
    while (texto.size() < 200) {
        texto += "acabamento escovado, ";
    }
    return texto;
}

void PreencherBanco(int produtos, int insumos, int ncms) {
    TConexao c;
    CriarBancoVazio(c);
    TTransacao transacao(c);
    for (int p = 1; p <= produtos; ++p) {
        const std::string codigo = std::to_string(p);
        c.Executar("INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt, "
                   "exp_tipoprodvlt, exp_modprod, cus_codigo, mod_codemp) VALUES ('200123456', " +
                   codigo + ", '1', '85287200', '0401', '001', 'TELEVISOR LED MODELO " + codigo + "', 'CC-01', 'MOD-" +
                   codigo + "')");
        // Fifty rows a statement keep within the engine's limit of bound values.
        for (int primeiro = 1; primeiro <= insumos; primeiro += 50) {
            std::string valores;
            for (int i = primeiro; i <= std::min(insumos, primeiro + 49); ++i) {
                valores += (i > primeiro ? ", " : "") + std::string("('200123456', ") + codigo + ", " +
                           std::to_string(i) + ", '1', 'E', '" + std::to_string(85420000 + i % ncms * 7) +
                           "', '0001', 'Componente eletrônico número " + std::to_string(i) + "', " +
                           Q(Especificacao(p, i)) + ", " + std::to_string(0.0137 * i + 0.5) + ", 'PN-" +
                           std::to_string(i) + "')";
            }
            c.Executar("INSERT INTO KX_EXPINSUMO (emp_inscvlt, exp_codprod, exp_codins, codunid, exp_tipoins, "
                       "exp_ncmins, exp_detinsvlt, exp_descins, exp_espetec, exp_coeftec, ins_codemp) VALUES " +
                       valores);
        }
    }
    transacao.Confirmar();
}

// The listing of company 200123456 with `produtos` products of `insumos` inputs each, in a new
// database under the root. Built in a child process, so that its memory is not the run's.
void CriarBanco(const fs::path& raiz, int produtos, int insumos, int ncms) {
    const pid_t filho = fork();
    if (filho == 0) {
        setenv("KORVEX_RAIZ", raiz.c_str(), 1);
        try {
            PreencherBanco(produtos, insumos, ncms);
        } catch (const std::exception& e) {
            std::cerr << "Erro: " << e.what() << std::endl;
            std::_Exit(1);
        }
        std::_Exit(0);
    }
    int estado = 0;
    waitpid(filho, &estado, 0);
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) {
        throw std::runtime_error("não foi possível criar o banco de " + std::to_string(produtos) + " produtos");
    }
}

// Generates the file of every product of the listing under the root; returns its path.
fs::path Gerar(const fs::path& raiz, int produtos, Medida& medida) {
    setenv("KORVEX_RAIZ", raiz.c_str(), 1);
    dm_DatConn = std::make_unique<Tdm_DatConn>();
    if (!dm_DatConn->Conectar()) {
        throw std::runtime_error("não foi possível conectar ao banco");
    }
    ParametrosEnvio parametros;
    parametros.inscricao = "200123456";
    parametros.pasta = PastaTemporaria();
    parametros.somenteGerar = true;
    parametros.consulta = &dm_DatConn->qry_sel;
    for (int p = 1; p <= produtos; ++p) {
        parametros.produtos.push_back({true, std::to_string(p)});
    }
    std::string arquivo;
    medida = Medir([&] { arquivo = GerarListagem(parametros, {}).arquivo; });
    dm_DatConn.reset();
    return arquivo;
}

// A prepared statement that reads every column of its rows as text, bound to the company and one
// product at a time.
class LeituraDireta {
public:
    LeituraDireta(sqlite3* banco, const char* sql) { sqlite3_prepare_v2(banco, sql, -1, &stmt_, nullptr); }
    ~LeituraDireta() { sqlite3_finalize(stmt_); }

    // Bytes read, so that no read can be left out.
    size_t Ler(int produto) {
        sqlite3_bind_text(stmt_, 1, "200123456", -1, SQLITE_STATIC);
        sqlite3_bind_int(stmt_, 2, produto);
        size_t bytes = 0;
        while (sqlite3_step(stmt_) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(stmt_); ++c) {
                sqlite3_column_text(stmt_, c);
                bytes += static_cast<size_t>(sqlite3_column_bytes(stmt_, c));
            }
        }
        sqlite3_reset(stmt_);
        return bytes;
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// The limit: for each product, its row and its inputs' rows read with two prepared statements,
// then its lines (the bytes of the generated file from its "P" line to the next) written with
// fwrite through a 1 MiB buffer, under another name; the file forced onto the disk, then renamed.
size_t LerEGravar(const fs::path& raiz, const std::string& bytes, const fs::path& destino) {
    setenv("KORVEX_RAIZ", raiz.c_str(), 1);
    TConexao conexao;
    conexao.Abrir(CaminhoBancoListagem().string(), kSenhaBanco);
    LeituraDireta produto(conexao.Handle(),
                          "SELECT emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt, exp_tipoprodvlt, "
                          "exp_modprod, exp_status, cus_codigo, mod_codemp FROM KX_EXPPRODUTO "
                          "WHERE emp_inscvlt = ? AND exp_codprod = ?");
    LeituraDireta insumos(conexao.Handle(),
                          "SELECT emp_inscvlt, exp_codprod, exp_codins, codunid, exp_tipoins, exp_ncmins, "
                          "exp_detinsvlt, exp_descins, exp_espetec, exp_coeftec, exp_status, ins_codemp "
                          "FROM KX_EXPINSUMO WHERE emp_inscvlt = ? AND exp_codprod = ?");
    static char buffer[1 << 20];
    const fs::path escrito = destino.string() + ".parcial";
    std::FILE* saida = std::fopen(escrito.c_str(), "wb");
    if (!saida) {
        throw std::runtime_error("não foi possível criar " + escrito.string());
    }
    std::setvbuf(saida, buffer, _IOFBF, sizeof buffer);
    size_t lidos = 0;
    size_t linha = bytes.find("\r\n") + 2;
    std::fwrite(bytes.data(), 1, linha, saida);
    for (int p = 1; linha < bytes.size(); ++p) {
        lidos += produto.Ler(p) + insumos.Ler(p);
        size_t fim = linha;
        do {
            fim = bytes.find("\r\n", fim) + 2;
        } while (fim < bytes.size() && bytes[fim] != 'P');
        std::fwrite(bytes.data() + linha, 1, fim - linha, saida);
        linha = fim;
    }
    std::fflush(saida);
    GravarNoDisco(saida);
    std::fclose(saida);
    fs::rename(escrito, destino);
    return lidos;
}

} // namespace

int main(int argc, char* argv[]) {
    const int produtos = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int insumos = argc > 2 ? std::atoi(argv[2]) : 100;
    const int ncms = argc > 3 ? std::max(1, std::atoi(argv[3])) : 500;
    const int produtosPequeno = std::max(1, produtos / 10);
    CaixasSilenciosas caixas;
    DefinirCaixasMensagem(&caixas);

    std::string modelo = (fs::temp_directory_path() / "korvex-bench-XXXXXX").string();
    if (!mkdtemp(modelo.data())) {
        return 1;
    }
    const fs::path base = modelo;
    int resultado = 0;
    try {
        std::cout << "Criando os bancos (" << produtosPequeno << " e " << produtos << " produtos de " << insumos
                  << " insumos, " << ncms << " NCM)..." << std::endl;
        CriarBanco(base / "pequeno", produtosPequeno, insumos, ncms);
        CriarBanco(base / "grande", produtos, insumos, ncms);

        Medida pequeno;
        fs::remove(Gerar(base / "pequeno", produtosPequeno, pequeno));
        const long picoPequeno = PicoMemoriaKiB();
        Medida geracao;
        const fs::path arquivo = Gerar(base / "grande", produtos, geracao);
        const long picoGrande = PicoMemoriaKiB();

        std::string bytes;
        {
            std::ifstream entrada(arquivo, std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(entrada), {});
        }
        fs::remove(arquivo);
        const Medida limite = Medir([&] { LerEGravar(base / "grande", bytes, base / "copia.TXT"); });

        std::printf("Arquivo: %zu bytes, %d produtos de %d insumos, %d NCM\n", bytes.size(), produtos, insumos, ncms);
        std::printf("                                      tempo       CPU\n");
        std::printf("Geração (somente gerar)            %8.3f s %8.3f s\n", geracao.tempo, geracao.cpu);
        std::printf("Limite: 2 leituras preparadas      %8.3f s %8.3f s\n", limite.tempo, limite.cpu);
        std::printf("  por produto e gravação inteira\n");
        std::printf("Razão geração / limite             %8.2f   %8.2f\n", geracao.tempo / limite.tempo,
                    geracao.cpu / limite.cpu);
        std::printf("Pico de memória após %4d produtos: %ld KiB (geração em %.3f s, CPU %.3f s)\n", produtosPequeno,
                    picoPequeno, pequeno.tempo, pequeno.cpu);
        std::printf("Pico de memória após %4d produtos: %ld KiB\n", produtos, picoGrande);
    } catch (const std::exception& e) {
        std::cerr << "Erro: " << e.what() << std::endl;
        resultado = 1;
    }
    fs::remove_all(base);
    return resultado;
}
