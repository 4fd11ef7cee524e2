// Shows one of the shell's windows in a given state, to look at it or take a screenshot:
//
//     vitrine_janelas menu | menu-bloco0 | menu-faixa1 | menu-faixa2 | moldura | espera
//     vitrine_janelas insumos INSCRICAO CODPROD
//
// The menu's states are reached with the same mouse events a user would produce. The
// input list opens over the listing database of $KORVEX_RAIZ (korvex-admin demo), with
// the program's own message boxes, to be driven by hand.

#include "comum/CaixasMensagemQt.h"
#include "dados/DatConn.h"
#include "dados/SQLListas.h"
#include "listagem/UInsumoLE.h"
#include "ui/UAplicacao.h"
#include "ui/UControles.h"
#include "ui/UMenu.h"
#include "ui/UModelPrincipal.h"
#include "ui/USkinProgress.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QProgressBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstdio>
#include <memory>

namespace {

void Enviar(QWidget* alvo, QEvent::Type tipo, Qt::MouseButton botao = Qt::NoButton) {
    const QPointF ponto(alvo->width() / 2.0, alvo->height() / 2.0);
    const Qt::MouseButtons botoes = tipo == QEvent::MouseButtonPress ? Qt::MouseButtons(botao) : Qt::NoButton;
    QMouseEvent evento(tipo, ponto, alvo->mapToGlobal(ponto), botao, botoes, Qt::NoModifier);
    QCoreApplication::sendEvent(alvo, &evento);
}

void Clicar(QWidget* alvo) {
    Enviar(alvo, QEvent::MouseButtonPress, Qt::LeftButton);
    Enviar(alvo, QEvent::MouseButtonRelease, Qt::LeftButton);
}

// A register list as the working windows will look: buttons 4, 6, 7 and 8 hidden,
// Excluir disabled, Localizar lit by a release.
class TFExemplo : public TFModelPrincipal {
public:
    TFExemplo() {
        setWindowTitle(QStringLiteral("Módulo - Listagem de Exportação"));
        for (TImagem* botao : {botao4, botao6, botao7, botao8}) {
            botao->hide();
        }
        botao3->setEnabled(false);
        auto* lista = new QTreeWidget(Panel3);
        lista->setRootIsDecorated(false);
        lista->setHeaderLabels({QStringLiteral("Inscrição"), QStringLiteral("Razão Social")});
        lista->header()->resizeSection(0, 120);
        const char* linhas[][2] = {{"101234567", "Indústria Amazônica de Motocicletas Ltda."},
                                   {"102345678", "Componentes Eletrônicos do Norte S.A."},
                                   {"103456789", "Óptica e Relojoaria Manaus Ltda."}};
        for (const auto& linha : linhas) {
            lista->addTopLevelItem(new QTreeWidgetItem({QString::fromUtf8(linha[0]), QString::fromUtf8(linha[1])}));
        }
        auto* layout = new QVBoxLayout(Panel3);
        layout->setContentsMargins(10, 10, 10, 10);
        layout->addWidget(lista);
    }

protected:
    void FormShow() override {
        TFModelPrincipal::FormShow();
        LTitJan->setText(QStringLiteral("Manutenção de Empresas"));
    }
};

} // namespace

int main(int argc, char* argv[]) {
    TAplicacao app(argc, argv);
    TAplicacao::setApplicationDisplayName(QStringLiteral("KORVEX"));
    const QString modo = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("menu");

    if (modo == QLatin1String("insumos") && argc > 3) {
        CaixasMensagemQt caixas;
        DefinirCaixasMensagem(&caixas);
        dm_DatConn = std::make_unique<Tdm_DatConn>();
        if (!dm_DatConn->Conectar()) {
            return 1;
        }
        TConsulta& consulta = AbrirLista(SQLProdutosEmpresa(argv[2]));
        for (; !consulta.Fim() && consulta.Texto("exp_codprod") != argv[3]; consulta.Proximo()) {
        }
        if (consulta.Fim()) {
            std::fprintf(stderr, "Produto %s da empresa %s não encontrado\n", argv[3], argv[2]);
            return 2;
        }
        TClsLExProduto produto;
        produto.Set_emp_inscvlt(argv[2]);
        produto.Set_exp_codprod(std::string_view(argv[3]));
        produto.Set_exp_codprodvlt(consulta.Texto("exp_codprodvlt"));
        consulta.Fechar();
        TFInsumoLE::Exibir(produto);
        dm_DatConn.reset();
        return 0;
    }

    std::unique_ptr<QWidget> janela;
    if (modo.startsWith(QLatin1String("menu"))) {
        janela = std::make_unique<TFMenu>();
        janela->show();
        auto acender = [&](int n) {
            Enviar(janela->findChild<QWidget*>(QStringLiteral("Desligado%1").arg(n)), QEvent::MouseMove);
        };
        if (modo == QLatin1String("menu-bloco0")) {
            acender(0);
        } else if (modo == QLatin1String("menu-faixa1") || modo == QLatin1String("menu-faixa2")) {
            const int n = modo.right(1).toInt();
            acender(n);
            Clicar(janela->findChild<QWidget*>(QStringLiteral("Ligado%1").arg(n)));
        }
    } else if (modo == QLatin1String("moldura")) {
        auto exemplo = std::make_unique<TFExemplo>();
        exemplo->show();
        Enviar(exemplo->botao5, QEvent::MouseButtonPress, Qt::LeftButton);
        Enviar(exemplo->botao5, QEvent::MouseButtonRelease, Qt::LeftButton);
        janela = std::move(exemplo);
    } else if (modo == QLatin1String("espera")) {
        auto espera = std::make_unique<TFSkinProgress>();
        espera->pgb->setMaximum(10);
        espera->pgb->setValue(4);
        espera->show();
        janela = std::move(espera);
    } else {
        std::fprintf(stderr, "Modo desconhecido: %s\n", qPrintable(modo));
        return 2;
    }
    return app.exec();
}
