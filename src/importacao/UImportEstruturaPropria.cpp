#include "importacao/UImportEstruturaPropria.h"

#include "comum/CaixasMensagem.h"
#include "comum/RotinasUteis.h"
#include "importacao/USplashImportEstruturaPropria.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

TFImportEstruturaPropria::TFImportEstruturaPropria(QWidget* pai)
    : TFAssistenteLE(pai, "Selecione o Produto cujo os insumos serão importados",
                     "Selecione o arquivos contendo os insumo a serem importados", "&Importar") {
    setObjectName("FImportEstruturaPropria");
    connect(lvwProd, &TListaProdutosLE::MousePressionado, this, &TFImportEstruturaPropria::lvwProdMouseDown);
    connect(btnBuscarDir, &QPushButton::clicked, this, &TFImportEstruturaPropria::btnBuscarDirClick);
    connect(btnEnviar, &QPushButton::clicked, this, &TFImportEstruturaPropria::btnEnviarClick);
}

void TFImportEstruturaPropria::FormShow() {
    TFAssistenteLE::FormShow();
    LTitJan->setText("Importar Arquivos de Estrutura Própria");
}

void TFImportEstruturaPropria::lvwProdMouseDown(QTreeWidgetItem* linha) {
    if (!linha || linha->checkState(0) != Qt::Checked) {
        return;
    }
    for (int i = 0; i < lvwProd->topLevelItemCount(); ++i) {
        QTreeWidgetItem* outra = lvwProd->topLevelItem(i);
        if (outra != linha && outra->checkState(0) == Qt::Checked) {
            outra->setCheckState(0, Qt::Unchecked);
        }
    }
}

void TFImportEstruturaPropria::btnBuscarDirClick() {
    std::string caminho = staCaminho->text().toStdString();
    if (EscolherArquivo(dlgCaminho, caminho)) {
        staCaminho->setText(QString::fromStdString(caminho));
    }
}

void TFImportEstruturaPropria::btnEnviarClick() {
    if (!EmpresaInformada()) {
        return;
    }
    const QTreeWidgetItem* produto = lvwProd->PrimeiroMarcado();
    if (!produto) {
        CaixaErro("Erro", "Erro no Envio! Nenhum Item foi selecionado.");
        return;
    }
    if (Aparar(staCaminho->text().toStdString()).empty()) {
        CaixaErro("Erro", "Erro no Caminho de Destino! A Listagem DEVE TER algum diretório de destino.");
        return;
    }

    auto splash = std::make_unique<TFSplashImportEstruturaPropria>(this);
    splash->DefinirImportacao(staCaminho->text().toStdString(), edtInscVlt->text().toStdString(),
                              produto->text(TListaProdutosLE::ColCodProd).toStdString(),
                              produto->text(TListaProdutosLE::ColCodProdVlt).toStdString());
    splash->exec();
    splash.reset();
    close();
}
