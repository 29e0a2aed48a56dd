#include "splitcommatext.h"

#include <QTest>

class tst_SplitCommaText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data();
    void split();
    void quoteRoundTrip_data();
    void quoteRoundTrip();
};

void tst_SplitCommaText::split_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("fields");

    // Rule 1: leading control characters and blanks are skipped.
    QTest::newRow("leading blanks") << QString(" \t\x01" "a,b") << QStringList{"a", "b"};
    QTest::newRow("only blanks") << QString("   ") << QStringList{};
    // Rule 2: quoted fields, doubled quotes, missing closing quote.
    QTest::newRow("quoted with blank") << QString("UsrMainFont,\"Times New Roman\"")
                                       << QStringList{"UsrMainFont", "Times New Roman"};
    QTest::newRow("doubled quote") << QString("\"a\"\"b\",c") << QStringList{"a\"b", "c"};
    QTest::newRow("only doubled") << QString("\"\"\"\"") << QStringList{"\""};
    QTest::newRow("empty quoted") << QString("SelectLang,\"\"") << QStringList{"SelectLang", ""};
    QTest::newRow("unclosed quote") << QString("a,\"b, c") << QStringList{"a", "b, c"};
    QTest::newRow("unclosed after doubled") << QString("\"x\"\"y") << QStringList{"x\"y"};
    QTest::newRow("quoted comma") << QString("\"a,b\",c") << QStringList{"a,b", "c"};
    QTest::newRow("text after closing quote") << QString("\"ab\"cd,e")
                                              << QStringList{"ab", "cd", "e"};
    // Rule 3: unquoted fields end at a comma or a control character or blank.
    QTest::newRow("unquoted blank splits") << QString("UsrMainFont,Times New Roman")
                                           << QStringList{"UsrMainFont", "Times", "New", "Roman"};
    QTest::newRow("tab splits") << QString("a\tb") << QStringList{"a", "b"};
    QTest::newRow("quote inside unquoted") << QString("a\"b,c") << QStringList{"a\"b", "c"};
    QTest::newRow("non-ascii") << QString("英　語,ə") << QStringList{"英　語", "ə"};
    // Rule 4: blanks around commas, trailing comma.
    QTest::newRow("blanks around comma") << QString("a ,  b") << QStringList{"a", "b"};
    QTest::newRow("trailing comma") << QString("AutoPasteFlg,") << QStringList{"AutoPasteFlg", ""};
    QTest::newRow("comma then blank") << QString("a, ") << QStringList{"a"};
    QTest::newRow("lone comma") << QString(",") << QStringList{"", ""};
    // Rule 5: empty fields and empty lines.
    QTest::newRow("two commas") << QString("a,,b") << QStringList{"a", "", "b"};
    QTest::newRow("leading comma") << QString(",a") << QStringList{"", "a"};
    QTest::newRow("empty line") << QString() << QStringList{};
    QTest::newRow("NUL ends line") << QString::fromUtf16(u"a,b\0c,d", 7) << QStringList{"a", "b"};
}

void tst_SplitCommaText::split()
{
    QFETCH(QString, line);
    QFETCH(QStringList, fields);
    QCOMPARE(SplitCommaText(line), fields);
    bool unclosed = true;
    SplitCommaText(line, &unclosed);
    QCOMPARE(unclosed, QTest::currentDataTag() == QByteArray("unclosed quote") ||
                           QTest::currentDataTag() == QByteArray("unclosed after doubled"));
}

void tst_SplitCommaText::quoteRoundTrip_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << QString("Times New Roman");
    QTest::newRow("quotes") << QString("say \"hi\", \"\"");
    QTest::newRow("comma and blanks") << QString(" , a ,");
    QTest::newRow("empty") << QString();
}

void tst_SplitCommaText::quoteRoundTrip()
{
    QFETCH(QString, field);
    const QStringList fields = SplitCommaText(QStringLiteral("key,") + QuoteCommaField(field));
    QCOMPARE(fields, (QStringList{"key", field}));
}

QTEST_APPLESS_MAIN(tst_SplitCommaText)
#include "tst_splitcommatext.moc"
