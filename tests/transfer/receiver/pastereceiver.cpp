// A text editor window for the tests: everything pasted into it is also written to
// standard output as one JSON line (plain text, the rich-text flavour in base64, the
// offered formats), so a test can see exactly what an application received.
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>
#include <QPlainTextEdit>

#include <cstdio>

class PasteReceiver : public QPlainTextEdit
{
protected:
    void insertFromMimeData(const QMimeData *source) override
    {
        QJsonObject record;
        record.insert(QStringLiteral("plain"), source->text());
        record.insert(QStringLiteral("rtf"),
                      QString::fromLatin1(source->data(QStringLiteral("text/rtf")).toBase64()));
        record.insert(QStringLiteral("formats"), QJsonArray::fromStringList(source->formats()));
        const QByteArray line = QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
        std::fflush(stdout);
        QPlainTextEdit::insertFromMimeData(source);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    PasteReceiver editor;
    editor.setWindowTitle(argc > 1 ? QString::fromUtf8(argv[1]) : QStringLiteral("Receiver"));
    editor.resize(400, 300);
    editor.show();
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    return app.exec();
}
