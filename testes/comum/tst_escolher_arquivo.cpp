// The Qt open-file dialog opened for real: its name, title, filter and start folder, the
// masks matching without regard to case, a chosen file and a cancelled dialog.

#include "apoio/JanelaModal.h"
#include "comum/EscolherArquivo.h"
#include "comum/EscolherArquivoQt.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TstEscolherArquivo : public QObject {
    Q_OBJECT

    const DialogoArquivo dialogo_{"dlgCaminho", "Abrir", "Arquivos de Produtos|*.txt", "*.txt"};
    EscolhaArquivoQt escolha_;

private slots:
    void initTestCase() { DefinirEscolhaArquivo(&escolha_); }

    void escolheArquivoDaPasta() {
        QTemporaryDir pasta;
        const QString raiz = QDir::cleanPath(pasta.path());
        for (const char* nome : {"insumos.txt", "LISTA.TXT", "planilha.csv"}) {
            QFile(raiz + "/" + nome).open(QIODevice::WriteOnly);
        }
        QString nome, titulo, inicio, suffixo;
        QStringList filtros, oferecidos;
        QFileDialog::FileMode modo = QFileDialog::AnyFile;
        QuandoModal([&](QWidget* janela) {
            // A failed check inside returns early: the dialog is closed all the same, so the test
            // fails instead of waiting on it.
            const std::unique_ptr<QWidget, void (*)(QWidget*)> fechar(janela, [](QWidget* w) {
                if (w->isVisible()) {
                    w->close();
                }
            });
            if (auto* dlg = qobject_cast<QFileDialog*>(janela)) {
                nome = dlg->objectName();
                titulo = dlg->windowTitle();
                inicio = QDir::cleanPath(dlg->directory().absolutePath());
                suffixo = dlg->defaultSuffix();
                filtros = dlg->nameFilters();
                modo = dlg->fileMode();
                auto* vista = dlg->findChild<QListView*>("listView");
                QTRY_COMPARE_WITH_TIMEOUT(vista->model()->rowCount(vista->rootIndex()), 2, 20000);
                for (int i = 0; i < 2; ++i) {
                    oferecidos << vista->model()->index(i, 0, vista->rootIndex()).data().toString();
                }
                // The user clicks LISTA.TXT in the list: the click replaces whatever the dialog
                // selected itself (it selects the starting file once the folder has loaded).
                const int linha = oferecidos.indexOf("LISTA.TXT");
                QVERIFY(linha >= 0);
                vista->selectionModel()->setCurrentIndex(vista->model()->index(linha, 0, vista->rootIndex()),
                                                         QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
                QCOMPARE(dlg->selectedFiles(), QStringList{raiz + "/LISTA.TXT"});
                static_cast<QDialog*>(dlg)->accept(); // QFileDialog::accept, through the public slot
            }
        });
        std::string caminho = (raiz + "/insumos.txt").toStdString();
        QVERIFY(EscolherArquivo(dialogo_, caminho));
        QCOMPARE(nome, "dlgCaminho");
        QCOMPARE(titulo, "Abrir");
        QCOMPARE(inicio, raiz);
        QCOMPARE(suffixo, "txt");
        QCOMPARE(filtros, QStringList{"Arquivos de Produtos (*.txt)"});
        QCOMPARE(modo, QFileDialog::ExistingFile);
        oferecidos.sort();
        QCOMPARE(oferecidos, (QStringList{"LISTA.TXT", "insumos.txt"}));
        QCOMPARE(QString::fromStdString(caminho), raiz + "/LISTA.TXT");

        // Cancelled: no answer and the path stays.
        QuandoModal([](QWidget* janela) { janela->close(); });
        QVERIFY(!EscolherArquivo(dialogo_, caminho));
        QCOMPARE(QString::fromStdString(caminho), raiz + "/LISTA.TXT");
    }
};

QTEST_MAIN(TstEscolherArquivo)
#include "tst_escolher_arquivo.moc"
