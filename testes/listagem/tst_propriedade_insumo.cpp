// The properties window of the inputs of type E, N and R driven for real on the offscreen
// platform over the demonstration database: the window as created, the NCM filling the
// description and unit, the checks in order, what each mode saves, the duplicate test of
// replication, the technical specification's limit, the lookups and a failed write.

#include "apoio/BancoDemo.h"
#include "apoio/Controles.h"
#include "apoio/JanelaPesquisa.h"
#include "apoio/JanelasInsumo.h"
#include "apoio/ListagemInsumos.h"
#include "comum/CaixasRoteiro.h"
#include "dados/DatConn.h"
#include "listagem/UPropriedadeInsumo.h"
#include "ui/UCampos.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

using Janela = TFPropriedadeInsumo;

const char* const kSemTipo = "Erro no Tipo do Insumo! O Tipo do Insumo NAO foi selecionado!";
const char* const kSemNCM = "Erro no Código NCM! O Insumo está sem o código NCM!";
const char* const kSemDescricao = "Erro na Descrição do Insumo! O Insumo proposto DEVE TER alguma descrição!";
const char* const kSemEspecificacao =
    "Erro na Especificação Técnica! O Insumo importado DEVE TER uma especificação técnica!";
const char* const kSemUnidade = "Erro no Código da Unidade! O Insumo está sem o código de sua Unidade!";
const char* const kSemCoeficiente = "Erro no Coeficiente Técnico! O Insumo DEVE TER um coeficente técnico";
const char* const kCoeficienteInvalido =
    "Erro no Coeficiente Técnico! O coeficiente técnico DEVER SER um número válido!";
const char* const kJaCadastrado = "Erro no Insumo! Insumo JA cadastrado";

// What the user fills in; a null text leaves the box as it is.
struct Campos {
    int tipo = 2; // N
    QString ncm = "39269010";
    QString descricao = "Suporte plástico do painel";
    QString especificacao = "Polipropileno injetado";
    QString unidade = "2";
    QString coeficiente = "1,5";
    QString part = "PN-1";
};

// Fills the window as the user would, box by box.
void Preencher(Janela* janela, const Campos& c) {
    janela->cmbSelTipoIns->setCurrentIndex(c.tipo);
    Redigitar(janela->edtCodNCM, c.ncm);
    Redigitar(janela->edtDescIns, c.descricao);
    Redigitar(janela->mmEspecTec, c.especificacao);
    Redigitar(janela->edtCodUnid, c.unidade);
    Redigitar(janela->edtCoefTec, c.coeficiente);
    Redigitar(janela->edtPart, c.part);
}

} // namespace

class TstPropriedadeInsumo : public QObject {
    Q_OBJECT

    std::unique_ptr<BancoDemo> banco_;
    std::unique_ptr<CaixasRoteiro> caixas_;

private slots:
    void initTestCase() { banco_ = std::make_unique<BancoDemo>(); }
    void cleanupTestCase() { banco_.reset(); }
    void init() { caixas_ = std::make_unique<CaixasRoteiro>(); }
    void cleanup() { caixas_.reset(); }

    void janelaNova() {
        TClsLExProduto produto = NovoProduto();
        AbrirPropriedades<Janela>(miIncluir, produto, nullptr, [](Janela* j) {
            QCOMPARE(j->windowTitle(), "Módulo - Listagem de Exportação");
            QCOMPARE(j->LTitJan->text(), "Propriedades do Insumo (NOVO)");
            for (int n = 0; n < 10; ++n) {
                QCOMPARE(j->Botao(n)->isVisible(), n == 2 || n == 9);
            }
            QCOMPARE(Controle<QGroupBox>(j, "gbEmpresa")->title(), " Informações do Insumo");
            QCOMPARE(j->cmbSelTipoIns->count(), 4);
            QCOMPARE(j->cmbSelTipoIns->itemText(1), "E - Insumo Estrangeiro Extra Listagem Padrão");
            QCOMPARE(j->cmbSelTipoIns->itemText(3), "R - Insumo Regional");
            QCOMPARE(j->cmbSelTipoIns->currentIndex(), -1);
            const std::pair<const char*, const char*> rotulos[] = {
                {"Label6", "Tipo do Insumo"},
                {"Label11", "Cód. NCM"},
                {"Label13", "Descrição NCM"},
                {"Label10", "Insumo"},
                {"Label8", "Especificação Técnica"},
                {"Label4", "Cód. Unidade"},
                {"Label9", "Descrição"},
                {"Label7", "Coeficiente Técnico"},
                {"Label14", "Part Number"},
                {"lblQtdeCaractEspTec", "0 caracteres de 3723"},
            };
            for (auto [nome, texto] : rotulos) {
                QCOMPARE(Controle<QLabel>(j, nome)->text(), QString(texto));
            }
            QVERIFY(j->staDescNCM->isReadOnly() && j->staDescUnid->isReadOnly());
            // No longer than the export file holds them.
            QCOMPARE(j->edtDescIns->maxLength(), 254);
            QCOMPARE(j->edtPart->maxLength(), 30);
            QCOMPARE(j->focusWidget(), j->cmbSelTipoIns);
            QWidget* esperado[] = {j->edtCodNCM,  j->edtDescIns, j->mmEspecTec,
                                   j->edtCodUnid, j->edtCoefTec, j->edtPart};
            QWidget* atual = j->cmbSelTipoIns;
            for (QWidget* proximo : esperado) {
                atual = atual->nextInFocusChain();
                while (!(atual->focusPolicy() & Qt::TabFocus)) {
                    atual = atual->nextInFocusChain();
                }
                QCOMPARE(atual, proximo);
            }
            Capturar("propriedade_insumo_novo");
        });
    }

    // The NCM code fills its description, the input's description and the unit; any other
    // text empties the four, so nothing stale stays beside a code being typed.
    void ncmPreencheEEsvazia() {
        TClsLExProduto produto = NovoProduto();
        AbrirPropriedades<Janela>(miIncluir, produto, nullptr, [](Janela* j) {
            auto quatro = [j]() {
                return QStringList{j->staDescNCM->text(), j->edtDescIns->text(), j->edtCodUnid->text(),
                                   j->staDescUnid->text()};
            };
            const QStringList preenchidos{"Outras obras de plástico - de uso geral",
                                          "Outras obras de plástico - de uso geral", "2", "QUILOGRAMA"};
            Digitar(j->edtCodNCM, "3926901");
            QCOMPARE(quatro(), QStringList({"", "", "", ""}));
            Digitar(j->edtCodNCM, "0");
            QCOMPARE(quatro(), preenchidos);
            Redigitar(j->edtDescIns, "Suporte");
            Digitar(j->edtCodNCM, "1");
            QCOMPARE(quatro(), QStringList({"", "", "", ""}));
            QTest::keyClick(j->edtCodNCM, Qt::Key_Backspace);
            QCOMPARE(quatro(), preenchidos);
            QTest::keyClick(j->edtCodNCM, Qt::Key_Backspace);
            QCOMPARE(quatro(), QStringList({"", "", "", ""}));
            // Letters, dots and signs never reach the NCM, unit and coefficient boxes.
            for (QLineEdit* caixa : {j->edtCodNCM, j->edtCodUnid, j->edtCoefTec}) {
                caixa->clear();
                Digitar(caixa, "1.5-a,2");
                QCOMPARE(caixa->text(), "15,2");
            }
            // Leaving the unit box shows its description; changing it empties the description.
            Redigitar(j->edtCodUnid, "5");
            QVERIFY(j->staDescUnid->text().isEmpty());
            j->edtCoefTec->setFocus();
            QCOMPARE(j->staDescUnid->text(), "PEÇA");
            Digitar(j->edtCodUnid, "0");
            QVERIFY(j->staDescUnid->text().isEmpty());
        });
    }

    // The checks in their order, each with its message and its control; nothing is written.
    void validacoesNaOrdem_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("ncm");
        QTest::addColumn<QString>("descricao");
        QTest::addColumn<QString>("especificacao");
        QTest::addColumn<QString>("unidade");
        QTest::addColumn<QString>("coeficiente");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("foco");
        const Campos c;
        auto linha = [&c](const char* nome) -> QTestData& {
            return QTest::newRow(nome) << c.tipo << c.ncm << c.descricao << c.especificacao << c.unidade;
        };
        QTest::newRow("sem tipo") << -1 << ""
                                  << ""
                                  << ""
                                  << ""
                                  << "" << kSemTipo << "cmbSelTipoIns";
        QTest::newRow("item vazio do tipo") << 0 << c.ncm << c.descricao << c.especificacao << c.unidade
                                            << c.coeficiente << kSemTipo << "cmbSelTipoIns";
        QTest::newRow("sem NCM") << c.tipo << "" << c.descricao << c.especificacao << c.unidade << c.coeficiente
                                 << kSemNCM << "edtCodNCM";
        QTest::newRow("NCM fora da tabela") << c.tipo << "99999999" << c.descricao << c.especificacao << c.unidade
                                            << c.coeficiente << kSemNCM << "edtCodNCM";
        QTest::newRow("sem descrição") << c.tipo << c.ncm << "  " << c.especificacao << c.unidade << c.coeficiente
                                       << kSemDescricao << "edtDescIns";
        QTest::newRow("estrangeiro sem especificação")
            << 1 << c.ncm << c.descricao << "" << c.unidade << c.coeficiente << kSemEspecificacao << "mmEspecTec";
        QTest::newRow("sem unidade") << c.tipo << c.ncm << c.descricao << c.especificacao << "" << c.coeficiente
                                     << kSemUnidade << "edtCodUnid";
        QTest::newRow("unidade fora do cadastro") << c.tipo << c.ncm << c.descricao << c.especificacao << "99"
                                                  << c.coeficiente << kSemUnidade << "edtCodUnid";
        linha("sem coeficiente") << QString("") << kSemCoeficiente << "edtCoefTec";
        linha("coeficiente 0") << QString("0") << kSemCoeficiente << "edtCoefTec";
        linha("vírgula sozinha") << QString(",") << kCoeficienteInvalido << "edtCoefTec";
        linha("duas vírgulas") << QString("1,,5") << kCoeficienteInvalido << "edtCoefTec";
    }
    void validacoesNaOrdem() {
        QFETCH(int, tipo);
        QFETCH(QString, ncm);
        QFETCH(QString, descricao);
        QFETCH(QString, especificacao);
        QFETCH(QString, unidade);
        QFETCH(QString, coeficiente);
        QFETCH(QString, mensagem);
        QFETCH(QString, foco);
        TClsLExProduto produto = NovoProduto();
        const bool salvo = AbrirPropriedades<Janela>(miIncluir, produto, nullptr, [&](Janela* j) {
            if (tipo >= 0 || !ncm.isEmpty()) {
                Preencher(j, {tipo, ncm, descricao, especificacao, unidade, coeficiente, "PN-1"});
            }
            ClicarBotao(j, 2);
            QVERIFY(j->isVisible());
            QCOMPARE(j->focusWidget()->objectName(), foco);
        });
        QVERIFY(!salvo);
        QCOMPARE(caixas_->Mostradas(), ErroMostrado(mensagem));
        QVERIFY(InsumosGravados(produto).empty());
    }

    // What a new input stores: the technical specification is optional for N and R, "0,0" and "00"
    // are zero, a typed dot is dropped, and the item detail stays null.
    void novoGrava_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("especificacao");
        QTest::addColumn<QString>("coeficiente");
        QTest::addColumn<double>("gravado");
        QTest::newRow("nacional sem especificação") << 2 << ""
                                                    << "1,5" << 1.5;
        QTest::newRow("regional sem especificação") << 3 << ""
                                                    << "2" << 2.0;
        QTest::newRow("estrangeiro") << 1 << "Aço inox"
                                     << "0,0" << 0.0;
        QTest::newRow("zeros") << 2 << "x"
                               << "00" << 0.0;
        QTest::newRow("ponto não entra") << 2 << "x"
                                         << "1.5" << 15.0;
        QTest::newRow("milésimos") << 3 << "x"
                                   << "0,00005" << 5e-5;
    }
    void novoGrava() {
        QFETCH(int, tipo);
        QFETCH(QString, especificacao);
        QFETCH(QString, coeficiente);
        QFETCH(double, gravado);
        TClsLExProduto produto = NovoProduto();
        Campos c;
        c.tipo = tipo;
        c.especificacao = especificacao;
        c.coeficiente = coeficiente;
        QVERIFY(AbrirPropriedades<Janela>(miIncluir, produto, nullptr, [&](Janela* j) {
            Preencher(j, c);
            ClicarBotao(j, 2);
        }));
        QVERIFY(caixas_->Mostradas().empty());
        const auto insumos = InsumosGravados(produto);
        QCOMPARE(insumos.size(), size_t(1));
        const InsumoGravado& g = insumos[0];
        QCOMPARE(g.codins, 1);
        QCOMPARE(g.tipo, std::optional<std::string>(std::string(1, "PENR"[tipo])));
        QCOMPARE(g.ncm, std::string("39269010"));
        QCOMPARE(g.detalhe, std::nullopt);
        QCOMPARE(g.descricao, std::optional<std::string>("Suporte plástico do painel"));
        QCOMPARE(g.especificacao,
                 especificacao.isEmpty() ? std::nullopt : std::optional<std::string>(especificacao.toStdString()));
        QCOMPARE(g.coeficiente, gravado);
        QCOMPARE(g.codunid, std::string("2"));
        QCOMPARE(g.codEmpresa, std::optional<std::string>("PN-1"));
    }

    // An input opens with its stored values (description and unit included, whatever the
    // NCM's own), in fixed notation for the coefficient, and saves unchanged as it was.
    void alterarSemMudarGravaOMesmo_data() {
        QTest::addColumn<double>("coeficiente");
        QTest::addColumn<QString>("mostrado");
        QTest::newRow("sete casas") << 0.1234567 << "0,1234567";
        QTest::newRow("abaixo de um décimo de milésimo") << 0.00005 << "0,00005";
        QTest::newRow("milhar") << 1234.5 << "1234,5";
        QTest::newRow("muito pequeno") << 1.23e-9 << "0,00000000123";
    }
    void alterarSemMudarGravaOMesmo() {
        QFETCH(double, coeficiente);
        QFETCH(QString, mostrado);
        TClsLExProduto produto = NovoProduto();
        const InsumoGravado antes{0,           "R", "39269010", "0001", "Tampa do compartimento", "ABS\r\ncor preta",
                                  coeficiente, "5", "PN-9"};
        const int codins = InserirInsumo(produto, antes);
        TclsLExInsumo insumo = RegistroDe(produto, InsumoGravadoDe(produto, codins));
        QVERIFY(AbrirPropriedades<Janela>(miAlterar, produto, &insumo, [&](Janela* j) {
            QCOMPARE(j->LTitJan->text(), "Propriedades do Insumo");
            QCOMPARE(j->cmbSelTipoIns->currentIndex(), 3);
            QCOMPARE(j->edtCodNCM->text(), "39269010");
            QCOMPARE(j->staDescNCM->text(), "Outras obras de plástico - de uso geral");
            QCOMPARE(j->edtDescIns->text(), "Tampa do compartimento");
            QCOMPARE(j->mmEspecTec->toPlainText(), "ABS\ncor preta");
            QCOMPARE(j->lblQtdeCaractEspTec->text(), "14 caracteres de 3723");
            QCOMPARE(j->edtCodUnid->text(), "5");
            QCOMPARE(j->staDescUnid->text(), "PEÇA");
            QCOMPARE(j->edtCoefTec->text(), mostrado);
            QCOMPARE(j->edtPart->text(), "PN-9");
            Capturar("propriedade_insumo_alterar");
            ClicarBotao(j, 2);
        }));
        QVERIFY(caixas_->Mostradas().empty());
        const InsumoGravado depois = InsumoGravadoDe(produto, codins);
        QCOMPARE(depois.coeficiente, coeficiente);
        QCOMPARE(depois.descricao, antes.descricao);
        QCOMPARE(depois.especificacao, antes.especificacao);
        QCOMPARE(depois.codunid, antes.codunid);
        // This window keeps no item detail.
        QCOMPARE(depois.detalhe, std::nullopt);
        QCOMPARE(insumo.exp_coeftec(), coeficiente);
    }

    // Edit mode writes the values back into the caller's input, may take the values of
    // another input of the product, and is never tested for duplicates.
    void alterarParaOsValoresDeOutro() {
        TClsLExProduto produto = NovoProduto();
        const InsumoGravado outro{0, "N", "39269010", std::nullopt, "Suporte", "PP", 2, "2", "PN-2"};
        InserirInsumo(produto, outro);
        const int codins = InserirInsumo(produto, {0, "E", "73181510", std::nullopt, "Parafuso", "M3", 1, "2", "X"});
        TclsLExInsumo insumo = RegistroDe(produto, InsumoGravadoDe(produto, codins));
        QVERIFY(AbrirPropriedades<Janela>(miAlterar, produto, &insumo, [](Janela* j) {
            Preencher(j, {2, "39269010", "Suporte", "PP", "2", "2", "PN-2"});
            ClicarBotao(j, 2);
        }));
        QVERIFY(caixas_->Mostradas().empty());
        const InsumoGravado g = InsumoGravadoDe(produto, codins);
        QCOMPARE(g.tipo, outro.tipo);
        QCOMPARE(g.descricao, outro.descricao);
        QCOMPARE(g.coeficiente, 2.0);
        QCOMPARE(insumo.exp_tipoins(), std::string("N"));
        QCOMPARE(insumo.exp_descins(), std::string("Suporte"));
        QCOMPARE(insumo.CoefTecFormatado(), std::string("2,00"));
        QCOMPARE(insumo.ins_codemp(), std::string("PN-2"));
        QCOMPARE(InsumosGravados(produto).size(), size_t(2));
    }

    // An input without a type opens with none selected and cannot be saved until one is.
    void tipoAusenteNaoSeSalva() {
        TClsLExProduto produto = NovoProduto();
        const int codins =
            InserirInsumo(produto, {0, std::nullopt, "39269010", std::nullopt, "Sem tipo", std::nullopt, 1, "2", {}});
        TclsLExInsumo insumo = RegistroDe(produto, InsumoGravadoDe(produto, codins));
        QVERIFY(AbrirPropriedades<Janela>(miAlterar, produto, &insumo, [this](Janela* j) {
            QCOMPARE(j->cmbSelTipoIns->currentIndex(), -1);
            ClicarBotao(j, 2);
            QCOMPARE(caixas_->Mostradas(), ErroMostrado(kSemTipo));
            j->cmbSelTipoIns->setCurrentIndex(2);
            ClicarBotao(j, 2);
        }));
        QCOMPARE(InsumoGravadoDe(produto, codins).tipo, std::optional<std::string>("N"));
    }

    // A copy saved unchanged is refused, also when the description differs only in the case
    // of its letters, accented ones included; another description or type makes it new.
    void replicar_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("descricao");
        QTest::addColumn<QString>("especificacao");
        QTest::addColumn<bool>("aceito");
        QTest::newRow("sem mudança") << 1 << QString() << QString() << false;
        QTest::newRow("só maiúsculas") << 1 << "CAIXA DE PAPELÃO ONDULADO" << QString() << false;
        QTest::newRow("outra descrição") << 1 << "Caixa de papelão liso" << QString() << true;
        QTest::newRow("outro tipo") << 2 << QString() << QString() << true;
        QTest::newRow("outra especificação") << 1 << QString() << "Parede dupla" << true;
    }
    void replicar() {
        QFETCH(int, tipo);
        QFETCH(QString, descricao);
        QFETCH(QString, especificacao);
        QFETCH(bool, aceito);
        TClsLExProduto produto = NovoProduto();
        const InsumoGravado original{0,   "E", "48191010", std::nullopt, "Caixa de papelão ondulado", "Parede simples",
                                     0.5, "1", "CX-1"};
        InserirInsumo(produto, original);
        TclsLExInsumo insumo = RegistroDe(produto, InsumoGravadoDe(produto, 1));
        const bool salvo = AbrirPropriedades<Janela>(miReplicar, produto, &insumo, [&](Janela* j) {
            QCOMPARE(j->LTitJan->text(), "Propriedades do Insumo");
            QCOMPARE(j->edtDescIns->text(), "Caixa de papelão ondulado");
            if (std::string_view(QTest::currentDataTag()) == "sem mudança") {
                Capturar("propriedade_insumo_replicar");
            }
            j->cmbSelTipoIns->setCurrentIndex(tipo);
            Redigitar(j->edtDescIns, descricao);
            Redigitar(j->mmEspecTec, especificacao);
            ClicarBotao(j, 2);
            if (!aceito) {
                QCOMPARE(j->focusWidget(), j->edtCodNCM);
            }
        });
        QCOMPARE(salvo, aceito);
        QCOMPARE(caixas_->Mostradas(), aceito ? std::vector<CaixaMostrada>{} : ErroMostrado(kJaCadastrado));
        const auto insumos = InsumosGravados(produto);
        QCOMPARE(insumos.size(), size_t(aceito ? 2 : 1));
        QCOMPARE(insumos[0].descricao, original.descricao);
        QCOMPARE(insumos[0].tipo, original.tipo);
        if (aceito) {
            QCOMPARE(insumos[1].codins, 2);
            QCOMPARE(insumos[1].coeficiente, 0.5);
            QCOMPARE(insumos[1].codEmpresa, original.codEmpresa);
        }
    }

    // 3723 characters fit, a line break counting two; one more cannot be typed.
    void especificacaoNoLimite() {
        TClsLExProduto produto = NovoProduto();
        const QString texto = QString(1000, 'x') + "\n" + QString(2721, 'y');
        QVERIFY(AbrirPropriedades<Janela>(miIncluir, produto, nullptr, [&](Janela* j) {
            Preencher(j, Campos{});
            j->mmEspecTec->clear();
            j->mmEspecTec->setFocus();
            QApplication::clipboard()->setText(texto + "zzz");
            QTest::keyClick(j->mmEspecTec, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(j->mmEspecTec->toPlainText(), texto);
            QCOMPARE(j->lblQtdeCaractEspTec->text(), "3723 caracteres de 3723");
            QTest::keyClick(j->mmEspecTec, Qt::Key_W);
            QTest::keyClick(j->mmEspecTec, Qt::Key_Return);
            QCOMPARE(j->mmEspecTec->toPlainText(), texto);
            ClicarBotao(j, 2);
        }));
        const std::string gravada = *InsumoGravadoDe(produto, 1).especificacao;
        QCOMPARE(gravada.size(), size_t(3723));
        QCOMPARE(gravada.substr(999, 4), std::string("x\r\ny"));
    }

    void pesquisasDeNCMEUnidade() {
        TClsLExProduto produto = NovoProduto();
        AbrirPropriedades<Janela>(miIncluir, produto, nullptr, [](Janela* j) {
            PesquisaVista vista;
            EscolherNaPesquisa(0, "85423190", "85423190", &vista);
            QTest::mouseClick(j->btnPesqNCM, Qt::LeftButton);
            QCOMPARE(vista.titulo, "Pesquisa: Insumos");
            QCOMPARE(j->edtCodNCM->text(), "85423190");
            QCOMPARE(j->staDescNCM->text(), "Processadores e controladores eletrônicos - outros");
            QCOMPARE(j->edtDescIns->text(), "Processadores e controladores eletrônicos - outros");
            QCOMPARE(j->edtCodUnid->text(), "1");
            QCOMPARE(j->staDescUnid->text(), "UNIDADE");

            EscolherNaPesquisa(1, "DÚZIA", "12");
            QTest::mouseClick(j->btnPesqUnid, Qt::LeftButton);
            QCOMPARE(j->edtCodUnid->text(), "12");
            QCOMPARE(j->staDescUnid->text(), "DÚZIA");

            // Closing a lookup without choosing changes nothing.
            EscolherNaPesquisa(0, "8542", "");
            QTest::mouseClick(j->btnPesqNCM, Qt::LeftButton);
            QCOMPARE(j->edtCodNCM->text(), "85423190");
            QCOMPARE(j->edtCodUnid->text(), "12");
        });
    }

    // A failed write is rolled back and reported; the window stays open and can save once
    // the cause is gone.
    void erroDoBancoAoSalvar() {
        TClsLExProduto produto = NovoProduto();
        TConexao& conexao = dm_DatConn->adocon_korvex;
        conexao.ExecutarNativo("CREATE TRIGGER recusa BEFORE INSERT ON KX_EXPINSUMO "
                               "BEGIN SELECT RAISE(ABORT, 'disco cheio'); END");
        QVERIFY(AbrirPropriedades<Janela>(miIncluir, produto, nullptr, [&](Janela* j) {
            Preencher(j, Campos{});
            ClicarBotao(j, 2);
            QVERIFY(j->isVisible());
            QCOMPARE(caixas_->Mostradas(),
                     (std::vector<CaixaMostrada>{
                         {TipoCaixa::Erro, "Erro", "Houve um erro ao executar esta operação! \n\n[disco cheio]"}}));
            QVERIFY(!conexao.EmTransacao());
            conexao.ExecutarNativo("DROP TRIGGER recusa");
            ClicarBotao(j, 2);
        }));
        QCOMPARE(InsumosGravados(produto).size(), size_t(1));
    }
};

QTEST_MAIN(TstPropriedadeInsumo)
#include "tst_propriedade_insumo.moc"
