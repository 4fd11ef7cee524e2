#pragma once
// TFAssisEnvioLE, the send wizard: the user picks a company, ticks products of its
// export listing, chooses between sending the file and only generating it into a folder,
// and starts the send run in its progress window. The wizard closes after the run.

#include "ui/UAssistenteLE.h"

class QButtonGroup;

class TFAssisEnvioLE : public TFAssistenteLE {
    Q_OBJECT
public:
    explicit TFAssisEnvioLE(QWidget* pai = nullptr);

    QGroupBox* rdgFiltro;

    // The chosen action: 0 "Enviar os arquivos.", 1 "Não quero enviar. Somente gerar os arquivos.".
    int ItemFiltro() const;

protected:
    void FormShow() override;

private:
    void rdgFiltroClick();
    void btnBuscarDirClick();
    void btnEnviarClick();

    QButtonGroup* itensFiltro_;
};
