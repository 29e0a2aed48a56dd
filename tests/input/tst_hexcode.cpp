#include <QTest>

#include "hexcode.h"

class tst_HexCode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isHexCode_data();
    void isHexCode();
    void hexCodeToChar_data();
    void hexCodeToChar();
    void expandHexEscapes_data();
    void expandHexEscapes();
    void codeText_data();
    void codeText();
    void parseDecimalInt_data();
    void parseDecimalInt();
    void findSymbolByCode_data();
    void findSymbolByCode();
    void findSymbolByCodeLeavesOutputsWhenMissing();
};

void tst_HexCode::isHexCode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("upper") << "00E9" << true;
    QTest::newRow("digits") << "0251" << true;
    QTest::newRow("FFFF") << "FFFF" << true;
    QTest::newRow("lower") << "00e9" << false;
    QTest::newRow("mixed") << "00eA" << false;
    QTest::newRow("three") << "0E9" << false;
    QTest::newRow("five") << "000E9" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("G") << "00G9" << false;
    QTest::newRow("leading blank") << " 0E9" << false;
    QTest::newRow("trailing blank") << "00E9 " << false;
    QTest::newRow("full-width digit") << QString::fromUtf8("００E9") << false;
}

void tst_HexCode::isHexCode()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(IsHexCode(text), valid);
}

void tst_HexCode::hexCodeToChar_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("ok");
    QTest::newRow("e acute") << "00E9" << 0xE9 << true;
    QTest::newRow("lower accepted") << "00e9" << 0xE9 << true;
    QTest::newRow("schwa") << "0259" << 0x259 << true;
    QTest::newRow("max") << "FFFF" << 0xFFFF << true;
    QTest::newRow("zero") << "0000" << 0 << true;
    QTest::newRow("short gives 0") << "E9" << 0 << true;
    QTest::newRow("long gives 0") << "000E9" << 0 << true;
    QTest::newRow("empty gives 0") << "" << 0 << true;
    QTest::newRow("not hex") << "00G9" << 0 << false;
    QTest::newRow("blank inside") << "0 E9" << 0 << false;
}

void tst_HexCode::hexCodeToChar()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(bool, ok);
    bool converted = !ok;
    QCOMPARE(int(HexCodeToChar(text, &converted)), value);
    QCOMPARE(converted, ok);
    QCOMPARE(int(HexCodeToChar(text)), value);
}

void tst_HexCode::expandHexEscapes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expanded");
    QTest::newRow("none") << "LATIN SMALL LETTER E"
                          << "LATIN SMALL LETTER E";
    QTest::newRow("followed by x") << "#$00E9x" << QString::fromUtf8("éx");
    QTest::newRow("inside") << "a#$0259b" << QString::fromUtf8("aəb");
    QTest::newRow("two") << "#$00E9#$00E8" << QString::fromUtf8("éè");
    QTest::newRow("not hex loses marker") << "#$00G9"
                                          << "00G9";
    QTest::newRow("lower loses marker") << "#$00e9"
                                        << "00e9";
    QTest::newRow("at end removed") << "abc#$"
                                    << "abc";
    QTest::newRow("too short") << "#$0E9"
                               << "0E9";
    QTest::newRow("only marker") << "#$"
                                 << "";
    // The search restarts at the beginning, so a removed marker can reveal a new one.
    QTest::newRow("formed by removal") << "#$#$00E9" << QString::fromUtf8("é");
    // 0023 is "#" and 0024 is "$": the replacements form "#$" followed by 00E9.
    QTest::newRow("formed by replacement") << "#$0023#$002400E9" << QString::fromUtf8("é");
    QTest::newRow("empty") << ""
                           << "";
}

void tst_HexCode::expandHexEscapes()
{
    QFETCH(QString, text);
    QFETCH(QString, expanded);
    QCOMPARE(ExpandHexEscapes(text), expanded);
}

void tst_HexCode::codeText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("e acute") << 0xE9 << "00E9";
    QTest::newRow("schwa") << 0x259 << "0259";
    QTest::newRow("high") << 0xFFFD << "FFFD";
    QTest::newRow("zero") << 0 << "";
    QTest::newRow("one") << 1 << "0001";
}

void tst_HexCode::codeText()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(CodeText(char16_t(code)), text);
}

void tst_HexCode::parseDecimalInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("ok");
    QTest::newRow("zero") << "0" << 0 << true;
    QTest::newRow("number") << "12" << 12 << true;
    QTest::newRow("negative") << "-3" << -3 << true;
    QTest::newRow("plus") << "+3" << 3 << true;
    QTest::newRow("blanks") << " 7 " << 7 << true;
    QTest::newRow("max") << "2147483647" << 2147483647 << true;
    QTest::newRow("min") << "-2147483648" << int(-2147483648LL) << true;
    QTest::newRow("too big") << "2147483648" << 0 << false;
    QTest::newRow("far too big") << "99999999999999999999" << 0 << false;
    QTest::newRow("empty") << "" << 0 << false;
    QTest::newRow("sign only") << "-" << 0 << false;
    QTest::newRow("letters") << "x1" << 0 << false;
    QTest::newRow("hex") << "$1F" << 0 << false;
    QTest::newRow("full-width") << QString::fromUtf8("１") << 0 << false;
}

void tst_HexCode::parseDecimalInt()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(bool, ok);
    bool parsed = !ok;
    QCOMPARE(ParseDecimalInt(text, &parsed), value);
    QCOMPARE(parsed, ok);
}

void tst_HexCode::findSymbolByCode_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("english");

    const QStringList db{
        "Group,0,\"Vowels\"",
        "0,\"00e9\",\"lower-case code\",\"x\",\"0\",\"\"",
        "0,\"00E9\",\"LATIN SMALL LETTER E WITH ACUTE\",\"エー・アキュート\",\"0\",\"\"",
        "0,\"00E9\",\"second row\",\"二番目\",\"0\",\"\"",
        "0,\"0259\",\"SCHWA\",\"シュワー\",\"0\",\"注 e と混同しない\"",
        "0,\"0301\",\"COMBINING ACUTE\",\"鋭アクセント\",\"1\"",
    };
    QTest::newRow("first valid row wins")
        << db << 0xE9 << true << "LATIN SMALL LETTER E WITH ACUTE";
    QTest::newRow("with notes") << db << 0x259 << true << "SCHWA";
    QTest::newRow("five fields never qualify") << db << 0x301 << false << "";
    QTest::newRow("absent") << db << 0xE8 << false << "";
    QTest::newRow("Group line never qualifies")
        << QStringList{"Group,\"00E9\",\"x\"", "0,\"00E9\",\"a\",\"b\",\"c\",\"d\",\"e\""} << 0xE9
        << false << "";
    QTest::newRow("empty file") << QStringList{} << 0xE9 << false << "";
}

void tst_HexCode::findSymbolByCode()
{
    QFETCH(QStringList, lines);
    QFETCH(int, code);
    QFETCH(bool, found);
    QFETCH(QString, english);
    SymbolNames names;
    QCOMPARE(FindSymbolByCode(lines, char16_t(code), &names), found);
    QCOMPARE(names.englishName, english);
}

void tst_HexCode::findSymbolByCodeLeavesOutputsWhenMissing()
{
    SymbolNames names{"keep", "keep", "keep", "keep"};
    const SymbolNames before = names;
    QVERIFY(!FindSymbolByCode({"0,\"00E8\",\"a\",\"b\",\"0\",\"\""}, 0xE9, &names));
    QCOMPARE(names, before);
    QVERIFY(FindSymbolByCode({"0,\"00E9\",\"a\",\"b\",\"1\",\"n\""}, 0xE9, &names));
    QCOMPARE(names, (SymbolNames{"a", "b", "1", "n"}));
}

QTEST_APPLESS_MAIN(tst_HexCode)
#include "tst_hexcode.moc"
