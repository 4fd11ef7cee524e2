// Start-up: the application object, the data module and its connection, then the main
// menu, which runs until the user leaves the program.

#include "app/DatConn.h"
#include "app/UAplicacao.h"
#include "comum/CaixasMensagemQt.h"
#include "ui/UMenu.h"

int main(int argc, char* argv[]) {
    TAplicacao app(argc, argv);
    QApplication::setApplicationName("KORVEX");
    QApplication::setApplicationDisplayName("KORVEX");

    CaixasMensagemQt caixas;
    DefinirCaixasMensagem(&caixas);

    dm_DatConn = std::make_unique<Tdm_DatConn>();
    if (!dm_DatConn->Conectar()) {
        dm_DatConn.reset();
        return 1;
    }

    int resultado = 0;
    {
        TFMenu menu;
        menu.show();
        resultado = app.exec();
    }
    dm_DatConn.reset();
    return resultado;
}
