#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "voicepath.h"
#include "wordbookfolders.h"

static AppFolders folders(const QString &root)
{
    AppFolders f;
    f.SysFolder = root + QStringLiteral("/Sys");
    f.DocumentsRoot = root + QStringLiteral("/Docs");
    f.WordBookFolder = f.documentsFolder(QStringLiteral("FrenchA"));
    f.DictionaryFolder = f.documentsFolder(QStringLiteral("FrenchG"));
    QDir().mkpath(f.SysFolder);
    return f;
}

static QStringList numbered(int n, const QString &prefix = QStringLiteral("/f"))
{
    QStringList out;
    for (int i = 1; i <= n; ++i)
        out.append(prefix + QString::number(i));
    return out;
}

class tst_WordBookFolders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void folderListCreatedWithTwoLines();
    void folderListReadAsWritten();
    void chosenFolderAlreadyListed();
    void chosenFolderGoesFirstKeepingTen();
    void handEditedListCutBack();
    void blankLinesMakeNoMenuItem();
    void languages_data();
    void languages();
    void unknownLanguageCaptions();
    void statusText();
    void dictionaryToggle();
    void voicePath();
    void existingVoicePath();
    void playerBesideDialog_data();
    void playerBesideDialog();
};

void tst_WordBookFolders::playerBesideDialog_data()
{
    QTest::addColumn<QRect>("dialog");
    QTest::addColumn<QPoint>("player");
    const QRect screen(0, 0, 1280, 1024);
    QTest::newRow("right") << QRect(100, 200, 700, 500) << QPoint(808, 200);
    QTest::newRow("left") << QRect(600, 200, 600, 500) << QPoint(600 - 8 - 250, 200);
    QTest::newRow("below") << QRect(100, 100, 1100, 500) << QPoint(100, 608);
    QTest::newRow("above") << QRect(100, 600, 1100, 400) << QPoint(100, 600 - 8 - 130);
    QTest::newRow("pulled up into the screen") << QRect(100, 950, 700, 60) << QPoint(808, 894);
    QTest::newRow("no room: a corner") << screen << QPoint(1280 - 250, 1024 - 130);
}

void tst_WordBookFolders::playerBesideDialog()
{
    QFETCH(QRect, dialog);
    QFETCH(QPoint, player);
    const QSize frame(250, 130);
    const QRect screen(0, 0, 1280, 1024);
    const QPoint at = PlayerPositionBeside(dialog, frame, screen);
    QCOMPARE(at, player);
    QVERIFY(screen.contains(QRect(at, frame)));
}

void tst_WordBookFolders::folderListCreatedWithTwoLines()
{
    QTemporaryDir dir;
    const AppFolders f = folders(dir.path());
    const FolderListResult r = EnsureFolderList(f);
    QVERIFY(r.ok);
    const QStringList expected = {dir.path() + "/Docs/bookA", dir.path() + "/Docs/FrenchG"};
    QCOMPARE(r.lines, expected);
    QFile file(FolderListPath(f.SysFolder));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), (expected.join("\r\n") + "\r\n").toLatin1());
}

void tst_WordBookFolders::folderListReadAsWritten()
{
    QTemporaryDir dir;
    const AppFolders f = folders(dir.path());
    const QStringList lines = {QStringLiteral("/home/u/単語帳"), QStringLiteral("/home/u/Élan")};
    QVERIFY(WriteFolderList(f.SysFolder, lines).ok);
    QCOMPARE(EnsureFolderList(f).lines, lines);
}

void tst_WordBookFolders::chosenFolderAlreadyListed()
{
    const QStringList lines = numbered(3);
    const FolderListUpdate u = AddChosenFolder(lines, "/f2");
    QVERIFY(!u.changed);
    QCOMPARE(u.lines, lines);
    QVERIFY(!AddChosenFolder(lines, QString()).changed);
}

void tst_WordBookFolders::chosenFolderGoesFirstKeepingTen()
{
    const FolderListUpdate u = AddChosenFolder(numbered(10), "/new");
    QVERIFY(u.changed);
    QCOMPARE(u.lines.size(), 10);
    QCOMPARE(u.lines.first(), QStringLiteral("/new"));
    QCOMPARE(u.lines.last(), QStringLiteral("/f9"));
    // Exact comparison: another letter case is another folder.
    QVERIFY(AddChosenFolder(numbered(2), "/F1").changed);
    const FolderListUpdate small = AddChosenFolder({}, "/a");
    QCOMPARE(small.lines, QStringList{"/a"});
}

void tst_WordBookFolders::handEditedListCutBack()
{
    const FolderListUpdate u = AddChosenFolder(numbered(15), "/new");
    QCOMPARE(u.lines, QStringList{"/new"} + numbered(9));
    // Already listed beyond the tenth line: the file stays as the user made it.
    QVERIFY(!AddChosenFolder(numbered(15), "/f14").changed);
}

void tst_WordBookFolders::blankLinesMakeNoMenuItem()
{
    QCOMPARE(FolderMenuItems({"/a", "", "  ", "/b", "/a"}), (QStringList{"/a", "/b", "/a"}));
}

void tst_WordBookFolders::languages_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("wordBook");
    QTest::addColumn<QString>("dictionary");
    QTest::addColumn<QString>("caption1");
    QTest::addColumn<QString>("caption2");
    QTest::newRow("0") << 0 << QStringLiteral("欧　文") << "bookA"
                       << "bookG" << QStringLiteral("欧日") << QStringLiteral("日欧");
    QTest::newRow("1") << 1 << QStringLiteral("英　語") << "EnglishA"
                       << "EnglishG" << QStringLiteral("英和") << QStringLiteral("和英");
    QTest::newRow("2") << 2 << QStringLiteral("フランス語") << "FrenchA"
                       << "FrenchG" << QStringLiteral("仏和") << QStringLiteral("和仏");
    QTest::newRow("3") << 3 << QStringLiteral("ドイツ語") << "GermanA"
                       << "GermanG" << QStringLiteral("独和") << QStringLiteral("和独");
    QTest::newRow("4") << 4 << QStringLiteral("スペイン語") << "SpanishA"
                       << "SpanishG" << QStringLiteral("西和") << QStringLiteral("和西");
    QTest::newRow("5") << 5 << QStringLiteral("イタリア語") << "ItalianA"
                       << "ItalianG" << QStringLiteral("伊和") << QStringLiteral("和伊");
    QTest::newRow("6") << 6 << QStringLiteral("ﾎﾟﾙﾄｶﾞﾙ語") << "PortugueseA"
                       << "PortugueseG" << QStringLiteral("葡和") << QStringLiteral("和葡");
}

void tst_WordBookFolders::languages()
{
    QFETCH(int, index);
    QFETCH(QString, language);
    QFETCH(QString, wordBook);
    QFETCH(QString, dictionary);
    QFETCH(QString, caption1);
    QFETCH(QString, caption2);
    QTemporaryDir dir;
    const AppFolders f = folders(dir.path());
    const LanguageChoice c = ChooseLanguage(f, index);
    QCOMPARE(c.language, language);
    QCOMPARE(c.wordBookFolder, dir.path() + "/Docs/" + wordBook);
    QCOMPARE(c.dictionaryFolder, dir.path() + "/Docs/" + dictionary);
    QCOMPARE(c.foreignFirstCaption, caption1);
    QCOMPARE(c.japaneseFirstCaption, caption2);
    QCOMPARE(LanguageIndex(language), index);
}

void tst_WordBookFolders::unknownLanguageCaptions()
{
    QCOMPARE(ForeignFirstCaption(QStringLiteral("英 語")), QStringLiteral("欧日"));
    QCOMPARE(JapaneseFirstCaption(QStringLiteral("ポルトガル語")), QStringLiteral("日欧"));
    QCOMPARE(LanguageIndex(QStringLiteral("Dutch")), -1);
    QTemporaryDir dir;
    QCOMPARE(ChooseLanguage(folders(dir.path()), 7).language, QStringLiteral("欧　文"));
    QCOMPARE(ChooseLanguage(folders(dir.path()), -1).language, QStringLiteral("欧　文"));
}

void tst_WordBookFolders::statusText()
{
    QCOMPARE(WordBookFolderStatusText("/d/FrenchA"), QStringLiteral("●単語帳フォルダ/d/FrenchA"));
}

void tst_WordBookFolders::dictionaryToggle()
{
    DictionaryToggle t;
    QCOMPARE(t.press("/d/FrenchA", "/d/FrenchG"), QStringLiteral("/d/FrenchG"));
    QVERIFY(t.down);
    QCOMPARE(t.release(), QStringLiteral("/d/FrenchA"));
    QCOMPARE(t, DictionaryToggle());

    t.press("/d/bookA", "/d/bookG");
    t.reset(); // a language change: up, without going back
    QCOMPARE(t, DictionaryToggle());
}

void tst_WordBookFolders::voicePath()
{
    QCOMPARE(ResolveVoicePath({}, "/books", "hello.mp3"), QStringLiteral("/books/hello.mp3"));
    QCOMPARE(ResolveVoicePath("/voices", "/books", "hello.mp3"),
             QStringLiteral("/voices/hello.mp3"));
    QCOMPARE(ResolveVoicePath("/voices", "/books", QString()), QString());
}

void tst_WordBookFolders::existingVoicePath()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("books");
    QDir(dir.path()).mkpath("voices/sub.wav");
    for (const char *name : {"books/hello.mp3", "voices/hello.mp3"}) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const QString books = dir.filePath("books"), voices = dir.filePath("voices");
    QCOMPARE(ExistingVoicePath({}, books, "hello.mp3"), books + "/hello.mp3");
    // With a voice folder set, its file plays even when the book's folder has one too.
    QCOMPARE(ExistingVoicePath(voices, books, "hello.mp3"), voices + "/hello.mp3");
    QCOMPARE(ExistingVoicePath(voices, books, "other.mp3"), QString());
    QCOMPARE(ExistingVoicePath(voices, books, "sub.wav"), QString());
    QCOMPARE(ExistingVoicePath(dir.filePath("gone"), books, "hello.mp3"), QString());
    QCOMPARE(ExistingVoicePath(voices, books, QString()), QString());
}

QTEST_APPLESS_MAIN(tst_WordBookFolders)
#include "tst_wordbookfolders.moc"
