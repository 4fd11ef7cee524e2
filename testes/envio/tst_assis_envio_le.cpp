// The send wizard and its progress window driven for real on the offscreen platform,
// over the demonstration database and a pyftpdlib server on 127.0.0.1: the company typed
// or looked up, products listed and ticked, the file sent or only generated, each
// validation, a refused login and a product deleted after it was listed.

#include "apoio/AmbienteTeste.h"
#include "apoio/JanelaModal.h"
#include "apoio/JanelasAssistente.h"
#include "apoio/ServidorFTP.h"
#include "app/UJanelas.h"
#include "comum/CaixasRoteiro.h"
#include "comum/Plataforma.h"
#include "comum/clsPastas.h"
#include "dados/BancoDados.h"
#include "dados/DatConn.h"
#include "dados/SQLListas.h"
#include "envio/UAssisEnvioLE.h"
#include "envio/USplashEnvioLE.h"
#include "ui/UControles.h"
#include "ui/UMenu.h"
#include "ui/UPesquisaGerador.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <memory>

namespace fs = std::filesystem;

namespace {

const char* const kEmpresa = "200123456";
const char* const kRazao = "ELETRÔNICA AMAZÔNIA INDÚSTRIA E COMÉRCIO LTDA";
const CaixaMostrada kInformeEmpresa{TipoCaixa::Informacao, "Aviso", "Informe a Empresa."};
const CaixaMostrada kSemCaminho{TipoCaixa::Erro, "Erro",
                                "Erro no Caminho de Destino! A Listagem DEVE TER algum diretório de destino."};
const CaixaMostrada kNenhumItem{TipoCaixa::Erro, "Erro", "Erro no Envio! Nenhum Item foi selecionado."};
const CaixaMostrada kSucesso{TipoCaixa::Informacao, "Informação", "Operação realizada com sucesso!"};

// The message boxes, and what the progress window showed when each one came up.
class CaixasDoEnvio : public CaixasRoteiro {
public:
    struct Quadro {
        QStringList log;
        int maximo = -1;
        int posicao = -1;
    };
    std::vector<Quadro> quadros;

    int Mostrar(TipoCaixa tipo, const std::string& titulo, const std::string& texto) override {
        Quadro quadro;
        if (auto* splash = JanelaAberta<TFSplashEnvioLE>()) {
            quadro = {splash->mmLog->toPlainText().split('\n'), splash->pbProgress->maximum(),
                      splash->pbProgress->value()};
        }
        quadros.push_back(quadro);
        return CaixasRoteiro::Mostrar(tipo, titulo, texto);
    }
};

std::string LerBytes(const fs::path& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(arquivo), {}};
}

// The LE files of a folder.
std::vector<fs::path> ArquivosLE(const fs::path& pasta) {
    std::vector<fs::path> arquivos;
    for (const auto& entrada : fs::directory_iterator(pasta)) {
        if (entrada.path().filename().string().starts_with("LE")) {
            arquivos.push_back(entrada.path());
        }
    }
    return arquivos;
}

// The first field of each product line ("P" lines) of a listing file, in file order.
QStringList LinhasDeProduto(const std::string& bytes) {
    QStringList linhas;
    for (const QString& linha : QString::fromLatin1(bytes).split("\r\n")) {
        if (linha.startsWith('P')) {
            linhas << linha;
        }
    }
    return linhas;
}

} // namespace

class TstAssisEnvioLE : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTeste> ambiente_;
    std::unique_ptr<ServidorFTP> servidor_;
    std::unique_ptr<CaixasDoEnvio> caixas_;
    std::unique_ptr<TFAssisEnvioLE> janela_;

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
    void Localizar(QWidget* janela) { QTest::mouseClick(Controle(janela, "botao5"), Qt::LeftButton); }
    QRadioButton* Item(QWidget* janela, int n) {
        return Controle<QRadioButton>(janela, qPrintable(QStringLiteral("rdgFiltro%1").arg(n)));
    }
    // Types the registration, lists its products and ticks the given rows with the mouse.
    void ListarEMarcar(QWidget* janela, const QString& inscricao, std::initializer_list<int> linhas) {
        Digitar(Controle(janela, "edtInscVlt"), inscricao);
        Localizar(janela);
        for (int linha : linhas) {
            ClicarCaixaDaLinha(Lista(janela), Lista(janela)->topLevelItem(linha));
        }
    }
    fs::path Temporaria() const { return PastaTemporaria(); }

private slots:
    void initTestCase() {
        ambiente_ = std::make_unique<AmbienteTeste>(AmbienteTeste::Opcoes{false, false});
        std::string saida;
        QCOMPARE(ExecutarAdmin(ambiente_->Raiz(), "demo", saida), 0);
        dm_DatConn = std::make_unique<Tdm_DatConn>();
        QVERIFY(dm_DatConn->Conectar());
        servidor_ = std::make_unique<ServidorFTP>();
        setenv("KORVEX_FTP_SERVIDOR", servidor_->Endereco().c_str(), 1);
        // A short double-click interval, so that the waits after each page change stay short.
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(150);
    }

    void cleanupTestCase() {
        unsetenv("KORVEX_FTP_SERVIDOR");
        servidor_.reset();
        dm_DatConn.reset();
        ambiente_.reset();
    }

    void init() {
        caixas_ = std::make_unique<CaixasDoEnvio>();
        fs::remove_all(Temporaria());
        fs::create_directories(Temporaria());
        janela_ = std::make_unique<TFAssisEnvioLE>();
        janela_->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela_.get()));
    }

    void cleanup() {
        janela_.reset();
        caixas_.reset();
    }

    void paginasEControles() {
        QCOMPARE(janela_->windowTitle(), "Módulo - Listagem de Exportação");
        QCOMPARE(janela_->size(), QSize(621, 522));
        QCOMPARE(Controle<QLabel>("LTitJan")->text(), "Envio da Listagem de Exportação");
        for (int n = 0; n < 10; ++n) {
            QCOMPARE(janela_->Botao(n)->isVisible(), n == 5 || n == 9);
        }
        QCOMPARE(Controle<QLabel>("imgLateral")->width(), 217);
        auto* paginas = Controle<QStackedWidget>("pgCtrlEnvioLE");
        QCOMPARE(paginas->currentWidget(), Controle("TabSheet1"));
        QCOMPARE(janela_->focusWidget(), Controle("edtInscVlt"));
        QCOMPARE(Controle<QLabel>("lbPassos")->text(), "Passos: 1 de 2");
        QVERIFY(Controle<QLabel>("lbPassos")->font().italic());
        QCOMPARE(Controle<QGroupBox>("GroupBox1")->title(), "Empresa");
        QCOMPARE(Controle<QLabel>("Label6")->text(), "Insc. Veltran");
        QCOMPARE(Controle<QLabel>("Label2")->text(), "Empresa");
        QCOMPARE(Controle<QLabel>("Label1")->text(), "Selecione as Listagens a serem enviadas");
        QCOMPARE(Controle<QLineEdit>("edtInscVlt")->maxLength(), 9);
        // The box is plain text, but a character that Windows-1252 cannot hold stays out.
        Digitar(Controle("edtInscVlt"), QString::fromUtf8("é\u0142€"));
        QCOMPARE(Controle<QLineEdit>("edtInscVlt")->text(), QString::fromUtf8("é€"));
        Controle<QLineEdit>("edtInscVlt")->clear();
        QCOMPARE(Controle("SpeedButton1")->toolTip(), "Buscar Inscrição Veltran");
        auto* razao = Controle<QLineEdit>("staRazSoc");
        QVERIFY(razao->isReadOnly());
        QCOMPARE(razao->palette().color(QPalette::Base), QColor(224, 224, 224));

        auto* lista = Lista(janela_.get());
        const QStringList colunas{"Cod.Prod.Vlt.", "Cod. NCM", "Descrição do Produto", "Tipo",
                                  "Modelo",        "Unidade",  "exp_codprod"};
        const int larguras[] = {90, 100, 300, 100, 250, 80};
        QCOMPARE(lista->columnCount(), 7);
        for (int c = 0; c < 7; ++c) {
            QCOMPARE(lista->headerItem()->text(c), colunas[c]);
            QCOMPARE(lista->isColumnHidden(c), c == 6);
            if (c < 6) {
                QCOMPARE(lista->columnWidth(c), larguras[c]);
            }
        }
        QCOMPARE(lista->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(lista->selectionBehavior(), QAbstractItemView::SelectRows);
        Capturar("envio_pagina1_vazia");

        TrocarPagina(Controle(janela_.get(), "btAvancar"));
        QCOMPARE(paginas->currentWidget(), Controle("TabSheet2"));
        QCOMPARE(Controle<QLabel>("Label3")->text(), "Passos: 2 de 2");
        QCOMPARE(Controle<QGroupBox>("rdgFiltro")->title(), "O que desejas fazer agora ?");
        QCOMPARE(Item(janela_.get(), 0)->text(), "Enviar os arquivos.");
        QCOMPARE(Item(janela_.get(), 1)->text(), "Não quero enviar. Somente gerar os arquivos.");
        QVERIFY(Item(janela_.get(), 0)->isChecked());
        QCOMPARE(Controle<QGroupBox>("gbxCaminho")->title(), "Caminho para salvar os arquivos");
        QVERIFY(Controle<QLineEdit>("staCaminho")->text().isEmpty());
        QCOMPARE(Controle<QPushButton>("btnEnviar")->text(), "&Enviar");
        QCOMPARE(Controle<QPushButton>("btnVoltar")->text(), "&Voltar");
        QVERIFY(!Controle("btnBuscarDir")->isEnabled());
        QTest::mouseClick(Item(janela_.get(), 1), Qt::LeftButton);
        QVERIFY(Controle("btnBuscarDir")->isEnabled());
        QTest::mouseClick(Item(janela_.get(), 0), Qt::LeftButton);
        QVERIFY(!Controle("btnBuscarDir")->isEnabled());
        TrocarPagina(Controle(janela_.get(), "btnVoltar"));
        QCOMPARE(paginas->currentWidget(), Controle("TabSheet1"));
        QVERIFY(caixas_->Mostradas().empty());
    }

    void inscricaoMostraAEmpresa_data() {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("razao");
        QTest::newRow("cadastrada") << kEmpresa << kRazao;
        QTest::newRow("com apóstrofo") << "200777888"
                                       << "RELOJOARIA D'ÁGUA DA AMAZÔNIA LTDA";
        QTest::newRow("oito dígitos") << "20012345"
                                      << "";
        QTest::newRow("com letra") << "20012345a"
                                   << "";
        QTest::newRow("não cadastrada") << "999999999"
                                        << "";
        QTest::newRow("sinal") << "+20012345"
                               << "";
        QTest::newRow("dez dígitos cortados em nove") << "2001234567" << kRazao;
    }
    void inscricaoMostraAEmpresa() {
        QFETCH(QString, digitado);
        QFETCH(QString, razao);
        Digitar(Controle("edtInscVlt"), digitado);
        QCOMPARE(Controle<QLineEdit>("staRazSoc")->text(), razao);
    }

    void localizarListaOsProdutosDaEmpresa() {
        Localizar(janela_.get());
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kInformeEmpresa});
        QCOMPARE(Lista(janela_.get())->topLevelItemCount(), 0);

        caixas_->Limpar();
        ListarEMarcar(janela_.get(), kEmpresa, {});
        TConexao conexao;
        ambiente_->Conectar(conexao);
        TConsulta esperado(&conexao);
        esperado.DefinirSQL(SQLProdutosEmpresa(kEmpresa));
        esperado.Abrir();
        auto* lista = Lista(janela_.get());
        QCOMPARE(lista->topLevelItemCount(), 5);
        for (int i = 0; i < lista->topLevelItemCount(); ++i, esperado.Proximo()) {
            QTreeWidgetItem* item = lista->topLevelItem(i);
            int c = 0;
            for (const char* coluna : {"exp_codprodvlt", "exp_ncmprod", "nm_produto_xvm", "prdt_desctipo",
                                       "exp_modprod", "descunid", "exp_codprod"}) {
                QCOMPARE(item->text(c++), QString::fromStdString(esperado.Texto(coluna)));
            }
            QCOMPARE(item->checkState(0), Qt::Unchecked);
        }
        QCOMPARE(lista->topLevelItem(0)->text(0), "0401");
        QCOMPARE(lista->topLevelItem(4)->text(0), "0412");

        // Ticks by mouse and keyboard; several rows may be ticked.
        ClicarCaixaDaLinha(lista, lista->topLevelItem(1));
        ClicarCaixaDaLinha(lista, lista->topLevelItem(3));
        QCOMPARE(Marcas(lista), "01010");
        ClicarCaixaDaLinha(lista, lista->topLevelItem(3));
        QCOMPARE(Marcas(lista), "01000");
        Capturar("envio_pagina1_lista");

        // Localizar again lists anew, unticked; typing a registration empties the list.
        Localizar(janela_.get());
        QCOMPARE(Marcas(lista), "00000");
        QTest::keyClick(Controle("edtInscVlt"), Qt::Key_Backspace);
        QCOMPARE(lista->topLevelItemCount(), 0);
        QVERIFY(Controle<QLineEdit>("staRazSoc")->text().isEmpty());
        Localizar(janela_.get());
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kInformeEmpresa});
        QCOMPARE(lista->topLevelItemCount(), 0);
    }

    void pesquisaDeEmpresaEsvaziaALista() {
        ListarEMarcar(janela_.get(), kEmpresa, {0});
        QuandoModal([this](QWidget* pesquisa) {
            QVERIFY(qobject_cast<TFPesquisaGerador*>(pesquisa));
            Controle<QComboBox>(pesquisa, "cmbSelItemPesq")->setCurrentIndex(1); // "Insc. Vlt."
            auto* texto = Controle(pesquisa, "edtTextPesq");
            Digitar(texto, "200654321");
            QTest::keyClick(texto, Qt::Key_Return);
            auto* resultado = Controle<QTreeWidget>(pesquisa, "lvwResultPeq");
            QCOMPARE(resultado->topLevelItemCount(), 1);
            const QPoint centro = resultado->visualItemRect(resultado->topLevelItem(0)).center();
            QTest::mouseClick(resultado->viewport(), Qt::LeftButton, {}, centro);
            QTest::mouseDClick(resultado->viewport(), Qt::LeftButton, {}, centro);
            if (pesquisa->isVisible()) {
                pesquisa->close();
            }
        });
        QTest::mouseClick(Controle("SpeedButton1"), Qt::LeftButton);
        QCOMPARE(Controle<QLineEdit>("edtInscVlt")->text(), "200654321");
        QCOMPARE(Controle<QLineEdit>("staRazSoc")->text(), "MOTOS DO NORTE MONTADORA S.A.");
        QCOMPARE(Lista(janela_.get())->topLevelItemCount(), 0);
        Localizar(janela_.get());
        QCOMPARE(Lista(janela_.get())->topLevelItemCount(), 3);

        // Closing the lookup without choosing changes nothing.
        QuandoModal([](QWidget* pesquisa) { pesquisa->close(); });
        QTest::mouseClick(Controle("SpeedButton1"), Qt::LeftButton);
        QCOMPARE(Controle<QLineEdit>("edtInscVlt")->text(), "200654321");
        QCOMPARE(Lista(janela_.get())->topLevelItemCount(), 3);
        QVERIFY(caixas_->Mostradas().empty());
    }

    void validacoesNaOrdem() {
        QWidget* janela = janela_.get();
        auto* paginas = Controle<QStackedWidget>("pgCtrlEnvioLE");
        TrocarPagina(Controle(janela, "btAvancar"));
        Clicar(janela, "btnEnviar");
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kInformeEmpresa});

        TrocarPagina(Controle(janela, "btnVoltar"));
        ListarEMarcar(janela, kEmpresa, {});
        TrocarPagina(Controle(janela, "btAvancar"));
        QTest::mouseClick(Item(janela, 1), Qt::LeftButton);
        caixas_->Limpar();
        Clicar(janela, "btnEnviar");
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kSemCaminho});

        // A folder chosen, nothing ticked.
        QTemporaryDir saida;
        caixas_->ResponderPasta(saida.path().toStdString());
        Clicar(janela, "btnBuscarDir");
        QCOMPARE(caixas_->PastasPedidas(), (std::vector<PastaPedida>{{"Selecionar Pasta", "", ""}}));
        QCOMPARE(Controle<QLineEdit>("staCaminho")->text(), saida.path());
        caixas_->Limpar();
        Clicar(janela, "btnEnviar");
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kNenhumItem});
        QCOMPARE(paginas->currentWidget(), Controle("TabSheet2"));
        QVERIFY(janela->isVisible());

        // Cancelling the chooser empties the folder; sending needs none.
        Clicar(janela, "btnBuscarDir");
        QVERIFY(Controle<QLineEdit>("staCaminho")->text().isEmpty());
        QTest::mouseClick(Item(janela, 0), Qt::LeftButton);
        caixas_->Limpar();
        Clicar(janela, "btnEnviar");
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kNenhumItem});
        QVERIFY(janela->isVisible());
        QVERIFY(ArquivosLE(Temporaria()).empty());
    }

    // From the menu, as a user: the wizard opens modally, the products go to the agency.
    void enviaPeloMenu() {
        janela_.reset();
        RegistrarJanelas();
        TFMenu menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QStringList marcasAoEnviar;
        bool eraOAssistente = false;
        QuandoModal([&](QWidget* assistente) {
            eraOAssistente = qobject_cast<TFAssisEnvioLE*>(assistente) != nullptr;
            if (eraOAssistente) {
                ListarEMarcar(assistente, kEmpresa, {0, 2, 4});
                marcasAoEnviar << Marcas(Lista(assistente));
                TrocarPagina(Controle(assistente, "btAvancar"));
                Capturar("envio_pagina2");
                bool capturado = false;
                QuandoAbrir<TFSplashEnvioLE>([&capturado](TFSplashEnvioLE* splash) {
                    connect(splash->mmLog, &QPlainTextEdit::textChanged, splash, [splash, &capturado]() {
                        if (!capturado && splash->mmLog->toPlainText().contains("Enviando arquivo")) {
                            capturado = true;
                            Capturar("envio_progresso");
                        }
                    });
                });
                Clicar(assistente, "btnEnviar");
            }
            if (assistente->isVisible()) {
                assistente->close();
            }
        });
        auto mover = [&menu](QPoint p) { QTest::mouseMove(menu.windowHandle(), p); };
        mover({390, 300});
        QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, {}, {390, 300});
        auto* link = menu.findChild<QLabel*>("Label2");
        QCOMPARE(link->text(), "Envio da Listagem de Exportação");
        const QPoint centro = link->mapTo(&menu, link->rect().center());
        mover(centro);
        QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, {}, centro);

        QVERIFY(eraOAssistente);
        QCOMPARE(marcasAoEnviar, QStringList{"10101"});
        QVERIFY(!JanelaAberta<TFAssisEnvioLE>());
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kSucesso});
        const auto& quadro = caixas_->quadros.back();
        QCOMPARE(quadro.log, (QStringList{"Início do Envio da LE.", "Exportando informações dos Produtos e Insumos.",
                                          "Conectando com servidor.", "Iniciando envio do arquivo via FTP.",
                                          quadro.log.value(4), "Transferencia concluída.", "Fim do Envio da LE."}));
        QCOMPARE(quadro.maximo, 3);
        QCOMPARE(quadro.posicao, 3);

        const auto arquivos = ArquivosLE(Temporaria());
        QCOMPARE(arquivos.size(), size_t(1));
        const QString nome = QString::fromStdString(arquivos[0].filename().string());
        QVERIFY2(QRegularExpression("^LE200123456\\d\\d[A-Z]{3}\\d{10}\\.TXT$").match(nome).hasMatch(),
                 qPrintable(nome));
        const std::string local = LerBytes(arquivos[0]);
        QCOMPARE(quadro.log.value(4), QStringLiteral("Enviando arquivo de %1 bytes ...").arg(local.size()));
        QCOMPARE(LerBytes(servidor_->Pasta() / arquivos[0].filename()), local);
        QVERIFY(local.starts_with("VERSAO 07/11/2018\r\n"));
        // Products 0401 (code 1), 0406 and 0412 in list order; 0412 has no inputs.
        const QStringList produtos = LinhasDeProduto(local);
        QCOMPARE(produtos.size(), 3);
    }

    void somenteGeraNaPastaEscolhida() {
        QTemporaryDir saida;
        const auto comandosAntes = servidor_->Comandos().size();
        QWidget* janela = janela_.get();
        ListarEMarcar(janela, kEmpresa, {4, 1});
        TrocarPagina(Controle(janela, "btAvancar"));
        QTest::mouseClick(Item(janela, 1), Qt::LeftButton);
        caixas_->ResponderPasta(saida.path().toStdString()); // given without the trailing "/"
        Clicar(janela, "btnBuscarDir");
        Clicar(janela, "btnEnviar");

        QVERIFY(!janela->isVisible());
        QCOMPARE(Pastas->Pasta(), saida.path().toStdString() + "/");
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kSucesso});
        QCOMPARE(caixas_->quadros.back().log,
                 (QStringList{"Início do Envio da LE.", "Exportando informações dos Produtos e Insumos.",
                              "Fim do Envio da LE."}));
        QCOMPARE(caixas_->quadros.back().maximo, 2);
        QCOMPARE(servidor_->Comandos().size(), comandosAntes);
        QVERIFY(ArquivosLE(Temporaria()).empty());
        const auto arquivos = ArquivosLE(saida.path().toStdString());
        QCOMPARE(arquivos.size(), size_t(1));
        QCOMPARE(LinhasDeProduto(LerBytes(arquivos[0])).size(), 2);
    }

    void senhaErradaMostraARecusaEGuardaOArquivo() {
        ServidorFTP recusa({.senha = "outra"});
        setenv("KORVEX_FTP_SERVIDOR", recusa.Endereco().c_str(), 1);
        QWidget* janela = janela_.get();
        ListarEMarcar(janela, kEmpresa, {3});
        TrocarPagina(Controle(janela, "btAvancar"));
        Clicar(janela, "btnEnviar");
        setenv("KORVEX_FTP_SERVIDOR", servidor_->Endereco().c_str(), 1);

        QVERIFY(!janela->isVisible());
        QCOMPARE(
            caixas_->Mostradas(),
            (std::vector<CaixaMostrada>{
                {TipoCaixa::Erro, "Erro", "O servidor FTP recusou o usuário ou a senha. [530 Authentication failed.]"},
                {TipoCaixa::Informacao, "Erro",
                 "Erro no Envio do arquivo via FTP! Favor verificar o log de exceções para apurar o erro."}}));
        QCOMPARE(caixas_->quadros.back().log,
                 (QStringList{"Início do Envio da LE.", "Exportando informações dos Produtos e Insumos.",
                              "Conectando com servidor.", "Fim do Envio da LE."}));
        const auto arquivos = ArquivosLE(Temporaria());
        QCOMPARE(arquivos.size(), size_t(1));
        QCOMPARE(LinhasDeProduto(LerBytes(arquivos[0])).size(), 1);
        QVERIFY(!fs::exists(recusa.Pasta() / arquivos[0].filename()));
    }

    // A ticked product deleted after the list was loaded stops the run: one error box, no
    // outcome, and both windows go away.
    void produtoExcluidoDepoisDeListarInformaOErroUmaVez() {
        TConexao conexao;
        ambiente_->Conectar(conexao);
        conexao.Executar("INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt, "
                         "exp_tipoprodvlt, exp_modprod) VALUES ('200777888', 1, '1', '39269010', '0405', '001', "
                         "'RELÓGIO D''ÁGUA')");
        QWidget* janela = janela_.get();
        ListarEMarcar(janela, "200777888", {0});
        QCOMPARE(Lista(janela)->topLevelItem(0)->text(4), "RELÓGIO D'ÁGUA");
        conexao.Executar("DELETE FROM KX_EXPPRODUTO WHERE emp_inscvlt = '200777888'");
        TrocarPagina(Controle(janela, "btAvancar"));
        Clicar(janela, "btnEnviar");

        QVERIFY(!janela->isVisible());
        QVERIFY(!JanelaAberta<TFSplashEnvioLE>());
        QCOMPARE(caixas_->Mostradas(),
                 (std::vector<CaixaMostrada>{
                     {TipoCaixa::Erro, "Erro",
                      "O produto 1 não está mais na listagem da empresa 200777888: foi excluído depois que a lista de "
                      "produtos foi carregada. Localize os produtos novamente e repita o envio."}}));
        QCOMPARE(caixas_->quadros.back().log,
                 (QStringList{"Início do Envio da LE.", "Exportando informações dos Produtos e Insumos."}));
        // The file cut short by the error is not left behind.
        QVERIFY(fs::is_empty(Temporaria()));
    }

    // A double-click on Avançar: its second click lands where Enviar now stands and must not
    // send. Nor does the second click on Voltar reach page 1.
    void duploCliqueNaoChegaAPaginaMostrada() {
        QWidget* janela = janela_.get();
        auto* paginas = Controle<QStackedWidget>("pgCtrlEnvioLE");
        ListarEMarcar(janela, kEmpresa, {0});
        const auto comandosAntes = servidor_->Comandos().size();

        DuploCliqueNaJanela(Controle("btAvancar"));
        QCOMPARE(paginas->currentWidget(), Controle("TabSheet2"));
        QVERIFY(janela->isVisible());
        QVERIFY(!JanelaAberta<TFSplashEnvioLE>());
        QVERIFY(caixas_->Mostradas().empty());
        QVERIFY(fs::is_empty(Temporaria()));
        QCOMPARE(servidor_->Comandos().size(), comandosAntes);
        Capturar("envio_duplo_clique_avancar");

        ContaCliques pagina1(Controle("TabSheet1"));
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
        DuploCliqueNaJanela(Controle("btnVoltar"));
        QCOMPARE(paginas->currentWidget(), Controle("TabSheet1"));
        QCOMPARE(pagina1.cliques, 0);
        QCOMPARE(Marcas(Lista(janela)), "10000");
    }

    // Space ticks and unticks the current row, whichever of its cells the user clicked.
    void espacoMarcaALinhaCorrente() {
        ListarEMarcar(janela_.get(), kEmpresa, {});
        auto* lista = Lista(janela_.get());
        const QRect ncm = lista->visualRect(lista->model()->index(2, TListaProdutosLE::ColNCM));
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, ncm.center());
        QCOMPARE(lista->currentItem(), lista->topLevelItem(2));
        QTest::keyClick(lista, Qt::Key_Space);
        QCOMPARE(Marcas(lista), "00100");
        QTest::keyClick(lista, Qt::Key_Down);
        QTest::keyClick(lista, Qt::Key_Space);
        QCOMPARE(Marcas(lista), "00110");
        Capturar("envio_espaco_marca");
        QTest::keyClick(lista, Qt::Key_Space);
        QCOMPARE(Marcas(lista), "00100");
    }

    // The wizard closes by Sair or the close box only: Escape does nothing on either page.
    void escapeNaoFechaOAssistente() {
        QWidget* janela = janela_.get();
        ListarEMarcar(janela, kEmpresa, {1});
        for (const char* controle : {"edtInscVlt", "lvwProd"}) {
            QTest::keyClick(Controle(controle), Qt::Key_Escape);
            QVERIFY2(janela->isVisible(), controle);
        }
        TrocarPagina(Controle("btAvancar"));
        QTest::keyClick(Controle("btnEnviar"), Qt::Key_Escape);
        QVERIFY(janela->isVisible());
        QCOMPARE(Marcas(Lista(janela)), "01000");
        Capturar("envio_escape_pagina2");
        QTest::mouseClick(janela_->Botao(9), Qt::LeftButton);
        QVERIFY(!janela->isVisible());
    }

    // The progress window: its look, the run a second after it is up, no way to close it
    // before the run ends, and it closes itself afterwards.
    void janelaDeProgressoSoFechaAoFimDaExecucao() {
        janela_.reset();
        QTemporaryDir saida;
        NovaPastas().DefinePasta(saida.path().toStdString() + "/");
        TFSplashEnvioLE splash;
        splash.DefinirEnvio(kEmpresa, {{false, "1"}, {true, "2"}}, true);
        QCOMPARE(splash.windowTitle(), "FSplashEnvioLE");
        QCOMPARE(splash.size(), QSize(363, 225));
        QVERIFY(!(splash.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(Controle<QLabel>(&splash, "Label1")->text(), "Progresso");
        QCOMPARE(Controle<QLabel>(&splash, "Label2")->text(), "Acompanhamento");
        QVERIFY(splash.mmLog->isReadOnly());
        QCOMPARE(splash.tmSplash->interval(), 1000);
        QCOMPARE(Controle(&splash, "pnlCorpo")->geometry(), QRect(0, 0, 363, 225));

        QElapsedTimer relogio;
        relogio.start();
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QTest::keyClick(&splash, Qt::Key_Escape);
        splash.close();
        QVERIFY(splash.isVisible());
        QVERIFY(splash.mmLog->toPlainText().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!splash.isVisible(), 5000);
        QVERIFY(relogio.elapsed() >= 900);
        QCOMPARE(splash.mmLog->toPlainText().split('\n').size(), 3);
        QCOMPARE(splash.pbProgress->maximum(), 1);
        QCOMPARE(splash.pbProgress->value(), 1);
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kSucesso});
    }
};

QTEST_MAIN(TstAssisEnvioLE)
#include "tst_assis_envio_le.moc"
