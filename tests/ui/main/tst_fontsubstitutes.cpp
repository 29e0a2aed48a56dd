// The stand-ins for the Windows font names of the start values: which family each
// resolves to, and the IPA tilde drawn above the letter in the phonetic line.
#include "fontfamilies.h"
#include "mainfrmfixture.h"

#include <QFontInfo>
#include <QGlyphRun>
#include <QPainterPath>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

class tst_FontSubstitutes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void resolvedFamilies_data();
    void resolvedFamilies();
    void phoneticTildeAboveLetter();
};

void tst_FontSubstitutes::initTestCase()
{
    RegisterFontSubstitutes();
}

void tst_FontSubstitutes::resolvedFamilies_data()
{
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("resolved");
    QTest::newRow("Segoe UI") << "Segoe UI" << "Andika";
    QTest::newRow("ＭＳ Ｐゴシック") << "ＭＳ Ｐゴシック" << "IPAPGothic";
    QTest::newRow("MS PGothic") << "MS PGothic" << "IPAPGothic";
    QTest::newRow("メイリオ") << "メイリオ" << "IPAPGothic";
    QTest::newRow("ＭＳ ゴシック") << "ＭＳ ゴシック" << "IPAGothic";
    QTest::newRow("ＭＳ 明朝") << "ＭＳ 明朝" << "IPAMincho";
    QTest::newRow("Arial") << "Arial" << "Liberation Sans";
    QTest::newRow("Times New Roman") << "Times New Roman" << "Liberation Serif";
    QTest::newRow("installed family") << "DejaVu Serif" << "DejaVu Serif";
}

void tst_FontSubstitutes::resolvedFamilies()
{
    QFETCH(QString, named);
    QFETCH(QString, resolved);
    QCOMPARE(QFontInfo(QFont(named)).family(), resolved);
}

void tst_FontSubstitutes::phoneticTildeAboveLetter()
{
    MainFrmFixture fixture;
    auto w = fixture.create();
    const QFont font = w->Edit1->font();
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("Andika"));

    // The word as the line shapes it; the tilde's glyph is found by its index in the font.
    QTextLayout layout(QStringLiteral("bɔ̃ʒuʁ"), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    bool found = false;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> tilde = raw.glyphIndexesForString(QStringLiteral("\u0303"));
        QVERIFY(!tilde.isEmpty() && tilde.first() != 0);
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            if (glyphs[i] != tilde.first())
                continue;
            found = true;
            const QRectF ink = raw.pathForGlyph(glyphs[i]).boundingRect().translated(positions[i]);
            const qreal baseline = layout.lineAt(0).ascent();
            // y grows downwards: the whole mark lies above the x-height line.
            QVERIFY2(ink.bottom() < baseline - raw.xHeight(),
                     qPrintable(QStringLiteral("tilde %1..%2, x-height line at %3")
                                    .arg(ink.top())
                                    .arg(ink.bottom())
                                    .arg(baseline - raw.xHeight())));
        }
    }
    QVERIFY(found);
}

QTEST_MAIN(tst_FontSubstitutes)
#include "tst_fontsubstitutes.moc"
