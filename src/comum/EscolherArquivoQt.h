#pragma once
// The open-file dialog shown with Qt: a QFileDialog named after the window's component,
// offering the filter's pairs and accepting only an existing file.

#include "comum/EscolherArquivo.h"

class EscolhaArquivoQt : public IEscolhaArquivo {
public:
    // Starts in the folder of `caminho` (or at it, when it is a folder), else in the home
    // folder. A mask matches file names without regard to case, as on the agency's
    // Windows machines, so "*.txt" also offers "LISTA.TXT".
    bool EscolherArquivo(const DialogoArquivo& dialogo, std::string& caminho) override;
};
