#include <QFontDatabase>
#include <QTest>

#include "rtffamily.h"
#include "transferencodings.h"

class tst_RtfFamily : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fromTables_data();
    void fromTables();
    void installedFonts_data();
    void installedFonts();
    void substitutedName();
};

namespace {

// An OS/2 table of 78 bytes with the given class ID and PANOSE digits.
QByteArray os2Table(int familyClass, QList<int> panose)
{
    QByteArray table(78, '\0');
    table[30] = char(familyClass);
    for (int i = 0; i < panose.size() && i < 10; ++i)
        table[32 + i] = char(panose[i]);
    return table;
}

QByteArray postTable(bool fixedPitch)
{
    QByteArray table(32, '\0');
    table[15] = fixedPitch ? 1 : 0;
    return table;
}

} // namespace

void tst_RtfFamily::fromTables_data()
{
    QTest::addColumn<QByteArray>("os2");
    QTest::addColumn<QByteArray>("post");
    QTest::addColumn<QString>("word");
    QTest::newRow("no tables") << QByteArray() << QByteArray() << "fnil";
    QTest::newRow("short table") << QByteArray(20, '\x08') << QByteArray() << "fnil";
    QTest::newRow("unclassified") << os2Table(0, {0}) << postTable(false) << "fnil";
    QTest::newRow("oldstyle serif class") << os2Table(1, {}) << QByteArray() << "froman";
    QTest::newRow("slab serif class") << os2Table(5, {}) << QByteArray() << "froman";
    QTest::newRow("freeform serif class") << os2Table(7, {}) << QByteArray() << "froman";
    QTest::newRow("sans serif class") << os2Table(8, {}) << QByteArray() << "fswiss";
    QTest::newRow("ornamental class") << os2Table(9, {}) << QByteArray() << "fdecor";
    QTest::newRow("script class") << os2Table(10, {}) << QByteArray() << "fscript";
    QTest::newRow("symbolic class") << os2Table(12, {}) << QByteArray() << "fdecor";
    QTest::newRow("reserved class") << os2Table(6, {}) << QByteArray() << "fnil";
    QTest::newRow("panose cove serif") << os2Table(0, {2, 2, 6, 3}) << QByteArray() << "froman";
    QTest::newRow("panose normal sans") << os2Table(0, {2, 11, 6, 4}) << QByteArray() << "fswiss";
    QTest::newRow("panose monospaced") << os2Table(0, {2, 11, 6, 9}) << QByteArray() << "fmodern";
    QTest::newRow("monospaced serif") << os2Table(1, {2, 2, 6, 9}) << QByteArray() << "fmodern";
    QTest::newRow("post fixed pitch") << os2Table(8, {}) << postTable(true) << "fmodern";
    QTest::newRow("fixed pitch without OS/2") << QByteArray() << postTable(true) << "fmodern";
    QTest::newRow("panose hand written") << os2Table(0, {3}) << QByteArray() << "fscript";
    QTest::newRow("panose decorative") << os2Table(0, {4}) << QByteArray() << "fdecor";
    QTest::newRow("panose symbol") << os2Table(0, {5}) << QByteArray() << "fdecor";
    QTest::newRow("class before panose serif") << os2Table(8, {2, 2}) << QByteArray() << "fswiss";
}

void tst_RtfFamily::fromTables()
{
    QFETCH(QByteArray, os2);
    QFETCH(QByteArray, post);
    QFETCH(QString, word);
    QCOMPARE(RtfFamilyWordFromTables(os2, post), word);
}

void tst_RtfFamily::installedFonts_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("word");
    QTest::newRow("Liberation Serif") << "Liberation Serif"
                                      << "froman";
    QTest::newRow("Liberation Sans") << "Liberation Sans"
                                     << "fswiss";
    QTest::newRow("DejaVu Sans Mono") << "DejaVu Sans Mono"
                                      << "fmodern";
    QTest::newRow("Liberation Mono") << "Liberation Mono"
                                     << "fmodern";
    QTest::newRow("DejaVu Sans") << "DejaVu Sans"
                                 << "fswiss";
}

void tst_RtfFamily::installedFonts()
{
    QFETCH(QString, family);
    QFETCH(QString, word);
    if (!QFontDatabase::families().contains(family))
        QSKIP(qPrintable(family + " is not installed"));
    QCOMPARE(RtfFamilyWord(family), word);
    QCOMPARE(RtfFamilyWord(family), word); // remembered
}

void tst_RtfFamily::substitutedName()
{
    // fontconfig maps the settings' start value to its metric twin.
    if (!QFontDatabase::families().contains(QStringLiteral("Liberation Serif")))
        QSKIP("Liberation Serif is not installed");
    QCOMPARE(BuildRtfDocument(0, 20, u"é", QStringLiteral("Times New Roman")),
             QStringLiteral("{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041"
                            "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}}"
                            "\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs40\\u233?\\f1\\par}"));
}

QTEST_MAIN(tst_RtfFamily)
#include "tst_rtffamily.moc"
