#include <QFile>
#include <QTest>

#include "mainfrmfixture.h"

namespace {

QByteArray utf16le(const QString &text)
{
    QByteArray out("\xFF\xFE", 2);
    for (const QChar c : text) {
        out.append(char(c.unicode() & 0xFF));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class tst_PadFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveAsWritesUtf16WithCrLf_data();
    void saveAsWritesUtf16WithCrLf();
    void openThenSaveRoundTripsBytes_data();
    void openThenSaveRoundTripsBytes();
    void saveWithNoCurrentFileAsksForAName();
    void saveWithVanishedFileAsksForAName();
    void saveOverwritesCurrentFile();
    void dialogFolderFollowsLastFile();
    void defaultExtension();
    void cancelledDialogsChangeNothing();
    void openWithoutMarkReadsUtf16();
    void failedWriteIsReportedWithTheName();
    void unreadableFileIsNotRemembered();
    void oddByteCountDoesNotCrash();
};

void tst_PadFiles::saveAsWritesUtf16WithCrLf_data()
{
    QTest::addColumn<QString>("pad");
    QTest::addColumn<QString>("file");
    QTest::newRow("two lines") << QStringLiteral("café\nnaïve")
                               << QStringLiteral("café\r\nnaïve\r\n");
    QTest::newRow("ipa") << QStringLiteral("ˈfəʊtəʊ") << QStringLiteral("ˈfəʊtəʊ\r\n");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("empty last line") << QStringLiteral("a\n\n") << QStringLiteral("a\r\n\r\n");
    QTest::newRow("no-break space kept")
        << QStringLiteral("a\u00A0b") << QStringLiteral("a\u00A0b\r\n");
    QTest::newRow("surrogates") << QStringLiteral("😀") << QStringLiteral("😀\r\n");
}

void tst_PadFiles::saveAsWritesUtf16WithCrLf()
{
    QFETCH(QString, pad);
    QFETCH(QString, file);
    MainFrmFixture f;
    auto w = f.create();
    const QString path = f.folders.UserTextFolder + QStringLiteral("/pad.txt");
    f.dialogs.fileAnswers.enqueue(path);
    w->Memo1->setPlainText(pad);
    w->SavePadTextAs();
    QCOMPARE(fileBytes(path), utf16le(file));
    QCOMPARE(w->padFileName(), path);
}

void tst_PadFiles::openThenSaveRoundTripsBytes_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("lines") << QStringLiteral("Größe\r\nçà\r\nʃ\r\n");
    QTest::newRow("blank lines") << QStringLiteral("a\r\n\r\n\r\nb\r\n");
    QTest::newRow("nbsp and ideographic blank") << QStringLiteral("x\u00A0y\u3000z\r\n");
}

void tst_PadFiles::openThenSaveRoundTripsBytes()
{
    QFETCH(QString, file);
    MainFrmFixture f;
    auto w = f.create();
    const QString path = f.folders.UserTextFolder + QStringLiteral("/in.txt");
    QVERIFY(WriteFileBytes(path, utf16le(file)).ok);
    f.dialogs.fileAnswers.enqueue(path);
    w->OpenPadText();
    QCOMPARE(w->padFileName(), path);
    QString expected = file;
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(w->padText(), expected);
    QVERIFY(QFile::remove(path));
    QVERIFY(QFile::copy(QFINDTESTDATA("mainfrmfixture.h"), path)); // something else there
    w->SavePadText();
    QCOMPARE(fileBytes(path), utf16le(file));
    QCOMPARE(f.dialogs.shown.size(), 1); // only the open dialog
}

void tst_PadFiles::saveWithNoCurrentFileAsksForAName()
{
    MainFrmFixture f;
    auto w = f.create();
    w->Memo1->setPlainText(QStringLiteral("text"));
    w->FileSave->trigger();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].kind, FakeDialogs::Kind::SaveFile);
    QVERIFY(w->padFileName().isEmpty()); // cancelled
}

void tst_PadFiles::saveWithVanishedFileAsksForAName()
{
    MainFrmFixture f;
    auto w = f.create();
    const QString first = f.folders.UserTextFolder + QStringLiteral("/a.txt");
    const QString second = f.folders.UserTextFolder + QStringLiteral("/b.txt");
    f.dialogs.fileAnswers.enqueue(first);
    w->SavePadTextAs();
    QVERIFY(QFile::remove(first));
    f.dialogs.fileAnswers.enqueue(second);
    w->Memo1->setPlainText(QStringLiteral("x"));
    w->SavePadText();
    QCOMPARE(f.dialogs.shown.last().kind, FakeDialogs::Kind::SaveFile);
    QCOMPARE(fileBytes(second), utf16le(QStringLiteral("x\r\n")));
    QVERIFY(!QFile::exists(first));
}

void tst_PadFiles::saveOverwritesCurrentFile()
{
    MainFrmFixture f;
    auto w = f.create();
    const QString path = f.folders.UserTextFolder + QStringLiteral("/a.txt");
    f.dialogs.fileAnswers.enqueue(path);
    w->Memo1->setPlainText(QStringLiteral("one"));
    w->SavePadTextAs();
    w->Memo1->setPlainText(QStringLiteral("two"));
    w->SavePadText();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(fileBytes(path), utf16le(QStringLiteral("two\r\n")));
}

void tst_PadFiles::dialogFolderFollowsLastFile()
{
    MainFrmFixture f;
    auto w = f.create();
    QCOMPARE(w->padDialogFolder(), f.folders.UserTextFolder);
    const QString other = f.home.path(QStringLiteral("elsewhere"));
    QDir().mkpath(other);
    f.dialogs.fileAnswers.enqueue(other + QStringLiteral("/note.txt"));
    w->SavePadTextAs();
    QCOMPARE(w->padDialogFolder(), other);
}

void tst_PadFiles::defaultExtension()
{
    MainFrmFixture f;
    auto w = f.create();
    const QString base = f.folders.UserTextFolder + QStringLiteral("/memo");
    f.dialogs.fileAnswers.enqueue(base);
    w->Memo1->setPlainText(QStringLiteral("m"));
    w->SavePadTextAs();
    QVERIFY(QFile::exists(base + QStringLiteral(".txt")));
    QCOMPARE(w->padFileName(), base + QStringLiteral(".txt"));
}

void tst_PadFiles::cancelledDialogsChangeNothing()
{
    MainFrmFixture f;
    auto w = f.create();
    w->Memo1->setPlainText(QStringLiteral("keep"));
    w->OpenPadText();
    w->SavePadTextAs();
    QCOMPARE(w->padText(), QStringLiteral("keep"));
    QVERIFY(w->padFileName().isEmpty());
    QCOMPARE(w->padDialogFolder(), f.folders.UserTextFolder);
    QCOMPARE(QDir(f.folders.UserTextFolder).entryList(QDir::Files), QStringList());
}

void tst_PadFiles::openWithoutMarkReadsUtf16()
{
    MainFrmFixture f;
    auto w = f.create();
    const QString path = f.folders.UserTextFolder + QStringLiteral("/nomark.txt");
    QVERIFY(WriteFileBytes(path, utf16le(QStringLiteral("ab\r\nc")).mid(2)).ok);
    f.dialogs.fileAnswers.enqueue(path);
    w->OpenPadText();
    QCOMPARE(w->padText(), QStringLiteral("ab\nc"));
}

void tst_PadFiles::failedWriteIsReportedWithTheName()
{
    MainFrmFixture f;
    auto w = f.create();
    const QString path = f.home.path(QStringLiteral("missing/folder/x.txt"));
    f.dialogs.fileAnswers.enqueue(path);
    w->Memo1->setPlainText(QStringLiteral("x"));
    w->SavePadTextAs();
    QCOMPARE(f.dialogs.shown.last().kind, FakeDialogs::Kind::Warning);
    QVERIFY(f.dialogs.shown.last().text.contains(QStringLiteral("x.txt")));
}

void tst_PadFiles::unreadableFileIsNotRemembered()
{
    MainFrmFixture f;
    auto w = f.create();
    const QString saved = f.folders.UserTextFolder + QStringLiteral("/mine.txt");
    f.dialogs.fileAnswers.enqueue(saved);
    w->Memo1->setPlainText(QStringLiteral("mine"));
    w->SavePadTextAs();
    // A folder cannot be read as a file.
    const QString folder = f.home.path(QStringLiteral("Documents"));
    f.dialogs.fileAnswers.enqueue(folder);
    w->OpenPadText();
    QCOMPARE(f.dialogs.shown.last().kind, FakeDialogs::Kind::Warning);
    QCOMPARE(w->padFileName(), saved);
    QCOMPARE(w->padText(), QStringLiteral("mine"));
}

void tst_PadFiles::oddByteCountDoesNotCrash()
{
    MainFrmFixture f;
    auto w = f.create();
    const QString path = f.folders.UserTextFolder + QStringLiteral("/odd.txt");
    QVERIFY(WriteFileBytes(path, QByteArray("\xFF\xFE" "a\0b\0c", 7)).ok);
    f.dialogs.fileAnswers.enqueue(path);
    w->OpenPadText();
    QVERIFY(w->padText().startsWith(QStringLiteral("ab")));
}

QTEST_MAIN(tst_PadFiles)
#include "tst_padfiles.moc"
