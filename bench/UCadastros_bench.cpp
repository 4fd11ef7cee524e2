// Filling the list windows of the company and unit registers, against the floor of the same
// work: reading the same rows, in the same order, with a bare prepared statement on an open
// connection.
//
// A new database holds 10,000 companies and 10,000 units (or the count given). For each
// register it measures, as the median of several runs:
//  - open: the window created and shown (its show loads the list) until the list has painted
//    its rows, which is what the user waits for after the menu's click;
//  - reload: CarregarEmpresas / CarregarUnidades on the open window until the list has painted;
//  - wait after a save: RecarregarEmpresas(true) / RecarregarUnidades(true) when the new row
//    is already committed, and the most rounds the wait took (it must end in its first);
//  - the list statement alone, run through the data layer;
//  - floor: the bare prepared statement, every row stepped and both columns copied.
// Prints the times and their ratios to the floor.
//
// Runs on the platform that QT_QPA_PLATFORM names: offscreen, or Xvfb (xcb) to paint for real.
//
// Usage: UCadastros_bench [rows]

#include "ApoioBench.h"
#include "cadastros/UManterEmpresa.h"
#include "cadastros/UManterUnidade.h"
#include "comum/CaixasMensagem.h"
#include "comum/Plataforma.h"
#include "dados/BancoDados.h"
#include "dados/DatConn.h"
#include "dados/Esquema.h"
#include "dados/SQLListas.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTreeWidget>

#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kRodadas = 7;

// Names that do not follow the keys' order, so that the ORDER BY does real work.
std::string Razao(int n) {
    return "EMPRESA " + std::to_string((n * 7919) % 100003) + " INDÚSTRIA E COMÉRCIO DA AMAZÔNIA LTDA";
}

void CriarBanco(int linhas) {
    TConexao c;
    CriarBancoVazio(c);
    TTransacao transacao(c);
    for (int primeiro = 1; primeiro <= linhas; primeiro += 100) {
        std::string empresas;
        std::string unidades;
        for (int n = primeiro; n <= std::min(linhas, primeiro + 99); ++n) {
            const char* separador = n > primeiro ? ", " : "";
            empresas += separador + std::string("(") + Q(std::to_string(200000000 + n)) + ", " + Q(Razao(n)) + ")";
            unidades += separador + std::string("(") + Q(std::to_string((n * 37) % 100019) + "," + std::to_string(n)) +
                        ", " + Q("UNIDADE DE MEDIDA " + std::to_string(n)) + ")";
        }
        c.Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES " + empresas);
        c.Executar("INSERT INTO KXUNIDADES (codunid, descunid) VALUES " + unidades);
    }
    transacao.Confirmar();
}

// Reads the rows of the list statement with a bare prepared statement on the list query's
// own open connection (which knows the program's collation); returns the rows read.
size_t LerSimples(const std::string& tabela, const std::string& ordem, std::vector<std::string>& saida) {
    sqlite3* banco = dm_DatConn->qry_sel.Conexao()->Handle();
    sqlite3_stmt* stmt = nullptr;
    const std::string sql = "SELECT * FROM " + tabela + " ORDER BY " + ordem;
    if (sqlite3_prepare_v2(banco, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        throw std::runtime_error(sqlite3_errmsg(banco));
    }
    saida.clear();
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int coluna = 0; coluna < 2; ++coluna) {
            saida.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, coluna)));
        }
    }
    sqlite3_finalize(stmt);
    return saida.size() / 2;
}

double Milissegundos(const QElapsedTimer& relogio) {
    return static_cast<double>(relogio.nsecsElapsed()) / 1e6;
}

// Counts the statements run on the list query's connection.
int ContarInstrucoes(unsigned, void* contador, void*, void*) {
    ++*static_cast<int*>(contador);
    return 0;
}

// Sets a flag when the list's viewport paints.
class Pintura : public QObject {
public:
    bool pintou = false;
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint) {
            pintou = true;
        }
        return QObject::eventFilter(objeto, evento);
    }
};

// Runs `trabalho`, then handles window messages until the list has painted; milliseconds.
double AtePintar(const std::function<QTreeWidget*()>& trabalho, Pintura& pintura) {
    QElapsedTimer relogio;
    relogio.start();
    pintura.pintou = false;
    QTreeWidget* lista = trabalho();
    lista->viewport()->update();
    while (!pintura.pintou) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return Milissegundos(relogio);
}

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <typename Janela>
void Medir(const char* nome, const std::string& tabela, const std::string& colunaChave, const std::string& ordem,
           void (Janela::*carregar)(), void (Janela::*recarregar)(bool)) {
    std::vector<double> abrir;
    std::vector<double> recarregar_;
    std::vector<double> aguardar;
    std::vector<double> simples;
    std::vector<double> instrucao;
    std::vector<std::string> linhas;
    size_t lidas = 0;
    int mostradas = 0;
    int rodadas = 0;
    Pintura pintura;
    for (int r = 0; r < kRodadas; ++r) {
        std::unique_ptr<Janela> janela;
        abrir.push_back(AtePintar(
            [&] {
                janela = std::make_unique<Janela>();
                janela->Lista()->viewport()->installEventFilter(&pintura);
                janela->show();
                return janela->Lista();
            },
            pintura));
        recarregar_.push_back(AtePintar(
            [&] {
                (janela.get()->*carregar)();
                return janela->Lista();
            },
            pintura));
        // A new row, already committed when the wait begins.
        const std::string chave = "9" + std::to_string(r);
        dm_DatConn->adocon_korvex.Executar("INSERT INTO " + tabela + " (" + colunaChave + ") VALUES (" + Q(chave) +
                                           ")");
        int instrucoes = 0;
        sqlite3_trace_v2(dm_DatConn->qry_sel.Conexao()->Handle(), SQLITE_TRACE_STMT, ContarInstrucoes, &instrucoes);
        aguardar.push_back(AtePintar(
            [&] {
                (janela.get()->*recarregar)(true);
                return janela->Lista();
            },
            pintura));
        sqlite3_trace_v2(dm_DatConn->qry_sel.Conexao()->Handle(), 0, nullptr, nullptr);
        // The reload runs the list statement once; every other run is a round of the wait.
        rodadas = std::max(rodadas, instrucoes - 1);
        mostradas = janela->Lista()->topLevelItemCount();
        dm_DatConn->adocon_korvex.Executar("DELETE FROM " + tabela + " WHERE " + colunaChave + " = " + Q(chave));
        // Both reads below find the connection's cache as the other finds it.
        LerSimples(tabela, ordem, linhas);
        QElapsedTimer relogio;
        relogio.start();
        lidas = LerSimples(tabela, ordem, linhas);
        simples.push_back(Milissegundos(relogio));
        relogio.restart();
        AbrirLista(tabela == "KX_EMPRESA" ? SQLEmpresas() : SQLUnidades()).Fechar();
        instrucao.push_back(Milissegundos(relogio));
    }
    const double piso = Mediana(simples);
    std::printf("%s: %zu linhas (a lista mostrou %d com a nova)\n", nome, lidas, mostradas);
    std::printf("  instrução preparada simples       %8.1f ms\n", piso);
    std::printf("  instrução da lista pela camada    %8.1f ms  (%.1fx)\n", Mediana(instrucao),
                Mediana(instrucao) / piso);
    std::printf("  abrir a janela até pintar a lista %8.1f ms  (%.1fx)\n", Mediana(abrir), Mediana(abrir) / piso);
    std::printf("  recarregar até pintar             %8.1f ms  (%.1fx)\n", Mediana(recarregar_),
                Mediana(recarregar_) / piso);
    std::printf("  aguardar a nova linha e recarregar %7.1f ms  (%.1fx; rodadas da espera: no máximo %d)\n",
                Mediana(aguardar), Mediana(aguardar) / piso, rodadas);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int linhas = argc > 1 ? std::atoi(argv[1]) : 10000;
    CaixasSilenciosas caixas;
    DefinirCaixasMensagem(&caixas);

    std::string modelo = (fs::temp_directory_path() / "korvex-bench-XXXXXX").string();
    if (!mkdtemp(modelo.data())) {
        return 1;
    }
    const fs::path raiz = modelo;
    setenv("KORVEX_RAIZ", raiz.c_str(), 1);
    int resultado = 0;
    try {
        CriarBanco(linhas);
        dm_DatConn = std::make_unique<Tdm_DatConn>();
        if (!dm_DatConn->Conectar()) {
            throw std::runtime_error("não foi possível conectar ao banco");
        }
        std::printf("Plataforma: %s; medianas de %d rodadas\n", qPrintable(QGuiApplication::platformName()), kRodadas);
        Medir<TFManterEmpresa>("Empresas", "KX_EMPRESA", "emp_inscvlt", "emp_razao", &TFManterEmpresa::CarregarEmpresas,
                               &TFManterEmpresa::RecarregarEmpresas);
        Medir<TFManterUnidade>("Unidades", "KXUNIDADES", "codunid", "codunid", &TFManterUnidade::CarregarUnidades,
                               &TFManterUnidade::RecarregarUnidades);
        dm_DatConn.reset();
    } catch (const std::exception& e) {
        std::cerr << "Erro: " << e.what() << std::endl;
        resultado = 1;
    }
    fs::remove_all(raiz);
    return resultado;
}
