#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel janela("KORVEX");
    janela.show();
    return app.exec();
}
