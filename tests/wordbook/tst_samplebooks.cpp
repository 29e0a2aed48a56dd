#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>

#include "samplebooks.h"
#include "textfile.h"
#include "wordbookfile.h"
#include "wordcolour.h"

Q_DECLARE_METATYPE(WordBook)

#ifndef VELMOR_SOURCE_DATA_DIR
#error "VELMOR_SOURCE_DATA_DIR must name the data/ folder of the source tree"
#endif

static QString dataDir()
{
    return QStringLiteral(VELMOR_SOURCE_DATA_DIR);
}

static bool isKatakanaReading(const QString &text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool katakana = u >= 0x30A1 && u <= 0x30FA;
        if (!katakana && u != u'ー' && u != u' ')
            return false;
    }
    return !text.isEmpty();
}

class tst_SampleBooks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void filesAreWhatSaveWrites_data();
    void filesAreWhatSaveWrites();
    void wordsAreComplete_data();
    void wordsAreComplete();
    void everyFolderHasItsBooks();
};

void tst_SampleBooks::initTestCase()
{
    // Run once with VELMOR_WRITE_SAMPLE_BOOKS=1 after changing the sample data.
    if (qEnvironmentVariableIntValue("VELMOR_WRITE_SAMPLE_BOOKS") != 1)
        return;
    for (const SampleBook &s : SampleBooks()) {
        const QString folder = dataDir() + u'/' + s.folder;
        QVERIFY(QDir().mkpath(folder));
        const WriteResult r = SaveWordBook(folder, s.book);
        QVERIFY2(r.ok, qPrintable(r.errorMessage));
    }
}

void tst_SampleBooks::filesAreWhatSaveWrites_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<WordBook>("book");
    for (const SampleBook &s : SampleBooks())
        QTest::newRow(qPrintable(s.folder + u'/' + s.book.fileName)) << s.folder << s.book;
}

void tst_SampleBooks::filesAreWhatSaveWrites()
{
    QFETCH(QString, folder);
    QFETCH(WordBook, book);
    const QString dir = dataDir() + u'/' + folder;
    QByteArray bytes;
    QVERIFY(ReadFileBytes(WordBookPath(dir, book.fileName), &bytes));
    QCOMPARE(bytes, EncodeUnicodeLines(WordBookLines(book)));
    const WordBookLoadResult loaded = LoadWordBook(dir, book.fileName);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.book, book);
}

void tst_SampleBooks::wordsAreComplete_data()
{
    filesAreWhatSaveWrites_data();
}

void tst_SampleBooks::wordsAreComplete()
{
    QFETCH(QString, folder);
    QFETCH(WordBook, book);
    const TextReadResult groups =
        ReadTextFile(dataDir() + QStringLiteral("/Sys/GroupName.txt"), TextFileKind::Ansi);
    QVERIFY(groups.ok);
    QVERIFY2(groups.lines.contains(book.group), qPrintable(book.group));
    QVERIFY(!book.title.isEmpty());
    QVERIFY(book.fileName.endsWith(QStringLiteral(".utx")));
    QVERIFY(book.words.size() >= 30);
    for (const WordEntry &w : book.words) {
        const QByteArray which = w.foreignWord.toUtf8();
        QVERIFY2(!w.foreignWord.isEmpty() && !w.japanese.isEmpty(), which);
        QVERIFY2(!w.phoneticSymbols.isEmpty(), which);
        // Transcriptions without the slashes or brackets that belong around them.
        QVERIFY2(!w.phoneticSymbols.contains(u'/') && !w.phoneticSymbols.contains(u'['), which);
        // Nasal vowels as the phonetic triggers type them (base + U+0303), so that a
        // search typed with the triggers finds them.
        for (QChar c : w.phoneticSymbols)
            QVERIFY2(!QStringLiteral("ãẽĩõũÃẼĨÕŨ").contains(c), which);
        QVERIFY2(isKatakanaReading(w.phoneticKana), which);
        QVERIFY2(w.textColour.isEmpty() || IsColourCode(w.textColour), which);
        if (!w.voiceFile.isEmpty()) {
            QByteArray voice;
            QVERIFY2(ReadFileBytes(dataDir() + u'/' + folder + u'/' + w.voiceFile, &voice), which);
            QVERIFY2(voice.startsWith("RIFF") && voice.mid(8, 4) == "WAVE", which);
        }
    }
}

void tst_SampleBooks::everyFolderHasItsBooks()
{
    QSet<QString> listed;
    QHash<QString, int> perFolder;
    for (const SampleBook &s : SampleBooks()) {
        const QString key = s.folder + u'/' + s.book.fileName;
        QVERIFY2(!listed.contains(key), qPrintable(key));
        listed.insert(key);
        ++perFolder[s.folder];
    }
    const QStringList folders = {"bookA",   "bookG",    "EnglishA", "FrenchA",
                                 "GermanA", "SpanishA", "ItalianA", "PortugueseA"};
    for (const QString &folder : folders) {
        QVERIFY2(perFolder.value(folder) >= (folder == "bookG" ? 1 : 2), qPrintable(folder));
        // No stray book in a sample folder that the data here does not describe.
        const QStringList files = QDir(dataDir() + u'/' + folder).entryList({"*.utx"}, QDir::Files);
        for (const QString &file : files)
            QVERIFY2(listed.contains(folder + u'/' + file), qPrintable(file));
    }
}

QTEST_APPLESS_MAIN(tst_SampleBooks)
#include "tst_samplebooks.moc"
