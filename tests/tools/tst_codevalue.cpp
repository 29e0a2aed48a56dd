#include <QTest>

#include "codevalue.h"

class tst_CodeValue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void codeValueText_data();
    void codeValueText();
    void trim_data();
    void trim();
};

void tst_CodeValue::codeValueText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("precomposed") << QStringLiteral("é") << QStringLiteral("/#$00E9");
    QTest::newRow("combining") << QStringLiteral("e\u0301") << QStringLiteral("/#$0065/#$0301");
    QTest::newRow("two lines") << QStringLiteral("a\r\nb")
                               << QStringLiteral("/#$0061/#$000D/#$000A/#$0062");
    QTest::newRow("surrogates") << QStringLiteral("😀") << QStringLiteral("/#$D83D/#$DE00");
    QTest::newRow("upper-case hex")
        << QStringLiteral("\uABCD\uFFFF") << QStringLiteral("/#$ABCD/#$FFFF");
    QTest::newRow("nul") << QString(QChar(0)) << QStringLiteral("/#$0000");
    QTest::newRow("empty") << QString() << QString();
}

void tst_CodeValue::codeValueText()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(CodeValueText(input), expected);
}

void tst_CodeValue::trim_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blanks") << QStringLiteral("  ab  ") << QStringLiteral("ab");
    QTest::newRow("line breaks") << QStringLiteral("\r\n\ta\r\nb\r\n") << QStringLiteral("a\r\nb");
    QTest::newRow("only blanks") << QStringLiteral(" \r\n\t ") << QString();
    QTest::newRow("empty") << QString() << QString();
    // Only codes up to U+0020 count: the ideographic blank and NBSP stay.
    QTest::newRow("ideographic blank")
        << QStringLiteral("\u3000a\u00A0") << QStringLiteral("\u3000a\u00A0");
    QTest::newRow("control chars") << QStringLiteral("\x01x\x1f") << QStringLiteral("x");
}

void tst_CodeValue::trim()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(TrimControlAndBlanks(input).toString(), expected);
}

QTEST_APPLESS_MAIN(tst_CodeValue)
#include "tst_codevalue.moc"
