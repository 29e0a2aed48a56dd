#include "textfile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

class tst_TextFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data();
    void decode();
    void splitLines_data();
    void splitLines();
    void tableNulEndsText();
    void ansiWriteIsExact();
    void ansiFallsBackToUtf8_data();
    void ansiFallsBackToUtf8();
    void unicodeWriteIsExact();
    void unicodeRoundTripKeepsLoneSurrogates();
    void oddByteCountDoesNotCrash();
    void emptyFiles_data();
    void emptyFiles();
    void ansiKeepsLoneSurrogates();
    void failedWriteKeepsOldFileAndNamesIt();
    void missingFileIsReportedByName();
    void systemErrorsGetJapaneseReasons_data();
    void systemErrorsGetJapaneseReasons();
    void killDuringSaveLeavesWholeFile();

private:
    QTemporaryDir m_dir;
};

void tst_TextFile::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("encoding");

    const int ansi = int(TextFileKind::Ansi), unicode = int(TextFileKind::Unicode);
    QTest::newRow("utf16le mark") << QByteArray("\xFF\xFE" "a\0\xE9\0", 6) << ansi
                                  << QString("aé") << int(TextEncoding::Utf16LE);
    QTest::newRow("utf16be mark") << QByteArray("\xFE\xFF\0a\0\xE9", 6) << ansi
                                  << QString("aé") << int(TextEncoding::Utf16BE);
    QTest::newRow("utf8 mark") << QByteArray("\xEF\xBB\xBF\xC3\xA9") << ansi << QString("é")
                               << int(TextEncoding::Utf8);
    QTest::newRow("cp932") << QByteArray("\x89\xA2\x81\x40\x95\xB6") << ansi
                           << QString("欧　文") << int(TextEncoding::Ansi);
    QTest::newRow("cp932 half-width kana") << QByteArray("\xCE\xDF\xD9\xC4") << ansi
                                           << QString("ﾎﾟﾙﾄ") << int(TextEncoding::Ansi);
    QTest::newRow("unicode without mark") << QByteArray("a\0b\0", 4) << unicode << QString("ab")
                                          << int(TextEncoding::Utf16LE);
    QTest::newRow("unicode with utf8 mark") << QByteArray("\xEF\xBB\xBFx") << unicode
                                            << QString("x") << int(TextEncoding::Utf8);
    // FF FE is tried before anything else, even for a file that could be UTF-8.
    QTest::newRow("ff fe first") << QByteArray("\xFF\xFE\xEF\xBB", 4) << ansi
                                 << QString(QChar(0xBBEF)) << int(TextEncoding::Utf16LE);
    QTest::newRow("empty") << QByteArray() << ansi << QString() << int(TextEncoding::Ansi);
    // Only the first mark is a mark; a second one is the character U+FEFF.
    QTest::newRow("two utf8 marks") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx") << ansi
                                    << QString(QChar(0xFEFF)) + "x" << int(TextEncoding::Utf8);
    QTest::newRow("two utf16 marks") << QByteArray("\xFF\xFE\xFF\xFEx\0", 6) << ansi
                                     << QString(QChar(0xFEFF)) + "x" << int(TextEncoding::Utf16LE);
    QTest::newRow("utf8 mark only") << QByteArray("\xEF\xBB\xBF") << ansi << QString()
                                    << int(TextEncoding::Utf8);
}

void tst_TextFile::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(int, encoding);
    TextEncoding found;
    QCOMPARE(DecodeText(bytes, TextFileKind(kind), &found), text);
    QCOMPARE(int(found), encoding);
}

void tst_TextFile::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << QString("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lf") << QString("a\nb") << QStringList{"a", "b"};
    QTest::newRow("cr") << QString("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("mixed") << QString("a\r\n\nb\r\rc") << QStringList{"a", "", "b", "", "c"};
    QTest::newRow("lf cr is two breaks") << QString("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("only break") << QString("\r\n") << QStringList{""};
    QTest::newRow("empty") << QString() << QStringList{};
    QTest::newRow("no final break") << QString("x") << QStringList{"x"};
}

void tst_TextFile::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(SplitTextLines(text), lines);
}

void tst_TextFile::tableNulEndsText()
{
    const QByteArray bytes("A,B\r\nC\0D\r\nE", 11);
    QCOMPARE(SplitTextLines(DecodeText(bytes, TextFileKind::Table)), (QStringList{"A,B", "C"}));
    QCOMPARE(SplitTextLines(DecodeText(bytes, TextFileKind::Ansi)).size(), 3);
}

void tst_TextFile::ansiWriteIsExact()
{
    const QString path = m_dir.filePath("ansi.txt");
    QVERIFY(WriteAnsiFile(path, {"SelectLang,\"英　語\"", "ﾎﾟﾙﾄｶﾞﾙ語", ""}).ok);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("SelectLang,\"\x89\x70\x81\x40\x8C\xEA\"\r\n"
                                        "\xCE\xDF\xD9\xC4\xB6\xDE\xD9\x8C\xEA\r\n\r\n"));
    const TextReadResult back = ReadTextFile(path, TextFileKind::Ansi);
    QVERIFY(back.ok);
    QCOMPARE(back.encoding, TextEncoding::Ansi);
    QCOMPARE(back.lines, (QStringList{"SelectLang,\"英　語\"", "ﾎﾟﾙﾄｶﾞﾙ語", ""}));
}

void tst_TextFile::ansiFallsBackToUtf8_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("latin accent") << QString("Café");
    QTest::newRow("ipa schwa") << QString("ə group");
    QTest::newRow("wave dash look-alike") << QString("〜");
    QTest::newRow("emoji") << QString("😀");
}

void tst_TextFile::ansiFallsBackToUtf8()
{
    QFETCH(QString, line);
    const QStringList lines{"あいさつ", line};
    TextEncoding used;
    const QByteArray bytes = EncodeAnsiLines(lines, &used);
    QCOMPARE(used, TextEncoding::Utf8);
    QCOMPARE(bytes, QByteArray("\xEF\xBB\xBF") + (lines.join("\r\n") + "\r\n").toUtf8());
    // Every reader gives back exactly what was written.
    QCOMPARE(SplitTextLines(DecodeText(bytes, TextFileKind::Ansi)), lines);
}

void tst_TextFile::unicodeWriteIsExact()
{
    const QString path = m_dir.filePath("book.utx");
    QVERIFY(WriteUnicodeFile(path, {"aé", ""}).ok);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\xFF\xFE" "a\0\xE9\0\r\0\n\0\r\0\n\0", 14));
}

void tst_TextFile::unicodeRoundTripKeepsLoneSurrogates()
{
    const QString path = m_dir.filePath("surrogate.utx");
    const QString odd = QString("x") + QChar(0xD800) + "y" + QChar(0xDC00);
    QVERIFY(WriteUnicodeFile(path, {odd, "😀"}).ok);
    const TextReadResult back = ReadTextFile(path, TextFileKind::Unicode);
    QVERIFY(back.ok);
    QCOMPARE(back.lines, (QStringList{odd, "😀"}));
}

void tst_TextFile::oddByteCountDoesNotCrash()
{
    // A last byte without its partner is dropped: it is no character the user typed.
    QCOMPARE(DecodeText(QByteArray("\xFF\xFE" "a\0b", 5), TextFileKind::Unicode), QString("a"));
    QCOMPARE(DecodeText(QByteArray("\xFE\xFF\0a\0", 5), TextFileKind::Unicode), QString("a"));
    QCOMPARE(DecodeText(QByteArray("\xFF"), TextFileKind::Unicode), QString());
    QVERIFY(!DecodeText(QByteArray("\x81\xFF\xA0\x80"), TextFileKind::Ansi).isNull());

    const QString path = m_dir.filePath("odd.utx");
    const QByteArray whole = EncodeUnicodeLines({"one", "two"});
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(whole + 'x');
    file.close();
    const TextReadResult read = ReadTextFile(path, TextFileKind::Unicode);
    QCOMPARE(read.lines, (QStringList{"one", "two"}));
    QCOMPARE(EncodeUnicodeLines(read.lines), whole);
}

void tst_TextFile::emptyFiles_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("ansi") << int(TextFileKind::Ansi);
    QTest::newRow("table") << int(TextFileKind::Table);
    QTest::newRow("unicode") << int(TextFileKind::Unicode);
}

void tst_TextFile::emptyFiles()
{
    QFETCH(int, kind);
    const QString path = m_dir.filePath("empty.txt");
    QVERIFY(WriteFileBytes(path, QByteArrayView()).ok);
    const TextReadResult read = ReadTextFile(path, TextFileKind(kind));
    QVERIFY(read.ok);
    QVERIFY(read.lines.isEmpty());
    QString text;
    QVERIFY(ReadWholeText(path, TextFileKind(kind), &text).ok);
    QVERIFY(text.isEmpty());
    QCOMPARE(EncodeUnicodeLines({""}), QByteArray("\xFF\xFE\r\0\n\0", 6));
}

void tst_TextFile::ansiKeepsLoneSurrogates()
{
    // UTF-8 cannot carry them, so the file becomes UTF-16 with its mark.
    const QStringList lines{"Group,1,\"x" + QString(QChar(0xD800)) + "\"", QString(QChar(0xDFFF)),
                            "😀"};
    TextEncoding used;
    const QByteArray bytes = EncodeAnsiLines(lines, &used);
    QCOMPARE(used, TextEncoding::Utf16LE);
    QVERIFY(bytes.startsWith("\xFF\xFE"));
    QCOMPARE(SplitTextLines(DecodeText(bytes, TextFileKind::Ansi)), lines);
    QCOMPARE(SplitTextLines(DecodeText(bytes, TextFileKind::Table)), lines);
}

void tst_TextFile::failedWriteKeepsOldFileAndNamesIt()
{
    const QString folder = m_dir.filePath("locked");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + "/keep.txt";
    QVERIFY(WriteAnsiFile(path, {"old"}).ok);
    // Root ignores permissions, but not the immutable attribute.
    const bool immutable = QProcess::execute("chattr", {"+i", folder}) == 0;
    if (!immutable)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    const WriteResult result = WriteAnsiFile(path, {"new"});
    if (immutable)
        QProcess::execute("chattr", {"-i", folder});
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (result.ok)
        QSKIP("this file system lets every write through");
    QVERIFY2(result.errorMessage.contains(path), qPrintable(result.errorMessage));
    QVERIFY2(result.errorMessage.contains(QStringLiteral("アクセスが許可されていません。")),
             qPrintable(result.errorMessage));
    QCOMPARE(ReadTextFile(path, TextFileKind::Ansi).lines, QStringList{"old"});
}

void tst_TextFile::missingFileIsReportedByName()
{
    const QString path = m_dir.filePath("nothing-here.txt");
    const TextReadResult result = ReadTextFile(path, TextFileKind::Ansi);
    QVERIFY(!result.ok);
    QVERIFY(result.errorMessage.contains(path));
    QVERIFY2(result.errorMessage.contains(QStringLiteral("ファイルまたはフォルダがありません。")),
             qPrintable(result.errorMessage));
}

void tst_TextFile::systemErrorsGetJapaneseReasons_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("reason");
    const auto row = [](int code, const char *reason) {
        const QString system = QString::fromLocal8Bit(std::strerror(code));
        QTest::newRow(qPrintable(system)) << system << QString::fromUtf8(reason);
    };
    row(EPERM, "アクセスが許可されていません。");
    row(EACCES, "アクセスが許可されていません。");
    row(ENOSPC, "ディスクの空き容量が足りません。");
    row(ENOENT, "ファイルまたはフォルダがありません。");
    row(EROFS, "読み取り専用のファイルシステムです。");
    QTest::newRow("Qt's text") << "QSaveFile: Permission denied" << "アクセスが許可されていません。";
    QTest::newRow("unknown kept alone") << "Device or resource busy" << QString();
}

void tst_TextFile::systemErrorsGetJapaneseReasons()
{
    QFETCH(QString, system);
    QFETCH(QString, reason);
    const QString text = SystemErrorText(system);
    if (reason.isEmpty())
        QCOMPARE(text, system);
    else
        QCOMPARE(text, reason + QStringLiteral("（") + system + QStringLiteral("）"));
}

void tst_TextFile::killDuringSaveLeavesWholeFile()
{
    // A child process saves two different large texts in turn; it is killed in the
    // middle, and the file must then be one of the two, never a mix or a stub.
    const QString path = m_dir.filePath("kill.utx");
    const QString helper = QCoreApplication::applicationDirPath() + "/text_savelooper";
    QVERIFY2(QFileInfo::exists(helper), qPrintable(helper));
    QByteArray a, b;
    {
        QStringList la, lb;
        for (int i = 0; i < 20000; ++i) {
            la.append(QString("alpha line %1 é").arg(i));
            lb.append(QString("beta line %1 ə").arg(i));
        }
        a = EncodeUnicodeLines(la);
        b = EncodeUnicodeLines(lb);
    }
    for (int round = 0; round < 5; ++round) {
        QProcess child;
        child.start(helper, {path});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(10000)); // first save done
        QTest::qWait(30 + 17 * round);
        child.kill();
        child.waitForFinished();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes == a || bytes == b, qPrintable(QString("round %1: %2 bytes").arg(round).arg(bytes.size())));
    }
}

QTEST_GUILESS_MAIN(tst_TextFile)
#include "tst_textfile.moc"
