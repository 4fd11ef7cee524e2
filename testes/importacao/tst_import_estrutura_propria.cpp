// The import wizard and its progress window driven for real on the offscreen platform,
// over the demonstration database: the company typed, one product ticked with the mouse,
// the file chosen, each validation, a valid file imported from the menu, a file whose
// last line is invalid, and the confirmation answered No.

#include "apoio/AmbienteTeste.h"
#include "apoio/EstruturaPropria.h"
#include "apoio/JanelaModal.h"
#include "apoio/JanelasAssistente.h"
#include "app/UJanelas.h"
#include "comum/CaixasRoteiro.h"
#include "comum/EscolherArquivo.h"
#include "comum/clsPastas.h"
#include "dados/BancoDados.h"
#include "dados/DatConn.h"
#include "importacao/UImportEstruturaPropria.h"
#include "importacao/USplashImportEstruturaPropria.h"
#include "ui/UControles.h"
#include "ui/UMenu.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const char* const kEmpresa = "200123456";
const CaixaMostrada kInformeEmpresa{TipoCaixa::Informacao, "Aviso", "Informe a Empresa."};
const CaixaMostrada kNenhumItem{TipoCaixa::Erro, "Erro", "Erro no Envio! Nenhum Item foi selecionado."};
const CaixaMostrada kSemArquivo{TipoCaixa::Erro, "Erro",
                                "Erro no Caminho de Destino! A Listagem DEVE TER algum diretório de destino."};
const CaixaMostrada kPergunta{TipoCaixa::Pergunta, "Informação",
                              "Deseja confirmar a importação dos arquivos de Estrutura Própria \r\nda empresa "
                              "[200123456] - [ELETRÔNICA AMAZÔNIA INDÚSTRIA E COMÉRCIO LTDA]?"};
const CaixaMostrada kSucesso{TipoCaixa::Informacao, "Informação", "Operação realizada com sucesso!"};

// Three valid inputs of types N, R and E.
std::vector<std::string> LinhasValidas() {
    return {
        MontarLinha(
            {.tipo = "N", .ncm = "39269010", .descricao = "Etiqueta adesiva de identificação", .codEmpresa = "ETQ-01"}),
        MontarLinha({.tipo = "R",
                     .ncm = "73181510",
                     .descricao = "Parafuso de fixação do suporte",
                     .coeficiente = "000000400000000",
                     .especificacao = "Aço zincado M4 x 12"}),
        MontarLinha({.tipo = "E",
                     .ncm = "85423110",
                     .descricao = "Microcontrolador do painel",
                     .especificacao = "Núcleo de 32 bits, 256 kB de memória"})};
}

// The log as the progress window showed it when each box came up.
class CaixasDaImportacao : public CaixasRoteiro {
public:
    std::vector<QStringList> logs;
    int Mostrar(TipoCaixa tipo, const std::string& titulo, const std::string& texto) override {
        auto* splash = JanelaAberta<TFSplashImportEstruturaPropria>();
        logs.push_back(splash ? splash->mmLog->toPlainText().split('\n') : QStringList());
        return CaixasRoteiro::Mostrar(tipo, titulo, texto);
    }
};

} // namespace

class TstImportEstruturaPropria : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTeste> ambiente_;
    std::unique_ptr<CaixasDaImportacao> caixas_;
    std::unique_ptr<EscolhaArquivoRoteiro> arquivos_;
    std::unique_ptr<TFImportEstruturaPropria> janela_;
    QTemporaryDir pasta_;
    TConexao conexao_;

    template <typename T = QWidget> T* Controle(QWidget* janela, const char* nome) {
        T* controle = janela->findChild<T*>(nome);
        if (!controle) {
            qFatal("controle %s não encontrado", nome);
        }
        return controle;
    }
    template <typename T = QWidget> T* Controle(const char* nome) { return Controle<T>(janela_.get(), nome); }
    QTreeWidget* Lista(QWidget* janela) { return Controle<QTreeWidget>(janela, "lvwProd"); }
    void Clicar(QWidget* janela, const char* nome) { QTest::mouseClick(Controle(janela, nome), Qt::LeftButton); }
    void Listar(QWidget* janela) {
        Digitar(Controle(janela, "edtInscVlt"), kEmpresa);
        QTest::mouseClick(Controle(janela, "botao5"), Qt::LeftButton);
    }
    // Ticks a row with the keyboard: a cell of the row other than the first becomes current
    // and Space ticks the row.
    void MarcarPeloTeclado(QTreeWidget* lista, int linha) {
        lista->setCurrentItem(lista->topLevelItem(linha), TListaProdutosLE::ColNCM);
        QTest::keyClick(lista, Qt::Key_Space);
    }
    // Chooses the file with the dialog, goes to page 2 and presses Importar.
    void Importar(QWidget* janela, const std::filesystem::path& arquivo) {
        TrocarPagina(Controle(janela, "btAvancar"));
        arquivos_->ResponderArquivo(arquivo.string());
        Clicar(janela, "btnBuscarDir");
        Clicar(janela, "btnEnviar");
    }
    std::filesystem::path Arquivo(const std::vector<std::string>& linhas) {
        return GravarArquivoEstruturaPropria(pasta_.path().toStdString(), linhas);
    }

private slots:
    void initTestCase() {
        ambiente_ = std::make_unique<AmbienteTeste>(AmbienteTeste::Opcoes{false, false});
        std::string saida;
        QCOMPARE(ExecutarAdmin(ambiente_->Raiz(), "demo", saida), 0);
        dm_DatConn = std::make_unique<Tdm_DatConn>();
        QVERIFY(dm_DatConn->Conectar());
        ambiente_->Conectar(conexao_);
        // A short double-click interval, so that the waits after each page change stay short.
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(150);
    }

    void cleanupTestCase() {
        conexao_.Fechar();
        dm_DatConn.reset();
        ambiente_.reset();
    }

    void init() {
        caixas_ = std::make_unique<CaixasDaImportacao>();
        arquivos_ = std::make_unique<EscolhaArquivoRoteiro>();
        janela_ = std::make_unique<TFImportEstruturaPropria>();
        janela_->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela_.get()));
    }

    void cleanup() {
        janela_.reset();
        arquivos_.reset();
        caixas_.reset();
    }

    void paginasEControles() {
        QCOMPARE(janela_->windowTitle(), "Módulo - Listagem de Exportação");
        QCOMPARE(janela_->size(), QSize(621, 522));
        QCOMPARE(Controle<QLabel>("LTitJan")->text(), "Importar Arquivos de Estrutura Própria");
        for (int n = 0; n < 10; ++n) {
            QCOMPARE(janela_->Botao(n)->isVisible(), n == 5 || n == 9);
        }
        QCOMPARE(Controle<QStackedWidget>("pgCtrlEnvioLE")->currentWidget(), Controle("TabSheet1"));
        QCOMPARE(janela_->focusWidget(), Controle("edtInscVlt"));
        QCOMPARE(Controle<QLabel>("Label1")->text(), "Selecione o Produto cujo os insumos serão importados");
        QCOMPARE(Controle<QLineEdit>("edtInscVlt")->maxLength(), 9);
        QCOMPARE(Lista(janela_.get())->columnCount(), 7);
        QVERIFY(Lista(janela_.get())->isColumnHidden(6));
        QVERIFY(!janela_->findChild<QWidget*>("rdgFiltro"));
        Capturar("importacao_pagina1_vazia");

        TrocarPagina(Controle(janela_.get(), "btAvancar"));
        QCOMPARE(Controle<QStackedWidget>("pgCtrlEnvioLE")->currentWidget(), Controle("TabSheet2"));
        QCOMPARE(Controle<QLabel>("Label3")->text(), "Passos: 2 de 2");
        QCOMPARE(Controle<QGroupBox>("gbxCaminho")->title(),
                 "Selecione o arquivos contendo os insumo a serem importados");
        QCOMPARE(Controle<QPushButton>("btnEnviar")->text(), "&Importar");
        QVERIFY(Controle("btnBuscarDir")->isEnabled());
        QCOMPARE(janela_->dlgCaminho, (DialogoArquivo{"dlgCaminho", "Abrir", "Arquivos de Produtos|*.txt", "*.txt"}));

        // The file dialog: a chosen file fills the path, a cancelled one keeps it.
        arquivos_->ResponderArquivo("/dados/insumos.txt");
        Clicar(janela_.get(), "btnBuscarDir");
        QCOMPARE(Controle<QLineEdit>("staCaminho")->text(), "/dados/insumos.txt");
        Clicar(janela_.get(), "btnBuscarDir");
        QCOMPARE(Controle<QLineEdit>("staCaminho")->text(), "/dados/insumos.txt");
        QCOMPARE(arquivos_->Pedidos().size(), size_t(2));
        QCOMPARE(arquivos_->Pedidos()[0].caminho, "");
        QCOMPARE(arquivos_->Pedidos()[1].caminho, "/dados/insumos.txt");
        Capturar("importacao_pagina2");
        TrocarPagina(Controle(janela_.get(), "btnVoltar"));
        QCOMPARE(Controle<QStackedWidget>("pgCtrlEnvioLE")->currentWidget(), Controle("TabSheet1"));
        QVERIFY(caixas_->Mostradas().empty());
    }

    // With the mouse at most one product is ticked; the keyboard may tick more.
    void umSoProdutoMarcadoPeloMouse() {
        Listar(janela_.get());
        auto* lista = Lista(janela_.get());
        QCOMPARE(lista->topLevelItemCount(), 5);
        ClicarCaixaDaLinha(lista, lista->topLevelItem(0));
        QCOMPARE(Marcas(lista), "10000");
        ClicarCaixaDaLinha(lista, lista->topLevelItem(2));
        QCOMPARE(Marcas(lista), "00100");
        ClicarLinha(lista, lista->topLevelItem(3)); // a row that is not ticked: nothing changes
        QCOMPARE(Marcas(lista), "00100");
        MarcarPeloTeclado(lista, 4);
        QCOMPARE(Marcas(lista), "00101");
        ClicarLinha(lista, lista->topLevelItem(4)); // a ticked row: the others go
        QCOMPARE(Marcas(lista), "00001");
        ClicarCaixaDaLinha(lista, lista->topLevelItem(4)); // unticking leaves none
        QCOMPARE(Marcas(lista), "00000");
        ClicarCaixaDaLinha(lista, lista->topLevelItem(1));
        Capturar("importacao_pagina1_lista");

        // Another registration empties the list: the import never goes to a product listed
        // for another company.
        QTest::keyClick(Controle("edtInscVlt"), Qt::Key_Backspace);
        QCOMPARE(lista->topLevelItemCount(), 0);
        QVERIFY(Controle<QLineEdit>("staRazSoc")->text().isEmpty());
        QVERIFY(caixas_->Mostradas().empty());
    }

    // The second click of a double-click on Avançar lands where Importar now stands: it must not
    // press it (here it would ask for the company); nor does the one on Voltar reach page 1.
    // Escape closes the wizard on neither page.
    void duploCliqueEEscapeNaoAgem() {
        QWidget* janela = janela_.get();
        auto* paginas = Controle<QStackedWidget>("pgCtrlEnvioLE");
        DuploCliqueNaJanela(Controle("btAvancar"));
        QCOMPARE(paginas->currentWidget(), Controle("TabSheet2"));
        QVERIFY(caixas_->Mostradas().empty());
        QTest::keyClick(Controle("btnBuscarDir"), Qt::Key_Escape);
        QVERIFY(janela->isVisible());
        Capturar("importacao_duplo_clique_avancar");

        ContaCliques pagina1(Controle("TabSheet1"));
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
        DuploCliqueNaJanela(Controle("btnVoltar"));
        QCOMPARE(paginas->currentWidget(), Controle("TabSheet1"));
        QCOMPARE(pagina1.cliques, 0);
        QTest::keyClick(Controle("edtInscVlt"), Qt::Key_Escape);
        QVERIFY(janela->isVisible());
        QVERIFY(caixas_->Mostradas().empty());
    }

    void validacoesNaOrdem() {
        QWidget* janela = janela_.get();
        TrocarPagina(Controle(janela, "btAvancar"));
        Clicar(janela, "btnEnviar");
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kInformeEmpresa});
        QTest::mouseClick(Controle(janela, "botao5"), Qt::LeftButton);
        QCOMPARE(caixas_->Mostradas(), (std::vector<CaixaMostrada>{kInformeEmpresa, kInformeEmpresa}));

        TrocarPagina(Controle(janela, "btnVoltar"));
        Listar(janela);
        TrocarPagina(Controle(janela, "btAvancar"));
        caixas_->Limpar();
        Clicar(janela, "btnEnviar");
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kNenhumItem});

        TrocarPagina(Controle(janela, "btnVoltar"));
        ClicarCaixaDaLinha(Lista(janela), Lista(janela)->topLevelItem(0));
        TrocarPagina(Controle(janela, "btAvancar"));
        caixas_->Limpar();
        Clicar(janela, "btnEnviar");
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kSemArquivo});
        QVERIFY(janela->isVisible());
    }

    // From the menu, as a user: the inputs of a valid file go to the upper of the ticked
    // products, with consecutive codes after its highest.
    void importaPeloMenu() {
        janela_.reset();
        RegistrarJanelas();
        auto arquivos = std::make_unique<EscolhaArquivoRoteiro>();
        arquivos->ResponderArquivo(Arquivo(LinhasValidas()).string());
        TFMenu menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        bool eraOAssistente = false;
        std::string codProd, codProdOutro;
        std::vector<std::string> antes, antesOutro;
        QuandoModal([&](QWidget* assistente) {
            eraOAssistente = qobject_cast<TFImportEstruturaPropria*>(assistente) != nullptr;
            if (eraOAssistente) {
                Listar(assistente);
                auto* lista = Lista(assistente);
                ClicarCaixaDaLinha(lista, lista->topLevelItem(3));
                MarcarPeloTeclado(lista, 1);
                codProd = lista->topLevelItem(1)->text(6).toStdString();
                codProdOutro = lista->topLevelItem(3)->text(6).toStdString();
                antes = InsumosDoProduto(conexao_, codProd);
                antesOutro = InsumosDoProduto(conexao_, codProdOutro);
                caixas_->Responder(kBotaoSim);
                QuandoAbrir<TFSplashImportEstruturaPropria>([](TFSplashImportEstruturaPropria* splash) {
                    QObject::connect(splash->mmLog, &QPlainTextEdit::textChanged, splash, [splash]() {
                        if (splash->mmLog->toPlainText().contains("Recebendo arquivo")) {
                            Capturar("importacao_progresso");
                        }
                    });
                });
                TrocarPagina(Controle(assistente, "btAvancar"));
                Clicar(assistente, "btnBuscarDir");
                Clicar(assistente, "btnEnviar");
            }
            if (assistente->isVisible()) {
                assistente->close();
            }
        });
        auto mover = [&menu](QPoint p) { QTest::mouseMove(menu.windowHandle(), p); };
        mover({390, 300});
        QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, {}, {390, 300});
        auto* link = menu.findChild<QLabel*>("Label1");
        QCOMPARE(link->text(), "Importação Arq. Estrut. Própria");
        const QPoint centro = link->mapTo(&menu, link->rect().center());
        mover(centro);
        QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, {}, centro);

        QVERIFY(eraOAssistente);
        QVERIFY(!JanelaAberta<TFImportEstruturaPropria>());
        QCOMPARE(caixas_->Mostradas(), (std::vector<CaixaMostrada>{kPergunta, kSucesso}));
        QCOMPARE(caixas_->logs.back(),
                 (QStringList{"Início da Importação dos arquivos de Estrutura Própria", "",
                              "Recebendo arquivo de insumo - [3] registros", "", "Fim da Importação."}));
        QVERIFY(!antes.empty());
        const auto depois = InsumosDoProduto(conexao_, codProd);
        QCOMPARE(depois.size(), antes.size() + 3);
        QVERIFY(std::equal(antes.begin(), antes.end(), depois.begin()));
        QCOMPARE(InsumosDoProduto(conexao_, codProdOutro), antesOutro);

        // The new rows come after the old ones, with the highest code before the import plus 1, 2 and 3.
        TConsulta q(&conexao_);
        q.DefinirSQL("SELECT exp_codins, exp_tipoins, exp_descins FROM KX_EXPINSUMO WHERE emp_inscvlt = '200123456'"
                     " AND exp_codprod = " +
                     codProd + " ORDER BY exp_codins");
        q.Abrir();
        QStringList codigos;
        for (; !q.Fim(); q.Proximo()) {
            codigos << QString::fromStdString(q.Texto("exp_codins") + " " + q.Texto("exp_tipoins") + " " +
                                              q.Texto("exp_descins"));
        }
        const int maior = codigos.at(int(antes.size()) - 1).section(' ', 0, 0).toInt();
        QCOMPARE(codigos.mid(int(antes.size())),
                 (QStringList{QStringLiteral("%1 N Etiqueta adesiva de identificação").arg(maior + 1),
                              QStringLiteral("%1 R Parafuso de fixação do suporte").arg(maior + 2),
                              QStringLiteral("%1 E Microcontrolador do painel").arg(maior + 3)}));
    }

    void ultimaLinhaInvalidaNaoGuardaNada() {
        auto linhas = LinhasValidas();
        linhas.push_back(MontarLinha({.tipo = "X", .ncm = "39269010", .descricao = "Tipo que não existe"}));
        Listar(janela_.get());
        ClicarCaixaDaLinha(Lista(janela_.get()), Lista(janela_.get())->topLevelItem(2));
        const std::string codProd = Lista(janela_.get())->topLevelItem(2)->text(6).toStdString();
        const auto antes = InsumosDoProduto(conexao_, codProd);
        caixas_->Responder(kBotaoSim);
        Importar(janela_.get(), Arquivo(linhas));

        QVERIFY(!janela_->isVisible());
        QCOMPARE(caixas_->Mostradas(),
                 (std::vector<CaixaMostrada>{kPergunta,
                                             {TipoCaixa::Erro, "Erro",
                                              "Houve um erro ao executar esta operação! \n\n[Erro no Tipo do Insumo! "
                                              "Tipo do Insumo [X] não existe.]"}}));
        QCOMPARE(caixas_->logs.back(), (QStringList{"Início da Importação dos arquivos de Estrutura Própria", "",
                                                    "Recebendo arquivo de insumo - [4] registros", ""}));
        QCOMPARE(InsumosDoProduto(conexao_, codProd), antes);
    }

    void respostaNaoNaoGuardaNada() {
        Listar(janela_.get());
        ClicarCaixaDaLinha(Lista(janela_.get()), Lista(janela_.get())->topLevelItem(3));
        const std::string codProd = Lista(janela_.get())->topLevelItem(3)->text(6).toStdString();
        const auto antes = InsumosDoProduto(conexao_, codProd);
        caixas_->Responder(kBotaoNao);
        Importar(janela_.get(), Arquivo(LinhasValidas()));

        QVERIFY(!janela_->isVisible());
        QVERIFY(!JanelaAberta<TFSplashImportEstruturaPropria>());
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kPergunta});
        QCOMPARE(caixas_->logs.back(), (QStringList{"Início da Importação dos arquivos de Estrutura Própria", ""}));
        QCOMPARE(InsumosDoProduto(conexao_, codProd), antes);
    }

    // The progress window: its look, no way to close it before the run ends.
    void janelaDeProgresso() {
        janela_.reset();
        TFSplashImportEstruturaPropria splash;
        QCOMPARE(splash.windowTitle(), "Importação Estrutura Própria");
        QCOMPARE(splash.size(), QSize(347, 187));
        QVERIFY(!(splash.windowFlags() & Qt::WindowCloseButtonHint));
        for (const char* nome : {"pnlCorpo", "Label1", "pbProgress", "Label2", "mmLog", "tmSplash"}) {
            QVERIFY2(splash.findChild<QObject*>(nome), nome);
        }
        const std::string arquivo = (pasta_.path() + "/nao-existe.txt").toStdString();
        splash.DefinirImportacao(arquivo, kEmpresa, "1", "0401");
        QCOMPARE(Pastas->ArquivoImportacao(), arquivo); // the window's folder holder keeps the file's path
        caixas_->Responder(kBotaoSim);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QTest::keyClick(&splash, Qt::Key_Escape);
        QVERIFY(splash.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!splash.isVisible(), 5000);
        QCOMPARE(caixas_->Mostradas().size(), size_t(2));
        QCOMPARE(caixas_->Mostradas()[1].tipo, TipoCaixa::Erro);
        QVERIFY(caixas_->Mostradas()[1].texto.starts_with("Houve um erro ao executar esta operação! \n\n["));
    }
};

QTEST_MAIN(TstImportEstruturaPropria)
#include "tst_import_estrutura_propria.moc"
