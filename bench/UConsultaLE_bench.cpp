// The listing browser with a company of 10,000 listing products, against the floor of the
// same work measured in the same run:
//  - Localizar (list filled and painted) against reading the same rows of the same listing
//    statement with bare prepared statements on a connection of the same database;
//  - a click on a column heading (sorted and painted) against sorting the same column's
//    texts with the same comparison in a plain vector;
//  - opening a product's properties window (shown and painted) against showing the empty
//    frame window and running the same lookups with bare prepared statements.
// Each figure is the median of several rounds, elapsed and CPU time.
//
// Usage: UConsultaLE_bench [listing products] [zone products]
// Runs on the platform that QT_QPA_PLATFORM names: offscreen, or xcb under Xvfb to paint for real.

#include "ApoioBench.h"
#include "comum/CaixasMensagem.h"
#include "comum/Plataforma.h"
#include "dados/BancoDados.h"
#include "dados/DatConn.h"
#include "dados/Esquema.h"
#include "dados/SQLListas.h"
#include "listagem/UConsultaLE.h"
#include "listagem/UPropriedadeProduto.h"
#include "ui/UControles.h"

#include <QApplication>
#include <QCollator>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace fs = std::filesystem;
using Relogio = std::chrono::steady_clock;

namespace {

const char* const kEmpresa = "200123456";
constexpr int kRodadas = 7;

double MilissegundosCPU() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) * 1e3 +
           double(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e3;
}

// Medians of the rounds of a piece of work, in milliseconds: elapsed and CPU time (the
// machine is shared, so the CPU time is the steadier figure).
struct Medida {
    double tempo = 0;
    double cpu = 0;
};

Medida Mediana(const std::function<void()>& trabalho, int rodadas = kRodadas) {
    std::vector<double> tempos;
    std::vector<double> cpus;
    for (int i = 0; i < rodadas; ++i) {
        const auto inicio = Relogio::now();
        const double cpuInicio = MilissegundosCPU();
        trabalho();
        cpus.push_back(MilissegundosCPU() - cpuInicio);
        tempos.push_back(std::chrono::duration<double, std::milli>(Relogio::now() - inicio).count());
    }
    std::sort(tempos.begin(), tempos.end());
    std::sort(cpus.begin(), cpus.end());
    return {tempos[tempos.size() / 2], cpus[cpus.size() / 2]};
}

std::string Codigo(int zona) {
    const std::string texto = std::to_string(zona);
    return std::string(texto.size() < 4 ? 4 - texto.size() : 0, '0') + texto;
}

// Zone products 0001 .. N (each with two types and two NCM codes per type), twelve units,
// and the company's listing products spread over them.
void CriarBanco(int produtos, int zona) {
    TConexao c;
    CriarBancoVazio(c);
    TTransacao transacao(c);
    c.Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('200123456', 'EMPRESA DE MEDIÇÃO LTDA')");
    for (int u = 1; u <= 12; ++u) {
        c.Executar("INSERT INTO KXUNIDADES (codunid, descunid) VALUES ('" + std::to_string(u) + "', 'UNIDADE " +
                   std::to_string(u) + "')");
    }
    for (int z = 1; z <= zona; ++z) {
        const std::string codigo = Codigo(z);
        c.Executar("INSERT INTO T_PROXVM (cd_produto_xvm, nm_produto_xvm) VALUES ('" + codigo +
                   "01', 'Produto da zona " + std::to_string(z) + " com descrição de tamanho comum')");
        for (const char* tipo : {"001", "002"}) {
            c.Executar("INSERT INTO PRJ_TIPO_PROD (prdt_codprod, prdt_codtipo, prdt_desctipo) VALUES ('" + codigo +
                       "', '" + tipo + "', 'Tipo " + tipo + " do produto')");
            for (int n = 0; n < 2; ++n) {
                const std::string ncm = "8" + codigo + tipo[2] + std::to_string(n) + "0";
                c.Executar("INSERT INTO PRJ_NCM (ncm_codigo, ncm_descricao, uni_codigo) VALUES ('" + ncm + "', 'NCM " +
                           ncm + "', '1')");
                c.Executar("INSERT INTO PRJ_NCM_PROD_VLT (nps_codprod, nps_codtipo, nps_ncm) VALUES ('" + codigo +
                           "', '" + tipo + "', '" + ncm + "')");
            }
        }
    }
    for (int p = 1; p <= produtos; ++p) {
        const int z = 1 + (p * 7919) % zona;
        const std::string codigo = Codigo(z);
        const char* tipo = p % 2 ? "001" : "002";
        const std::string ncm = "8" + codigo + tipo[2] + std::to_string(p % 2) + "0";
        c.Executar("INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt, "
                   "exp_tipoprodvlt, exp_modprod, cus_codigo, mod_codemp) VALUES ('200123456', " +
                   std::to_string(p) + ", '" + std::to_string(1 + p % 12) + "', '" + ncm + "', '" + codigo + "', '" +
                   tipo + "', 'Modelo " + std::to_string((p * 104729) % 100000) + " linha " + std::to_string(p % 37) +
                   "', 'CC-" + std::to_string(p % 50) + "', 'MOD-" + std::to_string(p) + "')");
    }
    transacao.Confirmar();
}

// Reads every row of a statement with bare prepared statements, each column as text.
size_t LerCru(sqlite3* banco, const std::string& sql) {
    sqlite3_stmt* comando = nullptr;
    if (sqlite3_prepare_v2(banco, sql.c_str(), -1, &comando, nullptr) != SQLITE_OK) {
        throw std::runtime_error(sqlite3_errmsg(banco));
    }
    std::vector<std::vector<std::string>> linhas;
    const int colunas = sqlite3_column_count(comando);
    while (sqlite3_step(comando) == SQLITE_ROW) {
        std::vector<std::string> linha;
        for (int i = 0; i < colunas; ++i) {
            const auto* texto = sqlite3_column_text(comando, i);
            linha.emplace_back(texto ? reinterpret_cast<const char*>(texto) : "");
        }
        linhas.push_back(std::move(linha));
    }
    sqlite3_finalize(comando);
    return linhas.size();
}

// Runs `acao` on the modal window once it is up, from a timer.
void QuandoModal(std::function<void(QWidget*)> acao) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, acao] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            acao(modal);
        }
    });
    timer->start(0);
}

void Relatar(const char* nome, const Medida& medida, const Medida& piso, const char* nomePiso, double meta) {
    std::printf("%s (meta < %.0f ms: %s)\n", nome, meta, medida.tempo < meta ? "atingida" : "NÃO atingida");
    std::printf("    tempo %8.1f ms, CPU %8.1f ms\n", medida.tempo, medida.cpu);
    std::printf("    piso (%s): tempo %8.1f ms, CPU %8.1f ms\n", nomePiso, piso.tempo, piso.cpu);
    std::printf("    razão: tempo %5.1f, CPU %5.1f\n", medida.tempo / piso.tempo,
                medida.cpu / std::max(piso.cpu, 0.001));
}

} // namespace

int main(int argc, char* argv[]) {
    const int produtos = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int zona = argc > 2 ? std::atoi(argv[2]) : 2000;
    QApplication app(argc, argv);
    CaixasSilenciosas caixas;
    DefinirCaixasMensagem(&caixas);

    std::string modelo = (fs::temp_directory_path() / "korvex-bench-XXXXXX").string();
    if (!mkdtemp(modelo.data())) {
        return 1;
    }
    setenv("KORVEX_RAIZ", modelo.c_str(), 1);
    int resultado = 0;
    try {
        std::printf("Criando o banco: %d produtos da listagem sobre %d produtos da zona...\n", produtos, zona);
        CriarBanco(produtos, zona);
        dm_DatConn = std::make_unique<Tdm_DatConn>();
        if (!dm_DatConn->Conectar()) {
            throw std::runtime_error("não foi possível conectar ao banco");
        }
        TConexao crua;
        crua.Abrir(CaminhoBancoListagem().string(), kSenhaBanco);

        auto janela = std::make_unique<TFConsultaLE>();
        janela->show();
        if (!QTest::qWaitForWindowExposed(janela.get())) {
            throw std::runtime_error("a janela não apareceu");
        }
        janela->edtInscVlt->setText(kEmpresa);
        QTreeWidget* lista = janela->lvwProd;

        // Localizar.
        const Medida localizar = Mediana([&] {
            QTest::mouseClick(janela->botao5, Qt::LeftButton);
            janela->repaint();
        });
        const int linhas = lista->topLevelItemCount();
        size_t linhasCruas = 0;
        const std::string sql = SQLProdutosEmpresa(kEmpresa);
        const Medida leituraCrua = Mediana([&] { linhasCruas = LerCru(crua.Handle(), sql); });
        std::printf("Linhas na lista: %d (leitura crua: %zu)\n", linhas, linhasCruas);

        // Sorting by a column heading (alternately ascending and descending).
        QHeaderView* cabecalho = lista->header();
        const QPoint titulo(cabecalho->sectionViewportPosition(TFConsultaLE::ColDescProduto) + 5,
                            cabecalho->height() / 2);
        const Medida ordenar = Mediana([&] {
            QTest::mouseClick(cabecalho->viewport(), Qt::LeftButton, {}, titulo);
            janela->repaint();
        });
        std::vector<QString> textos;
        for (int i = 0; i < linhas; ++i) {
            textos.push_back(lista->topLevelItem(i)->text(TFConsultaLE::ColDescProduto));
        }
        QCollator colacao(QLocale(QLocale::Portuguese, QLocale::Brazil));
        colacao.setCaseSensitivity(Qt::CaseInsensitive);
        const Medida ordenarCru = Mediana([&] {
            std::vector<QString> copia = textos;
            std::reverse(copia.begin(), copia.end());
            std::stable_sort(copia.begin(), copia.end(),
                             [&](const QString& a, const QString& b) { return colacao.compare(a, b) < 0; });
        });

        // Opening a product's properties.
        lista->setCurrentItem(lista->topLevelItem(linhas / 2));
        int abertas = 0;
        const Medida abrir = Mediana([&] {
            QuandoModal([&abertas](QWidget* modal) {
                abertas += qobject_cast<TFPropriedadeProduto*>(modal) != nullptr;
                modal->repaint();
                modal->close();
            });
            QTest::mouseClick(janela->botao1, Qt::LeftButton);
        });
        if (abertas != kRodadas) {
            throw std::runtime_error("a janela de propriedades não abriu em cada rodada");
        }
        QTreeWidgetItem* item = lista->topLevelItem(linhas / 2);
        const std::string codigo = item->text(TFConsultaLE::ColCodProdVlt).toStdString();
        const std::string tipo = item->text(TFConsultaLE::ColCodTipoProd).toStdString();
        const std::string ncm = item->text(TFConsultaLE::ColNCM).toStdString();
        const std::string unidade = item->text(TFConsultaLE::ColCodUnid).toStdString();
        const std::vector<std::string> consultas = {
            "SELECT emp_razao FROM KX_EMPRESA WHERE emp_inscvlt = '200123456'",
            "SELECT nm_produto_xvm FROM T_PROXVM WHERE mid(cd_produto_xvm,1,4) = '" + codigo + "'",
            SQLTiposProduto(codigo),
            "SELECT ncm_descricao FROM PRJ_NCM_PROD_VLT A, PRJ_NCM B WHERE a.nps_ncm = b.ncm_codigo AND nps_ncm = '" +
                ncm + "' AND nps_codprod = '" + codigo + "' AND nps_codtipo = '" + tipo + "'",
            "SELECT uni_codigo FROM PRJ_NCM_PROD_VLT A, PRJ_NCM B WHERE a.nps_ncm = b.ncm_codigo AND nps_ncm = '" +
                ncm + "' AND nps_codprod = '" + codigo + "' AND nps_codtipo = '" + tipo + "'",
            "SELECT descunid FROM KXUNIDADES WHERE codunid = '1'",
            "SELECT ncm_descricao FROM PRJ_NCM WHERE ncm_codigo = '" + ncm + "'",
            "SELECT descunid FROM KXUNIDADES WHERE codunid = '" + unidade + "'",
        };
        const Medida abrirCru = Mediana([&] {
            TFModelPrincipal quadro; // the frame window alone
            QuandoModal([](QWidget* modal) {
                modal->repaint();
                modal->close();
            });
            quadro.exec();
            for (const std::string& consulta : consultas) {
                LerCru(crua.Handle(), consulta);
            }
        });

        std::printf("Plataforma: %s\n", qPrintable(QGuiApplication::platformName()));
        Relatar("Localizar (lista preenchida)", localizar, leituraCrua, "leitura crua", 200);
        Relatar("Ordenar por coluna", ordenar, ordenarCru, "ordenação do vetor", 100);
        Relatar("Abrir as propriedades do produto", abrir, abrirCru, "quadro vazio + consultas", 100);
        janela.reset();
        dm_DatConn.reset();
    } catch (const std::exception& e) {
        std::cerr << "Erro: " << e.what() << std::endl;
        resultado = 1;
    }
    fs::remove_all(modelo);
    return resultado;
}
