// Input list and duplicate check speed, on an encrypted database made for the run:
//  - a product with N inputs (a quarter of each type) fills both tabs of the input list,
//    against the same rows read with bare prepared statements;
//  - saving a replicated input with N inputs of its type sharing one NCM code: the
//    duplicate test of each properties window, from the click on Salvar to the refusal,
//    against the same test run as one bare prepared statement.
//
//     QT_QPA_PLATFORM=offscreen build/bench/UInsumoLE_bench [N]

#include "comum/CaixasRoteiro.h"
#include "comum/Plataforma.h"
#include "dados/BancoDados.h"
#include "dados/DatConn.h"
#include "dados/Esquema.h"
#include "listagem/UInsumoLE.h"
#include "listagem/UPropriedadeInsumo.h"
#include "listagem/UPropriedadeInsumoPadrao.h"

#include <sqlite3.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kInscricao = "200123456";
const char* const kTipos[] = {"P", "E", "N", "R"};
const std::string kNCMComum = "84733049";

std::string Especificacao(int i) {
    std::string texto = "Especificação " + std::to_string(i) + " ";
    while (texto.size() < 120) {
        texto += "liga metálica tratada ";
    }
    return texto;
}

// Product 1: n inputs of the four types in turn over 100 NCM codes. Products 2 and 3: n
// inputs of type E, resp. P (four item details), all under one NCM code.
void Preparar(TConexao& c, int n) {
    TTransacao t(c);
    c.Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('" + kInscricao + "', 'Bench Ltda')");
    for (int u = 1; u <= 10; ++u) {
        c.Executar("INSERT INTO KXUNIDADES (codunid, descunid) VALUES ('" + std::to_string(u) + "', 'UNIDADE " +
                   std::to_string(u) + "')");
    }
    c.Executar("INSERT INTO PRJ_NCM (ncm_codigo, ncm_descricao, uni_codigo) VALUES ('" + kNCMComum +
               "', 'Partes de máquinas', '1')");
    for (int d = 1; d <= 4; ++d) {
        const std::string detalhe = "000" + std::to_string(d);
        c.Executar("INSERT INTO PROD_ITEM (cd_produto_xvm, cd_mercadoria_ncm, vtncm_detalhe) VALUES ('0401', '" +
                   kNCMComum + "', '" + detalhe + "')");
        c.Executar("INSERT INTO VLT_NCM (vtncm_codigo, vtncm_detalhe, vtncm_descricao) VALUES ('" + kNCMComum + "', '" +
                   detalhe + "', 'Item da lista padrão')");
    }
    for (int p = 1; p <= 3; ++p) {
        c.Executar("INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt, "
                   "exp_tipoprodvlt, exp_modprod) VALUES ('" +
                   kInscricao + "', " + std::to_string(p) + ", '1', '85287200', '0401', '001', 'M" + std::to_string(p) +
                   "')");
    }
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(c.Handle(),
                       "INSERT INTO KX_EXPINSUMO (emp_inscvlt, exp_codprod, exp_codins, codunid, exp_tipoins, "
                       "exp_ncmins, exp_coeftec, exp_detinsvlt, exp_descins, ins_codemp, exp_espetec) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                       -1, &stmt, nullptr);
    auto inserir = [&](int produto, int codins, const std::string& tipo, const std::string& ncm,
                       const std::string& detalhe, const std::string& descricao, const std::string& especificacao) {
        const std::string unidade = std::to_string(codins % 10 + 1);
        const std::string part = "PN-" + std::to_string(codins);
        sqlite3_bind_text(stmt, 1, kInscricao.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(stmt, 2, produto);
        sqlite3_bind_int(stmt, 3, codins);
        sqlite3_bind_text(stmt, 4, unidade.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 5, tipo.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 6, ncm.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(stmt, 7, (codins % 1000 + 1) * 0.0125);
        if (detalhe.empty()) {
            sqlite3_bind_null(stmt, 8);
        } else {
            sqlite3_bind_text(stmt, 8, detalhe.c_str(), -1, SQLITE_TRANSIENT);
        }
        sqlite3_bind_text(stmt, 9, descricao.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 10, part.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 11, especificacao.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(stmt) != SQLITE_DONE) {
            std::fprintf(stderr, "INSERT: %s\n", sqlite3_errmsg(c.Handle()));
            std::exit(1);
        }
        sqlite3_reset(stmt);
    };
    for (int i = 1; i <= n; ++i) {
        const std::string tipo = kTipos[i % 4];
        const std::string ncm = std::to_string(84000000 + (i % 100) * 101);
        inserir(1, i, tipo, ncm, tipo == "P" ? "0001" : "", "Insumo número " + std::to_string(i), Especificacao(i));
        inserir(2, i, "E", kNCMComum, "", "Peça estrangeira número " + std::to_string(i), Especificacao(i));
        inserir(3, i, "P", kNCMComum, "000" + std::to_string(i % 4 + 1), "Item da lista padrão", Especificacao(i));
    }
    sqlite3_finalize(stmt);
    t.Confirmar();
}

// Elapsed and processor time; the machine is shared, so both are shown.
struct Tempo {
    double parede = 1e9;
    double cpu = 1e9;
};

// The best of several runs, for each of the two times.
Tempo Melhor(int vezes, const std::function<void()>& f) {
    Tempo melhor;
    for (int i = 0; i < vezes; ++i) {
        const auto inicio = std::chrono::steady_clock::now();
        const std::clock_t cpu = std::clock();
        f();
        melhor.cpu = std::min(melhor.cpu, double(std::clock() - cpu) / CLOCKS_PER_SEC);
        melhor.parede =
            std::min(melhor.parede, std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count());
    }
    return melhor;
}

// "12.3 ms (cpu 11.0 ms)", and the ratio to the floor on both.
void Mostrar(const char* nome, Tempo t, Tempo piso) {
    std::printf("  %-40s %8.2f ms (cpu %8.2f ms)  %.1fx (cpu %.1fx)\n", nome, t.parede * 1e3, t.cpu * 1e3,
                t.parede / piso.parede, t.cpu / piso.cpu);
}

// Reads every row and column of a native statement: texts as texts, the coefficient as a number.
size_t LerDireto(sqlite3* banco, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(banco, sql, -1, &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, kInscricao.c_str(), -1, SQLITE_STATIC);
    size_t bytes = 0;
    std::vector<std::string> linha;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        linha.clear();
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            if (sqlite3_column_type(stmt, c) == SQLITE_FLOAT) {
                bytes += static_cast<size_t>(sqlite3_column_double(stmt, c) > 0);
            } else if (const auto* texto = sqlite3_column_text(stmt, c)) {
                linha.emplace_back(reinterpret_cast<const char*>(texto));
                bytes += linha.back().size();
            }
        }
    }
    sqlite3_finalize(stmt);
    return bytes;
}

const char* const kListaNativa =
    "SELECT CASE A.exp_tipoins WHEN 'E' THEN 'Estrangeiro' WHEN 'P' THEN 'Padrao' WHEN 'N' THEN 'Nacional' "
    "WHEN 'R' THEN 'Regional' END, A.exp_ncmins, A.exp_detinsvlt, A.exp_descins, A.exp_espetec, A.exp_coeftec, "
    "A.codunid, B.descunid, A.exp_codins, 0, A.ins_codemp, A.exp_tipoins FROM KX_EXPINSUMO A LEFT JOIN KXUNIDADES B "
    "ON A.codunid = B.codunid WHERE A.emp_inscvlt = ? AND A.exp_codprod = 1 AND ";

// Opens the replicate window on the product's first input and times the refused save.
template <typename J> Tempo SalvarDuplicado(TClsLExProduto& produto, CaixasRoteiro& caixas) {
    TConsulta consulta(&dm_DatConn->adocon_korvex);
    consulta.Abrir("SELECT * FROM KX_EXPINSUMO WHERE emp_inscvlt = '" + kInscricao +
                   "' AND exp_codprod = " + produto.exp_codprod() + " AND exp_codins = 1");
    TclsLExInsumo insumo;
    insumo.Set_emp_inscvlt(kInscricao);
    insumo.Set_exp_codprod(produto.exp_codprod());
    insumo.Set_exp_codins(1);
    insumo.Set_exp_tipoins(consulta.Texto("exp_tipoins"));
    insumo.Set_exp_ncmins(consulta.Texto("exp_ncmins"));
    insumo.Set_exp_detinsvlt(consulta.Texto("exp_detinsvlt"));
    insumo.Set_exp_descins(consulta.Texto("exp_descins"));
    insumo.Set_exp_espetec(consulta.Texto("exp_espetec"));
    insumo.Set_exp_coeftec(consulta.Flutuante("exp_coeftec"));
    insumo.Set_codunid(consulta.Texto("codunid"));
    Tempo tempo;
    QTimer::singleShot(0, [&]() {
        QWidget* janela = QApplication::activeModalWidget();
        QWidget* salvar = janela->findChild<QWidget*>("botao2");
        caixas.Limpar();
        tempo = Melhor(20, [&] { QTest::mouseClick(salvar, Qt::LeftButton); });
        if (caixas.Mostradas().size() != 20 || caixas.Ultima().texto != "Erro no Insumo! Insumo JA cadastrado") {
            std::fprintf(stderr, "o salvamento não foi recusado como duplicado\n");
            std::exit(1);
        }
        janela->close();
    });
    J::Replicar(produto, insumo);
    return tempo;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const int n = argc > 1 ? std::max(4, std::atoi(argv[1])) : 10000;
    std::random_device rd;
    const fs::path raiz = fs::temp_directory_path() / ("korvex-bench-" + std::to_string(rd()));
    setenv("KORVEX_RAIZ", raiz.c_str(), 1);
    fs::create_directories(CaminhoBancoListagem().parent_path());
    fs::create_directories(CaminhoArquivoReferencia().parent_path());
    std::ofstream(CaminhoArquivoReferencia()) << "";
    {
        TConexao c;
        c.Criar(CaminhoBancoListagem().string(), kSenhaBanco);
        CriarEsquema(c);
        Preparar(c, n);
    }
    QApplication app(argc, argv);
    CaixasRoteiro caixas;
    dm_DatConn = std::make_unique<Tdm_DatConn>();
    if (!dm_DatConn->Conectar()) {
        return 1;
    }

    TConexao direto;
    direto.Abrir(CaminhoBancoListagem().string(), kSenhaBanco);
    const Tempo piso = Melhor(5, [&] {
        LerDireto(direto.Handle(), (std::string(kListaNativa) + "A.exp_tipoins = 'P' ORDER BY A.exp_codins").c_str());
        LerDireto(direto.Handle(),
                  (std::string(kListaNativa) + "(A.exp_tipoins <> 'P' OR A.exp_tipoins IS NULL) ORDER BY A.exp_codins")
                      .c_str());
    });

    TClsLExProduto produto;
    produto.Set_emp_inscvlt(kInscricao);
    produto.Set_exp_codprod(1);
    produto.Set_exp_codprodvlt("0401");
    TFInsumoLE lista(produto);
    lista.show();
    QApplication::processEvents();
    const Tempo preencher = Melhor(5, [&] {
        lista.CarregarPadrao();
        lista.CarregarOutras();
    });
    const Tempo preencherPintar = Melhor(5, [&] {
        lista.CarregarPadrao();
        lista.CarregarOutras();
        lista.repaint();
        QApplication::processEvents();
    });
    const int linhas = lista.lvwInsPadrao->topLevelItemCount() + lista.lvwInsOutros->topLevelItemCount();
    lista.hide();

    // The same duplicate tests as one bare statement each, on the program's connection.
    sqlite3* banco = dm_DatConn->adocon_korvex.Handle();
    auto existe = [banco](const char* sql, const std::vector<std::string>& valores) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(banco, sql, -1, &stmt, nullptr);
        for (size_t i = 0; i < valores.size(); ++i) {
            sqlite3_bind_text(stmt, static_cast<int>(i + 1), valores[i].c_str(), -1, SQLITE_STATIC);
        }
        const bool achou = sqlite3_step(stmt) == SQLITE_ROW;
        sqlite3_finalize(stmt);
        return achou;
    };
    const Tempo pisoDescricao = Melhor(20, [&] {
        existe("SELECT * FROM KX_EXPINSUMO WHERE emp_inscvlt = ? AND exp_codprod = 2 AND exp_tipoins = 'E' AND "
               "exp_ncmins = ? AND TRIM(exp_descins) = ? COLLATE JET AND TRIM(exp_espetec) = ? COLLATE JET",
               {kInscricao, kNCMComum, "Peça estrangeira número 1", Especificacao(1)});
    });
    const Tempo pisoDetalhe = Melhor(20, [&] {
        existe("SELECT * FROM KX_EXPINSUMO WHERE emp_inscvlt = ? AND exp_codprod = 3 AND exp_tipoins = 'P' AND "
               "exp_ncmins = ? AND exp_detinsvlt = ? AND TRIM(exp_espetec) = ? COLLATE JET",
               {kInscricao, kNCMComum, "0002", Especificacao(1)});
    });
    produto.Set_exp_codprod(2);
    const Tempo descricao = SalvarDuplicado<TFPropriedadeInsumo>(produto, caixas);
    produto.Set_exp_codprod(3);
    const Tempo detalhe = SalvarDuplicado<TFPropriedadeInsumoPadrao>(produto, caixas);

    std::printf("Lista de insumos: %d insumos (P, E, N, R alternados), %d linhas nas duas abas\n", n, linhas);
    Mostrar("leitura direta (instruções preparadas)", piso, piso);
    Mostrar("preencher as duas abas", preencher, piso);
    Mostrar("preencher e pintar", preencherPintar, piso);
    std::printf("Teste de duplicidade ao salvar, %d insumos do tipo com o mesmo NCM\n", n);
    Mostrar("por descrição: instrução direta", pisoDescricao, pisoDescricao);
    Mostrar("por descrição: Salvar recusado", descricao, pisoDescricao);
    Mostrar("por detalhe: instrução direta", pisoDetalhe, pisoDetalhe);
    Mostrar("por detalhe: Salvar recusado", detalhe, pisoDetalhe);
    dm_DatConn.reset();
    direto.Fechar();
    fs::remove_all(raiz);
    return 0;
}
