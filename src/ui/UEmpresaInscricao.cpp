#include "ui/UEmpresaInscricao.h"

#include "comum/ListaNomeValor.h"
#include "comum/RotinasUteis.h"
#include "dados/SelAccessUsoGeral.h"
#include "ui/UPesquisaGerador.h"

#include <QLineEdit>

QString RazaoSocialDigitada(const QString& inscricao) {
    const std::string texto = Aparar(inscricao.toStdString());
    if (texto.size() != 9 || !EhInteiro(texto)) {
        return {};
    }
    return QString::fromStdString(RazaoSocialEmpresa(texto));
}

bool PesquisarEmpresa(QLineEdit* inscricao, QLineEdit* razao) {
    TListaNomeValor retorno;
    if (!TFPesquisaGerador::Pesquisar(0, retorno)) {
        return false;
    }
    inscricao->setText(QString::fromStdString(retorno.Valor("EMP_INSCVLT")));
    razao->setText(QString::fromStdString(retorno.Valor("EMP_RAZAO")));
    return true;
}
