#include "cadastros/UCadRegistro.h"

#include "comum/CaixasMensagem.h"
#include "comum/RotinasUteis.h"
#include "dados/DatConn.h"
#include "ui/UControles.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

TFCadRegistro::TFCadRegistro(const TDefinicaoCad& definicao, bool novo)
    : TFModelPrincipal(QApplication::activeWindow()), definicao_(definicao), novo_(novo) {
    setObjectName(definicao_.nomeJanela);
    setWindowTitle("Módulo - Listagem de Exportação");
    setFixedSize(definicao_.tamanho);
    setWindowFlag(Qt::WindowMinimizeButtonHint, definicao_.minimizar);
    for (TImagem* botao : {botao0, botao1, botao3, botao4, botao5, botao6, botao7, botao8}) {
        botao->hide();
    }

    Label6 = CriarRotulo(definicao_.rotuloChave, Panel3, "Label6", {16, 14, 200, 16});
    caixaChave = new QLineEdit(Panel3);
    caixaChave->setObjectName(definicao_.nomeChave);
    caixaChave->setGeometry(16, 32, 120, 24);
    AplicarFiltro(caixaChave, definicao_.filtroChave, false, definicao_.tamanhoChave);
    if (definicao_.chaveSemAreaTransferencia) {
        RecusarAreaTransferencia(caixaChave);
    }

    Label1 = CriarRotulo(definicao_.rotuloDescricao, Panel3, "Label1", {16, 68, 200, 16});
    caixaDescricao = new QLineEdit(Panel3);
    caixaDescricao->setObjectName(definicao_.nomeDescricao);
    caixaDescricao->setGeometry(16, 86, definicao_.tamanho.width() - 36, 24);
    AplicarFiltro(caixaDescricao, TFiltroCampo::Livre, true);

    connect(botao2, &TImagem::Clicado, this, &TFCadRegistro::botao2Click);
}

void TFCadRegistro::MostrarRegistro(const std::string& chave, const std::string& descricao) {
    caixaChave->setText(QString::fromStdString(chave));
    caixaChave->setEnabled(false);
    caixaDescricao->setText(QString::fromStdString(descricao));
}

bool TFCadRegistro::Executar() {
    exec();
    return salvo_;
}

void TFCadRegistro::FormShow() {
    TFModelPrincipal::FormShow();
    LTitJan->setText(definicao_.titulo);
    (caixaChave->isEnabled() ? caixaChave : caixaDescricao)->setFocus();
}

bool TFCadRegistro::ValidarCampos() {
    const std::string chave = caixaChave->text().toStdString();
    const std::string descricao = caixaDescricao->text().toStdString();
    if (Aparar(chave).empty()) {
        CaixaErro("Erro", definicao_.erroChave);
        caixaChave->setFocus();
        return false;
    }
    if (Aparar(descricao).empty()) {
        CaixaErro("Erro", definicao_.erroDescricao);
        caixaDescricao->setFocus();
        return false;
    }
    GuardarCampos(chave, descricao);
    return true;
}

void TFCadRegistro::botao2Click() {
    if (!ValidarCampos()) {
        return;
    }
    try {
        TTransacao transacao(dm_DatConn->adocon_korvex);
        Gravar();
        transacao.Confirmar();
    } catch (const std::exception& erro) {
        CaixaErroOperacao(erro.what());
        return;
    }
    salvo_ = true;
    accept();
}
