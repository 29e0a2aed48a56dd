#include "filetrash.h"
#include "folders.h"
#include "textfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

class tst_SaveLeftovers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void leftoverNames_data();
    void leftoverNames();
    void killedSavesLeaveWholeBooksAndNoTemporary();

private:
    QStringList leftoversIn(const QString &folder) const;

    QTemporaryDir m_dir;
    AppFolders m_folders;
    const QStringList m_suffixes{"utx", "csv", "txt", "rng", "rtf", "htm", "html"};
};

void tst_SaveLeftovers::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // The trash lives in the data home: keep it inside the test folder.
    qputenv("HOME", m_dir.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_dir.filePath("home/.local/share").toLocal8Bit());
    m_folders.SysFolder = m_dir.filePath("data/Sys");
    m_folders.UserTableFolder = m_dir.filePath("data/Tbl");
    m_folders.DocumentsRoot = m_dir.filePath("docs");
    for (const QString &f : {m_folders.SysFolder, m_folders.UserTableFolder,
                             m_folders.DocumentsRoot + "/bookA", m_folders.DocumentsRoot + "/usr"})
        QVERIFY(QDir().mkpath(f));
}

QStringList tst_SaveLeftovers::leftoversIn(const QString &folder) const
{
    QStringList found;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        if (IsSaveLeftoverName(name, m_suffixes))
            found.append(name);
    return found;
}

void tst_SaveLeftovers::leftoverNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("leftover");
    QTest::newRow("book") << "book.utx.a1B2c3" << true;
    QTest::newRow("settings") << "VelmorUC.rng.XyZ012" << true;
    QTest::newRow("table upper case") << "DBVELMOR.CSV.abcdef" << true;
    QTest::newRow("japanese name") << "旅行の単語.utx.Q9w8E7" << true;
    QTest::newRow("the book itself") << "book.utx" << false;
    QTest::newRow("five characters") << "book.utx.a1B2c" << false;
    QTest::newRow("seven characters") << "book.utx.a1B2c3d" << false;
    QTest::newRow("not letters") << "book.utx.a1-2c3" << false;
    QTest::newRow("foreign suffix") << "photo.jpg.a1B2c3" << false;
    QTest::newRow("voice file") << "hello.wav.a1B2c3" << false;
    QTest::newRow("no name before suffix") << ".utx.a1B2c3" << false;
}

void tst_SaveLeftovers::leftoverNames()
{
    QFETCH(QString, name);
    QFETCH(bool, leftover);
    QCOMPARE(IsSaveLeftoverName(name, m_suffixes), leftover);
}

void tst_SaveLeftovers::killedSavesLeaveWholeBooksAndNoTemporary()
{
    // Books small enough that 50 rounds take a few seconds, large enough that a kill
    // often lands in the middle of a write.
    constexpr int Lines = 3000;
    const QString helper = QCoreApplication::applicationDirPath() + "/text_savelooper";
    QVERIFY2(QFileInfo::exists(helper), qPrintable(helper));
    QByteArray a, b;
    {
        QStringList la, lb;
        for (int i = 0; i < Lines; ++i) {
            la.append(QString("alpha line %1 é").arg(i));
            lb.append(QString("beta line %1 ə").arg(i));
        }
        a = EncodeUnicodeLines(la);
        b = EncodeUnicodeLines(lb);
    }
    const QString bookFolder = m_folders.DocumentsRoot + "/bookA";
    const QStringList books{bookFolder + "/one.utx", bookFolder + "/two.utx",
                            m_folders.SysFolder + "/GroupName.txt"};
    QElapsedTimer clock;
    clock.start();
    QRandomGenerator rng(18);
    int leftoversSeen = 0;
    for (int round = 0; round < 50; ++round) {
        QProcess child;
        child.start(helper, QStringList{"-n", QString::number(Lines)} + books);
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(10000)); // every file written once
        QTest::qWait(int(rng.bounded(6)));
        child.kill();
        QVERIFY(child.waitForFinished());
        for (const QString &book : books) {
            QFile file(book);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY2(bytes == a || bytes == b,
                     qPrintable(QString("round %1: %2 has %3 bytes").arg(round).arg(book).arg(bytes.size())));
        }
        leftoversSeen = qMax(leftoversSeen, int(leftoversIn(bookFolder).size() +
                                               leftoversIn(m_folders.SysFolder).size()));
    }
    const qint64 killing = clock.elapsed();

    // What a kill during the last step of a save leaves, whether or not this run hit it.
    WriteFileBytes(bookFolder + "/one.utx.Kx7Qp2", b.first(b.size() / 2));
    WriteFileBytes(m_folders.UserTableFolder + "/CandAll.csv.zz99AA", "9,\"0061\"");
    WriteFileBytes(bookFolder + "/keep.wav.a1B2c3", "RIFF");

    const QString notice = DiscardLeftoversAtStart(m_folders, {});
    QVERIFY2(notice.contains("ごみ箱"), qPrintable(notice));
    for (const QString &folder : {bookFolder, m_folders.SysFolder, m_folders.UserTableFolder})
        QVERIFY2(leftoversIn(folder).isEmpty(), qPrintable(leftoversIn(folder).join(' ')));
    QVERIFY(QFileInfo::exists(bookFolder + "/keep.wav.a1B2c3"));
    for (const QString &book : books)
        QVERIFY(QFileInfo::exists(book));
    // A second start finds nothing and says nothing.
    QCOMPARE(DiscardLeftoversAtStart(m_folders, {}), QString());
    qInfo("50 kills in %lld ms; at most %d temporary files left by one", killing, leftoversSeen);
}

QTEST_GUILESS_MAIN(tst_SaveLeftovers)
#include "tst_saveleftovers.moc"
