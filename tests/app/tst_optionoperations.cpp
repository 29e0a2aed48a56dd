#include <QDir>
#include <QFile>
#include <QTest>

#include "fakedialogs.h"
#include "fakeplatform.h"
#include "folders.h"
#include "optionoperations.h"
#include "testhome.h"

namespace {

void put(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class tst_OptionOperations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_home.reset(); }
    void removeSamples_data();
    void removeSamples();
    void restoreAsksForExistingFiles();
    void resetCustomisation_data();
    void resetCustomisation();
    void updateTablesKeepsEditsInTrash();

private:
    std::unique_ptr<TestHome> m_home;
    AppFolders f;
    FakeDialogs dialogs;
};

void tst_OptionOperations::init()
{
    m_home = std::make_unique<TestHome>();
    FakeFolderRoots roots;
    roots.programFiles = m_home->path("programs");
    roots.appData = m_home->path("appdata");
    roots.documents = m_home->path("Documents");
    f = ResolveFolders(roots);
    CreateFolders(f, dialogs);
    dialogs.shown.clear();
    // Installed samples in two folders; the user has both, one of them changed, and a
    // book of their own.
    put(f.ProgramFolder + "/bookA/a.utx", "A");
    put(f.ProgramFolder + "/bookA/a.wav", "W");
    put(f.ProgramFolder + "/FrenchA/f.utx", "F");
    put(f.documentsFolder("bookA") + "/a.utx", "A");
    put(f.documentsFolder("bookA") + "/a.wav", "W");
    put(f.documentsFolder("bookA") + "/mine.utx", "M");
    put(f.documentsFolder("FrenchA") + "/f.utx", "F plus the user's words");
}

void tst_OptionOperations::removeSamples_data()
{
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QStringList>("left"); // in the documents root afterwards
    QTest::addColumn<QStringList>("kept");

    QTest::newRow("all No") << QList<bool>{false, false}
                            << QStringList{"bookA/a.utx", "bookA/a.wav", "bookA/mine.utx",
                                           "FrenchA/f.utx"}
                            << QStringList{};
    QTest::newRow("all Yes") << QList<bool>{true, true}
                             << QStringList{"bookA/mine.utx", "FrenchA/f.utx"}
                             << QStringList{"FrenchA/f.utx"};
}

void tst_OptionOperations::removeSamples()
{
    QFETCH(QList<bool>, answers);
    QFETCH(QStringList, left);
    QFETCH(QStringList, kept);
    for (bool a : answers)
        dialogs.confirmAnswers.enqueue(a);
    int rescans = 0;
    const SampleRemoval r = RemoveSampleBooks(f, dialogs, [&] { ++rescans; });

    QCOMPARE(rescans, 2); // only the folders that have installed samples
    QCOMPARE(dialogs.shown.size(), 3);
    QCOMPARE(dialogs.shown[0].text, SampleRemovalQuestion(2));
    QCOMPARE(dialogs.shown[1].text, SampleRemovalQuestion(1));
    QCOMPARE(dialogs.shown[2].kind, FakeDialogs::Kind::Information);
    QVERIFY(dialogs.shown[2].text.startsWith(
        "カレントの単語帳フォルダからサンプルファイルを削除しました。いつでも復活は可能です。"));
    QCOMPARE(r.kept, kept);
    for (const QString &k : kept)
        QVERIFY(dialogs.shown[2].text.contains(k));
    for (const char *name : {"bookA/a.utx", "bookA/a.wav", "bookA/mine.utx", "FrenchA/f.utx"}) {
        const QString file = QString::fromLatin1(name);
        QCOMPARE(QFile::exists(f.DocumentsRoot + u'/' + file), left.contains(file));
        // What was removed can be taken back from the trash.
        QCOMPARE(QFile::exists(m_home->path("appdata/Trash/files/") + file.section(u'/', 1)),
                 !left.contains(file));
    }
}

void tst_OptionOperations::restoreAsksForExistingFiles()
{
    QFile::remove(f.documentsFolder("bookA") + "/a.wav");
    dialogs.confirmAnswers << true << false; // a.utx replaced, f.utx kept
    QCOMPARE(RestoreSampleBooks(f, dialogs, {}), 2);
    QCOMPARE(dialogs.texts(), (QStringList{"\"a.utx\"を上書きしますが、よろしいですか？",
                                           "\"f.utx\"を上書きしますが、よろしいですか？",
                                           "全サンプルファイルを復活しました。"}));
    QCOMPARE(bytesOf(f.documentsFolder("bookA") + "/a.wav"), QByteArray("W"));
    QCOMPARE(bytesOf(f.documentsFolder("FrenchA") + "/f.utx"), QByteArray("F plus the user's words"));
}

void tst_OptionOperations::resetCustomisation_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("Yes") << true << true << true;
    QTest::newRow("No") << true << false << false;
    QTest::newRow("Yes without a file") << false << true << false;
}

void tst_OptionOperations::resetCustomisation()
{
    QFETCH(bool, fileExists);
    QFETCH(bool, answer);
    QFETCH(bool, ends);
    const QString path = f.SysFolder + "/VelmorUC.rng";
    if (fileExists)
        put(path, "TransMode,12\r\n");
    dialogs.confirmAnswers.enqueue(answer);
    QCOMPARE(ResetCustomisation(f, dialogs), ends);
    QCOMPARE(QFile::exists(path), fileExists && !ends);
    QCOMPARE(dialogs.shown.size(), 1); // the question only
}

void tst_OptionOperations::updateTablesKeepsEditsInTrash()
{
    QVERIFY(!UpdateUserTables(f, dialogs)); // no installed tables: nothing, silently
    QVERIFY(dialogs.shown.isEmpty());

    put(f.SystemTableFolder + "/CandAll.csv", "installed");
    put(f.SystemTableFolder + "/DBPhonet.csv", "same");
    put(f.UserTableFolder + "/CandAll.csv", "edited by the user");
    put(f.UserTableFolder + "/DBPhonet.csv", "same");
    QVERIFY(UpdateUserTables(f, dialogs));
    QCOMPARE(dialogs.texts(), QStringList{"テーブルデータが更新されたので、一旦終了します。\n"
                                          "再起動すると新しいテーブルデータが読込まれます。"});
    QCOMPARE(bytesOf(f.UserTableFolder + "/CandAll.csv"), QByteArray("installed"));
    QCOMPARE(bytesOf(m_home->path("appdata/Trash/files/CandAll.csv")),
             QByteArray("edited by the user"));
    QVERIFY(!QFile::exists(m_home->path("appdata/Trash/files/DBPhonet.csv")));
}

QTEST_APPLESS_MAIN(tst_OptionOperations)
#include "tst_optionoperations.moc"
