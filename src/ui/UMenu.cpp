#include "ui/UMenu.h"

#include "comum/CaixasMensagem.h"
#include "ui/FigurasQt.h"
#include "ui/UControles.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>

#include <map>

namespace {

// A hot region of the background picture, in client pixels, bounds inclusive.
struct Regiao {
    int x1, x2, y1, y2;
    bool Contem(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};

constexpr Regiao kAjuda{20, 66, 424, 441};
constexpr Regiao kCreditos{80, 137, 424, 441};
constexpr Regiao kSair{178, 208, 424, 441};
constexpr Regiao kPortal{185, 398, 572, 589};

constexpr int kTopoBlocos = 213;
constexpr int kEspacoEntreBlocos = 4;
const QColor kVerdeLink(10, 92, 70);

std::map<TFMenu::Janela, TFMenu::FabricaJanela>& Fabricas() {
    static std::map<TFMenu::Janela, TFMenu::FabricaJanela> fabricas;
    return fabricas;
}

QFont FonteTahoma(int pixels, bool negrito) {
    QFont fonte;
    fonte.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    fonte.setPixelSize(pixels);
    fonte.setBold(negrito);
    return fonte;
}

} // namespace

void TFMenu::RegistrarJanela(Janela janela, FabricaJanela fabrica) {
    Fabricas()[janela] = std::move(fabrica);
}

QUrl TFMenu::EnderecoAvisos() {
    return QUrl(QStringLiteral("http://%1/servicos/Korvex/KVX_AVISO.asp").arg(QLatin1String(kHostPortalServicos)));
}

TFMenu::TFMenu(QWidget* pai) : QWidget(pai, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("FMenu"));
    setWindowTitle(QGuiApplication::applicationDisplayName());
    setFixedSize(800, 600);

    imageMenu = new TImagem(this);
    imageMenu->setObjectName(QStringLiteral("imageMenu"));
    imageMenu->DefinirFigura(FiguraArte(QStringLiteral("menu_fundo.jpg")));
    connect(imageMenu, &TImagem::MouseMovido, this, [this](TImagem*, QPoint p) { imageMenuMouseMove(p); });
    connect(imageMenu, &TImagem::Clicado, this, &TFMenu::imageMenuClick);

    // The update date sits at the right end of the background's footer band.
    QPalette branco = palette();
    branco.setColor(QPalette::WindowText, Qt::white);
    lb_ultatualizacao = new QLabel(QStringLiteral("Última Atualização:"), this);
    lb_ultatualizacao->setObjectName(QStringLiteral("lb_ultatualizacao"));
    lb_dtatualizacao = new QLabel(QStringLiteral("99/99/9999"), this);
    lb_dtatualizacao->setObjectName(QStringLiteral("lb_dtatualizacao"));
    for (QLabel* rotulo : {lb_ultatualizacao, lb_dtatualizacao}) {
        rotulo->setFont(FonteTahoma(12, true));
        rotulo->setPalette(branco);
        rotulo->adjustSize();
    }
    const int larguraData = lb_dtatualizacao->width() + 8;
    lb_dtatualizacao->setGeometry(800 - 16 - larguraData, 572, larguraData, 18);
    lb_ultatualizacao->setGeometry(lb_dtatualizacao->x() - 4 - lb_ultatualizacao->width(), 572,
                                   lb_ultatualizacao->width(), 18);

    auto* ActionList1 = new QObject(this);
    ActionList1->setObjectName(QStringLiteral("ActionList1"));
    auto novaAcao = [ActionList1](const char* nome, auto manipulador, TFMenu* menu) {
        auto* acao = new QAction(ActionList1);
        acao->setObjectName(QLatin1String(nome));
        connect(acao, &QAction::triggered, menu, manipulador);
        return acao;
    };
    QAction* AcAssistEnvLE = novaAcao("AcAssistEnvLE", &TFMenu::AcAssistEnvLEExecute, this);
    QAction* AcImporArquivos = novaAcao("AcImporArquivos", &TFMenu::AcImporArquivosExecute, this);
    QAction* AcCadEmpresa = novaAcao("AcCadEmpresa", &TFMenu::AcCadEmpresaExecute, this);
    QAction* AcCadUnidade = novaAcao("AcCadUnidade", &TFMenu::AcCadUnidadeExecute, this);

    for (int i = 0; i < 3; ++i) {
        Desligado[i] = new TImagem(this);
        Desligado[i]->setObjectName(QStringLiteral("Desligado%1").arg(i));
        Desligado[i]->DefinirFigura(FiguraArte(QStringLiteral("menu_desligado%1.jpg").arg(i)));
        Desligado[i]->DefinirTag(i);
        Desligado[i]->setCursor(Qt::PointingHandCursor);
        connect(Desligado[i], &TImagem::MouseMovido, this, [this](TImagem* s, QPoint) { Desligado0MouseMove(s); });
    }
    for (int i = 0; i < 3; ++i) {
        Ligado[i] = new TImagem(this);
        Ligado[i]->setObjectName(QStringLiteral("Ligado%1").arg(i));
        const QPixmap figura = FiguraArte(QStringLiteral("menu_ligado%1.jpg").arg(i));
        Ligado[i]->DefinirEsticar(true);
        Ligado[i]->DefinirFigura(figura);
        Ligado[i]->resize(figura.size());
        Ligado[i]->DefinirTag(i);
        Ligado[i]->setCursor(Qt::PointingHandCursor);
        Ligado[i]->hide();
    }
    connect(Ligado[0], &TImagem::Clicado, this, &TFMenu::Ligado0Click);
    connect(Ligado[1], &TImagem::Clicado, this, &TFMenu::Ligado1Click);
    connect(Ligado[2], &TImagem::Clicado, this, &TFMenu::Ligado1Click);

    // Tile 0 has no sub-menu: an empty Menu0 keeps the loops over 0..2 uniform.
    Menu[0] = new QWidget(this);
    Menu[0]->setObjectName(QStringLiteral("Menu0"));
    Menu[0]->resize(0, 0);
    Menu[0]->hide();

    // The strips leave a faded panel with two link rows (tops 67 and 127) whose text
    // starts 52 pixels right of the panel's edge.
    auto novaFaixa = [this](int indice, int altura, const char* figura, const char* nomeImagem) {
        auto* faixa = new QWidget(this);
        faixa->setObjectName(QStringLiteral("Menu%1").arg(indice));
        faixa->resize(800, altura);
        faixa->hide();
        auto* imagem = new TImagem(faixa);
        imagem->setObjectName(QLatin1String(nomeImagem));
        imagem->DefinirFigura(FiguraArte(QLatin1String(figura)));
        Menu[indice] = faixa;
        return imagem;
    };
    Imagem1 = novaFaixa(1, 198, "menu_faixa1.jpg", "Imagem1");
    Imagem2 = novaFaixa(2, 197, "menu_faixa2.jpg", "Imagem2");

    auto novoLink = [this](QWidget* faixa, const char* nome, const QString& texto, int x, int y, QAction* acao) {
        auto* link = new TRotulo(texto, faixa);
        link->setObjectName(QLatin1String(nome));
        link->setFont(FonteTahoma(15, true));
        QPalette cores = link->palette();
        cores.setColor(QPalette::WindowText, kVerdeLink);
        link->setPalette(cores);
        link->setCursor(Qt::PointingHandCursor);
        link->adjustSize();
        link->move(x, y);
        connect(link, &TRotulo::Clicado, acao, &QAction::trigger);
        return link;
    };
    Label2 = novoLink(Menu[1], "Label2", QStringLiteral("Envio da Listagem de Exportação"), 325, 67, AcAssistEnvLE);
    Label1 = novoLink(Menu[1], "Label1", QStringLiteral("Importação Arq. Estrut. Própria"), 325, 127, AcImporArquivos);
    Label3 = novoLink(Menu[2], "Label3", QStringLiteral("Cadastro de Empresa"), 56, 67, AcCadEmpresa);
    Label4 = novoLink(Menu[2], "Label4", QStringLiteral("Cadastro de Unidade de Medida"), 56, 127, AcCadUnidade);
}

void TFMenu::showEvent(QShowEvent* evento) {
    // A restore from the task bar is not a show of the window.
    if (!evento->spontaneous()) {
        FormShow();
    }
    QWidget::showEvent(evento);
}

void TFMenu::FormShow() {
    FLigado = kNenhumLigado;
    FLigouDesde = false;
    setFixedSize(800, 600);
    if (const QScreen* tela = screen()) {
        move(tela->geometry().center() - rect().center());
    }

    // The controls of index N are found by name; each tile follows its left neighbour
    // with a 4-pixel gap (tiles 254, 269 and 268 wide give lefts 0, 258 and 531).
    for (int n = 0; n <= 2; ++n) {
        auto* faixa = findChild<QWidget*>(QStringLiteral("Menu%1").arg(n));
        auto* ligado = findChild<TImagem*>(QStringLiteral("Ligado%1").arg(n));
        auto* desligado = findChild<TImagem*>(QStringLiteral("Desligado%1").arg(n));
        faixa->move(0, kTopoBlocos);
        if (n == 0) {
            ligado->move(0, kTopoBlocos);
            desligado->move(0, kTopoBlocos);
        } else {
            auto* ligadoAnterior = findChild<TImagem*>(QStringLiteral("Ligado%1").arg(n - 1));
            auto* desligadoAnterior = findChild<TImagem*>(QStringLiteral("Desligado%1").arg(n - 1));
            ligado->move(ligadoAnterior->x() + ligadoAnterior->width() + kEspacoEntreBlocos, kTopoBlocos);
            desligado->move(desligadoAnterior->x() + desligadoAnterior->width() + kEspacoEntreBlocos, kTopoBlocos);
        }
    }
    lb_dtatualizacao->setText(QLatin1String(kDataAtualizacao));
}

void TFMenu::Desligado0MouseMove(TImagem* Sender) {
    const int indice = Sender->Tag();
    if (indice == FLigado) {
        return;
    }
    for (int n = 0; n <= 2; ++n) {
        Ligado[n]->setVisible(n == indice);
    }
    FLigado = indice;
    FLigouDesde = true;
}

void TFMenu::imageMenuMouseMove(QPoint posicao) {
    FX = posicao.x();
    FY = posicao.y();
    const bool quente =
        kAjuda.Contem(FX, FY) || kCreditos.Contem(FX, FY) || kSair.Contem(FX, FY) || kPortal.Contem(FX, FY);
    setCursor(quente ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (FLigouDesde) {
        FLigouDesde = false;
        for (int n = 0; n <= 2; ++n) {
            Menu[n]->hide();
            Ligado[n]->hide();
        }
        FLigado = kNenhumLigado;
    }
}

void TFMenu::imageMenuClick() {
    if (kAjuda.Contem(FX, FY)) {
        MensagemSimples("Acesse o manual do usuário no Portal de Serviços da Veltran!");
    } else if (kCreditos.Contem(FX, FY)) {
        // The credits caption answers nothing.
    } else if (kSair.Contem(FX, FY)) {
        if (CaixaPergunta("Observação Geral", "Desejas realmente fechar este aplicativo?") == kBotaoSim) {
            QCoreApplication::processEvents();
            close();
            QCoreApplication::quit();
        }
    }
    if (kPortal.Contem(FX, FY)) {
        // Nothing is read back; a browser that does not open is not reported.
        QDesktopServices::openUrl(EnderecoAvisos());
    }
}

void TFMenu::Ligado0Click() {
    AbrirJanela(Janela::ConsultaLE);
}

void TFMenu::Ligado1Click(TImagem* Sender) {
    const int indice = Sender->Tag();
    for (int n = 1; n <= 2; ++n) {
        Menu[n]->setVisible(n == indice);
    }
}

void TFMenu::AcAssistEnvLEExecute() {
    AbrirJanela(Janela::AssisEnvioLE);
}
void TFMenu::AcImporArquivosExecute() {
    AbrirJanela(Janela::ImportEstruturaPropria);
}
void TFMenu::AcCadEmpresaExecute() {
    AbrirJanela(Janela::ManterEmpresa);
}
void TFMenu::AcCadUnidadeExecute() {
    AbrirJanela(Janela::ManterUnidade);
}

void TFMenu::AvisarModuloIndisponivel() {
    CaixaInformacao("Informação", "Este módulo ainda não está disponível nesta versão.");
}

void TFMenu::AbrirJanela(Janela janela) {
    const auto fabrica = Fabricas().find(janela);
    if (fabrica == Fabricas().end() || !fabrica->second) {
        AvisarModuloIndisponivel();
        return;
    }
    // Owned by the menu, shown modally and freed on return; the menu stays as it was.
    const std::unique_ptr<QDialog> formulario = fabrica->second(this);
    formulario->exec();
}
