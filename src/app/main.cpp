// Start-up: the application object, the data module and its connection, then the main
// menu, which runs until the user leaves the program.

#include "app/DatConn.h"
#include "comum/CaixasMensagemQt.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("KORVEX");
    QApplication::setApplicationDisplayName("KORVEX");

    CaixasMensagemQt caixas;
    DefinirCaixasMensagem(&caixas);

    dm_DatConn = std::make_unique<Tdm_DatConn>();
    if (!dm_DatConn->Conectar()) {
        dm_DatConn.reset();
        return 1;
    }

    QLabel janela("KORVEX");
    janela.setObjectName("FMenu");
    janela.resize(800, 600);
    janela.show();
    int resultado = app.exec();
    dm_DatConn.reset();
    return resultado;
}
