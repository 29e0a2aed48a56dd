// The floor of the start-up benchmark: a Qt program that shows one empty window, or
// with --text one line of text, which adds the font set-up every real window pays, or
// with --japanese one line of Japanese, which adds the fallback to a Japanese font.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool japanese = app.arguments().contains(QStringLiteral("--japanese"));
    const bool withText = japanese || app.arguments().contains(QStringLiteral("--text"));
    QWidget empty;
    QLabel label(japanese ? QStringLiteral("単語帳　ファイル (F)")
                          : QStringLiteral("Bonjour, ça va ?"));
    QWidget &window = withText ? static_cast<QWidget &>(label) : empty;
    window.resize(900, 690);
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.show();
    return app.exec();
}
