#include <QTest>

#include "symbolpalette.h"

namespace {

QString cellsText(const PaletteCells &cells, int from, int to)
{
    QString s;
    for (int i = from; i <= to; ++i)
        s += cells[i].isEmpty() ? QStringLiteral("_") : cells[i].text;
    return s;
}

int filledCount(const PaletteCells &cells)
{
    return int(std::count_if(cells.begin(), cells.end(), [](const PaletteCell &c) { return !c.isEmpty(); }));
}

} // namespace

class tst_SymbolPalette : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void categories_data();
    void categories();
    void redMarks();
    void languageNames();
    void hints();
    void layout();
};

void tst_SymbolPalette::categories_data()
{
    QTest::addColumn<bool>("button");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("filled");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("cells"); // "_" for an empty cell

    QTest::newRow("punctuation start") << true << 0 << 83 << 0 << QStringLiteral("·‐‒–");
    QTest::newRow("punctuation end") << true << 0 << 83 << 68 << QStringLiteral("⁞_¦§");
    QTest::newRow("punctuation arrows") << true << 0 << 83 << 81 << QStringLiteral("¿_⤴⤵_");
    QTest::newRow("combining I") << true << 1 << 79 << 77 << QStringLiteral("\u034D\u034E_");
    QTest::newRow("combining II") << true << 2 << 32 << 30 << QStringLiteral("\u036E\u036F_");
    QTest::newRow("French after Z") << true << 4 << 82 << 25 << QStringLiteral("ZÉÀ");
    QTest::newRow("French cedillas") << true << 4 << 82 << 57 << QStringLiteral("_Ççab");
    QTest::newRow("French last") << true << 4 << 82 << 98 << QStringLiteral("œæ");
    QTest::newRow("English signs") << true << 3 << 93 << 26 << QStringLiteral("_#$__@");
    QTest::newRow("German ß") << true << 5 << 59 << 86 << QStringLiteral("äöüß_");
    QTest::newRow("Spanish Ñ between N and O") << true << 6 << 66 << 13 << QStringLiteral("NÑO");
    QTest::newRow("Dutch ĳ between x and y") << true << 9 << 76 << 83 << QStringLiteral("xĳyz");
    QTest::newRow("list item 0 is empty") << false << 0 << 0 << 0 << QStringLiteral("_");
    QTest::newRow("Latin-1 gap at 23") << false << 1 << 96 << 22 << QStringLiteral("Ê_Ë¢");
    QTest::newRow("Latin-1 end") << false << 1 << 96 << 96 << QStringLiteral("±×÷¬");
    QTest::newRow("arrows fill all") << false << 5 << 100 << 99 << QStringLiteral("\u21F3");
    QTest::newRow("Latin Extended-B3 0 to 15") << false << 20 << 16 << 15 << QStringLiteral("\u024F_");
    QTest::newRow("Greek gap at 17") << false << 15 << 49 << 16 << QStringLiteral("Ρ_Σ");
    QTest::newRow("Greek small") << false << 15 << 49 << 84 << QStringLiteral("ω_");
    QTest::newRow("arithmetic superscripts") << false << 3 << 68 << 68 << QStringLiteral("⁹⁰⁺");
    QTest::newRow("currency full-width") << false << 4 << 38 << 80 << QStringLiteral("＄￠￡_￥_￦");
    QTest::newRow("roman numerals brackets") << false << 6 << 77 << 91 << QStringLiteral("_.()[]{}_");
    QTest::newRow("dingbats II") << false << 8 << 95 << 94 << QStringLiteral("\u27BF_");
    QTest::newRow("Latin Extended Additional 3") << false << 24 << 64 << 63 << QStringLiteral("\u1EFF_");
    QTest::newRow("out of range") << false << 25 << 0 << 0 << QStringLiteral("_");
}

void tst_SymbolPalette::categories()
{
    QFETCH(bool, button);
    QFETCH(int, index);
    QFETCH(int, filled);
    QFETCH(int, from);
    QFETCH(QString, cells);
    const PaletteCells c = button ? PaletteButtonCells(index) : PaletteListCells(index);
    QCOMPARE(filledCount(c), filled);
    QCOMPARE(cellsText(c, from, from + int(cells.size()) - 1), cells);
}

void tst_SymbolPalette::redMarks()
{
    const PaletteCells french = PaletteButtonCells(4);
    QVERIFY(!french[0].red);
    QVERIFY(french[26].red); // É
    QVERIFY(french[59].red); // ç
    QVERIFY(!french[60].red);
    for (const PaletteCell &c : PaletteButtonCells(3))
        QVERIFY(!c.red);
    QVERIFY(PaletteButtonCells(9)[24].red); // Ĳ
    QVERIFY(!PaletteListCells(1)[0].red);
    QCOMPARE(PaletteListItems().size(), PaletteListCount);
    QCOMPARE(PaletteListItems().at(5), QStringLiteral("矢 印"));
    QCOMPARE(PaletteButton(3).languageFile, QStringLiteral("DBEnglish.csv"));
    QVERIFY(PaletteButton(3).bold);
    QCOMPARE(PaletteButton(9).hint, QStringLiteral("オランダ語"));
}

void tst_SymbolPalette::languageNames()
{
    PaletteCells cells = PaletteButtonCells(4);
    ApplyLanguageNames(cells, {QStringLiteral("Group,0,\"大文字\""),
                               QStringLiteral("0,\"00C9\",\"e#$0301\",\"ラテン大文字Ｅ（アキュート）\",\"0\",\"\""),
                               QStringLiteral("0,\"0041\",\"a\",\"ラテン大文字Ａ\",\"0\",\"\""),
                               QStringLiteral("0,\"0041\",\"second\",\"二番目\",\"0\",\"\"")});
    QCOMPARE(cells[26].cornerLabel, QStringLiteral("e\u0301"));
    QCOMPARE(cells[26].japaneseName, QStringLiteral("ラテン大文字Ｅ（アキュート）"));
    QCOMPARE(cells[0].cornerLabel, QStringLiteral("a")); // the first row decides
    QVERIFY(cells[1].cornerLabel.isEmpty());
    QVERIFY(cells[1].japaneseName.isEmpty());
}

void tst_SymbolPalette::hints()
{
    PaletteCell e{QStringLiteral("é"), QString(), QStringLiteral("ラテン小文字Ｅ"), false};
    QCOMPARE(PaletteCellHint(e), QStringLiteral("ラテン小文字Ｅ  Unicode: 00E9"));
    e.japaneseName.clear();
    QCOMPARE(PaletteCellHint(e), QStringLiteral("  Unicode: 00E9"));
    QCOMPARE(PaletteCellHint(e, QStringLiteral("NAME")), QStringLiteral("NAME  Unicode: 00E9"));
    QVERIFY(PaletteCellHint(PaletteCell()).isEmpty());
    QCOMPARE(PaletteGlyphText(QStringLiteral("\u0301")), QStringLiteral("\u25CC\u0301"));
    QCOMPARE(PaletteGlyphText(QStringLiteral("a")), QStringLiteral("a"));
}

void tst_SymbolPalette::layout()
{
    // 872: C = 43.
    const SymbolPaletteLayout l = LayoutSymbolPalette(872);
    QCOMPARE(l.C, 43);
    QCOMPARE(l.cells[0], QRect(6, 50, 41, 41));
    QCOMPARE(l.cells[21], QRect(6 + 43, 50 + 43, 41, 41));
    QCOMPARE(l.cells[99], QRect(6 + 19 * 43, 50 + 4 * 43, 41, 41));
    QCOMPARE(l.preview, QRect(49, 6, 41, 38));
    QCOMPARE(l.hexField.topLeft(), QPoint(92, 12));
    QCOMPARE(l.hexField.width(), 86);
    QCOMPARE(l.buttons[0], QRect(6 + 5 * 43, 6, 41, 38));
    QCOMPARE(l.buttons[9], QRect(6 + 14 * 43, 6, 41, 38));
    QCOMPARE(l.list.topLeft(), QPoint(6 + 16 * 43, 12));
    QCOMPARE(l.list.width(), 172);
    QCOMPARE(l.separators[0], QRect(6 + 193, 6, 2, 38));
    QCOMPARE(l.separators[1], QRect(6 + 666, 6, 2, 38));
}

QTEST_APPLESS_MAIN(tst_SymbolPalette)
#include "tst_symbolpalette.moc"
