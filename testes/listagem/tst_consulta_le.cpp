// The listing browser driven for real on the offscreen platform, over the demonstration
// database: the company typed or looked up, the list loaded and sorted, products added,
// edited and deleted through the product window, deletions that the database refuses, the
// products that the listing query cannot show, and the menu's tile that opens the browser.

#include "apoio/BancoDemo.h"
#include "apoio/JanelaModal.h"
#include "apoio/JanelaPesquisa.h"
#include "apoio/JanelasAssistente.h"
#include "app/UJanelas.h"
#include "comum/CaixasRoteiro.h"
#include "dados/BancoDados.h"
#include "dados/DatConn.h"
#include "dados/SQLListas.h"
#include "listagem/UConsultaLE.h"
#include "listagem/UPropriedadeProduto.h"
#include "ui/UControles.h"
#include "ui/UMenu.h"
#include "ui/USkinProgress.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>

namespace {

const char* const kEmpresa = "200123456";
const char* const kRazao = "ELETRÔNICA AMAZÔNIA INDÚSTRIA E COMÉRCIO LTDA";
const CaixaMostrada kInformeEmpresa{TipoCaixa::Informacao, "Aviso", "Informe a Empresa."};
const CaixaMostrada kNenhumItem{TipoCaixa::Aviso, "Aviso", "Não há nenhum Item selecionado"};
const CaixaMostrada kConfirmaExclusao{TipoCaixa::Confirmacao, "Aviso", "Deseja realmente deletar esta Listagem?"};

// A listing product of a company with the given agency code, type, model and unit; its NCM
// code ends in the product's number.
std::string Produto(const std::string& inscricao, int numero, const std::string& codigo, const std::string& tipo,
                    const std::string& modelo, const std::string& unidade = "1") {
    return "INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt, "
           "exp_tipoprodvlt, exp_modprod) VALUES (" +
           Q(inscricao) + ", " + std::to_string(numero) + ", " + Q(unidade) + ", '3926901" + std::to_string(numero) +
           "', " + Q(codigo) + ", " + Q(tipo) + ", " + Q(modelo) + ")";
}

// Company 200777888 has no listing products in the demonstration data.
const char* const kTerceira = "200777888";

} // namespace

class TstConsultaLE : public QObject {
    Q_OBJECT

    std::unique_ptr<BancoDemo> banco_;
    std::unique_ptr<CaixasRoteiro> caixas_;
    std::unique_ptr<TFConsultaLE> janela_;

    void AbrirJanela() {
        janela_ = std::make_unique<TFConsultaLE>();
        janela_->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela_.get()));
    }
    QTreeWidget* Lista() { return janela_->lvwProd; }
    void Botao(int n) { QTest::mouseClick(janela_->Botao(n), Qt::LeftButton); }
    void Localizar(const QString& inscricao) {
        janela_->edtInscVlt->clear();
        Digitar(janela_->edtInscVlt, inscricao);
        Botao(5);
    }
    void ClicarTitulo(int coluna) {
        QHeaderView* cabecalho = Lista()->header();
        QTest::mouseClick(cabecalho->viewport(), Qt::LeftButton, {},
                          {cabecalho->sectionViewportPosition(coluna) + 5, cabecalho->height() / 2});
    }
    // Selects the row by a click on its first cell.
    void Selecionar(int linha) {
        QTest::mouseClick(Lista()->viewport(), Qt::LeftButton, {},
                          Lista()->visualItemRect(Lista()->topLevelItem(linha)).topLeft() + QPoint(5, 5));
    }
    // One column of every row, in list order.
    QStringList Coluna(int coluna) {
        QStringList textos;
        for (int i = 0; i < Lista()->topLevelItemCount(); ++i) {
            textos << Lista()->topLevelItem(i)->text(coluna);
        }
        return textos;
    }
    // The eleven cells of each row of the listing query, in the list's column order.
    QList<QStringList> LinhasDaConsulta(const char* inscricao) {
        TConsulta consulta(&dm_DatConn->adocon_korvex);
        consulta.Abrir(SQLProdutosEmpresa(inscricao));
        QList<QStringList> linhas;
        for (; !consulta.Fim(); consulta.Proximo()) {
            QStringList linha;
            for (const char* c :
                 {"exp_codprodvlt", "exp_ncmprod", "nm_produto_xvm", "prdt_desctipo", "exp_modprod", "codunid",
                  "descunid", "exp_codprod", "exp_tipoprodvlt", "cus_codigo", "mod_codemp"}) {
                linha << QString::fromStdString(consulta.Texto(c));
            }
            linhas << linha;
        }
        return linhas;
    }
    QList<QStringList> LinhasDaLista() {
        QList<QStringList> linhas;
        for (int i = 0; i < Lista()->topLevelItemCount(); ++i) {
            QStringList linha;
            for (int c = 0; c < TFConsultaLE::QuantidadeColunas; ++c) {
                linha << Lista()->topLevelItem(i)->text(c);
            }
            linhas << linha;
        }
        return linhas;
    }
    QString Contar(const std::string& tabela, const std::string& filtro = "") {
        return QString::fromStdString(banco_->Valor("SELECT COUNT(*) FROM " + tabela + filtro));
    }
    // Rows of product 1 of the company and of the whole table, in the tables that deleting
    // a product may touch and in the lot tables, which it must not touch.
    QString Contagens() {
        const std::string produto1 = " WHERE emp_inscvlt = '200123456' AND exp_codprod = 1";
        QStringList n;
        for (const char* tabela : {"KX_EXPINSUMO", "KX_EXPPRODUTO", "KX_ERRO", "KX_PRODUTO", "KX_INSUMO"}) {
            n << Contar(tabela, produto1).append('/').append(Contar(tabela));
        }
        return n.join(' ') + " lotes " + Contar("KX_LOTE");
    }

private slots:
    void initTestCase() { banco_ = std::make_unique<BancoDemo>(); }
    void cleanupTestCase() {
        janela_.reset();
        banco_.reset();
    }
    void init() {
        banco_->Restaurar();
        caixas_ = std::make_unique<CaixasRoteiro>();
        AbrirJanela();
    }
    void cleanup() {
        janela_.reset();
        caixas_.reset();
    }

    void janelaEColunas() {
        QCOMPARE(janela_->windowTitle(), "Módulo - Listagem de Exportação");
        QCOMPARE(janela_->LTitJan->text(), "Manutenção da Listagem de Exportação");
        QCOMPARE(janela_->frameGeometry(), janela_->screen()->availableGeometry());
        for (int n = 0; n < 10; ++n) {
            QCOMPARE(janela_->Botao(n)->isVisible(), n == 0 || n == 1 || n == 3 || n == 5 || n == 9);
        }
        QCOMPARE(janela_->GroupBox1->title(), " Filtro de Pesquisa");
        QCOMPARE(janela_->Label1->text(), "Insc. Veltran");
        QCOMPARE(janela_->focusWidget(), janela_->edtInscVlt);
        QCOMPARE(janela_->sbtPesq->toolTip(), "Buscar Inscrição Veltran");
        QVERIFY(janela_->staRazSoc->isReadOnly());

        const QStringList titulos{"Cod. Prod. Vlt",    "NCM",       "Desc. do Produto", "Tipo do Produto",
                                  "Modelo do Produto", "CodUnid",   "Unidade",          "Cod. KORVEX",
                                  "Cod Tipo Prod",     "Cen.Custo", "Cód.Mod.Emp"};
        const int larguras[] = {90, 80, 300, 300, 150, 0, 150, 0, 0, 0, 0};
        QCOMPARE(Lista()->columnCount(), 11);
        for (int c = 0; c < 11; ++c) {
            QCOMPARE(Lista()->headerItem()->text(c), titulos[c]);
            QCOMPARE(Lista()->isColumnHidden(c), larguras[c] == 0);
            if (larguras[c] > 0) {
                QCOMPARE(Lista()->columnWidth(c), larguras[c]);
            }
            const bool direita = c == TFConsultaLE::ColCodUnid || c == TFConsultaLE::ColCodProd;
            QCOMPARE(bool(Lista()->headerItem()->textAlignment(c) & Qt::AlignRight), direita);
        }
        QCOMPARE(Lista()->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(Lista()->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(Lista()->viewport()->cursor().shape(), Qt::PointingHandCursor);
    }

    void inscricaoMostraAEmpresa_data() {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("razao");
        QTest::newRow("oito dígitos") << "20012345"
                                      << "";
        QTest::newRow("nove dígitos") << kEmpresa << kRazao;
        QTest::newRow("não cadastrada") << "999999999"
                                        << "";
        QTest::newRow("vírgula") << "20012345,"
                                 << "";
        QTest::newRow("letra descartada") << "2001x23456" << kRazao;
        QTest::newRow("décimo dígito recusado") << "2001234567" << kRazao;
    }
    void inscricaoMostraAEmpresa() {
        QFETCH(QString, digitado);
        QFETCH(QString, razao);
        Digitar(janela_->edtInscVlt, digitado);
        QCOMPARE(janela_->staRazSoc->text(), razao);
        Botao(5);
        QCOMPARE(caixas_->Mostradas().size(), razao.isEmpty() ? 1u : 0u);
        QCOMPARE(Lista()->topLevelItemCount(), razao.isEmpty() ? 0 : 5);
    }

    void localizarListaNaOrdemDaConsulta() {
        Botao(5);
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kInformeEmpresa});
        QCOMPARE(janela_->focusWidget(), janela_->edtInscVlt);

        caixas_->Limpar();
        Localizar(kEmpresa);
        QVERIFY(caixas_->Mostradas().empty());
        QCOMPARE(LinhasDaLista(), LinhasDaConsulta(kEmpresa));
        QCOMPARE(Coluna(TFConsultaLE::ColCodProd), (QStringList{"1", "2", "3", "4", "5"}));
        QVERIFY(Lista()->selectedItems().isEmpty());
        QVERIFY(janela_->staProdutosOcultos->text().isEmpty());
        Capturar("consulta_lista");

        // Every keystroke in the registration empties the list.
        QTest::keyClick(janela_->edtInscVlt, Qt::Key_6);
        QCOMPARE(janela_->edtInscVlt->text(), kEmpresa);
        Botao(5);
        QCOMPARE(Lista()->topLevelItemCount(), 5);
        QTest::keyClick(janela_->edtInscVlt, Qt::Key_Backspace);
        QCOMPARE(Lista()->topLevelItemCount(), 0);
    }

    void pesquisaDeEmpresa() {
        Localizar(kEmpresa);
        PesquisaVista vista;
        EscolherNaPesquisa(1, "200654321", "MOTOS DO NORTE MONTADORA S.A.", &vista);
        QTest::mouseClick(janela_->sbtPesq, Qt::LeftButton);
        QCOMPARE(vista.titulo, "Pesquisa: Empresa");
        QCOMPARE(janela_->edtInscVlt->text(), "200654321");
        QCOMPARE(janela_->staRazSoc->text(), "MOTOS DO NORTE MONTADORA S.A.");
        QCOMPARE(Lista()->topLevelItemCount(), 0);
        Botao(5);
        QCOMPARE(Lista()->topLevelItemCount(), 3);

        // Closed without a choice: nothing changes.
        EscolherNaPesquisa(0, "%", "");
        QTest::mouseClick(janela_->sbtPesq, Qt::LeftButton);
        QCOMPARE(janela_->edtInscVlt->text(), "200654321");
        QCOMPARE(Lista()->topLevelItemCount(), 3);
        QVERIFY(caixas_->Mostradas().empty());
    }

    // The lookup's registration goes through the change handling before the name is shown,
    // so a registration shorter than nine characters keeps its name; typed, it shows none.
    void registroCurtoSoPelaPesquisa() {
        banco_->Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('12345', 'EMPRESA ANTIGA LTDA')");
        banco_->Executar(Produto("12345", 1, "0401", "001", "X"));
        EscolherNaPesquisa(0, "EMPRESA ANTIGA", "EMPRESA ANTIGA LTDA");
        QTest::mouseClick(janela_->sbtPesq, Qt::LeftButton);
        QCOMPARE(janela_->edtInscVlt->text(), "12345");
        QCOMPARE(janela_->staRazSoc->text(), "EMPRESA ANTIGA LTDA");
        QCOMPARE(Lista()->topLevelItemCount(), 0);
        Botao(5);
        QCOMPARE(Coluna(TFConsultaLE::ColModelo), QStringList{"X"});

        Localizar("12345");
        QVERIFY(janela_->staRazSoc->text().isEmpty());
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kInformeEmpresa});
        QCOMPARE(Lista()->topLevelItemCount(), 0);
    }

    // Textual and case-insensitive, ascending then descending; the direction belongs to the
    // program, not to one window.
    void ordenacaoPorColuna() {
        for (auto [numero, modelo] : {std::pair{1, "b"}, {2, "A"}, {3, "10"}, {4, "9"}, {5, "C"}, {6, "á"}}) {
            banco_->Executar(Produto(kTerceira, numero, "0401", "001", modelo));
        }
        Localizar(kTerceira);
        QCOMPARE(Coluna(TFConsultaLE::ColModelo), (QStringList{"b", "A", "10", "9", "C", "á"}));
        // Whatever the last sort of an earlier test, the model column is not the last sorted now.
        ClicarTitulo(TFConsultaLE::ColNCM);
        ClicarTitulo(TFConsultaLE::ColModelo);
        QCOMPARE(Coluna(TFConsultaLE::ColModelo), (QStringList{"10", "9", "A", "á", "b", "C"}));
        Selecionar(2);
        ClicarTitulo(TFConsultaLE::ColModelo);
        QCOMPARE(Coluna(TFConsultaLE::ColModelo), (QStringList{"C", "b", "á", "A", "9", "10"}));
        QCOMPARE(Lista()->selectedItems().value(0)->text(TFConsultaLE::ColModelo), "A");
        ClicarTitulo(TFConsultaLE::ColNCM);
        QCOMPARE(Coluna(TFConsultaLE::ColNCM),
                 (QStringList{"39269011", "39269012", "39269013", "39269014", "39269015", "39269016"}));
        ClicarTitulo(TFConsultaLE::ColModelo);
        QCOMPARE(Coluna(TFConsultaLE::ColModelo).first(), "10");

        // A new browser: the first click on the column sorted last turns its direction.
        AbrirJanela();
        Localizar(kTerceira);
        QCOMPARE(Coluna(TFConsultaLE::ColModelo).first(), "b");
        ClicarTitulo(TFConsultaLE::ColModelo);
        QCOMPARE(Coluna(TFConsultaLE::ColModelo), (QStringList{"C", "b", "á", "A", "9", "10"}));
    }

    void novoProduto() {
        Botao(0);
        QCOMPARE(caixas_->Mostradas(), (std::vector<CaixaMostrada>{{TipoCaixa::Erro, "Erro", "Informe a Empresa."}}));
        QVERIFY(!JanelaAberta<TFPropriedadeProduto>());

        caixas_->Limpar();
        Localizar(kEmpresa);
        ClicarTitulo(TFConsultaLE::ColModelo);
        // Closed without saving: the list stays as it was.
        const QList<QStringList> antes = LinhasDaLista();
        NaJanelaModal([](QWidget* janela) {
            auto* j = qobject_cast<TFPropriedadeProduto*>(janela);
            QVERIFY(j);
            QCOMPARE(j->LTitJan->text(), "Propriedades do Produto (NOVO)");
            QCOMPARE(j->staInscVlt->text(), kEmpresa);
            j->close();
        });
        Botao(0);
        QCOMPARE(LinhasDaLista(), antes);

        // Saved: the wait for the new row, then the whole list in the query's order.
        NaJanelaModal([](QWidget* janela) {
            auto* j = qobject_cast<TFPropriedadeProduto*>(janela);
            QVERIFY(j);
            Digitar(j->edtCodProdVlt, "0406");
            j->cmbTipoProd->setCurrentIndex(1);
            j->edtDescModelo->setText("CELULAR DOBRÁVEL");
            Digitar(j->edtCodNCM, "85340090");
            QTest::mouseClick(j->botao2, Qt::LeftButton);
        });
        bool esperou = false;
        QTimer vigia;
        connect(&vigia, &QTimer::timeout, [&esperou] { esperou = esperou || JanelaAberta<TFSkinProgress>(); });
        vigia.start(0);
        Botao(0);
        vigia.stop();
        QVERIFY(caixas_->Mostradas().empty());
        QVERIFY(esperou);
        QCOMPARE(LinhasDaLista(), LinhasDaConsulta(kEmpresa));
        QCOMPARE(Lista()->topLevelItemCount(), 6);
        QCOMPARE(Coluna(TFConsultaLE::ColCodProd).join(','), "1,2,3,6,4,5");
    }

    void abrirProduto() {
        Localizar(kEmpresa);
        Botao(1);
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kNenhumItem});

        ClicarTitulo(TFConsultaLE::ColNCM);
        ClicarTitulo(TFConsultaLE::ColModelo);
        const QStringList ordem = Coluna(TFConsultaLE::ColCodProd);
        const int linha = ordem.indexOf("3");
        Selecionar(linha);
        NaJanelaModal([](QWidget* janela) {
            auto* j = qobject_cast<TFPropriedadeProduto*>(janela);
            QVERIFY(j);
            QCOMPARE(j->LTitJan->text(), "Propriedades do Produto");
            QCOMPARE(j->edtCodProdVlt->text(), "0406");
            QCOMPARE(j->cmbTipoProd->currentText(), "001 Modelo padrão");
            QCOMPARE(j->edtDescModelo->text(), "SMARTPHONE AÇAÍ 128 GB");
            QCOMPARE(j->edtCodNCM->text(), "48191040");
            QCOMPARE(j->edtCentroCusto->text(), "CC-0202");
            QCOMPARE(j->edtCodModEmp->text(), "CEL-ACAI-128");
            // Another type, NCM and unit, and a model that sorts first.
            j->cmbTipoProd->setCurrentIndex(1);
            Digitar(j->edtCodNCM, "85365010");
            EscolherNaPesquisa(1, "DÚZIA", "12");
            QTest::mouseClick(j->btnUnidPesq, Qt::LeftButton);
            j->edtDescModelo->setText("  AAA CELULAR  ");
            j->edtCentroCusto->setText("CC-9");
            QTest::mouseClick(j->botao2, Qt::LeftButton);
        });
        const QPoint centro = Lista()->visualItemRect(Lista()->topLevelItem(linha)).center();
        QTest::mouseClick(Lista()->viewport(), Qt::LeftButton, {}, centro);
        QTest::mouseDClick(Lista()->viewport(), Qt::LeftButton, {}, centro);
        QCOMPARE(Coluna(TFConsultaLE::ColCodProd), ordem);
        QCOMPARE(LinhasDaLista()[linha],
                 (QStringList{"0406", "85365010", "Telefone celular", "Modelo luxo", "AAA CELULAR", "12", "DÚZIA", "3",
                              "002", "CC-9", "CEL-ACAI-128"}));
        QCOMPARE(QString::fromStdString(banco_->Valor(
                     "SELECT exp_modprod || exp_tipoprodvlt || codunid FROM KX_EXPPRODUTO WHERE exp_codprod = 3 AND "
                     "emp_inscvlt = '200123456'")),
                 "AAA CELULAR00212");
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kNenhumItem});
    }

    // Deleting removes the product's inputs, the product and its error rows, and nothing else.
    void excluirProduto() {
        banco_->Executar("INSERT INTO KX_ERRO (emp_inscvlt, exp_codprod, err_sequencia, err_descricao) VALUES "
                         "('200123456', 1, 1, 'erro 1'), ('200123456', 1, 2, 'erro 2'), ('200123456', 2, 1, 'outro')");
        banco_->Executar("INSERT INTO KX_LOTE (emp_inscvlt, lot_numero, lot_ehkit) VALUES ('200123456', 'L1', '0')");
        banco_->Executar("INSERT INTO KX_PRODUTO (emp_inscvlt, exp_codprod, lot_numero) VALUES ('200123456', 1, 'L1')");
        banco_->Executar("INSERT INTO KX_INSUMO (emp_inscvlt, exp_codprod, exp_codins, lot_numero) VALUES "
                         "('200123456', 1, 1, 'L1')");
        const QString antes = Contagens();
        QCOMPARE(antes, "9/46 1/8 2/3 1/1 1/1 lotes 1");

        Localizar(kEmpresa);
        Botao(3);
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kNenhumItem});

        caixas_->Limpar();
        Selecionar(0);
        caixas_->Responder(kBotaoNao);
        Botao(3);
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kConfirmaExclusao});
        QCOMPARE(Contagens(), antes);
        QCOMPARE(Lista()->topLevelItemCount(), 5);

        caixas_->Responder(kBotaoSim);
        Botao(3);
        QCOMPARE(Contagens(), "0/37 0/7 0/1 1/1 1/1 lotes 1");
        QCOMPARE(Coluna(TFConsultaLE::ColCodProd), (QStringList{"2", "3", "4", "5"}));
        QCOMPARE(caixas_->Mostradas().size(), 2u);
    }

    void exclusaoTudoOuNada_data() {
        QTest::addColumn<QString>("tabela");
        QTest::newRow("insumos") << "KX_EXPINSUMO";
        QTest::newRow("produto") << "KX_EXPPRODUTO";
        QTest::newRow("erros") << "KX_ERRO";
    }
    void exclusaoTudoOuNada() {
        QFETCH(QString, tabela);
        banco_->Executar("INSERT INTO KX_ERRO (emp_inscvlt, exp_codprod, err_sequencia, err_descricao) VALUES "
                         "('200123456', 1, 1, 'erro 1')");
        banco_->ExecutarNativo("CREATE TRIGGER recusa BEFORE DELETE ON " + tabela.toStdString() +
                               " BEGIN SELECT RAISE(ABORT, 'exclusão recusada'); END;");
        const QString antes = Contagens();
        Localizar(kEmpresa);
        Selecionar(0);
        caixas_->Responder(kBotaoSim);
        Botao(3);
        QCOMPARE(caixas_->Mostradas(),
                 (std::vector<CaixaMostrada>{
                     kConfirmaExclusao,
                     {TipoCaixa::Erro, "Erro", "Houve um erro ao executar esta operação! \n\n[exclusão recusada]"}}));
        QCOMPARE(Contagens(), antes);
        QVERIFY(!dm_DatConn->adocon_korvex.EmTransacao());
        QCOMPARE(Lista()->topLevelItemCount(), 5);
        QCOMPARE(Lista()->topLevelItem(0)->text(TFConsultaLE::ColCodProd), "1");
    }

    // The listing query leaves out products whose unit, code or type the reference tables
    // lack: the list stays as the query gives it, and the status strip says how many are
    // missing. A code that matches two zone products lists its product twice.
    void produtosQueAConsultaNaoMostra() {
        banco_->Executar(Produto(kTerceira, 1, "0401", "001", "VISÍVEL"));
        banco_->Executar(Produto(kTerceira, 2, "0401", "001", "SEM UNIDADE", "55"));
        banco_->Executar(Produto(kTerceira, 3, "0401", "009", "TIPO INEXISTENTE"));
        banco_->Executar(Produto(kTerceira, 4, "0499", "001", "CÓDIGO INEXISTENTE"));
        Localizar(kTerceira);
        QCOMPARE(Coluna(TFConsultaLE::ColModelo), QStringList{"VISÍVEL"});
        QCOMPARE(janela_->staProdutosOcultos->text(),
                 "Atenção: 3 produtos da listagem desta empresa não aparecem na lista, porque o seu código, tipo ou "
                 "unidade não está mais nas tabelas de referência.");
        Capturar("consulta_produtos_ocultos");
        QTest::keyClick(janela_->edtInscVlt, Qt::Key_Backspace);
        QVERIFY(janela_->staProdutosOcultos->text().isEmpty());

        banco_->Executar("DELETE FROM KX_EXPPRODUTO WHERE emp_inscvlt = '200777888' AND exp_codprod > 2");
        banco_->Executar("INSERT INTO T_PROXVM (cd_produto_xvm, nm_produto_xvm) VALUES ('040102', 'Televisor "
                         "portátil')");
        Localizar(kTerceira);
        QCOMPARE(Coluna(TFConsultaLE::ColDescProduto),
                 (QStringList{"Televisor em cores com tela de cristal líquido", "Televisor portátil"}));
        QCOMPARE(janela_->staProdutosOcultos->text(),
                 "Atenção: 1 produto da listagem desta empresa não aparece na lista, porque o seu código, tipo ou "
                 "unidade não está mais nas tabelas de referência.");
        // Deleting the product takes both of its rows out of the list.
        Selecionar(1);
        caixas_->Responder(kBotaoSim);
        Botao(3);
        QCOMPARE(Lista()->topLevelItemCount(), 0);
        QCOMPARE(Contar("KX_EXPPRODUTO", " WHERE emp_inscvlt = '200777888'"), "1");
    }

    void primeiroQuadroDoMenuAbreONavegador() {
        janela_.reset();
        RegistrarJanelas();
        TFMenu menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        bool abriu = false;
        NaJanelaModal([&abriu](QWidget* janela) {
            abriu = qobject_cast<TFConsultaLE*>(janela) && janela->isModal();
            janela->close();
        });
        QTest::mouseMove(menu.windowHandle(), {100, 300});
        QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, {}, {100, 300});
        QVERIFY(abriu);
        QVERIFY(caixas_->Mostradas().empty());
    }
};

QTEST_MAIN(TstConsultaLE)
#include "tst_consulta_le.moc"
