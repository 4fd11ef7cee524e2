#include "envio/UAssisEnvioLE.h"

#include "comum/CaixasMensagem.h"
#include "comum/Plataforma.h"
#include "comum/RotinasUteis.h"
#include "comum/clsPastas.h"
#include "envio/USplashEnvioLE.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace {

// The send list: the rows of the product list in list order, ticked or not, with exp_codprod.
std::vector<ItemListaEnvio> ListaEnvio(const TListaProdutosLE& lista) {
    std::vector<ItemListaEnvio> itens;
    for (int i = 0; i < lista.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = lista.topLevelItem(i);
        itens.push_back({item->checkState(0) == Qt::Checked, item->text(TListaProdutosLE::ColCodProd).toStdString()});
    }
    return itens;
}

} // namespace

TFAssisEnvioLE::TFAssisEnvioLE(QWidget* pai)
    : TFAssistenteLE(pai, "Selecione as Listagens a serem enviadas", "Caminho para salvar os arquivos", "&Enviar") {
    setObjectName("FAssisEnvioLE");
    // The run takes the folder and the file name from a holder of this wizard's own.
    NovaPastas();

    rdgFiltro = new QGroupBox("O que desejas fazer agora ?", TabSheet2);
    rdgFiltro->setObjectName("rdgFiltro");
    rdgFiltro->setGeometry(12, 30, 374, 84);
    itensFiltro_ = new QButtonGroup(this);
    const char* itens[] = {"Enviar os arquivos.", "Não quero enviar. Somente gerar os arquivos."};
    for (int i = 0; i < 2; ++i) {
        auto* item = new QRadioButton(itens[i], rdgFiltro);
        item->setObjectName(QStringLiteral("rdgFiltro%1").arg(i));
        item->move(12, 24 + 26 * i);
        item->adjustSize();
        itensFiltro_->addButton(item, i);
    }
    itensFiltro_->button(0)->setChecked(true);
    gbxCaminho->move(12, 124);

    connect(itensFiltro_, &QButtonGroup::idClicked, this, &TFAssisEnvioLE::rdgFiltroClick);
    connect(btnBuscarDir, &QPushButton::clicked, this, &TFAssisEnvioLE::btnBuscarDirClick);
    connect(btnEnviar, &QPushButton::clicked, this, &TFAssisEnvioLE::btnEnviarClick);
}

int TFAssisEnvioLE::ItemFiltro() const {
    return itensFiltro_->checkedId();
}

void TFAssisEnvioLE::FormShow() {
    TFAssistenteLE::FormShow();
    LTitJan->setText("Envio da Listagem de Exportação");
    rdgFiltroClick();
}

// Only generating needs a folder of the user's choice.
void TFAssisEnvioLE::rdgFiltroClick() {
    btnBuscarDir->setEnabled(ItemFiltro() == 1);
}

void TFAssisEnvioLE::btnBuscarDirClick() {
    std::string pasta;
    EscolherPasta("Selecionar Pasta", "", pasta);
    staCaminho->setText(QString::fromStdString(pasta));
}

void TFAssisEnvioLE::btnEnviarClick() {
    if (!EmpresaInformada()) {
        return;
    }
    const bool somenteGerar = ItemFiltro() == 1;
    if (somenteGerar && Aparar(staCaminho->text().toStdString()).empty()) {
        CaixaErro("Erro", "Erro no Caminho de Destino! A Listagem DEVE TER algum diretório de destino.");
        return;
    }
    if (!lvwProd->PrimeiroMarcado()) {
        CaixaErro("Erro", "Erro no Envio! Nenhum Item foi selecionado.");
        return;
    }

    auto splash = std::make_unique<TFSplashEnvioLE>(this);
    splash->DefinirEnvio(edtInscVlt->text().toStdString(), ListaEnvio(*lvwProd), somenteGerar);
    std::string pasta = PastaTemporaria();
    if (somenteGerar) {
        pasta = staCaminho->text().toStdString();
        if (pasta.back() != '/') {
            pasta += '/';
        }
    }
    Pastas->DefinePasta(pasta);
    splash->exec();
    splash.reset();
    close();
}
