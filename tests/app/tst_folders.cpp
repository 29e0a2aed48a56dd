#include "folders.h"

#include "fakedialogs.h"
#include "fakeplatform.h"
#include "settings.h"
#include "textfile.h"

#include <QTemporaryDir>
#include <QTest>

class tst_Folders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void resolve();
    void languageFolders_data();
    void languageFolders();
    void versionMarkerName_data();
    void versionMarkerName();
    void createsEveryFolder();
    void creationFailuresAreWarnedInOrder();
    void firstStartCopiesEverything();
    void secondStartCopiesNothing();
    void keepsEditedTablesWithoutTblOWFlg();
    void noSampleFlgSkipsSamples();
    void missingProgramFolderStillWritesMarker();
    void copyAsksBeforeOverwriting();
    void copyCountsRefusedCopies();

private:
    void writeFile(const QString &path, const QByteArray &bytes);
    QByteArray readFile(const QString &path);
    void installProgramFiles();

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeFolderRoots m_roots;
    FakeDialogs m_dialogs;
    AppFolders m_folders;
};

void tst_Folders::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_roots.programFiles = m_dir->filePath("programs");
    m_roots.appData = m_dir->filePath("appdata");
    m_roots.documents = m_dir->filePath("Documents");
    m_dialogs = FakeDialogs();
    m_folders = ResolveFolders(m_roots);
}

void tst_Folders::writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(WriteFileBytes(path, bytes).ok);
}

QByteArray tst_Folders::readFile(const QString &path)
{
    QByteArray bytes;
    ReadFileBytes(path, &bytes);
    return bytes;
}

void tst_Folders::installProgramFiles()
{
    const QString p = m_folders.ProgramFolder;
    writeFile(p + "/Sys/GroupName.txt", "installed groups\r\n");
    writeFile(p + "/Tbl/DBVelmor.csv", "installed db\r\n");
    writeFile(p + "/Tbl/CandVelmor.csv", "installed cand\r\n");
    QDir().mkpath(p + "/Tbl/not-a-file");
    for (const QString &name : SampleFolderNames())
        writeFile(p + "/" + name + "/" + name + ".utx", name.toUtf8());
    writeFile(p + "/EnglishG/dict.utx", "never copied");
}

void tst_Folders::resolve()
{
    const QString root = m_dir->path();
    QCOMPARE(m_folders.ProgramFolder, root + "/programs/Kestrane/VelmorUC");
    QCOMPARE(m_folders.DataRoot, root + "/appdata/Kestrane/VelmorUC");
    QCOMPARE(m_folders.SysFolder, root + "/appdata/Kestrane/VelmorUC/Sys");
    QCOMPARE(m_folders.UserTableFolder, root + "/appdata/Kestrane/VelmorUC/Tbl");
    QCOMPARE(m_folders.SystemTableFolder, root + "/programs/Kestrane/VelmorUC/Tbl");
    QCOMPARE(m_folders.DocumentsRoot, root + "/Documents/Kestrane/VelmorUC");
    QCOMPARE(m_folders.UserTextFolder, root + "/Documents/Kestrane/VelmorUC/usr");
    QCOMPARE(m_folders.WordBookFolder, root + "/Documents/Kestrane/VelmorUC/bookA");
    QCOMPARE(m_folders.DictionaryFolder, root + "/Documents/Kestrane/VelmorUC/bookG");
    ChooseTableFolder(m_folders, true);
    QCOMPARE(m_folders.TableFolder, m_folders.SystemTableFolder);
    ChooseTableFolder(m_folders, false);
    QCOMPARE(m_folders.TableFolder, m_folders.UserTableFolder);
}

void tst_Folders::languageFolders_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("wordBook");
    QTest::addColumn<QString>("dictionary");
    QTest::newRow("default") << "欧　文" << "bookA" << "bookG";
    QTest::newRow("english") << "英　語" << "EnglishA" << "EnglishG";
    QTest::newRow("french") << "フランス語" << "FrenchA" << "FrenchG";
    QTest::newRow("german") << "ドイツ語" << "GermanA" << "GermanG";
    QTest::newRow("spanish") << "スペイン語" << "SpanishA" << "SpanishG";
    QTest::newRow("italian") << "イタリア語" << "ItalianA" << "ItalianG";
    QTest::newRow("portuguese half-width") << "ﾎﾟﾙﾄｶﾞﾙ語" << "PortugueseA" << "PortugueseG";
    QTest::newRow("portuguese full-width is unknown") << "ポルトガル語" << "bookA" << "bookG";
    QTest::newRow("ascii blank is unknown") << "英 語" << "bookA" << "bookG";
    QTest::newRow("empty") << "" << "bookA" << "bookG";
}

void tst_Folders::languageFolders()
{
    QFETCH(QString, language);
    QFETCH(QString, wordBook);
    QFETCH(QString, dictionary);
    ChooseLanguageFolders(m_folders, language);
    QCOMPARE(m_folders.WordBookFolder, m_folders.documentsFolder(wordBook));
    QCOMPARE(m_folders.DictionaryFolder, m_folders.documentsFolder(dictionary));
}

void tst_Folders::versionMarkerName_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("name");
    QTest::newRow("this version") << "Ver 2.0" << "Leaf200.txt";
    QTest::newRow("one digit") << "Ver 3" << "Leaf300.txt";
    QTest::newRow("three plain digits") << "Ver 215" << "Leaf215.txt";
    QTest::newRow("too long") << "Ver 2.1234" << "Leaf999.txt";
}

void tst_Folders::versionMarkerName()
{
    QFETCH(QString, version);
    QFETCH(QString, name);
    QCOMPARE(VersionMarkerName(version), name);
}

void tst_Folders::createsEveryFolder()
{
    CreateFolders(m_folders, m_dialogs);
    QVERIFY(m_dialogs.shown.isEmpty());
    QStringList expected{"bookA", "bookG", "usr"};
    for (const LanguageFolders &l : Languages().mid(1))
        expected << l.wordBook << l.dictionary;
    expected.sort();
    QStringList found = QDir(m_folders.DocumentsRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    found.sort();
    QCOMPARE(found, expected);
    QVERIFY(QFileInfo(m_folders.SysFolder).isDir());
    QVERIFY(QFileInfo(m_folders.UserTableFolder).isDir());
}

void tst_Folders::creationFailuresAreWarnedInOrder()
{
    // Files standing where folders belong make every creation fail.
    writeFile(m_folders.DataRoot, "in the way");
    writeFile(m_folders.DocumentsRoot, "in the way");
    CreateFolders(m_folders, m_dialogs);
    QCOMPARE(m_dialogs.texts(), (QStringList{"システムフォルダが作れませんでした。",
                                             "ユーザーテーブルフォルダが作れませんでした。",
                                             "欧文　単語帳フォルダが作れませんでした。",
                                             "欧文　辞書フォルダが作れませんでした。",
                                             "ユーザーテキストフォルダが作れませんでした。"}));
    for (const FakeDialogs::Shown &s : m_dialogs.shown)
        QCOMPARE(s.kind, FakeDialogs::Kind::Warning);
    QCOMPARE(readFile(m_folders.DataRoot), QByteArray("in the way"));
}

void tst_Folders::firstStartCopiesEverything()
{
    installProgramFiles();
    CreateFolders(m_folders, m_dialogs);
    QVERIFY(IsFirstStartOfVersion(m_folders));
    QVERIFY(RunFirstStartCopy(m_folders, Settings(), nullptr));
    QCOMPARE(readFile(m_folders.SysFolder + "/Leaf200.txt"), QByteArray("AKN\r\n"));
    QCOMPARE(readFile(m_folders.SysFolder + "/GroupName.txt"), QByteArray("installed groups\r\n"));
    QCOMPARE(readFile(m_folders.UserTableFolder + "/DBVelmor.csv"), QByteArray("installed db\r\n"));
    QVERIFY(!QFileInfo::exists(m_folders.UserTableFolder + "/not-a-file"));
    for (const QString &name : SampleFolderNames())
        QCOMPARE(readFile(m_folders.documentsFolder(name) + "/" + name + ".utx"), name.toUtf8());
    QVERIFY(QDir(m_folders.documentsFolder("EnglishG")).isEmpty());
    QVERIFY(!IsFirstStartOfVersion(m_folders));
}

void tst_Folders::secondStartCopiesNothing()
{
    installProgramFiles();
    CreateFolders(m_folders, m_dialogs);
    QVERIFY(RunFirstStartCopy(m_folders, Settings(), nullptr));
    writeFile(m_folders.SysFolder + "/GroupName.txt", "edited");
    QVERIFY(!IsFirstStartOfVersion(m_folders));
    // Deleting the marker brings the copy back: system files are replaced, samples kept.
    writeFile(m_folders.documentsFolder("bookA") + "/bookA.utx", "user's words");
    QFile::remove(VersionMarkerPath(m_folders));
    QVERIFY(IsFirstStartOfVersion(m_folders));
    QVERIFY(RunFirstStartCopy(m_folders, Settings(), nullptr));
    QCOMPARE(readFile(m_folders.SysFolder + "/GroupName.txt"), QByteArray("installed groups\r\n"));
    QCOMPARE(readFile(m_folders.documentsFolder("bookA") + "/bookA.utx"),
             QByteArray("user's words"));
}

void tst_Folders::keepsEditedTablesWithoutTblOWFlg()
{
    installProgramFiles();
    CreateFolders(m_folders, m_dialogs);
    writeFile(m_folders.UserTableFolder + "/DBVelmor.csv", "my edits");
    Settings s;
    s.TblOWFlg = false;
    QVERIFY(RunFirstStartCopy(m_folders, s, nullptr));
    QCOMPARE(readFile(m_folders.UserTableFolder + "/DBVelmor.csv"), QByteArray("my edits"));
    QCOMPARE(readFile(m_folders.UserTableFolder + "/CandVelmor.csv"),
             QByteArray("installed cand\r\n"));

    QFile::remove(VersionMarkerPath(m_folders));
    s.TblOWFlg = true;
    QVERIFY(RunFirstStartCopy(m_folders, s, nullptr));
    QCOMPARE(readFile(m_folders.UserTableFolder + "/DBVelmor.csv"), QByteArray("installed db\r\n"));
}

void tst_Folders::noSampleFlgSkipsSamples()
{
    installProgramFiles();
    CreateFolders(m_folders, m_dialogs);
    Settings s;
    s.NoSampleFlg = true;
    QVERIFY(RunFirstStartCopy(m_folders, s, nullptr));
    for (const QString &name : SampleFolderNames())
        QVERIFY(QDir(m_folders.documentsFolder(name)).isEmpty());
    QVERIFY(QFileInfo::exists(m_folders.SysFolder + "/GroupName.txt"));
    QVERIFY(QFileInfo::exists(m_folders.UserTableFolder + "/DBVelmor.csv"));
}

void tst_Folders::missingProgramFolderStillWritesMarker()
{
    CreateFolders(m_folders, m_dialogs);
    QVERIFY(RunFirstStartCopy(m_folders, Settings(), nullptr));
    QVERIFY(!IsFirstStartOfVersion(m_folders));
    QVERIFY(QDir(m_folders.UserTableFolder).isEmpty());
}

void tst_Folders::copyAsksBeforeOverwriting()
{
    const QString from = m_dir->filePath("from"), to = m_dir->filePath("to");
    writeFile(from + "/a.csv", "new a");
    writeFile(from + "/b.csv", "new b");
    writeFile(from + "/c.csv", "new c");
    writeFile(to + "/a.csv", "old a");
    writeFile(to + "/b.csv", "old b");
    m_dialogs.confirmAnswers << true << false;
    QCOMPARE(CopyFolderFiles(from, to, true, false, &m_dialogs), 2);
    QCOMPARE(m_dialogs.texts(), (QStringList{"\"a.csv\"を上書きしますが、よろしいですか？",
                                             "\"b.csv\"を上書きしますが、よろしいですか？"}));
    QCOMPARE(readFile(to + "/a.csv"), QByteArray("new a"));
    QCOMPARE(readFile(to + "/b.csv"), QByteArray("old b"));
    QCOMPARE(readFile(to + "/c.csv"), QByteArray("new c"));
}

void tst_Folders::copyCountsRefusedCopies()
{
    const QString from = m_dir->filePath("from"), to = m_dir->filePath("to");
    writeFile(from + "/a.csv", "new a");
    writeFile(from + "/b.csv", "new b");
    writeFile(to + "/a.csv", "old a");
    QCOMPARE(CopyFolderFiles(from, to, false, true, nullptr), 2);
    QCOMPARE(readFile(to + "/a.csv"), QByteArray("old a"));
    QCOMPARE(readFile(to + "/b.csv"), QByteArray("new b"));
    QCOMPARE(CopyFolderFiles(from, m_dir->filePath("absent"), false, false, nullptr), 0);
    QCOMPARE(CopyFolderFiles(m_dir->filePath("absent"), to, false, false, nullptr), 0);
}

QTEST_APPLESS_MAIN(tst_Folders)
#include "tst_folders.moc"
