// Start-up: the application object, the data module and its connection, then the main
// menu, which runs until the user leaves the program.

#include "app/UJanelas.h"
#include "comum/CaixasMensagemQt.h"
#include "comum/EscolherArquivoQt.h"
#include "dados/DatConn.h"
#include "ui/UAplicacao.h"
#include "ui/UMenu.h"

int main(int argc, char* argv[]) {
    TAplicacao app(argc, argv);

    CaixasMensagemQt caixas;
    DefinirCaixasMensagem(&caixas);
    EscolhaArquivoQt escolhaArquivo;
    DefinirEscolhaArquivo(&escolhaArquivo);

    dm_DatConn = std::make_unique<Tdm_DatConn>();
    if (!dm_DatConn->Conectar()) {
        dm_DatConn.reset();
        return 1;
    }

    RegistrarJanelas();

    int resultado = 0;
    {
        TFMenu menu;
        menu.show();
        resultado = app.exec();
    }
    dm_DatConn.reset();
    return resultado;
}
