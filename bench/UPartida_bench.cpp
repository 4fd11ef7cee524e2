// Start-up time: from the start of a process to the main menu painted on the screen, and to the
// first answer of korvex-admin, each over a listing database of its own.
//
//     QT_QPA_PLATFORM=xcb DISPLAY=:N build/bench/UPartida_bench [VEZES]
//
// Each round starts a new process of this program that runs the program's start-up (application
// object, data module and its connections, menu) and reports the moment the menu is first
// painted and the moment the connections were open; then korvex-admin answers a query (one
// connection) and imports a one-line file (through the data module). Prints the median
// and the smallest time of each over VEZES rounds (10 unless given), and the median processor time
// of each process (steadier than the elapsed time on a shared machine).

#include "ApoioBench.h"
#include "app/UJanelas.h"
#include "comum/CaixasMensagemQt.h"
#include "comum/Plataforma.h"
#include "dados/BancoDados.h"
#include "dados/DatConn.h"
#include "ui/UAplicacao.h"
#include "ui/UMenu.h"

#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

double Agora() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Ends the program once the menu has been painted (after the first painting pass over its widgets),
// writing when the connections were open and when the menu was painted.
class PrimeiraPintura : public QObject {
public:
    PrimeiraPintura(int saida, double conectado) : saida_(saida), conectado_(conectado) {}

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint && !pintou_ && objeto->isWidgetType()) {
            pintou_ = true;
            QTimer::singleShot(0, [this] {
                const std::string tempos = std::to_string(conectado_) + " " + std::to_string(Agora()) + "\n";
                (void)!write(saida_, tempos.data(), tempos.size());
                QApplication::quit();
            });
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    int saida_;
    double conectado_;
    bool pintou_ = false;
};

// The program's start-up, as its main() runs it, up to the painted menu.
int Programa(int argc, char* argv[], int saida) {
    TAplicacao app(argc, argv);
    CaixasMensagemQt caixas;
    DefinirCaixasMensagem(&caixas);
    dm_DatConn = std::make_unique<Tdm_DatConn>();
    if (!dm_DatConn->Conectar()) {
        return 1;
    }
    PrimeiraPintura pintura(saida, Agora());
    RegistrarJanelas();
    {
        TFMenu menu;
        app.installEventFilter(&pintura);
        menu.show();
        app.exec();
    }
    dm_DatConn.reset();
    return 0;
}

// Milliseconds of a process: elapsed until it ended, and of processor time.
struct Tempo {
    double parede;
    double cpu;
};

// Runs a command in a new process and times it.
Tempo Cronometrar(const std::vector<std::string>& argumentos, int* saida = nullptr) {
    int canal[2];
    if (saida && pipe(canal) != 0) {
        std::exit(1);
    }
    const double inicio = Agora();
    const pid_t filho = fork();
    if (filho == 0) {
        if (saida) {
            close(canal[0]);
            dup2(canal[1], 3);
        }
        const int nulo = open("/dev/null", O_WRONLY);
        dup2(nulo, 1);
        std::vector<char*> v;
        for (const auto& a : argumentos) {
            v.push_back(const_cast<char*>(a.c_str()));
        }
        v.push_back(nullptr);
        execv(v[0], v.data());
        std::_Exit(127);
    }
    if (saida) {
        close(canal[1]);
        *saida = canal[0];
    }
    int estado = 0;
    rusage uso{};
    wait4(filho, &estado, 0, &uso);
    const double fim = Agora();
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) {
        std::fprintf(stderr, "%s terminou com erro\n", argumentos[0].c_str());
        std::exit(1);
    }
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return {fim - inicio, ms(uso.ru_utime) + ms(uso.ru_stime)};
}

struct Serie {
    std::vector<double> ms;
    std::vector<double> cpu;
    void Mostrar(const char* nome) {
        std::sort(ms.begin(), ms.end());
        std::sort(cpu.begin(), cpu.end());
        std::printf("%-46s %8.1f ms %8.1f ms", nome, ms[ms.size() / 2], ms.front());
        if (!cpu.empty()) {
            std::printf(" %8.1f ms", cpu[cpu.size() / 2]);
        }
        std::printf("\n");
    }
    void Acrescentar(Tempo t) {
        ms.push_back(t.parede);
        cpu.push_back(t.cpu);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "--programa") == 0) {
        return Programa(argc, argv, 3);
    }
    const int vezes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const fs::path raiz = fs::temp_directory_path() / ("korvex-bench-partida-" + std::to_string(getpid()));
    setenv("KORVEX_RAIZ", raiz.c_str(), 1);
    {
        TConexao c;
        CriarBancoVazio(c);
        c.ExecutarNativo("INSERT INTO KX_EMPRESA VALUES ('200123456', 'BENCH LTDA');"
                         "INSERT INTO KXUNIDADES VALUES ('1', 'UNIDADE');"
                         "INSERT INTO PRJ_NCM VALUES ('73181500', 'PARAFUSOS', '1');"
                         "INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt, "
                         "exp_tipoprodvlt, exp_modprod) VALUES ('200123456', 1, '1', '73181500', '0401', '001', 'M');");
    }
    const fs::path arquivo = raiz / "um.txt";
    std::ofstream(arquivo) << "N73181500    Parafuso" << std::string(246, ' ') << "000000100000000 1\r\n";

    Serie conexao, menu, consulta, importacao;
    for (int i = 0; i < vezes; ++i) {
        int canal = -1;
        const double inicio = Agora();
        const Tempo programa = Cronometrar({"/proc/self/exe", "--programa"}, &canal);
        char texto[128] = {};
        (void)!read(canal, texto, sizeof texto - 1);
        close(canal);
        double conectado = 0, pintado = 0;
        if (std::sscanf(texto, "%lf %lf", &conectado, &pintado) != 2) {
            std::fprintf(stderr, "o programa não mostrou o menu\n");
            return 1;
        }
        conexao.ms.push_back(conectado - inicio);
        menu.Acrescentar({pintado - inicio, programa.cpu});
        consulta.Acrescentar(Cronometrar({KORVEX_ADMIN, "sql", "SELECT count(*) FROM KX_EMPRESA"}));
        importacao.Acrescentar(Cronometrar({KORVEX_ADMIN, "importar", "200123456", "1", arquivo.string()}));
        Cronometrar({KORVEX_ADMIN, "sql", "DELETE FROM KX_EXPINSUMO"});
    }
    std::printf("%d vezes                                           mediana     menor  CPU (mediana)\n", vezes);
    conexao.Mostrar("início do processo -> conexões abertas");
    menu.Mostrar("início do processo -> menu pintado (CPU: processo)");
    consulta.Mostrar("korvex-admin sql");
    importacao.Mostrar("korvex-admin importar, 1 linha (módulo de dados)");
    fs::remove_all(raiz);
    return 0;
}
