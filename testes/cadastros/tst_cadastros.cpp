// The company and unit registers driven for real on the offscreen platform, over a small
// encrypted database: both list windows and both edit windows, each entry rule, a new row
// shown in the list's order only after its save, an edited row rewritten in place, the
// checks in their order, the refused deletes, and database errors rolled back and shown.

#include "apoio/AmbienteTeste.h"
#include "apoio/JanelaModal.h"
#include "apoio/JanelasAssistente.h"
#include "app/UJanelas.h"
#include "cadastros/UCadEmpresa.h"
#include "cadastros/UCadUnidade.h"
#include "cadastros/UManterEmpresa.h"
#include "cadastros/UManterUnidade.h"
#include "comum/CaixasRoteiro.h"
#include "dados/BancoDados.h"
#include "dados/DatConn.h"
#include "dados/SelAccessUsoGeral.h"
#include "ui/UCampos.h"
#include "ui/UControles.h"
#include "ui/UMenu.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace {

const std::string kErroOperacao = "Houve um erro ao executar esta operação! \n\n[";
const CaixaMostrada kNenhumSelecionado{TipoCaixa::Aviso, "Aviso", "Não há nenhum Item selecionado"};

// What the tests need to know of one register.
struct Cadastro {
    std::function<std::unique_ptr<TFManterRegistro>()> criarLista;
    const char* lista;
    const char* chave;
    const char* descricao;
    std::string tabela;
    std::string colunaChave;
    std::string colunaDescricao;
    std::string perguntaExcluir;
    std::string mensagemEmUso;
    std::string erroChave;
    std::string erroDescricao;
};

const Cadastro& DoCadastro(const QString& nome) {
    static const Cadastro empresa{
        [] { return std::make_unique<TFManterEmpresa>(); },
        "lvwEmpresa",
        "edtInscVlt",
        "edtRazSoc",
        "KX_EMPRESA",
        "emp_inscvlt",
        "emp_razao",
        "Deseja realmente deletar esta Empresa?",
        "Empresa possui Listagem de Exportação cadastrada.",
        "Informe a Inscrição Veltran!",
        "É necessário informar a Razão Social!",
    };
    static const Cadastro unidade{
        [] { return std::make_unique<TFManterUnidade>(); },
        "lvwUnid",
        "edtCodUnid",
        "edtDescUnid",
        "KXUNIDADES",
        "codunid",
        "descunid",
        "Deseja realmente deletar esta Unidade?",
        "Erro na exclusão da Unidade! Unidade esta vinculada à Listagem de Exportação cadastrada.",
        "Erro no Código da Unidade! É necessário informar o Código da Unidade!",
        "Erro na Descricao da Unidade! É necessário informar a Descricao da Unidade!",
    };
    return nome == "empresa" ? empresa : unidade;
}

template <typename T = QWidget> T* Controle(QWidget* janela, const char* nome) {
    T* controle = janela->findChild<T*>(nome);
    if (!controle) {
        qFatal("controle %s não encontrado", nome);
    }
    return controle;
}

void Clicar(QWidget* janela, const char* nome) {
    QTest::mouseClick(Controle(janela, nome), Qt::LeftButton);
}

// The rows of a list as "key|description".
QStringList Linhas(QTreeWidget* lista) {
    QStringList linhas;
    for (int i = 0; i < lista->topLevelItemCount(); ++i) {
        linhas << lista->topLevelItem(i)->text(0) + "|" + lista->topLevelItem(i)->text(1);
    }
    return linhas;
}

// The rows of a table as "key|description", in key order.
QStringList LinhasDaTabela(const Cadastro& c) {
    TConsulta consulta(&dm_DatConn->adocon_korvex);
    consulta.DefinirSQL("SELECT " + c.colunaChave + " AS k, " + c.colunaDescricao + " AS d FROM " + c.tabela +
                        " ORDER BY " + c.colunaChave);
    consulta.Abrir();
    QStringList linhas;
    for (; !consulta.Fim(); consulta.Proximo()) {
        linhas << QString::fromStdString(consulta.Texto("k") + "|" + consulta.Texto("d"));
    }
    return linhas;
}

// What an edit window looked like when the test acted on it.
struct Edicao {
    bool aberta = false;
    bool salvo = false;
    bool visivelDepois = false;
    QStringList listaDuranteEdicao;
    QString chave;
    bool chaveHabilitada = true;
    QString focoInicial; // the box that had the focus when the window opened
    QString foco;        // the box that has it after Salvar
};

QString NomeDoFoco(QWidget* janela) {
    return janela->focusWidget() ? janela->focusWidget()->objectName() : QString();
}

} // namespace

class TstCadastros : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteTeste> ambiente_;
    std::unique_ptr<CaixasRoteiro> caixas_;
    std::unique_ptr<TFManterRegistro> janela_;

    void Executar(const std::string& sql) { dm_DatConn->adocon_korvex.Executar(sql); }

    // Opens the list window of a register, as the menu would show it.
    QTreeWidget* AbrirLista(const Cadastro& c) {
        janela_ = c.criarLista();
        janela_->show();
        if (!QTest::qWaitForWindowExposed(janela_.get())) {
            qFatal("janela não exibida");
        }
        return Controle<QTreeWidget>(janela_.get(), c.lista);
    }

    void Selecionar(QTreeWidget* lista, int linha) {
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                          lista->visualItemRect(lista->topLevelItem(linha)).center());
    }

    // Clicks a button of the list window.
    std::function<void()> Botao(const char* nome) {
        return [this, nome] { Clicar(janela_.get(), nome); };
    }

    // Opens the edit window with `abrir`, types the key and the description (after emptying
    // the description box, if asked), presses Salvar, and closes the window if it stays open.
    Edicao Editar(const Cadastro& c, const std::function<void()>& abrir, const QString& chave, const QString& descricao,
                  bool limparDescricao = false) {
        Edicao edicao;
        QuandoModal([&](QWidget* modal) {
            auto* cad = qobject_cast<TFCadRegistro*>(modal);
            if (!cad) {
                return;
            }
            edicao.aberta = true;
            edicao.listaDuranteEdicao = Linhas(janela_->Lista());
            auto* edtChave = Controle<QLineEdit>(cad, c.chave);
            auto* edtDescricao = Controle<QLineEdit>(cad, c.descricao);
            edicao.chaveHabilitada = edtChave->isEnabled();
            edicao.focoInicial = NomeDoFoco(cad);
            Digitar(edtChave, chave);
            if (limparDescricao) {
                edtDescricao->clear();
            }
            Digitar(edtDescricao, descricao);
            edicao.chave = edtChave->text();
            Clicar(cad, "botao2");
            edicao.salvo = cad->Salvo();
            edicao.visivelDepois = cad->isVisible();
            edicao.foco = NomeDoFoco(cad);
            if (cad->isVisible()) {
                Clicar(cad, "botao9");
            }
        });
        abrir();
        return edicao;
    }

private slots:
    void initTestCase() {
        ambiente_ = std::make_unique<AmbienteTeste>();
        dm_DatConn = std::make_unique<Tdm_DatConn>();
        QVERIFY(dm_DatConn->Conectar());
    }

    void cleanupTestCase() {
        dm_DatConn.reset();
        ambiente_.reset();
    }

    // Three companies whose names sort otherwise than their registrations; 200000001 has a
    // listing product and no input, 200000003 an input and no product. Units 1, 2 and 10
    // (code order "1", "10", "2"); unit 2 is used by the product only, unit 10 by the input only.
    void init() {
        for (const char* tabela : {"KX_EMPRESA", "KXUNIDADES", "KX_EXPPRODUTO", "KX_EXPINSUMO"}) {
            Executar(std::string("DELETE FROM ") + tabela);
        }
        Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('200000001', 'BRAVO')");
        Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('200000002', 'ALFA')");
        Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('200000003', 'DELTA')");
        Executar("INSERT INTO KXUNIDADES (codunid, descunid) VALUES ('1', 'UNIDADE')");
        Executar("INSERT INTO KXUNIDADES (codunid, descunid) VALUES ('2', 'QUILOGRAMA')");
        Executar("INSERT INTO KXUNIDADES (codunid, descunid) VALUES ('10', 'CONJUNTO')");
        Executar("INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod, codunid) VALUES ('200000001', 1, '2')");
        Executar("INSERT INTO KX_EXPINSUMO (emp_inscvlt, exp_codprod, exp_codins, codunid) "
                 "VALUES ('200000003', 1, 1, '10')");
        caixas_ = std::make_unique<CaixasRoteiro>();
    }

    void cleanup() {
        janela_.reset();
        caixas_.reset();
        dm_DatConn->adocon_korvex.ExecutarNativo("DROP TRIGGER IF EXISTS recusa_exclusao");
    }

    void janelaDaLista_data() {
        QTest::addColumn<QString>("cadastro");
        QTest::addColumn<int>("altura");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QStringList>("colunas");
        QTest::addColumn<QStringList>("linhas");
        QTest::newRow("empresas") << "empresa" << 472 << "Manutenção de Empresas"
                                  << QStringList{"Insc. Veltran", "Razão Social"}
                                  << QStringList{"200000002|ALFA", "200000001|BRAVO", "200000003|DELTA"};
        QTest::newRow("unidades") << "unidade" << 520 << "Manutenção de Unidade de Medida"
                                  << QStringList{"Cód. Unidade", "Descrição"}
                                  << QStringList{"1|UNIDADE", "10|CONJUNTO", "2|QUILOGRAMA"};
    }
    void janelaDaLista() {
        QFETCH(QString, cadastro);
        QFETCH(int, altura);
        QFETCH(QString, titulo);
        QFETCH(QStringList, colunas);
        QFETCH(QStringList, linhas);
        QTreeWidget* lista = AbrirLista(DoCadastro(cadastro));
        QCOMPARE(janela_->windowTitle(), "Módulo - Listagem de Exportação");
        QCOMPARE(janela_->size(), QSize(782, altura));
        QCOMPARE(Controle<QLabel>(janela_.get(), "LTitJan")->text(), titulo);
        for (int n = 0; n < 10; ++n) {
            QCOMPARE(janela_->Botao(n)->isVisible(), n == 0 || n == 1 || n == 3 || n == 9);
        }
        QCOMPARE(lista->headerItem()->text(0), colunas[0]);
        QCOMPARE(lista->headerItem()->text(1), colunas[1]);
        QCOMPARE(lista->columnWidth(0), 150);
        QCOMPARE(lista->columnWidth(1), 600);
        QCOMPARE(lista->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(lista->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(lista->viewport()->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(Linhas(lista), linhas);
    }

    // Both edit windows as the list's Novo opens them, and the entry rules of their boxes.
    void janelaDeEdicao_data() {
        QTest::addColumn<QString>("cadastro");
        QTest::addColumn<QSize>("tamanho");
        QTest::addColumn<bool>("minimizar");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QStringList>("rotulos");
        QTest::addColumn<QString>("digitadoChave");
        QTest::addColumn<QString>("chave");
        QTest::newRow("empresa") << "empresa" << QSize(644, 260) << true << "Cadastro de Empresas"
                                 << QStringList{"Insc. Veltran", "Razão Social"} << "2a0,0.1 23-456789"
                                 << "200123456";
        QTest::newRow("unidade") << "unidade" << QSize(517, 259) << false << "Cadastro de Unidade de Medida"
                                 << QStringList{"Cód. Unidade", "Descrição"} << "1a,5.x 0123456789,"
                                 << "1,50123456789,";
    }
    void janelaDeEdicao() {
        QFETCH(QString, cadastro);
        QFETCH(QSize, tamanho);
        QFETCH(bool, minimizar);
        QFETCH(QString, titulo);
        QFETCH(QStringList, rotulos);
        QFETCH(QString, digitadoChave);
        QFETCH(QString, chave);
        const Cadastro& c = DoCadastro(cadastro);
        AbrirLista(c);
        bool vista = false;
        QuandoModal([&](QWidget* modal) {
            // A failed check leaves the lambda early: the window still closes.
            const std::unique_ptr<QWidget, void (*)(QWidget*)> fechar(modal, [](QWidget* w) { w->close(); });
            auto* cad = qobject_cast<TFCadRegistro*>(modal);
            QVERIFY(cad);
            vista = true;
            QCOMPARE(cad->windowTitle(), "Módulo - Listagem de Exportação");
            QCOMPARE(cad->size(), tamanho);
            QCOMPARE(cad->windowFlags().testFlag(Qt::WindowMinimizeButtonHint), minimizar);
            QCOMPARE(Controle<QLabel>(cad, "LTitJan")->text(), titulo);
            for (int n = 0; n < 10; ++n) {
                QCOMPARE(cad->Botao(n)->isVisible(), n == 2 || n == 9);
            }
            QCOMPARE(Controle<QLabel>(cad, "Label6")->text(), rotulos[0]);
            QCOMPARE(Controle<QLabel>(cad, "Label1")->text(), rotulos[1]);
            auto* edtChave = Controle<QLineEdit>(cad, c.chave);
            auto* edtDescricao = Controle<QLineEdit>(cad, c.descricao);
            QVERIFY(edtChave->isEnabled());
            QCOMPARE(cad->focusWidget(), edtChave);
            Digitar(edtChave, digitadoChave);
            QCOMPARE(edtChave->text(), chave);
            // Upper case as typed, accents included; blanks kept where they were typed.
            Digitar(edtDescricao, QString::fromUtf8(" caixa ação"));
            QCOMPARE(edtDescricao->text(), QString::fromUtf8(" CAIXA AÇÃO"));
        });
        Clicar(janela_.get(), "botao0");
        QVERIFY(vista);
        QCOMPARE(LinhasDaTabela(c).size(), 3);
        QVERIFY(caixas_->Mostradas().empty());
    }

    // The registration box keeps the clipboard away: no paste by keys or middle button,
    // no copy, no context menu. The unit code box lets those keys pass, through its rule.
    void areaDeTransferencia() {
        AbrirLista(DoCadastro("empresa"));
        QString inscricao;
        QString copiada;
        Qt::ContextMenuPolicy menu = Qt::DefaultContextMenu;
        QuandoModal([&](QWidget* modal) {
            auto* edtInscVlt = Controle<QLineEdit>(modal, "edtInscVlt");
            QApplication::clipboard()->setText("200.123.456");
            QTest::keyClick(edtInscVlt, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(edtInscVlt, Qt::Key_Insert, Qt::ShiftModifier);
            QTest::mouseClick(edtInscVlt, Qt::MiddleButton);
            Digitar(edtInscVlt, "2001");
            edtInscVlt->selectAll();
            QTest::keyClick(edtInscVlt, Qt::Key_C, Qt::ControlModifier);
            QTest::keyClick(edtInscVlt, Qt::Key_X, Qt::ControlModifier);
            inscricao = edtInscVlt->text();
            copiada = QApplication::clipboard()->text();
            menu = edtInscVlt->contextMenuPolicy();
            Clicar(modal, "botao9");
        });
        Clicar(janela_.get(), "botao0");
        QCOMPARE(inscricao, "2001");
        QCOMPARE(copiada, "200.123.456");
        QCOMPARE(menu, Qt::NoContextMenu);

        AbrirLista(DoCadastro("unidade"));
        QString codigo;
        QuandoModal([&](QWidget* modal) {
            auto* edtCodUnid = Controle<QLineEdit>(modal, "edtCodUnid");
            QApplication::clipboard()->setText("1,5 kg");
            QTest::keyClick(edtCodUnid, Qt::Key_V, Qt::ControlModifier);
            codigo = edtCodUnid->text();
            Clicar(modal, "botao9");
        });
        Clicar(janela_.get(), "botao0");
        QCOMPARE(codigo, "1,5");
    }

    // A new row is not in the list while its window is open; after the save it is in the
    // table and in the list, at its place in the list's order. A unit code with a comma
    // goes into the statement quoted.
    void incluir_data() {
        QTest::addColumn<QString>("cadastro");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("descricao");
        QTest::addColumn<QStringList>("depois");
        QTest::newRow("empresa") << "empresa"
                                 << "200000009"
                                 << "charlie"
                                 << QStringList{"200000002|ALFA", "200000001|BRAVO", "200000009|CHARLIE",
                                                "200000003|DELTA"};
        QTest::newRow("unidade com vírgula")
            << "unidade"
            << "1,5"
            << "metro" << QStringList{"1|UNIDADE", "1,5|METRO", "10|CONJUNTO", "2|QUILOGRAMA"};
    }
    void incluir() {
        QFETCH(QString, cadastro);
        QFETCH(QString, chave);
        QFETCH(QString, descricao);
        QFETCH(QStringList, depois);
        const Cadastro& c = DoCadastro(cadastro);
        QTreeWidget* lista = AbrirLista(c);
        const QStringList antes = Linhas(lista);
        const Edicao edicao = Editar(c, Botao("botao0"), chave, descricao);
        QVERIFY(edicao.aberta);
        QCOMPARE(edicao.listaDuranteEdicao, antes);
        QVERIFY(edicao.salvo);
        QVERIFY(!edicao.visivelDepois);
        QVERIFY(caixas_->Mostradas().empty());
        QCOMPARE(Linhas(lista), depois);
        QVERIFY(LinhasDaTabela(c).contains(chave + "|" + descricao.toUpper()));
    }

    // Abrir (the button or a double click) edits the selected row: its key shows disabled;
    // after the save only its description cell changes, in place, and the list is not
    // sorted again.
    void alterar_data() {
        QTest::addColumn<QString>("cadastro");
        QTest::addColumn<bool>("duploClique");
        QTest::addColumn<int>("linha");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QStringList>("depois");
        QTest::newRow("empresa pelo botão") << "empresa" << false << 0 << "200000002"
                                            << QStringList{"200000002|ZULU", "200000001|BRAVO", "200000003|DELTA"};
        QTest::newRow("unidade por duplo clique")
            << "unidade" << true << 0 << "1" << QStringList{"1|ZULU", "10|CONJUNTO", "2|QUILOGRAMA"};
    }
    void alterar() {
        QFETCH(QString, cadastro);
        QFETCH(bool, duploClique);
        QFETCH(int, linha);
        QFETCH(QString, chave);
        QFETCH(QStringList, depois);
        const Cadastro& c = DoCadastro(cadastro);
        QTreeWidget* lista = AbrirLista(c);
        Selecionar(lista, linha);
        const auto duploCliqueNaLinha = [&] {
            QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {},
                               lista->visualItemRect(lista->topLevelItem(linha)).center());
        };
        const Edicao edicao =
            Editar(c, duploClique ? std::function<void()>(duploCliqueNaLinha) : Botao("botao1"), "", "zulu", true);
        QCOMPARE(edicao.focoInicial, c.descricao);
        QVERIFY(edicao.salvo);
        QVERIFY(!edicao.chaveHabilitada);
        QCOMPARE(edicao.chave, chave);
        QCOMPARE(Linhas(lista), depois);
        QVERIFY(LinhasDaTabela(c).contains(chave + "|ZULU"));
        QVERIFY(caixas_->Mostradas().empty());
    }

    // The checks of the edit window in their order, each with its message and focus; a
    // refused save leaves the window open and the table as it was.
    void validacao_data() {
        QTest::addColumn<QString>("cadastro");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("descricao");
        QTest::addColumn<bool>("erroNaChave");
        QTest::newRow("empresa sem inscrição") << "empresa"
                                               << ""
                                               << "NOVA" << true;
        QTest::newRow("empresa sem nada: a inscrição primeiro") << "empresa"
                                                                << ""
                                                                << "" << true;
        QTest::newRow("empresa com razão de brancos") << "empresa"
                                                      << "200000009"
                                                      << "   " << false;
        QTest::newRow("unidade sem código") << "unidade"
                                            << ""
                                            << "METRO" << true;
        QTest::newRow("unidade com descrição de brancos") << "unidade"
                                                          << "7"
                                                          << "  " << false;
    }
    void validacao() {
        QFETCH(QString, cadastro);
        QFETCH(QString, chave);
        QFETCH(QString, descricao);
        QFETCH(bool, erroNaChave);
        const Cadastro& c = DoCadastro(cadastro);
        QTreeWidget* lista = AbrirLista(c);
        const QStringList antes = Linhas(lista);
        const Edicao edicao = Editar(c, Botao("botao0"), chave, descricao);
        QVERIFY(!edicao.salvo);
        QVERIFY(edicao.visivelDepois);
        QCOMPARE(edicao.foco, erroNaChave ? c.chave : c.descricao);
        QCOMPARE(caixas_->Mostradas(),
                 (std::vector<CaixaMostrada>{{TipoCaixa::Erro, "Erro", erroNaChave ? c.erroChave : c.erroDescricao}}));
        QCOMPARE(Linhas(lista), antes);
        QCOMPARE(LinhasDaTabela(c).size(), 3);
    }

    // A name typed with leading blanks is saved with them, and so is the list's cell.
    void brancosAEsquerdaGuardados() {
        const Cadastro& c = DoCadastro("empresa");
        QTreeWidget* lista = AbrirLista(c);
        QVERIFY(Editar(c, Botao("botao0"), "200000009", "  eco").salvo);
        QVERIFY(LinhasDaTabela(c).contains("200000009|  ECO"));
        QVERIFY(Linhas(lista).contains("200000009|  ECO"));
    }

    // A registration that exists: the table refuses it (the register does not look first);
    // the engine's message shows in brackets, the window stays open unsaved and nothing
    // changes.
    void chaveExistente_data() {
        QTest::addColumn<QString>("cadastro");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("empresa") << "empresa"
                                 << "200000001"
                                 << "UNIQUE constraint failed: KX_EMPRESA.emp_inscvlt";
        QTest::newRow("unidade") << "unidade"
                                 << "10"
                                 << "UNIQUE constraint failed: KXUNIDADES.codunid";
    }
    void chaveExistente() {
        QFETCH(QString, cadastro);
        QFETCH(QString, chave);
        QFETCH(QString, mensagem);
        const Cadastro& c = DoCadastro(cadastro);
        QTreeWidget* lista = AbrirLista(c);
        const QStringList antes = Linhas(lista);
        const QStringList tabela = LinhasDaTabela(c);
        const Edicao edicao = Editar(c, Botao("botao0"), chave, "OUTRA");
        QVERIFY(!edicao.salvo);
        QVERIFY(edicao.visivelDepois);
        QCOMPARE(caixas_->Mostradas(),
                 (std::vector<CaixaMostrada>{{TipoCaixa::Erro, "Erro", kErroOperacao + mensagem.toStdString() + "]"}}));
        QVERIFY(!dm_DatConn->adocon_korvex.EmTransacao());
        QCOMPARE(LinhasDaTabela(c), tabela);
        QCOMPARE(Linhas(lista), antes);
    }

    // Abrir and Excluir with no row selected only warn.
    void nenhumaLinhaSelecionada_data() {
        QTest::addColumn<QString>("cadastro");
        QTest::addColumn<QString>("botao");
        QTest::newRow("empresa abrir") << "empresa"
                                       << "botao1";
        QTest::newRow("empresa excluir") << "empresa"
                                         << "botao3";
        QTest::newRow("unidade abrir") << "unidade"
                                       << "botao1";
        QTest::newRow("unidade excluir") << "unidade"
                                         << "botao3";
    }
    void nenhumaLinhaSelecionada() {
        QFETCH(QString, cadastro);
        QFETCH(QString, botao);
        const Cadastro& c = DoCadastro(cadastro);
        AbrirLista(c);
        caixas_->DefinirRespostaPadrao(kBotaoSim);
        Clicar(janela_.get(), qPrintable(botao));
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kNenhumSelecionado});
        QCOMPARE(LinhasDaTabela(c).size(), 3);
    }

    // Excluir asks first; a row that the export listing uses, by a product or only by an
    // input, is refused with the register's message; the product table is looked at first.
    void excluir_data() {
        QTest::addColumn<QString>("cadastro");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<int>("resposta");
        QTest::addColumn<bool>("emUso");
        QTest::addColumn<QString>("ultimaVerificacao");
        QTest::addColumn<bool>("excluida");
        QTest::newRow("empresa com produtos e sem insumos")
            << "empresa"
            << "200000001" << kBotaoSim << true << "KX_EXPPRODUTO" << false;
        QTest::newRow("empresa só com insumos") << "empresa"
                                                << "200000003" << kBotaoSim << true << "KX_EXPINSUMO" << false;
        QTest::newRow("empresa livre, resposta Não") << "empresa"
                                                     << "200000002" << kBotaoNao << false << "" << false;
        QTest::newRow("empresa livre") << "empresa"
                                       << "200000002" << kBotaoSim << false << "KX_EXPINSUMO" << true;
        QTest::newRow("unidade de um produto") << "unidade"
                                               << "2" << kBotaoSim << true << "KX_EXPPRODUTO" << false;
        QTest::newRow("unidade só de um insumo") << "unidade"
                                                 << "10" << kBotaoSim << true << "KX_EXPINSUMO" << false;
        QTest::newRow("unidade livre") << "unidade"
                                       << "1" << kBotaoSim << false << "KX_EXPINSUMO" << true;
    }
    void excluir() {
        QFETCH(QString, cadastro);
        QFETCH(QString, chave);
        QFETCH(int, resposta);
        QFETCH(bool, emUso);
        QFETCH(QString, ultimaVerificacao);
        QFETCH(bool, excluida);
        const Cadastro& c = DoCadastro(cadastro);
        QTreeWidget* lista = AbrirLista(c);
        const QStringList antes = Linhas(lista);
        const int linha =
            int(std::find_if(antes.begin(), antes.end(), [&](const QString& l) { return l.startsWith(chave + "|"); }) -
                antes.begin());
        Selecionar(lista, linha);
        SelAccessUsoGeral::Consulta()->DefinirSQL("");
        caixas_->Responder(resposta);
        Clicar(janela_.get(), "botao3");

        std::vector<CaixaMostrada> esperadas{{TipoCaixa::Confirmacao, "Aviso", c.perguntaExcluir}};
        if (emUso) {
            esperadas.push_back({TipoCaixa::Erro, "Erro", c.mensagemEmUso});
        }
        QCOMPARE(caixas_->Mostradas(), esperadas);
        const QString ultima = QString::fromStdString(SelAccessUsoGeral::Consulta()->SQL());
        QCOMPARE(ultima.contains("KX_EXPPRODUTO"), ultimaVerificacao == "KX_EXPPRODUTO");
        QCOMPARE(ultima.contains("KX_EXPINSUMO"), ultimaVerificacao == "KX_EXPINSUMO");
        QStringList depois = antes;
        if (excluida) {
            depois.removeAt(linha);
        }
        QCOMPARE(Linhas(lista), depois);
        QCOMPARE(LinhasDaTabela(c).contains(antes[linha]), !excluida);
        QVERIFY(!dm_DatConn->adocon_korvex.EmTransacao());
    }

    // A delete that the database refuses is rolled back and shown; the row stays.
    void exclusaoRecusadaPeloBanco() {
        dm_DatConn->adocon_korvex.ExecutarNativo(
            "CREATE TRIGGER recusa_exclusao BEFORE DELETE ON KX_EMPRESA BEGIN SELECT RAISE(ABORT, 'registro "
            "protegido'); END");
        const Cadastro& c = DoCadastro("empresa");
        QTreeWidget* lista = AbrirLista(c);
        const QStringList antes = Linhas(lista);
        Selecionar(lista, 0);
        caixas_->Responder(kBotaoSim);
        Clicar(janela_.get(), "botao3");
        QCOMPARE(caixas_->Ultima(), (CaixaMostrada{TipoCaixa::Erro, "Erro", kErroOperacao + "registro protegido]"}));
        QCOMPARE(Linhas(lista), antes);
        QCOMPARE(LinhasDaTabela(c).size(), 3);
        QVERIFY(!dm_DatConn->adocon_korvex.EmTransacao());
    }

    // A character that Windows-1252 cannot hold never enters a box: it is refused with a
    // message beside the box, and the saved text is what the box kept.
    void caractereForaDoWindows1252() {
        const Cadastro& c = DoCadastro("unidade");
        QTreeWidget* lista = AbrirLista(c);
        QString dica;
        QuandoModal([&](QWidget* modal) {
            Digitar(Controle(modal, c.chave), "7");
            auto* edtDescUnid = Controle<QLineEdit>(modal, c.descricao);
            Digitar(edtDescUnid, QString::fromUtf8("m³ ✓ µ"));
            dica = QToolTip::text();
            Clicar(modal, "botao2");
        });
        Clicar(janela_.get(), "botao0");
        QCOMPARE(dica, MensagemCaractereRecusado(QChar(0x2713)));
        QVERIFY(LinhasDaTabela(c).contains(QString::fromUtf8("7|M³  µ")));
        QCOMPARE(lista->topLevelItemCount(), 4);
    }

    // The menu's links open the two list windows.
    void abertasPeloMenu_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("janela");
        QTest::newRow("empresas") << "Label3"
                                  << "FManterEmpresa";
        QTest::newRow("unidades") << "Label4"
                                  << "FManterUnidade";
    }
    void abertasPeloMenu() {
        QFETCH(QString, link);
        QFETCH(QString, janela);
        RegistrarJanelas();
        TFMenu menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QString aberta;
        int linhas = -1;
        QuandoModal([&](QWidget* modal) {
            aberta = modal->objectName();
            if (auto* lista = modal->findChild<QTreeWidget*>()) {
                linhas = lista->topLevelItemCount();
            }
            Clicar(modal, "botao9");
        });
        QMetaObject::invokeMethod(Controle<TRotulo>(&menu, qPrintable(link)), "Clicado");
        QCOMPARE(aberta, janela);
        QCOMPARE(linhas, 3);
        QVERIFY(caixas_->Mostradas().empty());
    }
};

QTEST_MAIN(TstCadastros)
#include "tst_cadastros.moc"
