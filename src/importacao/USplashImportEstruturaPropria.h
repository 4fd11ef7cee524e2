#pragma once
// TFSplashImportEstruturaPropria, the progress window of one import: after the user's
// confirmation it reads the own-structure file line by line into the chosen product,
// all lines or none, with a bar over the lines and a log; then it closes itself.

#include "importacao/ImportacaoEstruturaPropria.h"
#include "ui/USplashLE.h"

class TFSplashImportEstruturaPropria : public TFSplashLE {
    Q_OBJECT
public:
    explicit TFSplashImportEstruturaPropria(QWidget* pai = nullptr);

    // What the wizard hands over: the file's full path, the registration and the two
    // codes of the product that receives the inputs.
    void DefinirImportacao(std::string arquivo, std::string inscricao, std::string codProd, std::string codProdVlt);

protected:
    void Executar() override;

private:
    TParametrosImportacao parametros_;
};
