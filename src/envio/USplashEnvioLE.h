#pragma once
// TFSplashEnvioLE, the progress window of one send run: it writes the export listing
// file of the ticked products and, unless only generating, uploads it, with a bar over
// the products and a log of the steps; then it closes itself.

#include "envio/GeracaoLE.h"
#include "ui/USplashLE.h"

#include <string>
#include <vector>

class TFSplashEnvioLE : public TFSplashLE {
    Q_OBJECT
public:
    explicit TFSplashEnvioLE(QWidget* pai = nullptr);

    // What the wizard hands over: the registration as typed, its product list in list
    // order and whether only to generate the file. The folder is already in Pastas.
    void DefinirEnvio(std::string inscricao, std::vector<ItemListaEnvio> produtos, bool somenteGerar);

protected:
    // The send run. A generation error stops it with the file written so far left on disk;
    // the error is reported once and the window closes.
    void Executar() override;

private:
    std::string inscricao_;
    std::vector<ItemListaEnvio> produtos_;
    bool somenteGerar_ = false;
};
