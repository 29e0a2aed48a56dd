// The row changes of the word commands.
#include <QTest>

#include "wordcommands.h"

namespace {

QList<WordEntry> rowsOf(const QStringList &foreignWords)
{
    QList<WordEntry> words;
    for (const QString &w : foreignWords)
        words.append({w, {}, {}, {}, {}, {}, {}});
    return words;
}

QStringList foreignWords(const QList<WordEntry> &rows)
{
    QStringList out;
    for (const WordEntry &r : rows)
        out.append(r.foreignWord);
    return out;
}

} // namespace

class tst_WordCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void trimsTheSixFields();
    void emptyForeignWordCannotBeStored_data();
    void emptyForeignWordCannotBeStored();
    void insertAt_data();
    void insertAt();
    void replaceKeepsColour();
    void numberLists();
    void listNumber_data();
    void listNumber();
    void move_data();
    void move();
    void moveOutOfRange();
    void deleteRow();
    void colourValue_data();
    void colourValue();
};

void tst_WordCommands::trimsTheSixFields()
{
    const WordEntry entered{QStringLiteral("  café "),  QStringLiteral("\tkaˈfe "),
                            QStringLiteral("　カフェ"), QStringLiteral(" コーヒー店 "),
                            QStringLiteral(" n. "),     QStringLiteral(" cafe.mp3 "),
                            QStringLiteral("#FF0000")};
    const WordEntry trimmed = TrimmedWordFields(entered);
    QCOMPARE(trimmed, (WordEntry{QStringLiteral("café"), QStringLiteral("kaˈfe"),
                                 QStringLiteral("カフェ"), QStringLiteral("コーヒー店"),
                                 QStringLiteral("n."), QStringLiteral("cafe.mp3"), QString()}));
}

void tst_WordCommands::emptyForeignWordCannotBeStored_data()
{
    QTest::addColumn<QString>("foreign");
    QTest::addColumn<bool>("storable");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("blanks") << QStringLiteral("   ") << false;
    QTest::newRow("ideographic blank") << QStringLiteral("\u3000") << false;
    QTest::newRow("word") << QStringLiteral(" a ") << true;
}

void tst_WordCommands::emptyForeignWordCannotBeStored()
{
    QFETCH(QString, foreign);
    QFETCH(bool, storable);
    WordEntry w;
    w.foreignWord = foreign;
    w.japanese = QStringLiteral("意味");
    QCOMPARE(CanStoreWord(TrimmedWordFields(w)), storable);
    QCOMPARE(EmptyWordWarning(), QStringLiteral("単語が空欄だと登録できません。"));
}

void tst_WordCommands::insertAt_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("index");
    const QStringList abc{"a", "b", "c"};
    QTest::newRow("empty book") << QStringList() << 0 << QStringList{"x"} << 0;
    QTest::newRow("append") << abc << 3 << QStringList{"a", "b", "c", "x"} << 3;
    QTest::newRow("insert with 1")
        << abc << InsertPositionForNumber(1) << QStringList{"x", "a", "b", "c"} << 0;
    QTest::newRow("insert with 3")
        << abc << InsertPositionForNumber(3) << QStringList{"a", "b", "x", "c"} << 2;
    QTest::newRow("beyond the end appends") << abc << 99 << QStringList{"a", "b", "c", "x"} << 3;
    QTest::newRow("below zero goes first") << abc << -5 << QStringList{"x", "a", "b", "c"} << 0;
}

void tst_WordCommands::insertAt()
{
    QFETCH(QStringList, before);
    QFETCH(int, position);
    QFETCH(QStringList, after);
    QFETCH(int, index);
    QList<WordEntry> rows = rowsOf(before);
    WordEntry x;
    x.foreignWord = QStringLiteral("x");
    QCOMPARE(InsertWordRow(rows, position, x), index);
    QCOMPARE(foreignWords(rows), after);
}

void tst_WordCommands::replaceKeepsColour()
{
    QList<WordEntry> rows = rowsOf({"a", "b"});
    rows[1].textColour = QStringLiteral("#00FF00");
    WordEntry fields{QStringLiteral("bee"),
                     QStringLiteral("biː"),
                     QStringLiteral("ビー"),
                     QStringLiteral("蜂"),
                     QString(),
                     QString(),
                     QStringLiteral("#FF0000")};
    QVERIFY(ReplaceWordFields(rows, 1, fields));
    QCOMPARE(rows[1].foreignWord, QStringLiteral("bee"));
    QCOMPARE(rows[1].japanese, QStringLiteral("蜂"));
    QCOMPARE(rows[1].textColour, QStringLiteral("#00FF00"));
    QVERIFY(!ReplaceWordFields(rows, 2, fields));
    QVERIFY(!ReplaceWordFields(rows, -1, fields));
}

void tst_WordCommands::numberLists()
{
    QCOMPARE(WordNumbers(0), QStringList());
    QCOMPARE(WordNumbers(3), (QStringList{"1", "2", "3"}));
    QCOMPARE(MoveTargetNumbers(4, 3), (QStringList{"1", "2", "4"}));
    QCOMPARE(MoveTargetNumbers(1, 1), QStringList());
    QCOMPARE(MoveTargetNumbers(3, 1), (QStringList{"2", "3"}));
}

void tst_WordCommands::listNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected"); // 0: nothing
    QTest::newRow("first") << "1" << 5 << 1;
    QTest::newRow("last") << "5" << 5 << 5;
    QTest::newRow("zero") << "0" << 5 << 0;
    QTest::newRow("above n") << "6" << 5 << 0;
    QTest::newRow("negative") << "-1" << 5 << 0;
    QTest::newRow("not a number") << "abc" << 5 << 0;
    QTest::newRow("empty") << "" << 5 << 0;
    QTest::newRow("blanks around") << " 3 " << 5 << 3;
    QTest::newRow("decimal") << "2.5" << 5 << 0;
    QTest::newRow("empty book") << "1" << 0 << 0;
}

void tst_WordCommands::listNumber()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(int, expected);
    const std::optional<int> n = ListNumber(text, count);
    QCOMPARE(n.value_or(0), expected);
}

void tst_WordCommands::move_data()
{
    QTest::addColumn<int>("source"); // 0-based row
    QTest::addColumn<int>("target"); // number
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("index");
    QTest::newRow("2 to 5") << 1 << 5 << QStringList{"1", "3", "4", "2", "5"} << 3;
    QTest::newRow("5 to 1") << 4 << 1 << QStringList{"5", "1", "2", "3", "4"} << 0;
    QTest::newRow("4 to 2") << 3 << 2 << QStringList{"1", "4", "2", "3", "5"} << 1;
    QTest::newRow("1 to 3") << 0 << 3 << QStringList{"2", "1", "3", "4", "5"} << 1;
    QTest::newRow("own number") << 2 << 3 << QStringList{"1", "2", "3", "4", "5"} << 2;
    QTest::newRow("next number") << 2 << 4 << QStringList{"1", "2", "3", "4", "5"} << 2;
}

void tst_WordCommands::move()
{
    QFETCH(int, source);
    QFETCH(int, target);
    QFETCH(QStringList, after);
    QFETCH(int, index);
    QList<WordEntry> rows = rowsOf({"1", "2", "3", "4", "5"});
    rows[source].textColour = QStringLiteral("#0000FF");
    rows[source].notes = QStringLiteral("moved");
    QCOMPARE(MoveWordRow(rows, source, target), index);
    QCOMPARE(foreignWords(rows), after);
    // All seven fields travel with the word.
    QCOMPARE(rows[index].textColour, QStringLiteral("#0000FF"));
    QCOMPARE(rows[index].notes, QStringLiteral("moved"));
}

void tst_WordCommands::moveOutOfRange()
{
    QList<WordEntry> rows = rowsOf({"1", "2", "3"});
    const QList<WordEntry> before = rows;
    QCOMPARE(MoveWordRow(rows, 0, 0), -1);
    QCOMPARE(MoveWordRow(rows, 0, 4), -1);
    QCOMPARE(MoveWordRow(rows, 3, 1), -1);
    QCOMPARE(MoveWordRow(rows, -1, 1), -1);
    QCOMPARE(rows, before);
}

void tst_WordCommands::deleteRow()
{
    QList<WordEntry> rows = rowsOf({"a", "b", "c"});
    QVERIFY(DeleteWordRow(rows, 1));
    QCOMPARE(foreignWords(rows), (QStringList{"a", "c"}));
    QVERIFY(!DeleteWordRow(rows, 2));
    QVERIFY(DeleteWordRow(rows, 0));
    QVERIFY(DeleteWordRow(rows, 0));
    QVERIFY(rows.isEmpty());
    QVERIFY(!DeleteWordRow(rows, 0));
}

void tst_WordCommands::colourValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("value");
    QTest::newRow("black is the default") << "#000000" << true << "";
    QTest::newRow("empty") << "" << true << "";
    QTest::newRow("red") << "#FF0000" << true << "#FF0000";
    QTest::newRow("lower case") << "#ff0000" << false << "";
    QTest::newRow("short") << "#FFF" << false << "";
    QTest::newRow("name") << "red" << false << "";
    QTest::newRow("blank") << " " << false << "";
}

void tst_WordCommands::colourValue()
{
    QFETCH(QString, text);
    QFETCH(bool, stored);
    QFETCH(QString, value);
    const std::optional<QString> v = ColourValueToStore(text);
    QCOMPARE(v.has_value(), stored);
    if (stored)
        QCOMPARE(*v, value);
}

QTEST_APPLESS_MAIN(tst_WordCommands)
#include "tst_wordcommands.moc"
