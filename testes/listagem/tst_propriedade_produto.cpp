// The product properties window driven for real on the offscreen platform, over the
// demonstration database: both modes, the change handling of code, type, NCM and unit, the
// three lookups, the checks in their order, the duplicate test, the next product number,
// and a save that the database refuses.

#include "apoio/BancoDemo.h"
#include "apoio/Controles.h"
#include "apoio/JanelaModal.h"
#include "apoio/JanelaPesquisa.h"
#include "apoio/JanelasAssistente.h"
#include "comum/CaixasRoteiro.h"
#include "dados/DatConn.h"
#include "dados/clsLExProduto.h"
#include "listagem/UInsumoLE.h"
#include "listagem/UPropriedadeProduto.h"
#include "ui/UControles.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace {

const char* const kEmpresa = "200123456";
const char* const kRazao = "ELETRÔNICA AMAZÔNIA INDÚSTRIA E COMÉRCIO LTDA";
const char* const kErroProduto = "Erro no Produto! O Produto proposto DEVE TER algum código";
const char* const kErroTipo =
    "Erro no Tipo de Produto! O Tipo de Produto proposto DEVE TER alguma descrição do tipo de produto";
const char* const kErroModelo = "Erro na Descrição do Modelo! O Produto proposto DEVE TER alguma descrição do modelo";
const char* const kErroNCM = "Erro no Código NCM! O Produto está sem o código NCM!";
const char* const kErroUnidade = "Erro no Código da Unidade! O Produto está sem o código de sua Unidade!";
const char* const kErroDuplicado = "Erro no Produto! Produto JA cadastrado";

// NCM codes of the demonstration data for agency product 0406 ("Telefone celular").
const char* const kNCMTipo001 = "48191040"; // registered for type 001 only, unit 1
const char* const kNCMTipo002 = "73181540"; // registered for type 002 only, unit 2

using Janela = TFPropriedadeProduto;

// What a user types into the window, field by field; a null text leaves the field alone.
struct Campos {
    QString codigo{};
    int tipo = -1; // item of the type list to choose; -1 chooses none
    QString modelo{};
    QString ncm{};
    QString unidade{}; // typed by hand, then the user leaves the box
    QString centroCusto{};
    QString codModEmp{};
};

void Preencher(Janela* j, const Campos& c) {
    if (!c.codigo.isNull()) {
        j->edtCodProdVlt->clear();
        Digitar(j->edtCodProdVlt, c.codigo);
    }
    if (c.tipo >= 0) {
        j->cmbTipoProd->setCurrentIndex(c.tipo);
    }
    if (!c.modelo.isNull()) {
        j->edtDescModelo->setText(c.modelo);
    }
    if (!c.ncm.isNull()) {
        j->edtCodNCM->clear();
        Digitar(j->edtCodNCM, c.ncm);
    }
    if (!c.unidade.isNull()) {
        j->edtCodUnid->setFocus();
        QTRY_VERIFY(j->edtCodUnid->hasFocus());
        j->edtCodUnid->clear();
        Digitar(j->edtCodUnid, c.unidade);
        QTest::keyClick(j->edtCodUnid, Qt::Key_Tab);
    }
    if (!c.centroCusto.isNull()) {
        j->edtCentroCusto->setText(c.centroCusto);
    }
    if (!c.codModEmp.isNull()) {
        j->edtCodModEmp->setText(c.codModEmp);
    }
}

// A new product of type 002 of the agency's 0406 that passes every check.
Campos ProdutoValido() {
    return {"0406", 1, "CELULAR DOBRÁVEL", kNCMTipo002, {}, "CC-9", "DOB-1"};
}

void Salvar(Janela* j) {
    QTest::mouseClick(j->botao2, Qt::LeftButton);
}

} // namespace

Q_DECLARE_METATYPE(Campos)

class TstPropriedadeProduto : public QObject {
    Q_OBJECT

    std::unique_ptr<BancoDemo> banco_;
    std::unique_ptr<CaixasRoteiro> caixas_;

    // Opens the window in one mode on the record and runs `acao` on it once it shows;
    // returns what the class operation returned.
    bool Abrir(bool novo, TClsLExProduto& produto, std::function<void(Janela*)> acao) {
        NaJanelaModal([acao](QWidget* janela) {
            auto* j = qobject_cast<Janela*>(janela);
            QVERIFY(j);
            acao(j);
        });
        return novo ? Janela::Incluir(produto) : Janela::Alterar(produto);
    }
    bool Novo(TClsLExProduto& produto, std::function<void(Janela*)> acao) { return Abrir(true, produto, acao); }
    bool Edicao(TClsLExProduto& produto, std::function<void(Janela*)> acao) { return Abrir(false, produto, acao); }

    // A record of the company, as the browser hands it over for a new product.
    static TClsLExProduto Empresa(const char* inscricao = kEmpresa) {
        TClsLExProduto produto;
        produto.Set_emp_inscvlt(inscricao);
        return produto;
    }
    // A stored product, as the browser hands it over for an edit.
    TClsLExProduto Gravado(int codProd) {
        TClsLExProduto produto;
        const std::string filtro =
            " FROM KX_EXPPRODUTO WHERE emp_inscvlt = '200123456' AND exp_codprod = " + std::to_string(codProd);
        produto.Set_emp_inscvlt(kEmpresa);
        produto.Set_exp_codprod(codProd);
        produto.Set_exp_codprodvlt(banco_->Valor("SELECT exp_codprodvlt" + filtro));
        produto.Set_exp_tipoprodvlt(banco_->Valor("SELECT exp_tipoprodvlt" + filtro));
        produto.Set_exp_modprod(banco_->Valor("SELECT exp_modprod" + filtro));
        produto.Set_exp_ncmprod(banco_->Valor("SELECT exp_ncmprod" + filtro));
        produto.Set_codunid(banco_->Valor("SELECT codunid" + filtro));
        produto.Set_cus_codigo(banco_->Valor("SELECT cus_codigo" + filtro));
        produto.Set_mod_codemp(banco_->Valor("SELECT mod_codemp" + filtro));
        return produto;
    }
    QString Produtos() { return QString::fromStdString(banco_->Valor("SELECT COUNT(*) FROM KX_EXPPRODUTO")); }
    // The stored columns of a product, "|" between them.
    QString Linha(const char* inscricao, int codProd) {
        return QString::fromStdString(
            banco_->Valor("SELECT exp_codprodvlt || '|' || exp_tipoprodvlt || '|' || exp_modprod || '|' || "
                          "exp_ncmprod || '|' || codunid || '|' || IFNULL(exp_status, 'nulo') || '|' || cus_codigo || "
                          "'|' || mod_codemp FROM KX_EXPPRODUTO WHERE emp_inscvlt = '" +
                          std::string(inscricao) + "' AND exp_codprod = " + std::to_string(codProd)));
    }

private slots:
    void initTestCase() { banco_ = std::make_unique<BancoDemo>(); }
    void cleanupTestCase() { banco_.reset(); }
    void init() {
        banco_->Restaurar();
        caixas_ = std::make_unique<CaixasRoteiro>();
    }
    void cleanup() { caixas_.reset(); }

    void janelaNosDoisModos() {
        TClsLExProduto produto = Empresa();
        const bool salvo = Novo(produto, [](Janela* j) {
            QCOMPARE(j->windowTitle(), "Módulo - Listagem de Exportação");
            QCOMPARE(j->LTitJan->text(), "Propriedades do Produto (NOVO)");
            for (int n = 0; n < 10; ++n) {
                QCOMPARE(j->Botao(n)->isVisible(), n == 2 || n == 9);
            }
            QCOMPARE(j->staInscVlt->text(), kEmpresa);
            QCOMPARE(j->stc_RazSoc->text(), kRazao);
            QVERIFY(j->staInscVlt->isReadOnly() && j->stc_RazSoc->isReadOnly() && j->staDescProd->isReadOnly());
            QCOMPARE(j->gbProduto->title(), " Informações do Produto ");
            QCOMPARE(j->Label8->text(), "Descrição Modelo");
            QCOMPARE(j->lblCodModEmp->text(), "Código do Modelo na Empresa");
            QCOMPARE(j->btnVisIns->text(), " &Visualizar Insumos");
            QVERIFY(!j->btnVisIns->isEnabled());
            QVERIFY(!j->cmbTipoProd->isEditable());
            for (QLineEdit* caixa : {j->edtCodProdVlt, j->edtDescModelo, j->edtCodNCM, j->edtCodUnid}) {
                QVERIFY(caixa->text().isEmpty());
            }
            QCOMPARE(j->cmbTipoProd->count(), 0);
            // Tab order over the boxes that take typing.
            QList<QWidget*> ordem;
            QWidget* w = j->edtCodProdVlt;
            do {
                auto* caixa = qobject_cast<QLineEdit*>(w);
                if ((caixa && !caixa->isReadOnly()) || qobject_cast<QComboBox*>(w)) {
                    ordem << w;
                }
                w = w->nextInFocusChain();
            } while (w != j->edtCodProdVlt);
            QCOMPARE(ordem, (QList<QWidget*>{j->edtCodProdVlt, j->cmbTipoProd, j->edtDescModelo, j->edtCodNCM,
                                             j->edtCodUnid, j->edtCentroCusto, j->edtCodModEmp}));
            // Model, cost centre and company model code take any length.
            const QString longo(300, u'X');
            j->edtDescModelo->setText(longo);
            j->edtCentroCusto->setText(longo);
            QCOMPARE(j->edtCentroCusto->text(), longo);
            Capturar("produto_novo");
            QTest::mouseClick(j->botao9, Qt::LeftButton);
        });
        QVERIFY(!salvo);
        QCOMPARE(Produtos(), "8");

        produto = Gravado(3);
        const bool editado = Edicao(produto, [this](Janela* j) {
            QCOMPARE(j->LTitJan->text(), "Propriedades do Produto");
            QVERIFY(j->btnVisIns->isEnabled());
            // The product's inputs, over the product window.
            QStringList padrao, outras;
            NaJanelaModal([&padrao, &outras](QWidget* janela) {
                auto* insumos = qobject_cast<TFInsumoLE*>(janela);
                QVERIFY(insumos);
                for (QTreeWidget* lista : {insumos->lvwInsPadrao, insumos->lvwInsOutros}) {
                    QStringList& codigos = lista == insumos->lvwInsPadrao ? padrao : outras;
                    for (int i = 0; i < lista->topLevelItemCount(); ++i) {
                        codigos << lista->topLevelItem(i)->text(TFInsumoLE::ColCodInsumo);
                    }
                }
            });
            QTest::mouseClick(j->btnVisIns, Qt::LeftButton);
            QCOMPARE(padrao, QStringList({"1", "2"}));
            QCOMPARE(outras, QStringList({"3", "4", "5", "6"}));
            QVERIFY(caixas_->Mostradas().empty());
            QVERIFY(j->isVisible());
            j->edtDescModelo->setText("OUTRO");
            j->close();
        });
        QVERIFY(!editado);
        QCOMPARE(produto.exp_modprod(), "SMARTPHONE AÇAÍ 128 GB");
    }

    // The stored NCM code and unit show whatever the reference tables say of them now.
    void carregaOProdutoGravado() {
        banco_->Executar("UPDATE KX_EXPPRODUTO SET codunid = '5', cus_codigo = ' CC 1 ' WHERE emp_inscvlt = "
                         "'200123456' AND exp_codprod = 2");
        TClsLExProduto produto = Gravado(2);
        Edicao(produto, [](Janela* j) {
            QCOMPARE(j->edtCodProdVlt->text(), "0401");
            QCOMPARE(j->staDescProd->text(), "Televisor em cores com tela de cristal líquido");
            QCOMPARE(Itens(j->cmbTipoProd),
                     (QStringList{"001 Modelo padrão", "002 Modelo luxo", "003 Kit CKD (completamente desmontado)"}));
            QCOMPARE(j->cmbTipoProd->currentText(), "002 Modelo luxo");
            QCOMPARE(j->edtDescModelo->text(), "TV LED 50\" 4K SMART PREMIUM");
            // 39269010 is registered for type 001 of the product, not for 002; its unit is 2.
            QCOMPARE(j->edtCodNCM->text(), "39269010");
            QCOMPARE(j->staDescNCM->text(), "Outras obras de plástico - de uso geral");
            QCOMPARE(j->edtCodUnid->text(), "5");
            QCOMPARE(j->staDescUnid->text(), "PEÇA");
            QCOMPARE(j->edtCentroCusto->text(), " CC 1 ");
            QCOMPARE(j->edtCodModEmp->text(), "TV50-4K-PRM");
            Capturar("produto_edicao");
        });
    }

    void codigoDoProdutoDigitado_data() {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("descricao");
        QTest::addColumn<int>("tipos");
        QTest::newRow("três dígitos") << "040"
                                      << "" << 0;
        QTest::newRow("código da zona") << "0406"
                                        << "Telefone celular" << 2;
        QTest::newRow("ausente da zona") << "9999"
                                         << "" << 0;
        QTest::newRow("vírgula") << "04,6"
                                 << "" << 0;
        QTest::newRow("letra descartada") << "04a06"
                                          << "Telefone celular" << 2;
        QTest::newRow("quinto dígito recusado") << "04067"
                                                << "Telefone celular" << 2;
    }
    // Every change of the code empties the NCM and the unit, whatever it gives.
    void codigoDoProdutoDigitado() {
        QFETCH(QString, digitado);
        QFETCH(QString, descricao);
        QFETCH(int, tipos);
        TClsLExProduto produto = Empresa();
        Novo(produto, [&](Janela* j) {
            Preencher(j, {"0406", 0, {}, kNCMTipo001});
            QCOMPARE(j->edtCodUnid->text(), "1");
            j->edtCodProdVlt->clear();
            Digitar(j->edtCodProdVlt, digitado);
            QCOMPARE(j->staDescProd->text(), descricao);
            QCOMPARE(j->cmbTipoProd->count(), tipos);
            QCOMPARE(j->cmbTipoProd->currentIndex(), -1);
            for (QLineEdit* caixa : {j->edtCodNCM, j->staDescNCM, j->edtCodUnid, j->staDescUnid}) {
                QVERIFY2(caixa->text().isEmpty(), qPrintable(caixa->objectName()));
            }
        });
    }

    void tipoDoRegistroVoltaSoComOCodigoQueOTem_data() {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QString>("tipo");
        QTest::newRow("código sem o tipo 002") << "0402"
                                               << "";
        QTest::newRow("código com o tipo 002") << "0406"
                                               << "002 Modelo luxo";
    }
    void tipoDoRegistroVoltaSoComOCodigoQueOTem() {
        QFETCH(QString, codigo);
        QFETCH(QString, tipo);
        TClsLExProduto produto = Gravado(2); // 0401, type 002
        Edicao(produto, [&](Janela* j) {
            Preencher(j, {codigo});
            QCOMPARE(j->cmbTipoProd->currentText(), tipo);
            QVERIFY(j->edtCodNCM->text().isEmpty());
        });
        // A new product never gets a type chosen for it.
        produto = Empresa();
        produto.Set_exp_tipoprodvlt("002");
        Novo(produto, [&](Janela* j) {
            Preencher(j, {codigo});
            QCOMPARE(j->cmbTipoProd->currentIndex(), -1);
        });
    }

    void trocaDeTipoEsvaziaNCMEUnidade() {
        TClsLExProduto produto = Empresa();
        Novo(produto, [](Janela* j) {
            Preencher(j, {"0406", 0, {}, kNCMTipo001});
            QCOMPARE(j->staDescUnid->text(), "UNIDADE");
            j->cmbTipoProd->setCurrentIndex(1);
            for (QLineEdit* caixa : {j->edtCodNCM, j->staDescNCM, j->edtCodUnid, j->staDescUnid}) {
                QVERIFY2(caixa->text().isEmpty(), qPrintable(caixa->objectName()));
            }
            QCOMPARE(j->staDescProd->text(), "Telefone celular");
        });
    }

    void ncmDigitado_data() {
        QTest::addColumn<QString>("ncm");
        QTest::addColumn<QString>("descricao");
        QTest::addColumn<QString>("unidade");
        QTest::addColumn<QString>("descUnidade");
        QTest::newRow("do produto e tipo") << kNCMTipo001 << "Caixas de papel ou cartão ondulado - de alta precisão"
                                           << "1"
                                           << "UNIDADE";
        QTest::newRow("só de outro tipo") << kNCMTipo002 << ""
                                          << ""
                                          << "";
        QTest::newRow("sete dígitos") << "4819104"
                                      << ""
                                      << ""
                                      << "";
        QTest::newRow("com vírgula") << "4819104,"
                                     << ""
                                     << ""
                                     << "";
    }
    void ncmDigitado() {
        QFETCH(QString, ncm);
        QFETCH(QString, descricao);
        QFETCH(QString, unidade);
        QFETCH(QString, descUnidade);
        TClsLExProduto produto = Empresa();
        Novo(produto, [&](Janela* j) {
            Preencher(j, {"0406", 0, {}, ncm});
            QCOMPARE(j->staDescNCM->text(), descricao);
            QCOMPARE(j->edtCodUnid->text(), unidade);
            QCOMPARE(j->staDescUnid->text(), descUnidade);
        });
    }

    // An NCM that the product and type do not have is refused at save.
    void ncmDeOutroTipoRecusadoAoSalvar() {
        TClsLExProduto produto = Empresa();
        Novo(produto, [this](Janela* j) {
            Campos campos = ProdutoValido();
            campos.tipo = 0;
            Preencher(j, campos);
            Salvar(j);
            QCOMPARE(caixas_->Mostradas(), (std::vector<CaixaMostrada>{{TipoCaixa::Erro, "Erro", kErroNCM}}));
            QCOMPARE(j->focusWidget(), j->edtCodNCM);
            QVERIFY(j->isVisible());
        });
        QCOMPARE(Produtos(), "8");
    }

    void unidadeDigitadaSoSeDescreveAoSair() {
        TClsLExProduto produto = Empresa();
        const bool salvo = Novo(produto, [this](Janela* j) {
            Preencher(j, ProdutoValido());
            QCOMPARE(j->staDescUnid->text(), "QUILOGRAMA");
            j->edtCodUnid->setFocus();
            QTRY_VERIFY(j->edtCodUnid->hasFocus());
            j->edtCodUnid->clear();
            Digitar(j->edtCodUnid, "4");
            QVERIFY(j->staDescUnid->text().isEmpty());
            QTest::keyClick(j->edtCodUnid, Qt::Key_Tab);
            QCOMPARE(j->staDescUnid->text(), "LITRO");

            // A code that is not a unit: no description, and Salvar refuses it.
            Preencher(j, {.unidade = "99"});
            QVERIFY(j->staDescUnid->text().isEmpty());
            Salvar(j);
            QCOMPARE(caixas_->Mostradas(), (std::vector<CaixaMostrada>{{TipoCaixa::Erro, "Erro", kErroUnidade}}));
            QCOMPARE(j->focusWidget(), j->edtCodUnid);

            // Salvar pressed while the typed unit is still in its box leaves the box first.
            j->edtCodUnid->clear();
            Digitar(j->edtCodUnid, "4");
            QTRY_VERIFY(j->edtCodUnid->hasFocus());
            Salvar(j);
            QVERIFY(!j->isVisible());
        });
        QVERIFY(salvo);
        QCOMPARE(produto.codunid(), "4");
    }

    // The three lookups fill their fields; the NCM lookup lists only the product's and type's codes.
    void pesquisas() {
        const QString ncmsTipo002 = QString::fromStdString(
            banco_->Valor("SELECT GROUP_CONCAT(nps_ncm) FROM (SELECT nps_ncm FROM PRJ_NCM_PROD_VLT WHERE "
                          "nps_codprod = '0406' AND nps_codtipo = '002' ORDER BY nps_ncm)"));
        TClsLExProduto produto = Empresa();
        const bool salvo = Novo(produto, [&](Janela* j) {
            PesquisaVista produtos;
            EscolherNaPesquisa(1, "TELEFONE", "0406", &produtos);
            QTest::mouseClick(j->btnCodProdPesq, Qt::LeftButton);
            QCOMPARE(produtos.titulo, "Pesquisa: Produtos");
            QCOMPARE(j->edtCodProdVlt->text(), "0406");
            QCOMPARE(j->staDescProd->text(), "Telefone celular");
            QCOMPARE(Itens(j->cmbTipoProd), (QStringList{"001 Modelo padrão", "002 Modelo luxo"}));
            j->cmbTipoProd->setCurrentIndex(1);

            PesquisaVista ncms;
            EscolherNaPesquisa(0, "%", "85340090", &ncms);
            QTest::mouseClick(j->btnNCMPesq, Qt::LeftButton);
            QCOMPARE(ncms.titulo, "Pesquisa: Insumos");
            ncms.primeiraColuna.sort();
            QCOMPARE(ncms.primeiraColuna.join(','), ncmsTipo002);
            QCOMPARE(j->edtCodNCM->text(), "85340090");
            QCOMPARE(j->staDescNCM->text(), "Circuitos impressos - outros");
            QCOMPARE(j->edtCodUnid->text(), "1");
            QCOMPARE(j->staDescUnid->text(), "UNIDADE");

            PesquisaVista unidades;
            EscolherNaPesquisa(1, "DÚZIA", "12", &unidades);
            QTest::mouseClick(j->btnUnidPesq, Qt::LeftButton);
            QCOMPARE(unidades.titulo, "Pesquisa: Unidade");
            QCOMPARE(j->edtCodUnid->text(), "12");
            QCOMPARE(j->staDescUnid->text(), "DÚZIA");

            // Closing a lookup without choosing changes nothing.
            EscolherNaPesquisa(0, "%", "");
            QTest::mouseClick(j->btnCodProdPesq, Qt::LeftButton);
            QCOMPARE(j->edtCodNCM->text(), "85340090");

            j->edtDescModelo->setText("CELULAR COM TECLADO");
            Capturar("produto_pesquisas");
            Salvar(j);
        });
        QVERIFY(salvo);
        QCOMPARE(Linha(kEmpresa, 6), "0406|002|CELULAR COM TECLADO|85340090|12|nulo||");
    }

    void verificacoesNaOrdem_data() {
        QTest::addColumn<Campos>("campos");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("foco");
        const Campos valido = ProdutoValido();
        QTest::newRow("tudo vazio") << Campos{} << kErroProduto << "edtCodProdVlt";
        Campos c = valido;
        c.codigo = "9999";
        QTest::newRow("código fora da zona") << c << kErroProduto << "edtCodProdVlt";
        c = valido;
        c.tipo = -1;
        c.ncm = {};
        QTest::newRow("sem tipo") << c << kErroTipo << "cmbTipoProd";
        c = valido;
        c.modelo = "   ";
        c.unidade = "";
        QTest::newRow("modelo em branco antes da unidade vazia") << c << kErroModelo << "edtDescModelo";
        c = valido;
        c.ncm = "";
        QTest::newRow("sem NCM") << c << kErroNCM << "edtCodNCM";
        c = valido;
        c.ncm = kNCMTipo001;
        QTest::newRow("NCM de outro tipo") << c << kErroNCM << "edtCodNCM";
        c = valido;
        c.unidade = "";
        QTest::newRow("sem unidade") << c << kErroUnidade << "edtCodUnid";
        c = valido;
        c.unidade = "77";
        QTest::newRow("unidade inexistente") << c << kErroUnidade << "edtCodUnid";
        c = {"0401", 0, " tv led 43\" 4k smart ", "39269010"};
        QTest::newRow("produto já cadastrado") << c << kErroDuplicado << "edtCodProdVlt";
    }
    void verificacoesNaOrdem() {
        QFETCH(Campos, campos);
        QFETCH(QString, mensagem);
        QFETCH(QString, foco);
        TClsLExProduto produto = Empresa();
        const bool salvo = Novo(produto, [&](Janela* j) {
            Preencher(j, campos);
            j->edtCentroCusto->setFocus();
            Salvar(j);
            QCOMPARE(caixas_->Mostradas(),
                     (std::vector<CaixaMostrada>{{TipoCaixa::Erro, "Erro", mensagem.toStdString()}}));
            QCOMPARE(j->focusWidget()->objectName(), foco);
            QVERIFY(j->isVisible());
        });
        QVERIFY(!salvo);
        QCOMPARE(Produtos(), "8");
        QVERIFY(produto.exp_codprodvlt().empty());
    }

    // The values of a stored product pass in edit mode: an edit is never tested for duplicates.
    void duplicadoSoSeRecusaNoModoNovo() {
        TClsLExProduto produto = Gravado(1);
        const bool salvo = Edicao(produto, [](Janela* j) {
            j->edtDescModelo->setText(" tv led 43\" 4k smart ");
            j->edtCentroCusto->setText(" CC-NOVO ");
            Salvar(j);
        });
        QVERIFY(salvo);
        QVERIFY(caixas_->Mostradas().empty());
        QCOMPARE(Linha(kEmpresa, 1), "0401|001|tv led 43\" 4k smart|39269010|1|nulo| CC-NOVO |TV43-4K-SMT");
        QCOMPARE(produto.cus_codigo(), " CC-NOVO ");
        QCOMPARE(Produtos(), "8");
    }

    void proximoNumero_data() {
        QTest::addColumn<QString>("inscricao");
        QTest::addColumn<QString>("preparo");
        QTest::addColumn<int>("numero");
        QTest::newRow("primeiro da empresa") << "200777888"
                                             << "" << 1;
        QTest::newRow("depois de um buraco")
            << "200654321"
            << "INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt, "
               "exp_tipoprodvlt, exp_modprod) VALUES ('200654321', 7, '1', '73181530', '0403', '001', 'SETE')"
            << 8;
    }
    void proximoNumero() {
        QFETCH(QString, inscricao);
        QFETCH(QString, preparo);
        QFETCH(int, numero);
        if (!preparo.isEmpty()) {
            banco_->Executar(preparo.toStdString());
        }
        TClsLExProduto produto = Empresa(qPrintable(inscricao));
        const bool salvo = Novo(produto, [](Janela* j) {
            Campos campos = ProdutoValido();
            campos.modelo = "  CELULAR DOBRÁVEL  ";
            campos.centroCusto = " CC 9 ";
            Preencher(j, campos);
            Salvar(j);
        });
        QVERIFY(salvo);
        QCOMPARE(produto.exp_codprod(), std::to_string(numero));
        QCOMPARE(produto.exp_modprod(), "CELULAR DOBRÁVEL");
        QCOMPARE(Linha(qPrintable(inscricao), numero), "0406|002|CELULAR DOBRÁVEL|73181540|2|nulo| CC 9 |DOB-1");
    }

    // The database refuses the insert: nothing is written, the box shows the engine's
    // message, and the window stays open with its values for another try.
    void erroAoGravarDesfazEMantemAJanela() {
        banco_->ExecutarNativo("CREATE TRIGGER recusa BEFORE INSERT ON KX_EXPPRODUTO "
                               "BEGIN SELECT RAISE(ABORT, 'gravação recusada'); END;");
        TClsLExProduto produto = Empresa();
        const bool salvo = Novo(produto, [this](Janela* j) {
            Preencher(j, ProdutoValido());
            Salvar(j);
            QCOMPARE(caixas_->Mostradas(), (std::vector<CaixaMostrada>{
                                               {TipoCaixa::Erro, "Erro",
                                                "Houve um erro ao executar esta operação! \n\n[gravação recusada]"}}));
            QVERIFY(j->isVisible());
            QCOMPARE(j->edtDescModelo->text(), "CELULAR DOBRÁVEL");
            QVERIFY(!dm_DatConn->adocon_korvex.EmTransacao());
            banco_->ExecutarNativo("DROP TRIGGER recusa;");
            Salvar(j);
        });
        QVERIFY(salvo);
        QCOMPARE(Produtos(), "9");
    }
};

QTEST_MAIN(TstPropriedadeProduto)
#include "tst_propriedade_produto.moc"
