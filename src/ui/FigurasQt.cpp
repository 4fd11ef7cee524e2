#include "ui/FigurasQt.h"

#include "comum/Erros.h"
#include "ui/DecodificadorJPEG.h"

#include <QFile>
#include <QImage>
#include <QPixmapCache>

// The resources live in a static library: registering them by hand makes sure the
// linker keeps them.
static void RegistrarRecursosArte() {
    Q_INIT_RESOURCE(arte);
}

QPixmap FiguraArte(const QString& nome) {
    static const bool registrados = (RegistrarRecursosArte(), true);
    (void)registrados;

    const QString chave = QStringLiteral("korvex-arte:") + nome;
    QPixmap figura;
    if (QPixmapCache::find(chave, &figura)) {
        return figura;
    }
    QFile arquivo(QStringLiteral(":/arte/") + nome);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        throw ErroGeral("A figura " + nome.toStdString() + " não foi encontrada nos recursos do programa.");
    }
    const QByteArray dados = arquivo.readAll();
    ImagemRGB imagem;
    try {
        imagem = DecodificarJPEG(
            {reinterpret_cast<const unsigned char*>(dados.constData()), static_cast<size_t>(dados.size())});
    } catch (const ErroGeral& erro) {
        throw ErroGeral("A figura " + nome.toStdString() + " não pôde ser lida. " + erro.what());
    }
    const QImage quadro(imagem.pixels.data(), imagem.largura, imagem.altura, imagem.largura * 3, QImage::Format_RGB888);
    figura = QPixmap::fromImage(quadro); // copies the pixels out of the decoder's buffer
    QPixmapCache::insert(chave, figura);
    return figura;
}
