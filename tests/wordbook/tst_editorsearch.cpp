// The editor's reader and writer and the folder search, over real files.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "editorbook.h"
#include "textfile.h"
#include "wordbookfile.h"
#include "wordbooksearch.h"

namespace {

QString line(const QString &foreign, const QString &japanese, const QString &notes = {})
{
    return QStringLiteral("\"%1\",\"\",\"\",\"%2\",\"%3\",\"\",\"\"").arg(foreign, japanese, notes);
}

} // namespace

class tst_EditorSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storedCellText_data();
    void storedCellText();
    void saveKeepsLinesAndDropsBlankRows();
    void everyStoredLineReadsBack();
    void failedSaveLeavesTheFile();
    void search_data();
    void search();
    void unreadableFileIsNamed();
};

void tst_EditorSearch::storedCellText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("quote") << "say \"hi\"" << "say #$22hi#$22";
    QTest::newRow("crlf") << "a\r\nb" << "a#$0Db";
    QTest::newRow("lf") << "a\nb" << "a#$0Db";
    QTest::newRow("cr") << "a\rb" << "a#$0Db";
    QTest::newRow("escape kept") << "a#$0Db" << "a#$0Db";
    QTest::newRow("nul dropped") << QString("a") + QChar(0) + "b" << "ab";
}

void tst_EditorSearch::storedCellText()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QCOMPARE(StoredCellText(typed), stored);
}

void tst_EditorSearch::saveKeepsLinesAndDropsBlankRows()
{
    QTemporaryDir dir;
    const QString kept = QStringLiteral("hand,edited");
    QVERIFY(WriteUnicodeFile(dir.filePath("b.utx"),
                             {"T", "G", "", line("chat", "猫", "a#$0Db"), kept, line("chien", "犬")}));
    EditorBookLoadResult loaded = LoadEditorBook(dir.path(), "b.utx");
    QCOMPARE(loaded.status, WordBookStatus::Loaded);
    QCOMPARE(loaded.book.rows.size(), 2);
    QCOMPARE(loaded.book.rows[0][4], QStringLiteral("a#$0Db")); // shown as stored
    QCOMPARE(loaded.book.keptLines, QStringList{kept});
    EditorBook book = loaded.book;
    book.rows.insert(1, EditorRow{" ", "", "\t", "", "", "", ""}); // only blanks
    book.rows.append(EditorRow());
    book.rows[1 + 1][0] = QStringLiteral("  chien ");
    QVERIFY(SaveEditorBook(dir.path(), "b.utx", book));
    QByteArray bytes;
    QVERIFY(ReadFileBytes(dir.filePath("b.utx"), &bytes));
    QCOMPARE(bytes, EncodeUnicodeLines({"T", "G", "", line("chat", "猫", "a#$0Db"),
                                        line("chien", "犬"), kept}));
}

void tst_EditorSearch::everyStoredLineReadsBack()
{
    QTemporaryDir dir;
    EditorBook book{"T", "G", "", {EditorRow{"say \"hi\"", "", "", "", "one\ntwo", "", ""}}, {}};
    QVERIFY(SaveEditorBook(dir.path(), "q.utx", book));
    const WordBookLoadResult read = LoadWordBook(dir.path(), "q.utx");
    QVERIFY(read.ok());
    QCOMPARE(read.book.words.size(), 1);
    QVERIFY(read.book.keptLines.isEmpty());
    QCOMPARE(read.book.words[0].foreignWord, QStringLiteral("say \"hi\""));
    QCOMPARE(read.book.words[0].notes, QStringLiteral("one\r\ntwo"));
}

void tst_EditorSearch::failedSaveLeavesTheFile()
{
    // A folder where the book should be cannot be replaced, not even by root.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("b.utx/inside"));
    const WriteResult r = SaveEditorBook(dir.path(), "b.utx", EditorBook{"T", "G", "", {}, {}});
    QVERIFY(!r.ok);
    QVERIFY(r.errorMessage.contains("b.utx"));
    QVERIFY(QFileInfo(dir.filePath("b.utx/inside")).isDir());
}

void tst_EditorSearch::search_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("loose");
    QTest::addColumn<QStringList>("numbers"); // "No" of each hit, in order
    QTest::newRow("exact and partial") << 3 << "猫" << false << QStringList{"*1", "2", "4"};
    QTest::newRow("trailing blank") << 3 << "猫 " << false << QStringList{"*4"};
    QTest::newRow("stored escape") << 4 << "#$0D" << false << QStringList{"3"};
    QTest::newRow("case-sensitive") << 0 << "Chat" << false << QStringList{};
    QTest::newRow("empty query") << 0 << "" << false << QStringList{};
    QTest::newRow("loose accents") << 0 << "eleve" << true << QStringList{"3"};
    QTest::newRow("loose case") << 0 << "CHAT" << true << QStringList{"1", "2"};
    QTest::newRow("loose sharp s") << 0 << "strasse" << true << QStringList{"4"};
    QTest::newRow("loose keeps exact mark") << 0 << "chat" << true << QStringList{"*1", "2"};
    QTest::newRow("quote in query") << 0 << "\"q" << false << QStringList{"*5"};
    QTest::newRow("seven fields only") << 0 << "short" << false << QStringList{};
}

void tst_EditorSearch::search()
{
    QFETCH(int, field);
    QFETCH(QString, query);
    QFETCH(bool, loose);
    QFETCH(QStringList, numbers);
    QTemporaryDir dir;
    QVERIFY(WriteUnicodeFile(dir.filePath("a.UTX"),
                             {"Book", "G", "", line("chat", "猫"), line("chaton", "子猫"),
                              line("élève", "生徒", "a#$0Db"), line("Straße", "猫 "),
                              "\"\"\"q\",\"\",\"\",\"\",\"\",\"\",\"\"", "\"short\",\"x\""}));
    QVERIFY(WriteUnicodeFile(dir.filePath("ignored.txt"), {"T", "G", "", line("chat", "猫")}));
    const WordBookSearchResult result = SearchWordBooks(dir.path(), field, query, loose);
    QStringList got;
    for (const SearchHit &hit : result.hits) {
        got.append(hit.numberText());
        QCOMPARE(hit.title, QStringLiteral("Book"));
    }
    QCOMPARE(got, numbers);
    QVERIFY(result.unreadableFiles.isEmpty());
}

void tst_EditorSearch::unreadableFileIsNamed()
{
    QTemporaryDir dir;
    QVERIFY(WriteUnicodeFile(dir.filePath("good.utx"), {"T", "G", "", line("chat", "猫")}));
    // A link to nowhere cannot be read, not even by root.
    QVERIFY(QFile::link(dir.filePath("gone.utx"), dir.filePath("bad.utx")));
    const WordBookSearchResult result = SearchWordBooks(dir.path(), 0, "chat");
    QCOMPARE(result.hits.size(), 1);
    QCOMPARE(result.unreadableFiles, QStringList{"bad.utx"});
}

QTEST_GUILESS_MAIN(tst_EditorSearch)
#include "tst_editorsearch.moc"
