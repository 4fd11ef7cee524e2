// The properties window of the standard-list inputs driven for real on the offscreen
// platform over the demonstration database (product 0401, the television, and its items):
// what sets it apart from the other inputs' window, namely the NCM codes of the product's
// items, the item detail chosen from a list, the required specification and the duplicate
// test by detail, and what each mode saves.

#include "apoio/BancoDemo.h"
#include "apoio/Controles.h"
#include "apoio/JanelaPesquisa.h"
#include "apoio/JanelasInsumo.h"
#include "apoio/ListagemInsumos.h"
#include "comum/CaixasRoteiro.h"
#include "dados/BancoDados.h"
#include "dados/DatConn.h"
#include "listagem/UPropriedadeInsumoPadrao.h"
#include "ui/UCampos.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

using Janela = TFPropriedadeInsumoPadrao;

const char* const kSemTipo = "Erro no Tipo do Insumo! O Tipo do Insumo NAO foi selecionado!";
const char* const kSemNCM = "Erro no Código NCM! O Insumo está sem o código NCM!";
const char* const kSemDescricao = "Erro na Descrição do Insumo! O Insumo proposto DEVE TER alguma descrição!";
const char* const kSemEspecificacao =
    "Erro na Especificação Técnica! O Insumo importado DEVE TER uma especificação técnica!";
const char* const kCoeficienteInvalido =
    "Erro no Coeficiente Técnico! O coeficiente técnico DEVER SER um número válido!";
const char* const kJaCadastrado = "Erro no Insumo! Insumo JA cadastrado";

// An NCM code with two item details of the product, and one of the NCM table that is no item of it.
const char* const kNCMItem = "73182230";
const QStringList kItens{"0001 Conjunto de fixação - Arruelas de ferro ou aço",
                         "0002 Painel frontal - Arruelas de ferro ou aço"};
const char* const kNCMForaDoProduto = "85423990";

// Fills a valid standard-list input; the item is chosen by its position in the list.
void Preencher(Janela* j, const QString& ncm, int item, const QString& especificacao, const QString& coeficiente) {
    j->cmbSelTipoIns->setCurrentIndex(1);
    Redigitar(j->edtCodNCM, ncm);
    j->cmbDescIns->setCurrentIndex(item);
    Redigitar(j->mmEspecTec, especificacao);
    Redigitar(j->edtCoefTec, coeficiente);
}

// The window once the item NCM of the product is in: its description, the item list with
// nothing chosen, and the unit.
void ConferirNCMDoItem(Janela* j) {
    QCOMPARE(j->edtCodNCM->text(), kNCMItem);
    QCOMPARE(j->staDescNCM->text(), "Arruelas de ferro ou aço - reforçados");
    QCOMPARE(Itens(j->cmbDescIns), kItens);
    QCOMPARE(j->cmbDescIns->currentIndex(), -1);
    QCOMPARE(j->edtCodUnid->text(), "2");
    QCOMPARE(j->staDescUnid->text(), "QUILOGRAMA");
}

} // namespace

class TstPropriedadeInsumoPadrao : public QObject {
    Q_OBJECT

    std::unique_ptr<BancoDemo> banco_;
    std::unique_ptr<CaixasRoteiro> caixas_;

private slots:
    void initTestCase() { banco_ = std::make_unique<BancoDemo>(); }
    void cleanupTestCase() { banco_.reset(); }
    void init() { caixas_ = std::make_unique<CaixasRoteiro>(); }
    void cleanup() { caixas_.reset(); }

    // New mode: no type, no items; an item NCM of the product fills its description, the
    // item list with nothing chosen, and the unit; a ninth digit cannot be typed, and
    // removing one empties all four.
    void novoComNCMDoProduto() {
        TClsLExProduto produto = NovoProduto();
        AbrirPropriedades<Janela>(miIncluir, produto, nullptr, [](Janela* j) {
            QCOMPARE(j->windowTitle(), "FPropriedadeInsumoPadrao");
            QCOMPARE(j->LTitJan->text(), "Propriedades do Insumo Padrão (NOVO)");
            QCOMPARE(Itens(j->cmbSelTipoIns), QStringList({"", "P - Insumo Estrangeiro da Listagem Padrão"}));
            QCOMPARE(j->cmbSelTipoIns->currentIndex(), -1);
            QVERIFY(!j->cmbDescIns->isEditable());
            QCOMPARE(j->cmbDescIns->count(), 0);
            QCOMPARE(Controle<QLabel>(j, "Label10")->text(), "Insumo");

            Digitar(j->edtCodNCM, QString(kNCMItem) + "5");
            ConferirNCMDoItem(j);
            j->cmbDescIns->setCurrentIndex(1);
            Capturar("propriedade_insumo_padrao_novo");

            QTest::keyClick(j->edtCodNCM, Qt::Key_Backspace);
            QVERIFY(j->staDescNCM->text().isEmpty());
            QCOMPARE(j->cmbDescIns->count(), 0);
            QVERIFY(j->edtCodUnid->text().isEmpty() && j->staDescUnid->text().isEmpty());

            // An NCM of the NCM table that is no item of the product gives nothing here.
            Redigitar(j->edtCodNCM, kNCMForaDoProduto);
            QVERIFY(j->staDescNCM->text().isEmpty());
            QCOMPARE(j->cmbDescIns->count(), 0);
        });
    }

    // The checks that differ from the other inputs' window, in their place in the order.
    void validacoes_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("ncm");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("especificacao");
        QTest::addColumn<QString>("coeficiente");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("foco");
        QTest::newRow("sem tipo") << -1 << kNCMItem << 0 << "x"
                                  << "1" << kSemTipo << "cmbSelTipoIns";
        QTest::newRow("NCM fora do produto") << 1 << kNCMForaDoProduto << -1 << "x"
                                             << "1" << kSemNCM << "edtCodNCM";
        QTest::newRow("nenhum item escolhido") << 1 << kNCMItem << -1 << "x"
                                               << "1" << kSemDescricao << "cmbDescIns";
        QTest::newRow("sem especificação") << 1 << kNCMItem << 0 << "  "
                                           << "1" << kSemEspecificacao << "mmEspecTec";
        QTest::newRow("vírgula sozinha") << 1 << kNCMItem << 0 << "x"
                                         << "," << kCoeficienteInvalido << "edtCoefTec";
    }
    void validacoes() {
        QFETCH(int, tipo);
        QFETCH(QString, ncm);
        QFETCH(int, item);
        QFETCH(QString, especificacao);
        QFETCH(QString, coeficiente);
        QFETCH(QString, mensagem);
        QFETCH(QString, foco);
        TClsLExProduto produto = NovoProduto();
        QVERIFY(!AbrirPropriedades<Janela>(miIncluir, produto, nullptr, [&](Janela* j) {
            Preencher(j, ncm, item, especificacao, coeficiente);
            j->cmbSelTipoIns->setCurrentIndex(tipo);
            ClicarBotao(j, 2);
            QCOMPARE(j->focusWidget()->objectName(), foco);
        }));
        QCOMPARE(caixas_->Mostradas(), ErroMostrado(mensagem));
        QVERIFY(InsumosGravados(produto).empty());
    }

    void novoGravaOItemEscolhido() {
        TClsLExProduto produto = NovoProduto();
        QVERIFY(AbrirPropriedades<Janela>(miIncluir, produto, nullptr, [](Janela* j) {
            Preencher(j, kNCMItem, 1, "Aço galvanizado", "2,5");
            Redigitar(j->edtPart, "AR-2");
            ClicarBotao(j, 2);
        }));
        QVERIFY(caixas_->Mostradas().empty());
        const InsumoGravado g = InsumoGravadoDe(produto, 1);
        QCOMPARE(g.tipo, std::optional<std::string>("P"));
        QCOMPARE(g.ncm, std::string(kNCMItem));
        QCOMPARE(g.detalhe, std::optional<std::string>("0002"));
        QCOMPARE(g.descricao, std::optional<std::string>("Painel frontal - Arruelas de ferro ou aço"));
        QCOMPARE(g.especificacao, std::optional<std::string>("Aço galvanizado"));
        QCOMPARE(g.codunid, std::string("2"));
        QCOMPARE(g.coeficiente, 2.5);
        QCOMPARE(g.codEmpresa, std::optional<std::string>("AR-2"));
    }

    // Opening selects the input's item only while detail and description still match one;
    // otherwise an item must be chosen before saving, and saving rewrites the detail.
    void alterarEscolheOItemQueAindaConfere() {
        TClsLExProduto produto = NovoProduto(1, true);
        dm_DatConn->adocon_korvex.Executar("UPDATE KX_EXPINSUMO SET exp_descins = 'Descrição antiga' WHERE "
                                           "emp_inscvlt = '200123456' AND exp_codins = 2 AND exp_codprod = " +
                                           produto.exp_codprod());
        TclsLExInsumo confere = RegistroDe(produto, InsumoGravadoDe(produto, 3));
        QVERIFY(AbrirPropriedades<Janela>(miAlterar, produto, &confere, [](Janela* j) {
            QCOMPARE(j->LTitJan->text(), "Propriedades do Insumo Padrão");
            QCOMPARE(j->cmbSelTipoIns->currentIndex(), 1);
            QCOMPARE(j->staDescNCM->text(), "Arruelas de ferro ou aço - reforçados");
            QCOMPARE(j->cmbDescIns->currentIndex(), 1);
            QCOMPARE(j->edtCodUnid->text(), "2");
            QCOMPARE(j->edtCoefTec->text(), "1");
            Capturar("propriedade_insumo_padrao_alterar");
            ClicarBotao(j, 2);
        }));
        QCOMPARE(InsumoGravadoDe(produto, 3).detalhe, std::optional<std::string>("0002"));

        TclsLExInsumo antigo = RegistroDe(produto, InsumoGravadoDe(produto, 2));
        QVERIFY(AbrirPropriedades<Janela>(miAlterar, produto, &antigo, [this](Janela* j) {
            QCOMPARE(j->cmbDescIns->currentIndex(), -1);
            ClicarBotao(j, 2);
            QCOMPARE(caixas_->Mostradas(), ErroMostrado(kSemDescricao));
            j->cmbDescIns->setCurrentIndex(1);
            ClicarBotao(j, 2);
        }));
        const InsumoGravado g = InsumoGravadoDe(produto, 2);
        QCOMPARE(g.detalhe, std::optional<std::string>("0002"));
        QCOMPARE(g.descricao, std::optional<std::string>("Painel frontal - Arruelas de ferro ou aço"));
        QCOMPARE(antigo.exp_detinsvlt(), std::string("0002"));
    }

    // A copy saved unchanged is refused, also when the specification differs only in the
    // case of its letters; another item detail or specification makes it new.
    void replicar_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("especificacao");
        QTest::addColumn<bool>("aceito");
        QTest::newRow("sem mudança") << 1 << QString() << false;
        QTest::newRow("só maiúsculas") << 1 << "PAINEL EM AÇO ESTAMPADO" << false;
        QTest::newRow("outro detalhe") << 0 << QString() << true;
        QTest::newRow("outra especificação") << 1 << "Painel em alumínio" << true;
    }
    void replicar() {
        QFETCH(int, item);
        QFETCH(QString, especificacao);
        QFETCH(bool, aceito);
        TClsLExProduto produto = NovoProduto();
        InserirInsumo(produto, {0, "P", kNCMItem, "0002", "Painel frontal - Arruelas de ferro ou aço",
                                "Painel em aço estampado", 1, "2", "PF-1"});
        TclsLExInsumo insumo = RegistroDe(produto, InsumoGravadoDe(produto, 1));
        const bool salvo = AbrirPropriedades<Janela>(miReplicar, produto, &insumo, [&](Janela* j) {
            QCOMPARE(j->cmbDescIns->currentIndex(), 1);
            if (std::string_view(QTest::currentDataTag()) == "sem mudança") {
                Capturar("propriedade_insumo_padrao_replicar");
            }
            j->cmbDescIns->setCurrentIndex(item);
            Redigitar(j->mmEspecTec, especificacao);
            ClicarBotao(j, 2);
        });
        QCOMPARE(salvo, aceito);
        QCOMPARE(caixas_->Mostradas(), aceito ? std::vector<CaixaMostrada>{} : ErroMostrado(kJaCadastrado));
        const auto insumos = InsumosGravados(produto);
        QCOMPARE(insumos.size(), size_t(aceito ? 2 : 1));
        QCOMPARE(insumos[0].detalhe, std::optional<std::string>("0002"));
        if (aceito) {
            QCOMPARE(insumos[1].detalhe, std::optional<std::string>(item == 0 ? "0001" : "0002"));
        }
    }

    // The file holds 253 characters of an item's description: a longer one is stored cut,
    // and the input still opens with its item chosen and saves unchanged.
    void descricaoLongaCortada() {
        const std::string longa = std::string(250, 'd') + "éfghij";
        TConexao& c = dm_DatConn->adocon_korvex;
        c.Executar("INSERT INTO VLT_NCM (vtncm_codigo, vtncm_detalhe, vtncm_descricao) VALUES ('39269010', '0009', " +
                   Q(longa) + ")");
        c.Executar("INSERT INTO PROD_ITEM (cd_produto_xvm, cd_mercadoria_ncm, vtncm_detalhe) VALUES ('0401', "
                   "'39269010', '0009')");
        TClsLExProduto produto = NovoProduto();
        QVERIFY(AbrirPropriedades<Janela>(miIncluir, produto, nullptr, [](Janela* j) {
            Preencher(j, "39269010", 1, "Longo", "1");
            ClicarBotao(j, 2);
        }));
        const InsumoGravado g = InsumoGravadoDe(produto, 1);
        QCOMPARE(g.detalhe, std::optional<std::string>("0009"));
        QCOMPARE(QString::fromStdString(*g.descricao), QString::fromStdString(longa).left(253));

        TclsLExInsumo insumo = RegistroDe(produto, g);
        QVERIFY(AbrirPropriedades<Janela>(miAlterar, produto, &insumo, [](Janela* j) {
            QCOMPARE(j->cmbDescIns->currentIndex(), 1);
            ClicarBotao(j, 2);
        }));
        QVERIFY(caixas_->Mostradas().empty());
        QCOMPARE(InsumoGravadoDe(produto, 1).descricao, g.descricao);
    }

    void pesquisaDosItensDoProduto() {
        TClsLExProduto produto = NovoProduto();
        AbrirPropriedades<Janela>(miIncluir, produto, nullptr, [](Janela* j) {
            PesquisaVista vista;
            EscolherNaPesquisa(0, "7318", kNCMItem, &vista);
            QTest::mouseClick(j->btnPesqNCM, Qt::LeftButton);
            QCOMPARE(vista.titulo, "Pesquisa: Insumos");
            QCOMPARE(vista.primeiraColuna, QStringList({kNCMItem, kNCMItem}));
            ConferirNCMDoItem(j);
        });
    }
};

QTEST_MAIN(TstPropriedadeInsumoPadrao)
#include "tst_propriedade_insumo_padrao.moc"
