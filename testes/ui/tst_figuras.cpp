// The compiled-in artwork: every picture decodes through the program's own JPEG decoder
// at the size its window expects.

#include "comum/Erros.h"
#include "ui/FigurasQt.h"

#include <QTest>

class TesteFiguras : public QObject {
    Q_OBJECT

private slots:
    void FigurasNosTamanhosDasJanelas() {
        QList<std::pair<QString, QSize>> figuras = {
            {"menu_fundo.jpg", {800, 600}},     {"menu_desligado0.jpg", {254, 197}},
            {"menu_ligado0.jpg", {254, 197}},   {"menu_desligado1.jpg", {269, 197}},
            {"menu_ligado1.jpg", {269, 197}},   {"menu_desligado2.jpg", {268, 197}},
            {"menu_ligado2.jpg", {268, 197}},   {"menu_faixa1.jpg", {800, 198}},
            {"menu_faixa2.jpg", {800, 197}},    {"pesquisa_cabecalho.jpg", {627, 47}},
            {"pesquisa_corpo.jpg", {627, 441}}, {"pesquisa_rodape.jpg", {627, 31}},
            {"binoculos.jpg", {16, 15}},        {"assistente_lateral.jpg", {217, 522 - 81 - 29}},
        };
        for (const char* estado : {"normal", "ligado", "desabilitado"}) {
            for (int n = 0; n < 10; ++n) {
                figuras.append({QStringLiteral("botao_%1%2.jpg").arg(QLatin1String(estado)).arg(n), {92, 34}});
            }
        }
        for (const auto& [nome, tamanho] : figuras) {
            const QPixmap figura = FiguraArte(nome);
            QVERIFY2(figura.size() == tamanho, qPrintable(nome));
        }
        // The tile's green shows through: the pixels are the picture's, not a blank.
        const QImage ligado = FiguraArte(QStringLiteral("menu_ligado0.jpg")).toImage();
        const QColor centro = ligado.pixelColor(20, 180);
        QVERIFY2(centro.green() > centro.red() + 30, qPrintable(centro.name()));
    }

    void FiguraInexistenteEhErro() {
        try {
            FiguraArte(QStringLiteral("nao_existe.jpg"));
            QFAIL("aceitou uma figura inexistente");
        } catch (const ErroGeral& erro) {
            QCOMPARE(QString::fromUtf8(erro.what()),
                     QStringLiteral("A figura nao_existe.jpg não foi encontrada nos recursos do programa."));
        }
    }
};

QTEST_MAIN(TesteFiguras)
#include "tst_figuras.moc"
