// The flashcard export read back: header lines, every field of each note, the tag,
// the sound tags and the copied voice files.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "flashcardexport.h"

class TestFlashcardExport : public QObject
{
    Q_OBJECT

private:
    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private Q_SLOTS:
    void notes_data()
    {
        QTest::addColumn<QStringList>("fields"); // foreign, IPA, kana, Japanese, notes
        QTest::addColumn<QString>("front");
        QTest::addColumn<QString>("back");
        QTest::newRow("plain") << QStringList{"chat", "ʃa", "シャ", "猫", ""} << "chat<br>ʃa"
                               << "猫<br>シャ";
        QTest::newRow("quote, tab, <") << QStringList{"say \"hi\"", "", "", "a\tb", "x < y & z"}
                                       << "say &quot;hi&quot;" << "a&#9;b<br>x &lt; y &amp; z";
        QTest::newRow("line breaks") << QStringList{"Haus", "haʊs", "", "家", "1\r\n2\r3\n4"}
                                     << "Haus<br>haʊs" << "家<br>1<br>2<br>3<br>4";
        QTest::newRow("leading #") << QStringList{"#tag", "", "", "札", ""} << "&#35;tag"
                                   << "札";
        QTest::newRow("markup stays text") << QStringList{"<b>", "", "", "", ""} << "&lt;b&gt;"
                                           << "";
    }
    void notes()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, front);
        QFETCH(QString, back);
        WordBook book;
        book.title = QStringLiteral("仏語 1");
        book.group = QStringLiteral("名詞　基本 A");
        book.words.append({fields[0], fields[1], fields[2], fields[3], fields[4], {}, {}});
        const QStringList lines = QString::fromUtf8(FlashcardText(book, {})).split(u'\n');
        QCOMPARE(lines.mid(0, 5), (QStringList{"#separator:tab", "#html:true", "#notetype:Basic",
                                               "#deck:仏語 1", "#tags column:3"}));
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[6], QString());
        QCOMPARE(lines[5].split(u'\t'), (QStringList{front, back, "名詞_基本_A"}));
    }

    void soundsAndMedia()
    {
        QTemporaryDir dir;
        const QString books = dir.filePath(QStringLiteral("books"));
        QDir().mkpath(books);
        writeFile(books + QStringLiteral("/chat.mp3"), "ID3 chat");
        WordBook book;
        book.title = QStringLiteral("猫");
        book.words = {{"chat", "", "", "猫", "", "chat.mp3", ""},
                      {"chien", "", "", "犬", "", "chien.mp3", ""},
                      {"chaton", "", "", "子猫", "", "chat.mp3", ""}};
        const QString path = dir.filePath(QStringLiteral("out/猫.txt"));
        QDir().mkpath(dir.filePath(QStringLiteral("out")));
        const FlashcardExportResult r = ExportFlashcards(book, books, path);
        QVERIFY2(r.ok, qPrintable(r.errorMessage));
        QCOMPARE(r.notes, 3);
        QCOMPARE(r.soundsCopied, 1);
        QCOMPARE(r.missingSounds, QStringList{"chien.mp3"});
        QCOMPARE(r.mediaFolder, dir.filePath(QStringLiteral("out/猫_media")));
        QCOMPARE(readAll(r.mediaFolder + QStringLiteral("/chat.mp3")), QByteArray("ID3 chat"));
        const QStringList lines = QString::fromUtf8(readAll(path)).split(u'\n');
        QCOMPARE(lines.value(5), QStringLiteral("chat[sound:chat.mp3]\t猫\t"));
        QCOMPARE(lines.value(6), QStringLiteral("chien\t犬\t"));
        QCOMPARE(lines.value(7), QStringLiteral("chaton[sound:chat.mp3]\t子猫\t"));
    }

    void failedWriteNamesTheFile()
    {
        QTemporaryDir dir;
        WordBook book;
        book.words = {{"a", "", "", "", "", "", ""}};
        const QString path = dir.filePath(QStringLiteral("missing/book.txt"));
        const FlashcardExportResult r = ExportFlashcards(book, dir.path(), path);
        QVERIFY(!r.ok);
        QVERIFY2(r.errorMessage.contains(QStringLiteral("book.txt")), qPrintable(r.errorMessage));
    }
};

QTEST_GUILESS_MAIN(TestFlashcardExport)
#include "tst_flashcardexport.moc"
