#include <QTest>

#include "wordlist.h"

static WordEntry word(const QString &foreign, const QString &japanese, const QString &ipa = {})
{
    WordEntry w;
    w.foreignWord = foreign;
    w.japanese = japanese;
    w.phoneticSymbols = ipa;
    return w;
}

static QStringList column(const QList<WordEntry> &rows, int col, bool foreignFirst)
{
    QStringList out;
    for (int i = 0; i < rows.size(); ++i)
        out.append(WordListCellText(rows[i], i + 1, col, foreignFirst));
    return out;
}

class tst_WordList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void captions_data();
    void captions();
    void directionSwapsColumns();
    void foreignColumnSortsCaseInsensitively();
    void foreignColumnWithJapaneseFirst();
    void otherColumnsCompareCodeUnits();
    void numberColumnDoesNotSort();
    void sortConfirmation();
    void sharedStemsSort_data();
    void sharedStemsSort();
    void largeListKeepsStableLowerCaseOrder();
    void foreignKeyIsLocaleLowerCase_data();
    void foreignKeyIsLocaleLowerCase();
};

void tst_WordList::captions_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("foreignFirst");
    QTest::addColumn<QString>("japaneseFirst");
    const QString lang = QStringLiteral("フランス語");
    QTest::newRow("0") << 0 << lang << QStringLiteral("日本語");
    QTest::newRow("1") << 1 << QStringLiteral("No") << QStringLiteral("No");
    QTest::newRow("2") << 2 << QStringLiteral("発音記号") << QStringLiteral("発音記号");
    QTest::newRow("3") << 3 << QStringLiteral("発音カナ") << QStringLiteral("発音カナ");
    QTest::newRow("4") << 4 << QStringLiteral("日本語") << lang;
    QTest::newRow("5") << 5 << QStringLiteral("備考") << QStringLiteral("備考");
    QTest::newRow("6") << 6 << QStringLiteral("音声ﾌｧｲﾙ") << QStringLiteral("音声ﾌｧｲﾙ");
    QTest::newRow("7") << 7 << QStringLiteral("文字色") << QStringLiteral("文字色");
}

void tst_WordList::captions()
{
    QFETCH(int, col);
    QFETCH(QString, foreignFirst);
    QFETCH(QString, japaneseFirst);
    QCOMPARE(WordListCaption(col, true, QStringLiteral("フランス語")), foreignFirst);
    QCOMPARE(WordListCaption(col, false, QStringLiteral("フランス語")), japaneseFirst);
}

void tst_WordList::directionSwapsColumns()
{
    const QList<WordEntry> rows = QList<WordEntry>({word("chat", "猫", "ʃa")});
    QCOMPARE(WordListCellText(rows[0], 1, FirstWordColumn, true), QStringLiteral("chat"));
    QCOMPARE(WordListCellText(rows[0], 1, SecondWordColumn, true), QStringLiteral("猫"));
    QCOMPARE(WordListCellText(rows[0], 1, FirstWordColumn, false), QStringLiteral("猫"));
    QCOMPARE(WordListCellText(rows[0], 1, SecondWordColumn, false), QStringLiteral("chat"));
    QCOMPARE(WordListCellText(rows[0], 1, PhoneticSymbolsColumn, false), QStringLiteral("ʃa"));
}

void tst_WordList::foreignColumnSortsCaseInsensitively()
{
    QList<WordEntry> rows = QList<WordEntry>(
        {word("Banana", "バナナ"), word("apple", "りんご"), word("cherry", "さくらんぼ")});
    WordListSort sort;
    const QLocale en(QLocale::English);
    QVERIFY(sort.sortByColumn(rows, FirstWordColumn, true, en));
    QCOMPARE(column(rows, FirstWordColumn, true), (QStringList{"cherry", "Banana", "apple"}));
    QCOMPARE(column(rows, NumberColumn, true), (QStringList{"1", "2", "3"}));
    QVERIFY(sort.sortByColumn(rows, FirstWordColumn, true, en));
    QCOMPARE(column(rows, FirstWordColumn, true), (QStringList{"apple", "Banana", "cherry"}));
}

void tst_WordList::foreignColumnWithJapaneseFirst()
{
    QList<WordEntry> rows = QList<WordEntry>(
        {word("Banana", "バナナ"), word("apple", "りんご"), word("cherry", "さくらんぼ")});
    SortWordList(rows, SecondWordColumn, 1, false, QLocale(QLocale::English));
    QCOMPARE(column(rows, SecondWordColumn, false), (QStringList{"apple", "Banana", "cherry"}));
    // Column 0 now shows the Japanese and compares code unit by code unit.
    SortWordList(rows, FirstWordColumn, 1, false);
    QCOMPARE(column(rows, FirstWordColumn, false),
             (QStringList{QStringLiteral("さくらんぼ"), QStringLiteral("りんご"),
                          QStringLiteral("バナナ")}));
}

void tst_WordList::otherColumnsCompareCodeUnits()
{
    QList<WordEntry> rows = QList<WordEntry>(
        {word("x", "", "b"), word("y", "", "B"), word("z", "", "a"), word("w", "", "b")});
    SortWordList(rows, PhoneticSymbolsColumn, 1, true);
    QCOMPARE(column(rows, PhoneticSymbolsColumn, true), (QStringList{"B", "a", "b", "b"}));
    // Equal texts keep their order.
    QCOMPARE(column(rows, FirstWordColumn, true), (QStringList{"y", "z", "x", "w"}));
    SortWordList(rows, FirstWordColumn, 1, false); // Japanese all empty: nothing moves
    QCOMPARE(column(rows, SecondWordColumn, false), (QStringList{"y", "z", "x", "w"}));
}

void tst_WordList::numberColumnDoesNotSort()
{
    QList<WordEntry> rows = QList<WordEntry>({word("b", ""), word("a", "")});
    WordListSort sort;
    QVERIFY(!sort.sortByColumn(rows, NumberColumn, true));
    QVERIFY(!WordListSort::sorts(NumberColumn));
    QVERIFY(!WordListSort::sorts(8));
    QVERIFY(WordListSort::sorts(TextColourColumn));
    QCOMPARE(sort, WordListSort());
    QCOMPARE(column(rows, FirstWordColumn, true), (QStringList{"b", "a"}));
}

void tst_WordList::sortConfirmation()
{
    QCOMPARE(SortConfirmationText(QStringLiteral("発音記号")),
             QStringLiteral("項目「発音記号」でソートします。ソートをすると順番は元に戻りませんが"
                            "ソートをしますか？"));
    QCOMPARE(ColumnNames(QStringLiteral("欧　文")).size(), 7);
    QCOMPARE(ColumnNames(QStringLiteral("欧　文")).first(), QStringLiteral("欧　文"));
}

void tst_WordList::sharedStemsSort_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("ascending");
    QTest::addColumn<QStringList>("descending");
    const QString nul = QStringLiteral("ab") + QChar(0) + QStringLiteral("c");
    QTest::newRow("numbered stem")
        << QStringList{"wort10", "Wort2", "wort", "wort1", "WORT10"}
        << QStringList{"wort", "wort1", "wort10", "WORT10", "Wort2"}
        << QStringList{"Wort2", "wort10", "WORT10", "wort1", "wort"};
    QTest::newRow("stem longer than four")
        << QStringList{"Wörterbuch9", "wörterbuch", "Wörterbuch10"}
        << QStringList{"wörterbuch", "Wörterbuch10", "Wörterbuch9"}
        << QStringList{"Wörterbuch9", "Wörterbuch10", "wörterbuch"};
    QTest::newRow("NUL after the stem") << QStringList{nul, "ab", "abc"}
                                        << QStringList{"ab", nul, "abc"}
                                        << QStringList{"abc", nul, "ab"};
    QTest::newRow("all equal") << QStringList{"x", "X", "x"} << QStringList{"x", "X", "x"}
                               << QStringList{"x", "X", "x"};
}

void tst_WordList::sharedStemsSort()
{
    QFETCH(QStringList, words);
    QFETCH(QStringList, ascending);
    QFETCH(QStringList, descending);
    for (int direction : {1, -1}) {
        QList<WordEntry> rows;
        for (const QString &w : std::as_const(words))
            rows.append(word(w, ""));
        SortWordList(rows, FirstWordColumn, direction, true, QLocale(QLocale::German));
        QCOMPARE(column(rows, FirstWordColumn, true), direction > 0 ? ascending : descending);
    }
}

void tst_WordList::largeListKeepsStableLowerCaseOrder()
{
    // Many cycles, ties, keys that differ only past the first eight code units after the
    // stem, and rows whose other fields must travel with their word.
    QList<WordEntry> rows;
    quint32 seed = 12345;
    const auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    const QString letters = QStringLiteral("aBö");
    for (int i = 0; i < 3000; ++i) {
        QString foreign = QStringLiteral("Wörterbuch");
        for (int n = next() % 14; n > 0; --n)
            foreign += letters[next() % 3];
        rows.append(word(foreign, QString::number(i), QString::number(next())));
    }
    const QLocale locale(QLocale::German);
    for (int direction : {1, -1}) {
        for (bool shared : {false, true}) {
            QList<WordEntry> expected = rows;
            std::stable_sort(expected.begin(), expected.end(),
                             [&](const WordEntry &a, const WordEntry &b) {
                                 const QString x = locale.toLower(a.foreignWord);
                                 const QString y = locale.toLower(b.foreignWord);
                                 return direction > 0 ? x < y : y < x;
                             });
            QList<WordEntry> sorted = rows;
            if (!shared)
                sorted.detach();
            SortWordList(sorted, FirstWordColumn, direction, true, locale);
            QVERIFY(sorted == expected);
        }
    }
}

void tst_WordList::foreignKeyIsLocaleLowerCase_data()
{
    QTest::addColumn<QLocale>("locale");
    for (const char *name : {"en_US", "fr_FR", "de_DE", "ru_RU", "el_GR", "tr_TR", "lt_LT", "C"})
        QTest::newRow(name) << QLocale(QString::fromLatin1(name));
}

void tst_WordList::foreignKeyIsLocaleLowerCase()
{
    QFETCH(QLocale, locale);
    QStringList texts = {QStringLiteral("ΟΔΟΣ ΣΑΣ"), QStringLiteral("İstanbul"),
                         QStringLiteral("IJssel Ì"), QStringLiteral("Straße"),
                         QStringLiteral("ＡＢＣ"), QStringLiteral("𐐀x"), QString()};
    for (char16_t c = 1; c < 0x0600; ++c)
        texts.append(QString(QChar(c)) + QStringLiteral("A") + QChar(c));
    for (const QString &text : std::as_const(texts))
        QCOMPARE(ForeignSortKey(text, locale), locale.toLower(text));
}

QTEST_APPLESS_MAIN(tst_WordList)
#include "tst_wordlist.moc"
