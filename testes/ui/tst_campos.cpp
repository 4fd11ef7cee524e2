// The entry rules of the edit boxes, driven by typing and pasting into real boxes: upper
// case as typed, digits only, the numeric filter, and characters that Windows-1252
// cannot hold refused with a message beside the box.

#include "ui/UCampos.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QToolTip>

class TesteCampos : public QObject {
    Q_OBJECT

    // Types the text character by character (keyClicks refuses non-ASCII text).
    static void Digitar(QLineEdit& caixa, const QString& texto) {
        for (QChar c : texto) {
            QTest::sendKeyEvent(QTest::Click, &caixa, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

private slots:
    void digitacao_data() {
        QTest::addColumn<int>("filtro");
        QTest::addColumn<bool>("maiusculas");
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("maiusculas acentuadas")
            << int(TFiltroCampo::Livre) << true << QString("ação ÿ 1,5") << QString("AÇÃO Ÿ 1,5");
        QTest::newRow("livre guarda o que foi digitado")
            << int(TFiltroCampo::Livre) << false << QString(" Ação") << QString(" Ação");
        QTest::newRow("digitos sem virgula nem letras")
            << int(TFiltroCampo::Digitos) << false << QString("20a0,1 2") << QString("20012");
        QTest::newRow("numerico aceita a virgula")
            << int(TFiltroCampo::Numerico) << false << QString("1,5x.-3") << QString("1,53");
        QTest::newRow("fora do Windows-1252 recusado")
            << int(TFiltroCampo::Livre) << true << QString("a✓b") << QString("AB");
    }
    void digitacao() {
        QFETCH(int, filtro);
        QFETCH(bool, maiusculas);
        QFETCH(QString, digitado);
        QFETCH(QString, esperado);
        QLineEdit caixa;
        AplicarFiltro(&caixa, TFiltroCampo(filtro), maiusculas);
        caixa.show();
        Digitar(caixa, digitado);
        QCOMPARE(caixa.text(), esperado);
    }

    void colar_filtra_o_texto_colado() {
        // The limit counts what the filter kept: a registration pasted with its points fills
        // the nine-digit box; a tenth digit, typed or pasted, is refused.
        QLineEdit digitos;
        AplicarFiltro(&digitos, TFiltroCampo::Numerico, false, 9);
        QApplication::clipboard()->setText("200.123.456");
        digitos.paste();
        QCOMPARE(digitos.text(), QString("200123456"));
        digitos.setCursorPosition(3);
        QTest::keyClick(&digitos, Qt::Key_7);
        QCOMPARE(digitos.text(), QString("200123456"));
        digitos.clear();
        QApplication::clipboard()->setText("2001234567");
        digitos.paste();
        QCOMPARE(digitos.text(), QString());

        QLineEdit livre;
        AplicarFiltro(&livre, TFiltroCampo::Livre);
        livre.setText("ok");
        QApplication::clipboard()->setText("parafuso → M6");
        livre.paste();
        QCOMPARE(livre.text(), QString("ok"));
    }

    void caractere_recusado_mostra_a_mensagem() {
        QLineEdit caixa;
        AplicarFiltro(&caixa, TFiltroCampo::Livre);
        caixa.show();
        QVERIFY(QTest::qWaitForWindowExposed(&caixa));
        Digitar(caixa, QString("€✓"));
        QCOMPARE(caixa.text(), QString("€"));
        QTRY_COMPARE(QToolTip::text(), MensagemCaractereRecusado(QChar(0x2713)));
        QVERIFY(QToolTip::text().contains("Windows-1252"));
    }

    // The memo's limit counts a line break as two, holds for typing and pasting alike,
    // and leaves out what Windows-1252 cannot hold; a full memo still takes text in place
    // of a selection.
    void memo_limitado_data() {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<QString>("colado");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("digitacao para no limite") << "abcdefgh"
                                                  << ""
                                                  << "abcdef";
        QTest::newRow("quebra de linha conta dois") << "abc\nde"
                                                    << ""
                                                    << "abc\nd";
        QTest::newRow("quebra que nao cabe inteira") << "abcde\nf"
                                                     << ""
                                                     << "abcdef";
        QTest::newRow("colagem cortada no limite") << "ab"
                                                   << "cd\r\nef"
                                                   << "abcd\n";
        QTest::newRow("fora do Windows-1252") << "a✓ç"
                                              << "ł€"
                                              << "aç€";
    }
    void memo_limitado() {
        QFETCH(QString, digitado);
        QFETCH(QString, colado);
        QFETCH(QString, esperado);
        TMemoLimitado memo(nullptr, "mm", 6);
        memo.show();
        for (QChar c : digitado) {
            if (c == u'\n') {
                QTest::keyClick(&memo, Qt::Key_Return);
            } else {
                QTest::sendKeyEvent(QTest::Click, &memo, Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
        }
        if (!colado.isEmpty()) {
            QApplication::clipboard()->setText(colado);
            memo.paste();
        }
        QCOMPARE(memo.toPlainText(), esperado);
        QVERIFY(CaracteresMemo(memo.toPlainText()) <= 6);

        memo.selectAll();
        QTest::sendKeyEvent(QTest::Click, &memo, Qt::Key_unknown, "z", Qt::NoModifier);
        QCOMPARE(memo.toPlainText(), QString("z"));
    }

    // Stored text keeps CR LF line breaks and may be longer than what typing allows.
    void memo_texto_gravado() {
        TMemoLimitado memo(nullptr, "mm", 4);
        memo.DefinirTexto("linha 1\r\nlinha 2");
        QCOMPARE(memo.toPlainText(), QString("linha 1\nlinha 2"));
        QCOMPARE(memo.Texto(), std::string("linha 1\r\nlinha 2"));
        QCOMPARE(CaracteresMemo(memo.toPlainText()), 16);
        QTest::keyClick(&memo, Qt::Key_X);
        QCOMPARE(memo.Texto(), std::string("linha 1\r\nlinha 2"));
    }

    // A long read-only text shows its beginning, also when the program sets the same text again.
    void texto_estatico_mostra_o_comeco() {
        QWidget janela;
        QLineEdit* texto = CriarTextoEstatico(&janela, "staTexto", {0, 0, 60, 24});
        const QString longo = "Caixas de papel ou cartão ondulado - de alta precisão";
        texto->setText(longo);
        QCOMPARE(texto->cursorPosition(), 0);
        texto->setText(longo);
        QCOMPARE(texto->cursorPosition(), 0);
    }
};

QTEST_MAIN(TesteCampos)
#include "tst_campos.moc"
