#pragma once
// The message boxes and the folder chooser shown with Qt: QMessageBox with the
// buttons, default button, icon and return codes of each box, and QFileDialog.

#include "comum/CaixasMensagem.h"

class CaixasMensagemQt : public ICaixasMensagem {
public:
    // Modal over the whole application; the text is plain (line feeds break lines,
    // "<" shows as itself). The plain message is titled with the application's name.
    int Mostrar(TipoCaixa tipo, const std::string& titulo, const std::string& texto) override;
    // Starts at the folder text when it is not empty, else at the root folder when one
    // is given, else at the home folder; gives the chosen path without trailing "/".
    bool EscolherPasta(const std::string& titulo, const std::string& raiz, std::string& pasta) override;
};
