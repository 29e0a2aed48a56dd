#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "wordbookfile.h"

// Builds the bytes of a word-book file by hand: FF FE, then each line in UTF-16 LE
// followed by CR LF.
static QByteArray utf16File(const QStringList &lines, bool withMark = true)
{
    QByteArray out;
    if (withMark)
        out.append("\xFF\xFE", 2);
    for (const QString &line : lines) {
        for (QChar c : line + QStringLiteral("\r\n")) {
            out.append(char(c.unicode() & 0xFF));
            out.append(char(c.unicode() >> 8));
        }
    }
    return out;
}

static QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

static void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

static WordEntry chat()
{
    return {QStringLiteral("chat"),
            QStringLiteral("ʃa"),
            QStringLiteral("シャ"),
            QStringLiteral("猫"),
            QStringLiteral("first\r\nsecond"),
            QStringLiteral("chat.mp3"),
            QStringLiteral("#FF0000")};
}

class tst_WordBookFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void escape_data();
    void escape();
    void unescape_data();
    void unescape();
    void workedExample();
    void foreignWordOnly();
    void saveBytesExact();
    void roundTrip();
    void emptyFileNameWritesNothing();
    void parseLine_data();
    void parseLine();
    void skippedLinesKeptOnSave();
    void voiceAndColourTakenAsStored();
    void oddCharactersSurviveSaveAndLoad_data();
    void oddCharactersSurviveSaveAndLoad();
    void loadedFieldsAreIndependentStrings();
    void typedEscapeCodesComeBack();
    void loneCrAndLf();
    void headerBreaksBecomeBlanks();
    void threeLineFileIsEmptyBook();
    void twoLineFileIsNotBook();
    void missingFile();
    void withoutByteOrderMark();
    void lineBreakKinds();
    void summaryCountsEveryLine();
    void failedSaveKeepsOldFile();
    void oddByteCountDropsOnlyTheLastByte();
};

void tst_WordBookFile::escape_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("stored");
    QTest::newRow("plain") << "chat"
                           << "chat";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("crlf") << "a\r\nb"
                          << "a#$0Db";
    QTest::newRow("lone cr") << "a\rb"
                             << "a#$0Db";
    QTest::newRow("lone lf dropped") << "a\nb"
                                     << "ab";
    QTest::newRow("quote") << "say \"hi\""
                           << "say #$22hi#$22";
    QTest::newRow("hash kept") << "#1 #$"
                               << "#1 #$";
    QTest::newRow("two breaks") << "\r\n\r\n"
                                << "#$0D#$0D";
    QTest::newRow("comma kept") << "a, b"
                                << "a, b";
    QTest::newRow("ipa and kana") << "ˈɡʊd ｸﾞｯﾄﾞ"
                                  << "ˈɡʊd ｸﾞｯﾄﾞ";
}

void tst_WordBookFile::escape()
{
    QFETCH(QString, field);
    QFETCH(QString, stored);
    QCOMPARE(EscapeField(field), stored);
}

void tst_WordBookFile::unescape_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "chat"
                           << "chat";
    QTest::newRow("cr code") << "a#$0Db"
                             << "a\r\nb";
    QTest::newRow("quote code") << "#$22x#$22"
                                << "\"x\"";
    QTest::newRow("lower case code stays") << "a#$0db"
                                           << "a#$0db";
    QTest::newRow("partial code") << "#$0"
                                  << "#$0";
    QTest::newRow("hash alone") << "#"
                                << "#";
    // CR codes go first: "#$#$0D22" becomes "#$" CR LF "22", not a quote.
    QTest::newRow("order") << "#$#$0D22"
                           << "#$\r\n22";
    QTest::newRow("adjacent") << "#$0D#$22"
                              << "\r\n\"";
}

void tst_WordBookFile::unescape()
{
    QFETCH(QString, stored);
    QFETCH(QString, field);
    QCOMPARE(UnescapeField(stored), field);
}

void tst_WordBookFile::workedExample()
{
    const QString line = WordLine(chat());
    QCOMPARE(line,
             QStringLiteral(
                 "\"chat\",\"ʃa\",\"シャ\",\"猫\",\"first#$0Dsecond\",\"chat.mp3\",\"#FF0000\""));
    QCOMPARE(line.size(), 59);
    WordEntry back;
    QVERIFY(ParseWordLine(line, &back));
    QCOMPARE(back, chat());
}

void tst_WordBookFile::foreignWordOnly()
{
    WordEntry w;
    w.foreignWord = QStringLiteral("Haus");
    QCOMPARE(WordLine(w), QStringLiteral("\"Haus\",\"\",\"\",\"\",\"\",\"\",\"\""));
    WordEntry back;
    QVERIFY(ParseWordLine(WordLine(w), &back));
    QCOMPARE(back, w);
}

void tst_WordBookFile::saveBytesExact()
{
    QTemporaryDir dir;
    WordBook book;
    book.title = QStringLiteral("フランス語の動物");
    book.group = QStringLiteral("名詞");
    book.fileName = QStringLiteral("animaux.utx");
    book.words = {chat()};
    QVERIFY(SaveWordBook(dir.path(), book).ok);
    const QByteArray expected = utf16File(
        {QStringLiteral("フランス語の動物"), QStringLiteral("名詞"), QString(),
         QStringLiteral(
             "\"chat\",\"ʃa\",\"シャ\",\"猫\",\"first#$0Dsecond\",\"chat.mp3\",\"#FF0000\"")});
    QCOMPARE(fileBytes(dir.filePath("animaux.utx")), expected);
    // The line itself: 59 characters, 118 bytes, then CR LF.
    QCOMPARE(expected.size(), 2 + (8 + 2 + 2 + 2 + 0 + 2 + 59 + 2) * 2);
}

void tst_WordBookFile::roundTrip()
{
    QTemporaryDir dir;
    WordBook book;
    book.title = QStringLiteral("Verbs");
    book.group = QStringLiteral("動詞");
    book.voiceFolder = QStringLiteral("/home/u/voices");
    book.fileName = QStringLiteral("Verbs.utx");
    book.words = {chat(),
                  {QStringLiteral("être"), QStringLiteral("ɛtʁ"), QStringLiteral("エートル"),
                   QStringLiteral("～である"), QStringLiteral("不規則動詞"), QString(), QString()},
                  {QStringLiteral("a,b"), QStringLiteral("\"q\""), {}, {}, {}, {}, {}}};
    QVERIFY(SaveWordBook(dir.path(), book).ok);
    const QByteArray first = fileBytes(dir.filePath("Verbs.utx"));

    const WordBookLoadResult loaded = LoadWordBook(dir.path(), QStringLiteral("Verbs.utx"));
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.book, book);
    QVERIFY(SaveWordBook(dir.path(), loaded.book).ok);
    QCOMPARE(fileBytes(dir.filePath("Verbs.utx")), first);
}

void tst_WordBookFile::emptyFileNameWritesNothing()
{
    QTemporaryDir dir;
    WordBook book;
    book.title = QStringLiteral("x");
    const WriteResult r = SaveWordBook(dir.path(), book);
    QVERIFY(!r.ok);
    QVERIFY(r.errorMessage.isEmpty());
    QVERIFY(QDir(dir.path()).isEmpty());
}

void tst_WordBookFile::parseLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("isWord");
    QTest::addColumn<QString>("foreignWord");
    QTest::addColumn<QString>("textColour");
    QTest::newRow("saved") << "\"a\",\"\",\"\",\"\",\"\",\"\",\"#00FF00\"" << true << "a"
                           << "#00FF00";
    QTest::newRow("blank before comma") << "\"a\" ,\"\",\"\",\"\",\"\",\"\",\"\"" << true << "a"
                                        << "";
    QTest::newRow("blank after comma") << "\"a\", \"\", \"\",\"\",\"\",\"\",\"\"" << true << "a"
                                       << "";
    QTest::newRow("unquoted fields") << "a,b,c,d,e,f,g" << true << "a"
                                     << "g";
    QTest::newRow("six fields") << "\"a\",\"\",\"\",\"\",\"\",\"\"" << false << ""
                                << "";
    QTest::newRow("eight fields") << "\"a\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"" << false << ""
                                  << "";
    QTest::newRow("blank line") << "" << false << ""
                                << "";
    QTest::newRow("only blanks") << "   " << false << ""
                                 << "";
    // Seven fields by count, but the last quote is open: kept, never rewritten.
    QTest::newRow("open quote at end") << "\"a\",\"\",\"\",\"\",\"\",\"\",\"#FF0000" << false << ""
                                       << "";
    // Text after a NUL is text: read as an eighth field, the line is kept whole.
    QTest::newRow("nul after last field")
        << QString(QStringLiteral("\"a\",\"\",\"\",\"\",\"\",\"\",\"g\"") + QChar(0) + "x") << false
        << "" << "";
    QTest::newRow("nul in unquoted field")
        << QString(QStringLiteral("a") + QChar(0) + "b,,,,,,g") << true
        << QString(QStringLiteral("a") + QChar(0) + "b") << "g";
    QTest::newRow("open quote swallows rest") << "\"a,\"\",\"\",\"\",\"\",\"\",\"\"" << false << ""
                                              << "";
}

void tst_WordBookFile::parseLine()
{
    QFETCH(QString, line);
    QFETCH(bool, isWord);
    QFETCH(QString, foreignWord);
    QFETCH(QString, textColour);
    WordEntry w;
    QCOMPARE(ParseWordLine(line, &w), isWord);
    if (isWord) {
        QCOMPARE(w.foreignWord, foreignWord);
        QCOMPARE(w.textColour, textColour);
    }
}

void tst_WordBookFile::skippedLinesKeptOnSave()
{
    QTemporaryDir dir;
    const QString six = QStringLiteral("\"hand\",\"made\",\"\",\"\",\"\",\"\"");
    const QString open = QStringLiteral("\"x\",\"\",\"\",\"\",\"\",\"\",\"oops");
    const QString good = WordLine(chat());
    const QString path = dir.filePath("b.utx");
    writeBytes(path, utf16File({"T", "G", "", six, good, "", open}));

    const WordBookLoadResult loaded = LoadWordBook(dir.path(), "b.utx");
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.book.words.size(), 1);
    QCOMPARE(loaded.book.keptLines, (QStringList{six, QString(), open}));
    QCOMPARE(StoredLineCount(loaded.book), 4);

    // A later change adds a word; the kept lines follow the words unchanged.
    WordBook book = loaded.book;
    WordEntry added;
    added.foreignWord = QStringLiteral("chien");
    book.words.append(added);
    QVERIFY(SaveWordBook(dir.path(), book).ok);
    QCOMPARE(fileBytes(path), utf16File({"T", "G", "", good, WordLine(added), six, "", open}));
    QCOMPARE(ReadWordBookSummary(dir.path(), "b.utx").summary.count, 5);
}

void tst_WordBookFile::voiceAndColourTakenAsStored()
{
    WordEntry w;
    QVERIFY(ParseWordLine(
        QStringLiteral("\"a#$22\",\"b#$0D\",\"c\",\"d\",\"e\",\"v#$22.mp3\",\"#$0D\""), &w));
    QCOMPARE(w.foreignWord, QStringLiteral("a\""));
    QCOMPARE(w.phoneticSymbols, QStringLiteral("b\r\n"));
    // Every save writes a quote there as "#$22", so that is what it reads back as; a
    // line break cannot be in them.
    QCOMPARE(w.voiceFile, QStringLiteral("v\".mp3"));
    QCOMPARE(w.textColour, QStringLiteral("#$0D"));
}

void tst_WordBookFile::oddCharactersSurviveSaveAndLoad_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    const QChar nul(0);
    QTest::newRow("quote in voice file") << 5 << "say \"hi\".mp3";
    QTest::newRow("quote in colour") << 6 << "\"#FF0000\"";
    QTest::newRow("nul in foreign word") << 0 << QString(QStringLiteral("a") + nul + "b");
    QTest::newRow("nul in notes") << 4 << QString(QStringLiteral("x") + nul + "\r\n" + nul);
    QTest::newRow("nul in voice file") << 5 << QString(nul + QStringLiteral("v.mp3"));
    QTest::newRow("nul alone in colour") << 6 << QString(nul);
}

void tst_WordBookFile::oddCharactersSurviveSaveAndLoad()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QTemporaryDir dir;
    WordBook book;
    book.title = QStringLiteral("Odd");
    book.fileName = QStringLiteral("odd.utx");
    WordEntry odd = chat();
    QString *fields[] = {&odd.foreignWord, &odd.phoneticSymbols, &odd.phoneticKana,
                         &odd.japanese,    &odd.notes,           &odd.voiceFile,
                         &odd.textColour};
    *fields[field] = text;
    book.words = {odd, chat()};
    QVERIFY(SaveWordBook(dir.path(), book).ok);
    const QByteArray first = fileBytes(dir.filePath("odd.utx"));

    const WordBookLoadResult loaded = LoadWordBook(dir.path(), book.fileName);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.book.words, book.words);
    QVERIFY(loaded.book.keptLines.isEmpty());
    QVERIFY(SaveWordBook(dir.path(), loaded.book).ok);
    QCOMPARE(fileBytes(dir.filePath("odd.utx")), first);
}

void tst_WordBookFile::loadedFieldsAreIndependentStrings()
{
    // The loader's fields share the file's memory; each must still end in a NUL where
    // Qt expects one, and changing one must leave every other untouched.
    QTemporaryDir dir;
    writeBytes(dir.filePath("s.utx"),
               utf16File({"T", "", "", WordLine(chat()), "a,b,c,d,e,f,g", WordLine(chat())}));
    WordBookLoadResult loaded = LoadWordBook(dir.path(), "s.utx");
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.book.words.size(), 3);
    for (const WordEntry &w : std::as_const(loaded.book.words)) {
        for (const QString &f : WordFields(w))
            QCOMPARE(f.utf16()[f.size()], u'\0');
    }
    QCOMPARE(loaded.book.words[1].textColour, QStringLiteral("g"));
    QList<WordEntry> words = loaded.book.words;
    words[0].foreignWord.append(QStringLiteral("XYZ"));
    words[0].phoneticSymbols[0] = u'q';
    words[1].foreignWord.append(QStringLiteral("bbb"));
    loaded = {};
    QCOMPARE(words[0].foreignWord, QStringLiteral("chatXYZ"));
    QCOMPARE(words[0].phoneticSymbols, QStringLiteral("qa"));
    QCOMPARE(words[0].phoneticKana, QStringLiteral("シャ"));
    QCOMPARE(words[1].foreignWord, QStringLiteral("abbb"));
    QCOMPARE(words[1].phoneticSymbols, QStringLiteral("b"));
    QCOMPARE(words[2], chat());
}

void tst_WordBookFile::typedEscapeCodesComeBack()
{
    // The "#" is not escaped, so a typed code reads back as what it stands for.
    WordEntry w;
    w.notes = QStringLiteral("see #$22 and #$0D");
    WordEntry back;
    QVERIFY(ParseWordLine(WordLine(w), &back));
    QCOMPARE(back.notes, QStringLiteral("see \" and \r\n"));
}

void tst_WordBookFile::loneCrAndLf()
{
    WordEntry w;
    w.notes = QStringLiteral("a\rb\nc");
    WordEntry back;
    QVERIFY(ParseWordLine(WordLine(w), &back));
    QCOMPARE(back.notes, QStringLiteral("a\r\nbc"));
}

void tst_WordBookFile::headerBreaksBecomeBlanks()
{
    QTemporaryDir dir;
    WordBook book;
    book.title = QStringLiteral("two\r\nlines");
    book.group = QStringLiteral("g\nh");
    book.voiceFolder = QStringLiteral("/v\r");
    book.fileName = QStringLiteral("h.utx");
    book.words = {chat()};
    QVERIFY(SaveWordBook(dir.path(), book).ok);
    QCOMPARE(fileBytes(dir.filePath("h.utx")),
             utf16File({"two lines", "g h", "/v ", WordLine(chat())}));
    const WordBookLoadResult loaded = LoadWordBook(dir.path(), "h.utx");
    QCOMPARE(loaded.book.words, book.words);
}

void tst_WordBookFile::threeLineFileIsEmptyBook()
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("e.utx"), utf16File({"Empty", "", ""}));
    const WordBookLoadResult loaded = LoadWordBook(dir.path(), "e.utx");
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.book.title, QStringLiteral("Empty"));
    QVERIFY(loaded.book.words.isEmpty());
    QVERIFY(loaded.book.keptLines.isEmpty());
    QCOMPARE(loaded.book.fileName, QStringLiteral("e.utx"));
    const WordBookSummaryResult summary = ReadWordBookSummary(dir.path(), "e.utx");
    QVERIFY(summary.ok());
    QCOMPARE(summary.summary.count, 0);
}

void tst_WordBookFile::twoLineFileIsNotBook()
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("t.utx"), utf16File({"Title", "Group"}));
    QCOMPARE(LoadWordBook(dir.path(), "t.utx").status, WordBookStatus::NotWordBook);
    QCOMPARE(ReadWordBookSummary(dir.path(), "t.utx").status, WordBookStatus::NotWordBook);
    writeBytes(dir.filePath("z.utx"), QByteArray());
    QCOMPARE(LoadWordBook(dir.path(), "z.utx").status, WordBookStatus::NotWordBook);
}

void tst_WordBookFile::missingFile()
{
    QTemporaryDir dir;
    QCOMPARE(LoadWordBook(dir.path(), "none.utx").status, WordBookStatus::Missing);
    QCOMPARE(ReadWordBookSummary(dir.path(), "none.utx").status, WordBookStatus::Missing);
    QDir(dir.path()).mkdir("folder.utx");
    const WordBookLoadResult folder = LoadWordBook(dir.path(), "folder.utx");
    QCOMPARE(folder.status, WordBookStatus::ReadFailed);
    QVERIFY(folder.errorMessage.contains("folder.utx"));
}

void tst_WordBookFile::withoutByteOrderMark()
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("n.utx"), utf16File({"Kein", "", "", WordLine(chat())}, false));
    const WordBookLoadResult loaded = LoadWordBook(dir.path(), "n.utx");
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.book.title, QStringLiteral("Kein"));
    QCOMPARE(loaded.book.words, QList<WordEntry>{chat()});
}

void tst_WordBookFile::lineBreakKinds()
{
    // CR LF, a lone CR and a lone LF each end a line; the last line needs no break.
    QTemporaryDir dir;
    const QString text = QStringLiteral("T\rG\n\r\n") + WordLine(chat()) + u'\n' + WordLine(chat());
    QByteArray bytes("\xFF\xFE", 2);
    for (QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    writeBytes(dir.filePath("k.utx"), bytes);
    const WordBookLoadResult loaded = LoadWordBook(dir.path(), "k.utx");
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.book.title, QStringLiteral("T"));
    QCOMPARE(loaded.book.group, QStringLiteral("G"));
    QCOMPARE(loaded.book.voiceFolder, QString());
    QCOMPARE(loaded.book.words.size(), 2);
    QVERIFY(loaded.book.keptLines.isEmpty());
}

void tst_WordBookFile::summaryCountsEveryLine()
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("s.utx"),
               utf16File({"Title", "Group", "/voices", WordLine(chat()), "broken", ""}));
    const WordBookSummaryResult r = ReadWordBookSummary(dir.path(), "s.utx");
    QVERIFY(r.ok());
    QCOMPARE(r.summary, (WordBookSummary{QStringLiteral("Title"), QStringLiteral("s.utx"),
                                         QStringLiteral("Group"), 3}));
}

void tst_WordBookFile::failedSaveKeepsOldFile()
{
    QTemporaryDir dir;
    WordBook book;
    book.title = QStringLiteral("Old");
    book.fileName = QStringLiteral("o.utx");
    book.words = {chat()};
    QVERIFY(SaveWordBook(dir.path(), book).ok);
    const QByteArray before = fileBytes(dir.filePath("o.utx"));
    // A folder that is not there: reported with the file's name, never as success.
    const WriteResult missing = SaveWordBook(dir.filePath("gone"), book);
    QVERIFY(!missing.ok);
    QVERIFY(missing.errorMessage.contains("o.utx"));
    // A folder that cannot be written to: the save reports the file, the old one stays.
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    book.words.clear();
    const WriteResult r = SaveWordBook(dir.path(), book);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (r.ok)
        QSKIP("the folder stayed writable (running as root)");
    QVERIFY(r.errorMessage.contains("o.utx"));
    QCOMPARE(fileBytes(dir.filePath("o.utx")), before);
}

void tst_WordBookFile::oddByteCountDropsOnlyTheLastByte()
{
    // A book cut one byte into a character: the stray byte goes, nothing else changes,
    // and no U+FFFD line is added on saving.
    QTemporaryDir dir;
    const QByteArray whole = utf16File(
        {QStringLiteral("Animaux"), QStringLiteral("名詞"), QString(),
         QStringLiteral("\"chat\",\"ʃa\",\"シャ\",\"猫\",\"\",\"chat.mp3\",\"#FF0000\""),
         QStringLiteral("\"chien\",\"ʃjɛ̃\",\"シアン\",\"犬\",\"\",\"\",\"\"")});
    for (const QByteArray &stray : {QByteArray("\x41"), QByteArray("\xD8")}) {
        writeBytes(dir.filePath("odd.utx"), whole + stray);
        const WordBookLoadResult loaded = LoadWordBook(dir.path(), QStringLiteral("odd.utx"));
        QVERIFY(loaded.ok());
        QCOMPARE(loaded.book.words.size(), 2);
        QVERIFY(loaded.book.keptLines.isEmpty());
        QVERIFY(SaveWordBook(dir.path(), loaded.book).ok);
        QCOMPARE(fileBytes(dir.filePath("odd.utx")), whole);
    }
}

QTEST_APPLESS_MAIN(tst_WordBookFile)
#include "tst_wordbookfile.moc"
