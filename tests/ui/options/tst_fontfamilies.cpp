// The font lists of the selectors: plain family names, each once, no symbol fonts.
#include <QApplication>
#include <QFontDatabase>
#include <QRawFont>
#include <QSet>
#include <QTest>

#include "fontfamilies.h"

class tst_FontFamilies : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plainNamesOnce_data();
    void plainNamesOnce();
    void noSymbolFonts();
    void largestFittingPointsSteppingDown();
};

void tst_FontFamilies::plainNamesOnce_data()
{
    QTest::addColumn<int>("writingSystem");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("offered");
    QTest::newRow("latin, suffixed stored name")
        << int(QFontDatabase::Latin) << "Nimbus Roman [urw]" << "Nimbus Roman";
    QTest::newRow("latin, missing family kept") << int(QFontDatabase::Latin) << "Segoe UI"
                                                << "Segoe UI";
    QTest::newRow("japanese") << int(QFontDatabase::Japanese) << "ＭＳ Ｐゴシック"
                              << "ＭＳ Ｐゴシック";
}

void tst_FontFamilies::plainNamesOnce()
{
    QFETCH(int, writingSystem);
    QFETCH(QString, stored);
    QFETCH(QString, offered);
    const QStringList names =
        ScalableFontFamilies(QFontDatabase::WritingSystem(writingSystem), {stored});
    QVERIFY(names.contains(offered));
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
    for (const QString &name : names)
        QVERIFY2(!name.contains(u'['), qPrintable(name));
    // The installed faces the program itself relies on, by their plain names.
    const QString expected = writingSystem == QFontDatabase::Latin ? QStringLiteral("DejaVu Sans")
                                                                   : QStringLiteral("IPAGothic");
    QVERIFY2(names.contains(expected), qPrintable(names.join(u',')));
}

void tst_FontFamilies::noSymbolFonts()
{
    const QStringList names = ScalableFontFamilies(QFontDatabase::Latin, {});
    // Faces that draw pictures in place of the letters, wherever they are installed.
    for (const char *symbol : {"Standard Symbols PS", "D050000L", "OpenSymbol", "Dingbats"})
        QVERIFY2(!names.contains(QLatin1String(symbol)), symbol);
    for (const QString &name : names) {
        QFont font(name);
        font.setStyleStrategy(QFont::NoFontMerging);
        QVERIFY2(QRawFont::fromFont(font).supportsCharacter(u'a'), qPrintable(name));
    }
}

void tst_FontFamilies::largestFittingPointsSteppingDown()
{
    // The same answer as trying every size from the largest down, at every width.
    const QStringList texts = {QStringLiteral("標準 欧　文"), QStringLiteral("Wörterbuch ɔ̃")};
    for (const char *family : {"IPAPGothic", "Liberation Serif"}) {
        const QFont font{QString::fromLatin1(family)};
        for (int width = 0; width < 400; width += 7) {
            int expected = 15;
            for (; expected > 6; --expected) {
                QFont sized = font;
                sized.setPointSize(expected);
                const QFontMetrics m(sized);
                if (m.horizontalAdvance(texts[0]) <= width &&
                    m.horizontalAdvance(texts[1]) <= width)
                    break;
            }
            QCOMPARE(LargestFittingPoints(font, texts, width, 6, 15), expected);
        }
    }
}

QTEST_MAIN(tst_FontFamilies)
#include "tst_fontfamilies.moc"
