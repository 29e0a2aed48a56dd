#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "groupnames.h"

static QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class tst_GroupNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void missingFileGivesDefaults();
    void fileIsAnsiWithCrLf();
    void unrepresentableNameStaysWhole();
    void utf8MarkIsHonoured();
    void preferredIndex();
    void enterNewNameGoesFirst();
    void enterExistingNameSelectsIt();
    void enterEmptyTextDoesNothing();
    void typingSetsLastGroup();
    void countLimits_data();
    void countLimits();
    void countLabel();
    void editorButtons();
};

void tst_GroupNames::missingFileGivesDefaults()
{
    QTemporaryDir dir;
    QCOMPARE(GroupList(dir.path()),
             (QStringList{QStringLiteral("あいさつ"), QStringLiteral("その他")}));
    QVERIFY(EditorGroupList(dir.path()).isEmpty());
    QVERIFY(!ReadGroupFile(dir.path()).exists);
    QVERIFY(!QFile::exists(GroupFilePath(dir.path())));
}

void tst_GroupNames::fileIsAnsiWithCrLf()
{
    QTemporaryDir dir;
    const QStringList names = {QStringLiteral("Travel"), QStringLiteral("あいさつ"),
                               QStringLiteral("その他")};
    QVERIFY(WriteGroupFile(dir.path(), names).ok);
    QCOMPARE(
        fileBytes(dir.filePath("GroupName.txt")),
        QByteArray("Travel\r\n\x82\xA0\x82\xA2\x82\xB3\x82\xC2\r\n\x82\xBB\x82\xCC\x91\xBC\r\n"));
    QCOMPARE(GroupList(dir.path()), names);
    QCOMPARE(EditorGroupList(dir.path()), names);
}

void tst_GroupNames::unrepresentableNameStaysWhole()
{
    QTemporaryDir dir;
    const QStringList names = {QStringLiteral("ə の発音"), QStringLiteral("Café")};
    QVERIFY(WriteGroupFile(dir.path(), names).ok);
    QVERIFY(fileBytes(dir.filePath("GroupName.txt")).startsWith("\xEF\xBB\xBF"));
    QCOMPARE(GroupList(dir.path()), names);
}

void tst_GroupNames::utf8MarkIsHonoured()
{
    QTemporaryDir dir;
    QFile f(dir.filePath("GroupName.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBF"
            "名詞\r\n動詞\r\n");
    f.close();
    QCOMPARE(GroupList(dir.path()), (QStringList{QStringLiteral("名詞"), QStringLiteral("動詞")}));
}

void tst_GroupNames::preferredIndex()
{
    const QStringList items = {"a", "b", "b", "B"};
    QCOMPARE(PreferredGroupIndex(items, "b"), 1);
    QCOMPARE(PreferredGroupIndex(items, "B"), 3);
    QCOMPARE(PreferredGroupIndex(items, "c"), 0);
    QCOMPARE(PreferredGroupIndex(items, ""), 0);
    QCOMPARE(PreferredGroupIndex({}, "a"), -1);
}

void tst_GroupNames::enterNewNameGoesFirst()
{
    QTemporaryDir dir;
    const GroupEnterResult r = GroupSelectorEnter(GroupList(dir.path()), "  Travel ");
    QVERIFY(r.handled);
    QVERIFY(r.writeFile);
    QCOMPARE(r.items,
             (QStringList{"Travel", QStringLiteral("あいさつ"), QStringLiteral("その他")}));
    QCOMPARE(r.selectedIndex, 0);
    QCOMPARE(r.lastGroup, QStringLiteral("Travel"));
    QVERIFY(WriteGroupFile(dir.path(), r.items).ok);
    QCOMPARE(GroupList(dir.path()), r.items);

    const GroupEnterResult empty = GroupSelectorEnter({}, "x");
    QCOMPARE(empty.items, QStringList{"x"});
    QCOMPARE(empty.selectedIndex, 0);
}

void tst_GroupNames::enterExistingNameSelectsIt()
{
    const QStringList items = {"a", QStringLiteral("その他"), "b"};
    const GroupEnterResult r = GroupSelectorEnter(items, QStringLiteral(" その他"));
    QVERIFY(r.handled);
    QVERIFY(!r.writeFile);
    QCOMPARE(r.items, items);
    QCOMPARE(r.selectedIndex, 1);
    QCOMPARE(r.lastGroup, QStringLiteral("その他"));
    // Names compare exactly: another case or width is a new name.
    QVERIFY(GroupSelectorEnter(items, "A").writeFile);
    QVERIFY(GroupSelectorEnter(items, QStringLiteral("ａ")).writeFile);
}

void tst_GroupNames::enterEmptyTextDoesNothing()
{
    const GroupEnterResult r = GroupSelectorEnter({"a"}, QStringLiteral(" \t　"));
    QVERIFY(!r.handled);
    QVERIFY(!r.writeFile);
    QCOMPARE(r.items, QStringList{"a"});
}

void tst_GroupNames::typingSetsLastGroup()
{
    QCOMPARE(LastGroupAfterTyping(QStringLiteral(" 旅行 "), "old"), QStringLiteral(" 旅行 "));
    QCOMPARE(LastGroupAfterTyping(QStringLiteral("  "), "old"), QStringLiteral("old"));
    QCOMPARE(LastGroupAfterTyping(QString(), "old"), QStringLiteral("old"));
}

void tst_GroupNames::countLimits_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("check");
    QTest::newRow("0") << 0 << int(GroupCountCheck::Empty);
    QTest::newRow("1") << 1 << int(GroupCountCheck::Ok);
    QTest::newRow("30") << 30 << int(GroupCountCheck::Ok);
    QTest::newRow("31") << 31 << int(GroupCountCheck::TooMany);
}

void tst_GroupNames::countLimits()
{
    QFETCH(int, count);
    QFETCH(int, check);
    QCOMPARE(int(CheckGroupCount(count)), check);
    QCOMPARE(GroupCountWarning(CheckGroupCount(count)).isEmpty(),
             check == int(GroupCountCheck::Ok));
    QCOMPARE(
        GroupCountWarning(GroupCountCheck::TooMany),
        QStringLiteral("グループが最大値の30を超えました。どれかを削除し30以下にして下さい。"));
    QCOMPARE(GroupCountWarning(GroupCountCheck::Empty),
             QStringLiteral(
                 "グループは少なくとも1つは必要です。個数0の場合このファイルを保存できません。"));
}

void tst_GroupNames::countLabel()
{
    QCOMPARE(GroupCountLabel(0), QStringLiteral("個数： 0個"));
    QCOMPARE(GroupCountLabel(12), QStringLiteral("個数： 12個"));
}

void tst_GroupNames::editorButtons()
{
    QCOMPARE(GroupEditorOpenButtons(30), (GroupEditorButtons{true, false, false, false, false}));
    QCOMPARE(GroupEditorOpenButtons(31).add, false);
    // One item selected: no delete, since the list may not become empty.
    QCOMPARE(GroupEditorButtonsFor(1, 0), (GroupEditorButtons{true, true, false, false, false}));
    QCOMPARE(GroupEditorButtonsFor(3, 1), (GroupEditorButtons{true, true, true, true, true}));
    QCOMPARE(GroupEditorButtonsFor(3, 0).up, false);
    QCOMPARE(GroupEditorButtonsFor(3, 2).down, false);
    QCOMPARE(GroupEditorButtonsFor(30, 5).insert, false);
    QCOMPARE(GroupEditorButtonsFor(29, 5).insert, true);
    QCOMPARE(GroupEditorButtonsFor(0, -1), (GroupEditorButtons{true, false, false, false, false}));
}

QTEST_APPLESS_MAIN(tst_GroupNames)
#include "tst_groupnames.moc"
