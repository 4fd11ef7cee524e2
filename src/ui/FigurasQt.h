#pragma once
// The program's pictures as pixmaps: the JPEG files compiled in as resources (arte/)
// are decoded with the program's own libjpeg decoder, never with Qt's image plugins.

#include <QPixmap>
#include <QString>

// The picture ":/arte/<nome>", decoded once and kept in the pixmap cache. A missing or
// damaged picture raises ErroGeral naming it.
QPixmap FiguraArte(const QString& nome);
