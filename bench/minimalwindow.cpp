// The floor of the start-up benchmark: a Qt program that shows one empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(900, 690);
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.show();
    return app.exec();
}
