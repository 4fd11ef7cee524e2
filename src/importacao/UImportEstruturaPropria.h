#pragma once
// TFImportEstruturaPropria, the import wizard: the user picks a company, ticks the one
// product that receives the inputs and chooses the own-structure file; the import runs in
// its progress window and the wizard closes after it.

#include "comum/EscolherArquivo.h"
#include "ui/UAssistenteLE.h"

class TFImportEstruturaPropria : public TFAssistenteLE {
    Q_OBJECT
public:
    explicit TFImportEstruturaPropria(QWidget* pai = nullptr);

    // The open-file dialog of the own-structure file.
    const DialogoArquivo dlgCaminho{"dlgCaminho", "Abrir", "Arquivos de Produtos|*.txt", "*.txt"};

protected:
    void FormShow() override;

private:
    // With the mouse at most one product is ticked: a press on a ticked row unticks the others.
    void lvwProdMouseDown(QTreeWidgetItem* linha);
    void btnBuscarDirClick();
    void btnEnviarClick();
};
