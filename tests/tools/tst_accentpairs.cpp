#include <QSet>
#include <QTest>

#include "accentpairs.h"

class tst_AccentPairs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableHas159Entries();
    void everyEntryIsTheCanonicalComposition();
    void tableOrder();
    void markCounts_data();
    void markCounts();
    void asymmetricEntries();
    void combine_data();
    void combine();
    void divide_data();
    void divide();
    void everyEntryRoundTrips();
    void divideThenCombineWithoutMarksIsIdentity();
    void singlePassEqualsRepeatedReplacement();
};

void tst_AccentPairs::tableHas159Entries()
{
    QCOMPARE(int(AccentPairTable().size()), 159);
    QSet<char16_t> composed;
    QSet<quint32> pairs;
    for (const AccentPair &p : AccentPairTable()) {
        composed.insert(p.composed);
        pairs.insert(quint32(p.base) << 16 | p.mark);
    }
    QCOMPARE(composed.size(), 159);
    QCOMPARE(pairs.size(), 159);
}

void tst_AccentPairs::everyEntryIsTheCanonicalComposition()
{
    for (const AccentPair &p : AccentPairTable()) {
        const QString pair = QString(QChar(p.base)) + QChar(p.mark);
        const QString nfc = pair.normalized(QString::NormalizationForm_C);
        QVERIFY2(nfc == QString(QChar(p.composed)), qPrintable(pair));
        QCOMPARE(QString(QChar(p.composed)).normalized(QString::NormalizationForm_D), pair);
        QVERIFY(p.base < 0x80 && QChar(p.base).isLetter());
    }
}

void tst_AccentPairs::tableOrder()
{
    // Letters in their fixed order, lower case first, marks in their fixed order.
    const QString letters = QStringLiteral("aeiouysnzcghjlrwkmpvxtAEIOUYSNZCGHJLRWKMPVXT");
    const QList<char16_t> marks = {0x301, 0x300, 0x302, 0x303, 0x308, 0x30A, 0x30C, 0x304};
    int lastLetter = -1, lastMark = -1;
    for (const AccentPair &p : AccentPairTable()) {
        const int letter = int(letters.indexOf(QChar(p.base)));
        const int mark = int(marks.indexOf(p.mark));
        QVERIFY(letter >= 0 && mark >= 0);
        QVERIFY(letter > lastLetter || (letter == lastLetter && mark > lastMark));
        lastLetter = letter;
        lastMark = mark;
    }
    QCOMPARE(AccentPairTable().front(), (AccentPair{u'a', 0x301, 0xE1}));
    QCOMPARE(AccentPairTable().back(), (AccentPair{u'T', 0x30C, 0x164}));
}

void tst_AccentPairs::markCounts_data()
{
    QTest::addColumn<int>("mark");
    QTest::addColumn<int>("count");
    QTest::newRow("acute") << 0x301 << 34;
    QTest::newRow("grave") << 0x300 << 16;
    QTest::newRow("circumflex") << 0x302 << 26;
    QTest::newRow("tilde") << 0x303 << 16;
    QTest::newRow("diaeresis") << 0x308 << 19;
    QTest::newRow("ring") << 0x30A << 6;
    QTest::newRow("caron") << 0x30C << 28;
    QTest::newRow("macron") << 0x304 << 14;
}

void tst_AccentPairs::markCounts()
{
    QFETCH(int, mark);
    QFETCH(int, count);
    int n = 0;
    for (const AccentPair &p : AccentPairTable())
        n += p.mark == mark;
    QCOMPARE(n, count);
}

void tst_AccentPairs::asymmetricEntries()
{
    auto has = [](char16_t base, char16_t mark) {
        for (const AccentPair &p : AccentPairTable())
            if (p.base == base && p.mark == mark)
                return true;
        return false;
    };
    QVERIFY(has(u't', 0x308));
    QVERIFY(!has(u't', 0x30C));
    QVERIFY(has(u'T', 0x30C));
    QVERIFY(!has(u'T', 0x308));
    QVERIFY(has(u'j', 0x30C));
    QVERIFY(!has(u'J', 0x30C));
    QVERIFY(has(u'w', 0x30A) && has(u'y', 0x30A));
    QVERIFY(!has(u'W', 0x30A) && !has(u'Y', 0x30A));
    QVERIFY(!has(u'c', 0x327)); // no cedilla at all
}

void tst_AccentPairs::combine_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("e acute t") << QStringLiteral("e\u0301t") << QStringLiteral("ét");
    QTest::newRow("first mark only")
        << QStringLiteral("a\u0301\u0302") << QStringLiteral("á\u0302");
    QTest::newRow("q acute stays") << QStringLiteral("q\u0301") << QStringLiteral("q\u0301");
    QTest::newRow("t diaeresis") << QStringLiteral("t\u0308") << QStringLiteral("ẗ");
    QTest::newRow("t caron stays") << QStringLiteral("t\u030C") << QStringLiteral("t\u030C");
    QTest::newRow("T caron") << QStringLiteral("T\u030C") << QStringLiteral("Ť");
    QTest::newRow("T diaeresis stays") << QStringLiteral("T\u0308") << QStringLiteral("T\u0308");
    QTest::newRow("c cedilla stays") << QStringLiteral("c\u0327") << QStringLiteral("c\u0327");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("mark alone") << QStringLiteral("\u0301a") << QStringLiteral("\u0301a");
    QTest::newRow("letter at end") << QStringLiteral("cafe") << QStringLiteral("cafe");
    QTest::newRow("sentence") << QStringLiteral("Que\u0301bec, Sa\u0303o Paulo, Zu\u0308rich")
                              << QStringLiteral("Québec, São Paulo, Zürich");
    QTest::newRow("precomposed mark base")
        << QStringLiteral("é\u0301") << QStringLiteral("é\u0301");
    QTest::newRow("surrogates kept") << QStringLiteral("😀e\u0301") << QStringLiteral("😀é");
}

void tst_AccentPairs::combine()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(CombineAccents(input), expected);
}

void tst_AccentPairs::divide_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Ça stays") << QStringLiteral("Ça") << QStringLiteral("Ça");
    QTest::newRow("élan") << QStringLiteral("élan") << QStringLiteral("e\u0301lan");
    QTest::newRow("ẗ") << QStringLiteral("ẗ") << QStringLiteral("t\u0308");
    QTest::newRow("ǰ") << QStringLiteral("ǰ") << QStringLiteral("j\u030C");
    QTest::newRow("ø stays") << QStringLiteral("ø") << QStringLiteral("ø");
    QTest::newRow("empty") << QString() << QString();
}

void tst_AccentPairs::divide()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(DivideAccents(input), expected);
}

void tst_AccentPairs::everyEntryRoundTrips()
{
    QString all;
    for (const AccentPair &p : AccentPairTable())
        all.append(QChar(p.composed));
    const QString divided = DivideAccents(all);
    QCOMPARE(divided.size(), all.size() * 2);
    QCOMPARE(CombineAccents(divided), all);
}

void tst_AccentPairs::divideThenCombineWithoutMarksIsIdentity()
{
    const QString text = QStringLiteral("Größe, déjà vu, señor, façade, Ångström, čeština\r\nƏ");
    QCOMPARE(CombineAccents(DivideAccents(text)), text);
}

void tst_AccentPairs::singlePassEqualsRepeatedReplacement()
{
    // The rule as stated: entry by entry, replace the first occurrence until none is left.
    QString text;
    const QList<char16_t> marks = {0x301, 0x300, 0x302, 0x303, 0x308, 0x30A, 0x30C, 0x304, 0x327};
    const QString bases = QStringLiteral("aeiouysnzcghjlrwkmpvxtqAEIOUYSNZCGHJLRWKMPVXTQ ");
    quint32 seed = 12345;
    for (int i = 0; i < 3000; ++i) {
        seed = seed * 1103515245 + 12345;
        if (seed >> 31)
            text.append(bases[(seed >> 8) % bases.size()]);
        else
            text.append(QChar(marks[(seed >> 8) % marks.size()]));
    }
    QString slow = text;
    for (const AccentPair &p : AccentPairTable()) {
        const QString pair = QString(QChar(p.base)) + QChar(p.mark);
        for (qsizetype at = slow.indexOf(pair); at >= 0; at = slow.indexOf(pair))
            slow.replace(at, 2, QChar(p.composed));
    }
    QCOMPARE(CombineAccents(text), slow);

    QString slowDivided = slow;
    for (const AccentPair &p : AccentPairTable()) {
        const QString pair = QString(QChar(p.base)) + QChar(p.mark);
        for (qsizetype at = slowDivided.indexOf(QChar(p.composed)); at >= 0;
             at = slowDivided.indexOf(QChar(p.composed)))
            slowDivided.replace(at, 1, pair);
    }
    QCOMPARE(DivideAccents(slow), slowDivided);
}

QTEST_APPLESS_MAIN(tst_AccentPairs)
#include "tst_accentpairs.moc"
