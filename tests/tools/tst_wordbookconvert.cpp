// The conversion of foreign word books: every format's sample book against the
// ".utx" bytes written independently by makeconvertbooks.py, the field decoders,
// the legacy phonetic table and the output names.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include "convertcodecs.h"
#include "wordbookconvert.h"

class TestWordBookConvert : public QObject
{
    Q_OBJECT

private:
    static QByteArray fileBytes(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private Q_SLOTS:
    void convertBooks_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("answer"); // to the phonetic book's question
        QTest::addColumn<int>("failedWord");
        QTest::newRow("Korean, a quote in the notes") << "korean.kwd" << true << 0;
        QTest::newRow("Thai") << "thai.twd" << true << 0;
        QTest::newRow("Russian") << "russian.rwd" << true << 0;
        QTest::newRow("Vietnamese") << "vietnam.vwd" << true << 0;
        QTest::newRow("English") << "english.ewd" << true << 0;
        QTest::newRow("Chinese, pinyin, #0D#0A") << "chinese.cvd" << true << 0;
        QTest::newRow("Greek") << "greek.gwd" << true << 0;
        QTest::newRow("Turkish") << "turkish.uwd" << true << 0;
        QTest::newRow("Arabic") << "arabic.awd" << true << 0;
        QTest::newRow("Unicode, a quote in the notes") << "unicode.tud" << true << 0;
        QTest::newRow("legacy phonetic font") << "phonetic.pwd" << true << 0;
        QTest::newRow("phonetic, answered No") << "kana.pwd" << false << 0;
        QTest::newRow("other extension: 932") << "memo.lst" << true << 0;
        QTest::newRow("count not a number") << "nocount.ewd" << true << 0;
        QTest::newRow("count larger than the lines") << "short.ewd" << true << 3;
        QTest::newRow("bad hex group") << "badhex.cvd" << true << 2;
    }
    void convertBooks()
    {
        QFETCH(QString, source);
        QFETCH(bool, answer);
        QFETCH(int, failedWord);
        const QString path = QFINDTESTDATA(QStringLiteral("convertbooks/source/") + source);
        QVERIFY(!path.isEmpty());
        QTemporaryDir target;
        QStringList asked;
        const ConversionResult r = ConvertWordBookFile(path, target.path(), [&](const QString &f) {
            asked.append(f);
            return answer;
        });
        const QString stem = source.section(u'.', 0, 0);
        QCOMPARE(r.outputName, stem + QStringLiteral(".utx"));
        QVERIFY(r.written);
        QCOMPARE(fileBytes(target.filePath(r.outputName)),
                 fileBytes(QFINDTESTDATA(QStringLiteral("convertbooks/expected/") + r.outputName)));
        QCOMPARE(r.ok, failedWord == 0);
        QCOMPARE(asked, source.endsWith(QStringLiteral(".pwd")) ? QStringList{source}
                                                                 : QStringList());
        if (failedWord) {
            // The report names the file, the word and where the words before it are.
            QVERIFY2(r.errorMessage.contains(source) &&
                         r.errorMessage.contains(QStringLiteral(" %1 語目").arg(failedWord)) &&
                         r.errorMessage.contains(r.outputName),
                     qPrintable(r.errorMessage));
        }
    }

    void unreadableAndUnwritable()
    {
        QTemporaryDir dir;
        // A folder of the pattern's name cannot be read as a file: nothing is written.
        QDir(dir.path()).mkdir(QStringLiteral("folder.ewd"));
        ConversionResult r =
            ConvertWordBookFile(dir.filePath(QStringLiteral("folder.ewd")), dir.path(), {});
        QVERIFY(!r.ok && !r.written);
        QVERIFY(r.errorMessage.contains(QStringLiteral("folder.ewd")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());

        QFile empty(dir.filePath(QStringLiteral("empty.kwd")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        r = ConvertWordBookFile(empty.fileName(), dir.path(), {});
        QVERIFY(!r.ok && !r.written && r.errorMessage.contains(QStringLiteral("empty.kwd")));

        const QString source = QFINDTESTDATA("convertbooks/source/english.ewd");
        r = ConvertWordBookFile(source, dir.filePath(QStringLiteral("missing/folder")), {});
        QVERIFY(!r.ok && !r.written);
        QVERIFY2(r.errorMessage.contains(QStringLiteral("english.utx")), qPrintable(r.errorMessage));
    }

    void decoders_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected"); // "!" and the bad group when it fails
        QTest::newRow("marks") << "marks" << "a#0D#0Ab#0D" << "a#$0Db#0D";
        QTest::newRow("hanzi break") << "hanzi" << "#C4#E3#0D#0A#BA#C3" << "你#$0D好";
        QTest::newRow("hanzi @ and *") << "hanzi" << "#40#2A#40" << "#$0D@";
        QTest::newRow("hanzi lower case, rest ignored") << "hanzi" << "#c4#e3#4" << "你";
        QTest::newRow("hanzi bad group") << "hanzi" << "#C4#E3#G1" << "!#G1";
        QTest::newRow("pinyin h è n") << "pinyin" << "#68#A8#A8#6E" << "he\u0300n";
        QTest::newRow("pinyin ǖ ê") << "pinyin" << "#A8#B5#A8#BA" << "u\u0308\u0304e\u0302";
        QTest::newRow("pinyin break, lone 0D") << "pinyin" << "#61#0D#0A#62#0D#63"
                                               << "a#$0Dbc";
        QTest::newRow("pinyin A8 out of row, A8 at the end") << "pinyin" << "#A8#BB#78#A8"
                                                             << "x";
        QTest::newRow("pinyin other bytes") << "pinyin" << "#E9#20" << "é ";
        QTest::newRow("pinyin bad group") << "pinyin" << "#6E#A8#ZZ" << "!#ZZ";
        QTest::newRow("phonetic DIs") << "phonetic" << "DIs" << "ðɪs";
        QTest::newRow("phonetic blank dropped") << "phonetic" << "DIs Iz" << "ðɪsɪz";
        QTest::newRow("phonetic two code points") << "phonetic" << "\u00AE" << "\u0131\u0335";
        // The font's positions 88 89 93 94 98 99 arrive as code page 1252's characters.
        QTest::newRow("phonetic 1252 marks") << "phonetic" << "\u02C6\u2030\u201C\u201D\u02DC\u2122\u017E"
                                             << "\u030B\u030B\u0304\u0304\u0300\u0300\u030F";
    }
    void decoders()
    {
        QFETCH(QString, function);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QString out, bad;
        bool ok = true;
        if (function == QLatin1String("marks"))
            out = ConvertLineBreakMarks(input);
        else if (function == QLatin1String("hanzi"))
            ok = DecodeHanziHex(input, &out, &bad);
        else if (function == QLatin1String("pinyin"))
            ok = DecodePinyinHex(input, &out, &bad);
        else
            out = ConvertLegacyPhonetic(input);
        QCOMPARE(ok ? out : u'!' + bad, expected);
    }

    // The legacy font's table, as its documentation lists it.
    void legacyPhoneticTable()
    {
        const QString listed = QStringLiteral(
            "21→030B, 22→0131, 23→0304, 24→0300, 25→030F, 26→030C, 27→02BC, 28→0306, 29→0303, "
            "2A→030A, 2B→031F, 2D→0324, 30→0330, 31→0318, 32→0319, 33→031D, 34→031E, 35→032A, "
            "36→033B, 37→031C, 38→0325, 39→032F, 3A→02E1, 3B→029F, 3C→207F, 3D→0320, 3E→02D1, "
            "3F→0294, 40→0301, 41→0251, 42→03B2, 43→00E7, 44→00F0, 45→025B, 46→0264, 47→0262, "
            "48→02B0, 49→026A, 4A→02B2, 4B→029C, 4C→026E, 4D→0271, 4E→014B, 4F→00F8, 50→0275, "
            "51→00E6, 52→027E, 53→0283, 54→03B8, 55→028A, 56→028B, 57→02B7, 58→03C7, 59→028F, "
            "5A→0292, 5E→0302, 5F→0308, 60→0329, 67→0261, 7B→0280, 7C→031A, 7D→027D, 7E→033D, "
            "81→0252, 88→030B, 89→030B, 8D→0254, 8F→0301, 90→0301, 93→0304, 94→0304, 98→0300, "
            "99→0300, 9D→030F, 9E→030F, A1→030A, A2→031E, A3→031D, A4→032C, A5→0325, A6→0339, "
            "A7→0282, A8→0279, A9→0260, AA→0319, AB→0259, AC→0289, AD→0320, AE→0131+0335, "
            "AF→0276, B0→033A, B1→031F, B2→0274, B3→02E4, B4→028E, B5→026F, B8→0278, B9→02A2, "
            "BA→0253, BB→032F, BC→0330, BD→0290, BE→0237, BF→0153, C0→0295, C1→0318, C2→026C, "
            "C3→028C, C4→0263, C6→029D, C7→02CC, C8→02C8, C9→1D50, CB→1DAE, CC→2197, CD→2198, "
            "CE→025C, CF→025E, D0→0324, D1→033C, D2→0281, D3→027B, D4→1D51, D5→02DE, D6→002D, "
            "D7→0284, DA→030B, DB→0301, DC→0304, DD→0300, DE→030F, DF→0302, E0→030C, E1→0306, "
            "E2→0303, E3→028D, E4→027A, E5→0270, E6→0302, E7→0265, E9→0302, EA→0256, EB→0257, "
            "EC→02E0, ED→203F, EE→0267, EF→025F, F0→0127, F1→026D, F2→0334, F3→030C, F4→030C, "
            "F5→0299, F6→0268, F7→0273, F8→0272, F9→02D0, FA→0266, FB→02A1, FC→0291, FD→029B, "
            "FE→0255, FF→0288, 0152→0250, 0153→01C2, 0160→02E5, 0161→02E8, 0178→02E9, "
            "017D→01C0, 0192→0361, 2013→007C, 2014→01C3, 2018→02E6, 2019→01C1, 201A→0258, "
            "201E→2016, 2021→0298, 2022→02E7, 2039→2191, 203A→2193");
        QMap<char16_t, QString> expected;
        const QRegularExpression pair(QStringLiteral("([0-9A-F]+)→([0-9A-F]+)(?:\\+([0-9A-F]+))?"));
        for (const QRegularExpressionMatch &m : pair.globalMatch(listed)) {
            QString ipa(QChar(m.captured(2).toUShort(nullptr, 16)));
            if (m.hasCaptured(3))
                ipa.append(QChar(m.captured(3).toUShort(nullptr, 16)));
            expected.insert(m.captured(1).toUShort(nullptr, 16), ipa);
        }
        QCOMPARE(expected.size(), 180);
        for (char16_t c : u"abcdefhijklmnopqrstuvwxyz,./[\\]")
            if (c)
                expected.insert(c, QString(QChar(c)));
        QCOMPARE(expected.size(), LegacyPhoneticEntryCount);

        QMap<char16_t, QString> table;
        for (const LegacyPhoneticEntry &e : LegacyPhoneticTable()) {
            QString ipa(QChar(e.ipa[0]));
            if (e.ipa[1])
                ipa.append(QChar(e.ipa[1]));
            table.insert(e.code, ipa);
            QCOMPARE(ConvertLegacyPhonetic(QString(QChar(e.code))), ipa);
        }
        QCOMPARE(table, expected);
        // Every character of a line read with code page 1252: where that code page puts
        // a typographic character on a position listed by its byte, the byte's entry.
        QStringDecoder cp1252("windows-1252");
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString c = cp1252.decode(QByteArrayView(&byte, 1));
            const QString ipa = expected.value(c[0].unicode(), expected.value(b));
            QVERIFY2(ConvertLegacyPhonetic(c) == ipa, qPrintable(QString::number(b, 16)));
        }
    }

    void uniqueTargetName_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");
        QTest::newRow("free") << "lesson.kwd" << QStringList() << "lesson.utx";
        QTest::newRow("two taken") << "lesson.kwd"
                                   << QStringList{"lesson.utx", "lesson(1).utx"} << "lesson(2).utx";
        QTest::newRow("two dots") << "a.b.kwd" << QStringList() << "a.b.utx";
        QTest::newRow("two dots, taken") << "a.b.kwd" << QStringList{"a.b.utx"} << "a(1).utx";
        QTest::newRow("no extension") << "words" << QStringList{"words.utx"} << "words(1).utx";
    }
    void uniqueTargetName()
    {
        QFETCH(QString, source);
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        for (const QString &name : existing) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(UniqueTargetName(source, dir.path()), expected);
    }

    void formatsAndListing()
    {
        QCOMPARE(SourceFormats().size(), 11);
        QCOMPARE(SourceFormats()[DefaultSourceFormat].selectorText,
                 QStringLiteral("VelmorLady　(*.ewd)"));
        QCOMPARE(SourcePattern(SourceFormats()[0].selectorText), QStringLiteral("*.kwd"));
        QCOMPARE(SourcePattern(QStringLiteral("none")), QStringLiteral("*.*"));
        QCOMPARE(FormatForFile(QStringLiteral("A.TUD")).layout, SourceLayout::Unicode);
        QCOMPARE(QByteArray(FormatForFile(QStringLiteral("x.kwd.txt")).codec), "windows-31j");

        QTemporaryDir dir;
        for (const char *name : {"b.ewd", "A.EWD", "c.kwd"}) {
            QFile f(dir.filePath(QLatin1String(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QDir(dir.path()).mkdir(QStringLiteral("folder.ewd"));
        QCOMPARE(ListSourceFiles(dir.path(), QStringLiteral("*.ewd")),
                 (QStringList{"A.EWD", "b.ewd"}));
    }
};

QTEST_GUILESS_MAIN(TestWordBookConvert)
#include "tst_wordbookconvert.moc"
