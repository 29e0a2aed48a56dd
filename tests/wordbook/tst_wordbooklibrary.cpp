#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "testhome.h"
#include "wordbooklibrary.h"

static WordBook book(const QString &title, const QString &group, const QString &fileName,
                     int words = 0)
{
    WordBook b;
    b.title = title;
    b.group = group;
    b.fileName = fileName;
    for (int i = 0; i < words; ++i) {
        WordEntry w;
        w.foreignWord = QStringLiteral("w%1").arg(i);
        b.words.append(w);
    }
    return b;
}

static QStringList titles(const QList<WordBookSummary> &rows)
{
    QStringList out;
    for (const WordBookSummary &r : rows)
        out.append(r.title);
    return out;
}

static QStringList files(const QList<WordBookSummary> &rows)
{
    QStringList out;
    for (const WordBookSummary &r : rows)
        out.append(r.fileName);
    return out;
}

class tst_WordBookLibrary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scanOrdersTitlesByLocale();
    void scanListsOnlyBooks();
    void scanMatchesExtensionInAnyCase();
    void scanMissingFolder();
    void titleSortDirections();
    void fileAndGroupSortAreCodeUnitOrder();
    void sortIsStable();
    void nonSortingColumn();
    void findAndUpdateCount();
    void createWritesHeaderOnly();
    void createAsksBeforeReplacing();
    void createOntoFolderFails();
    void properties();
    void changePropertiesKeepsWords();
    void changePropertiesFailureKeepsBook();
    void proposedFileNameStaysOneName();
    void deleteBook();
};

void tst_WordBookLibrary::scanOrdersTitlesByLocale()
{
    QTemporaryDir dir;
    QVERIFY(SaveWordBook(dir.path(), book("B", "g", "1.utx")).ok);
    QVERIFY(SaveWordBook(dir.path(), book("a", "g", "2.utx")).ok);
    QVERIFY(SaveWordBook(dir.path(), book("C", "g", "3.utx")).ok);
    const WordBookScanResult scan = ScanWordBookFolder(dir.path(), QLocale(QLocale::English));
    QCOMPARE(titles(scan.rows), (QStringList{"a", "B", "C"}));
    QVERIFY(scan.errorMessages.isEmpty());

    const WordBookScanResult ja = ScanWordBookFolder(dir.path(), QLocale(QLocale::Japanese));
    QCOMPARE(titles(ja.rows), (QStringList{"a", "B", "C"}));
}

void tst_WordBookLibrary::scanListsOnlyBooks()
{
    QTemporaryDir dir;
    QVERIFY(SaveWordBook(dir.path(), book("Three", "", "three.utx")).ok);
    QVERIFY(SaveWordBook(dir.path(), book("Five", "名詞", "five.utx", 5)).ok);
    QVERIFY(WriteUnicodeFile(dir.filePath("two.utx"), {"Two", "lines"}).ok);
    QVERIFY(WriteUnicodeFile(dir.filePath("other.txt"), {"a", "b", "c"}).ok);
    QDir(dir.path()).mkdir("folder.utx");
    const WordBookScanResult scan = ScanWordBookFolder(dir.path(), QLocale(QLocale::English));
    QCOMPARE(scan.rows.size(), 2);
    QCOMPARE(scan.rows[0], (WordBookSummary{QStringLiteral("Five"), QStringLiteral("five.utx"),
                                            QStringLiteral("名詞"), 5}));
    QCOMPARE(scan.rows[1],
             (WordBookSummary{QStringLiteral("Three"), QStringLiteral("three.utx"), {}, 0}));
}

void tst_WordBookLibrary::scanMatchesExtensionInAnyCase()
{
    QTemporaryDir dir;
    QVERIFY(SaveWordBook(dir.path(), book("Upper", "", "UP.UTX")).ok);
    QVERIFY(SaveWordBook(dir.path(), book("Mixed", "", "mi.Utx")).ok);
    QVERIFY(SaveWordBook(dir.path(), book("Not", "", "not.utxx")).ok);
    const WordBookScanResult scan = ScanWordBookFolder(dir.path(), QLocale(QLocale::English));
    QCOMPARE(files(scan.rows), (QStringList{"mi.Utx", "UP.UTX"}));
}

void tst_WordBookLibrary::scanMissingFolder()
{
    QTemporaryDir dir;
    QVERIFY(ScanWordBookFolder(dir.filePath("none")).rows.isEmpty());
    QVERIFY(ScanWordBookFolder(QString()).rows.isEmpty());
}

void tst_WordBookLibrary::titleSortDirections()
{
    QList<WordBookSummary> rows = {{"B", "1", "", 0}, {"a", "2", "", 0}, {"C", "3", "", 0}};
    WordBookListSort sort;
    const QLocale en(QLocale::English);
    QVERIFY(sort.clickColumn(rows, BookTitleColumn, en));
    QCOMPARE(titles(rows), (QStringList{"C", "B", "a"}));
    QCOMPARE(sort.directions[BookTitleColumn], -1);
    QVERIFY(sort.clickColumn(rows, BookTitleColumn, en));
    QCOMPARE(titles(rows), (QStringList{"a", "B", "C"}));
    QCOMPARE(sort.directions[BookTitleColumn], 1);
}

void tst_WordBookLibrary::fileAndGroupSortAreCodeUnitOrder()
{
    QList<WordBookSummary> rows = {
        {"t1", "b.utx", "動詞", 0}, {"t2", "B.utx", "あいさつ", 0}, {"t3", "a.utx", "名詞", 0}};
    WordBookListSort sort;
    sort.clickColumn(rows, BookFileColumn);
    QCOMPARE(files(rows), (QStringList{"b.utx", "a.utx", "B.utx"}));
    sort.clickColumn(rows, BookFileColumn);
    QCOMPARE(files(rows), (QStringList{"B.utx", "a.utx", "b.utx"}));

    // After a scan and after creating a book: by group, without negating.
    sort.sortByGroup(rows);
    QCOMPARE(titles(rows), (QStringList{"t2", "t1", "t3"})); // U+3042 < U+52D5 < U+540D
    QCOMPARE(sort.directions[BookGroupColumn], 1);
}

void tst_WordBookLibrary::sortIsStable()
{
    QList<WordBookSummary> rows = {
        {"x", "1", "g", 0}, {"y", "2", "g", 0}, {"z", "3", "a", 0}, {"w", "4", "g", 0}};
    SortWordBookList(rows, BookGroupColumn, -1);
    QCOMPARE(titles(rows), (QStringList{"x", "y", "w", "z"}));
}

void tst_WordBookLibrary::nonSortingColumn()
{
    QList<WordBookSummary> rows = {{"b", "1", "", 0}, {"a", "2", "", 0}};
    WordBookListSort sort;
    QVERIFY(!sort.clickColumn(rows, 3));
    QVERIFY(!sort.clickColumn(rows, -1));
    QCOMPARE(sort, WordBookListSort());
    QCOMPARE(titles(rows), (QStringList{"b", "a"}));
}

void tst_WordBookLibrary::findAndUpdateCount()
{
    QList<WordBookSummary> rows = {
        {"a", "x.utx", "", 1}, {"b", "X.utx", "", 2}, {"c", "x.utx", "", 3}};
    QCOMPARE(FindWordBookRow(rows, "x.utx"), 0);
    QCOMPARE(FindWordBookRow(rows, "X.utx"), 1);
    QCOMPARE(FindWordBookRow(rows, "y.utx"), -1);
    QCOMPARE(UpdateWordBookCount(rows, "x.utx", 9), 2);
    QCOMPARE(rows[0].count, 9);
    QCOMPARE(rows[1].count, 2);
    QCOMPARE(rows[2].count, 9);
}

void tst_WordBookLibrary::createWritesHeaderOnly()
{
    QTemporaryDir dir;
    QCOMPARE(ProposedWordBookFileName("Verbs"), QStringLiteral("Verbs.utx"));
    const WordBook header =
        NewWordBook("ignored.utx", "  Verbs  ", QStringLiteral("動詞 "), "  /v  ");
    QCOMPARE(header.title, QStringLiteral("Verbs"));
    QCOMPARE(header.group, QStringLiteral("動詞 "));
    QCOMPARE(header.voiceFolder, QStringLiteral("/v"));
    const QString path = dir.filePath("Verbs.utx");
    const CreateWordBookResult r = CreateWordBookFile(path, header, false);
    QVERIFY(r.ok());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), EncodeUnicodeLines({"Verbs", "動詞 ", "/v"}));
    const WordBookScanResult scan = ScanWordBookFolder(dir.path());
    QCOMPARE(FindWordBookRow(scan.rows, "Verbs.utx"), 0);
    QCOMPARE(scan.rows[0].count, 0);
}

void tst_WordBookLibrary::createAsksBeforeReplacing()
{
    QTemporaryDir dir;
    QVERIFY(SaveWordBook(dir.path(), book("Old", "", "Verbs.utx", 3)).ok);
    const QString path = dir.filePath("Verbs.utx");
    const WordBook header = NewWordBook({}, "Verbs", "", "");

    CreateWordBookResult r = CreateWordBookFile(path, header, false);
    QCOMPARE(r.status, CreateStatus::Exists);
    QCOMPARE(LoadWordBook(dir.path(), "Verbs.utx").book.words.size(), 3);
    const QString question = ReplaceWordBookQuestion(path);
    QVERIFY(question.contains("Verbs.utx"));
    QVERIFY(question.contains(QStringLiteral("失われます")));

    r = CreateWordBookFile(path, header, true);
    QVERIFY(r.ok());
    const WordBookLoadResult loaded = LoadWordBook(dir.path(), "Verbs.utx");
    QCOMPARE(loaded.book.title, QStringLiteral("Verbs"));
    QVERIFY(loaded.book.words.isEmpty());
}

void tst_WordBookLibrary::createOntoFolderFails()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("d.utx");
    const CreateWordBookResult r =
        CreateWordBookFile(dir.filePath("d.utx"), NewWordBook({}, "D", "", ""), true);
    QCOMPARE(r.status, CreateStatus::Failed);
    QVERIFY(r.errorMessage.contains("d.utx"));
}

void tst_WordBookLibrary::properties()
{
    QTemporaryDir dir;
    WordBook b = book("Old title", "g", "p.utx", 4);
    b.keptLines = {QStringLiteral("hand-made")};
    QVERIFY(SaveWordBook(dir.path(), b).ok);

    WordBook changed = LoadWordBook(dir.path(), "p.utx").book;
    QVERIFY(!ApplyWordBookProperties(changed, "   ", "x", "y"));
    QCOMPARE(changed.title, QStringLiteral("Old title"));
    QVERIFY(EmptyTitleWarning().startsWith(QStringLiteral("単語帳には必ず")));

    QVERIFY(ApplyWordBookProperties(changed, " New ", QString(), " /voices "));
    QVERIFY(SaveWordBook(dir.path(), changed).ok);
    const WordBook back = LoadWordBook(dir.path(), "p.utx").book;
    QCOMPARE(back.title, QStringLiteral("New"));
    QCOMPARE(back.group, QString());
    QCOMPARE(back.voiceFolder, QStringLiteral("/voices"));
    QCOMPARE(back.words, b.words);
    QCOMPARE(back.keptLines, b.keptLines);
}

void tst_WordBookLibrary::changePropertiesKeepsWords()
{
    QTemporaryDir dir;
    WordBook b = book("Title", "g", "c.utx", 3);
    QVERIFY(SaveWordBook(dir.path(), b).ok);
    WordBook open = LoadWordBook(dir.path(), "c.utx").book;
    PropertyChangeResult r = ChangeWordBookProperties(dir.path(), open, "", "x", "");
    QCOMPARE(r.status, PropertyChange::EmptyTitle);
    QCOMPARE(open, b);

    r = ChangeWordBookProperties(dir.path(), open, QStringLiteral("新しい題"), "g2", "");
    QVERIFY(r.ok());
    QCOMPARE(open.title, QStringLiteral("新しい題"));
    const WordBookLoadResult back = LoadWordBook(dir.path(), "c.utx");
    QCOMPARE(back.book, open);
    QCOMPARE(back.book.words, b.words);
}

void tst_WordBookLibrary::changePropertiesFailureKeepsBook()
{
    QTemporaryDir dir;
    WordBook b = book("Title", "g", "c.utx", 2);
    const PropertyChangeResult r =
        ChangeWordBookProperties(dir.filePath("gone"), b, "Other", "h", "");
    QCOMPARE(r.status, PropertyChange::WriteFailed);
    QVERIFY(r.errorMessage.contains("c.utx"));
    QCOMPARE(b.title, QStringLiteral("Title"));
}

void tst_WordBookLibrary::proposedFileNameStaysOneName()
{
    QCOMPARE(ProposedWordBookFileName(QStringLiteral("Verbs")), QStringLiteral("Verbs.utx"));
    QCOMPARE(ProposedWordBookFileName(QStringLiteral("英語/動詞")),
             QStringLiteral("英語_動詞.utx"));
    QCOMPARE(ProposedWordBookFileName(QStringLiteral("a\tb\nc")), QStringLiteral("a_b_c.utx"));
    QCOMPARE(ProposedWordBookFileName(QStringLiteral("a\\b")), QStringLiteral("a\\b.utx"));
}

void tst_WordBookLibrary::deleteBook()
{
    TestHome home; // the trash of a private home
    QDir dir(home.path("books"));
    QVERIFY(dir.mkpath("."));
    QVERIFY(SaveWordBook(dir.path(), book("D", "", "d.utx")).ok);
    QCOMPARE(DeleteWordBookFile(dir.path(), "d.utx").status, DeleteStatus::Deleted);
    QVERIFY(!QFile::exists(dir.filePath("d.utx")));
    QVERIFY(QFile::exists(home.path("appdata/Trash/files/d.utx")));
    QCOMPARE(DeleteWordBookFile(dir.path(), "d.utx").status, DeleteStatus::Missing);
    QCOMPARE(DeleteWordBookFile(dir.path(), QString()).status, DeleteStatus::Missing);
    QVERIFY(QDir(dir.path()).exists());
}

QTEST_APPLESS_MAIN(tst_WordBookLibrary)
#include "tst_wordbooklibrary.moc"
