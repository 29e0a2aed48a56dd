#include <QSignalSpy>
#include <QTest>

#include "mainfrmfixture.h"

class tst_Commands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandsExistWithCaptions_data();
    void commandsExistWithCaptions();
    void wordBookCommandsDisabledAtStart();
    void toolbarButtons_data();
    void toolbarButtons();
    void disablingCommandDisablesEveryTrigger();
    void boundMenuItemFollowsCommand();
    void functionKeysReachCommandsFromAnyControl_data();
    void functionKeysReachCommandsFromAnyControl();
    void f4WithNoBookOpenDoesNothing();
    void f9FromPadPhoneticFieldAndWordList();
    void functionKeysIgnoreShift();
    void clearButtonEmptiesBothFields();
    void transferButtonRunsTransfer();
    void newButtonRunsCreateWB();
};

void tst_Commands::commandsExistWithCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("RegWord") << "RegWord"
                             << "単語登録";
    QTest::newRow("ModWord") << "ModWord"
                             << "単語編集";
    QTest::newRow("MoveWord") << "MoveWord"
                              << "単語移動";
    QTest::newRow("JumpWord") << "JumpWord"
                              << "ジャンプ";
    QTest::newRow("DeleteWord") << "DeleteWord"
                                << "単語削除";
    QTest::newRow("ChangeColor") << "ChangeColor"
                                 << "文字色変更";
    QTest::newRow("CreateWB") << "CreateWB"
                              << "単語帳の新規作成";
    QTest::newRow("ChangeProp") << "ChangeProp"
                                << "単語帳のプロパティ変更";
    QTest::newRow("DeleteWB") << "DeleteWB"
                              << "単語帳の削除";
    QTest::newRow("CloseWB") << "CloseWB"
                             << "単語帳を閉じる";
    QTest::newRow("EditGroup") << "EditGroup"
                               << "グループ名の編集";
    QTest::newRow("WBEditor") << "WBEditor"
                              << "単語帳エディタ";
    QTest::newRow("DispSeaView") << "DispSeaView"
                                 << "検索詳細表示";
    QTest::newRow("DispCand") << "DispCand"
                              << "候補表示";
    QTest::newRow("DispBand") << "DispBand"
                              << "候補表示２";
    QTest::newRow("LineMode") << "LineMode"
                              << "１行入力モード";
    QTest::newRow("IMEChange") << "IMEChange"
                               << "IMEのカスタマイズ";
    QTest::newRow("Settei") << "Settei"
                            << "設定";
    QTest::newRow("LatCombine") << "LatCombine"
                                << "2文字を1文字化する　（アクセント付文字など）　(&C)";
    QTest::newRow("LatDivide") << "LatDivide"
                               << "1文字を2文字化する　（アクセント付文字など） (&D)";
    QTest::newRow("OpenSymDB") << "OpenSymDB"
                               << "記号データベース";
    QTest::newRow("OpenCandEditor") << "OpenCandEditor"
                                    << "候補順エディタ";
}

void tst_Commands::commandsExistWithCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    MainFrmFixture f;
    auto w = f.create();
    const QList<QAction *> found = w->findChildren<QAction *>(name);
    QCOMPARE(found.size(), 1); // one command, however many triggers
    QCOMPARE(found.first()->text(), caption);
    QVERIFY(w->findChild<QAction *>("CallWMP"));
}

void tst_Commands::wordBookCommandsDisabledAtStart()
{
    MainFrmFixture f;
    auto w = f.create();
    for (const char *name : {"RegWord", "ModWord", "MoveWord", "JumpWord", "DeleteWord",
                             "ChangeColor", "ChangeProp", "DeleteWB", "CloseWB", "WBEditor"})
        QVERIFY2(!w->findChild<QAction *>(name)->isEnabled(), name);
    for (const char *name : {"CreateWB", "EditGroup", "LineMode", "Settei", "LatCombine",
                             "LatDivide", "OpenSymDB", "OpenCandEditor", "IMEChange"})
        QVERIFY2(w->findChild<QAction *>(name)->isEnabled(), name);
}

void tst_Commands::toolbarButtons_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("0") << 0 << "終了"
                       << "" << true;
    QTest::newRow("1") << 1 << "ｸﾘｱ"
                       << "" << true;
    QTest::newRow("2") << 2 << "登録"
                       << "単語登録　F4" << false;
    QTest::newRow("3") << 3 << "編集"
                       << "単語編集　F5" << false;
    QTest::newRow("4") << 4 << "ｴﾃﾞｨﾀ"
                       << "単語帳エディタ　F6" << false;
    QTest::newRow("5") << 5 << "PAD"
                       << "PADモード　F7" << true;
    QTest::newRow("6") << 6 << "設定"
                       << "" << true;
}

void tst_Commands::toolbarButtons()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(bool, enabled);
    MainFrmFixture f;
    auto w = f.create();
    QCOMPARE(w->toolbarButtons.size(), 7);
    QToolButton *b = w->toolbarButtons[index];
    QCOMPARE(b->parentWidget(), w->Panel4);
    QCOMPARE(b->text(), caption);
    QCOMPARE(b->toolTip(), hint);
    QCOMPARE(b->geometry(), QRect(53 * index, 2, 52, 70));
    QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QVERIFY(!b->icon().isNull());
    QVERIFY(!b->icon().pixmap(32, 32).isNull());
    QCOMPARE(b->isEnabled(), enabled);
}

void tst_Commands::disablingCommandDisablesEveryTrigger()
{
    MainFrmFixture f;
    auto w = f.create();
    QSignalSpy spy(w->WBEditor, &QAction::triggered);
    QToolButton *button = w->toolbarButtons[4];

    w->WBEditor->setEnabled(true);
    QVERIFY(button->isEnabled());
    QTest::keyClick(w->Memo1, Qt::Key_F6);
    button->click();
    QCOMPARE(spy.count(), 2);

    w->WBEditor->setEnabled(false);
    QVERIFY(!button->isEnabled());
    QTest::keyClick(w->Memo1, Qt::Key_F6);
    button->click();
    QVERIFY(!TMainFrm::RunCommand(w->WBEditor));
    QCOMPARE(spy.count(), 2);
}

void tst_Commands::boundMenuItemFollowsCommand()
{
    MainFrmFixture f;
    auto w = f.create();
    QMenu *book = findMenu(*w, "WordBookMenu");
    QAction *jump = nullptr;
    for (QAction *a : book->actions())
        if (a->text() == QStringLiteral("ジャンプ (&J)"))
            jump = a;
    QVERIFY(jump);
    QVERIFY(!jump->isEnabled());
    QSignalSpy spy(w->JumpWord, &QAction::triggered);
    w->JumpWord->setEnabled(true);
    QVERIFY(jump->isEnabled());
    jump->trigger();
    QCOMPARE(spy.count(), 1);
    w->JumpWord->setEnabled(false);
    QVERIFY(!jump->isEnabled());
}

void tst_Commands::functionKeysReachCommandsFromAnyControl_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("command");
    QTest::newRow("F4") << int(Qt::Key_F4) << "RegWord";
    QTest::newRow("F5") << int(Qt::Key_F5) << "ModWord";
    QTest::newRow("F6") << int(Qt::Key_F6) << "WBEditor";
    QTest::newRow("F7") << int(Qt::Key_F7) << "LineMode";
}

void tst_Commands::functionKeysReachCommandsFromAnyControl()
{
    QFETCH(int, key);
    QFETCH(QString, command);
    MainFrmFixture f;
    auto w = f.create();
    QAction *a = w->findChild<QAction *>(command);
    a->setEnabled(true);
    w->ListView1->setEnabled(true);
    QSignalSpy spy(a, &QAction::triggered);
    const QList<QWidget *> targets = {w->Memo1,     w->Edit1,     w->ListView1,
                                      w->ComboBox2, w->ListView2, w->CheckBox3};
    for (QWidget *target : targets)
        QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(spy.count(), targets.size());
    QVERIFY(w->Memo1->toPlainText().isEmpty());
}

void tst_Commands::f4WithNoBookOpenDoesNothing()
{
    MainFrmFixture f;
    auto w = f.create();
    QSignalSpy spy(w->RegWord, &QAction::triggered);
    QTest::keyClick(w->Memo1, Qt::Key_F4);
    w->toolbarButtons[2]->click();
    QCOMPARE(spy.count(), 0);
    QVERIFY(f.dialogs.shown.isEmpty());
}

void tst_Commands::f9FromPadPhoneticFieldAndWordList()
{
    MainFrmFixture f;
    auto w = f.create();
    w->ListView1->setEnabled(true);
    QSignalSpy spy(w.get(), &TMainFrm::transferRequested);
    QTest::keyClick(w->Memo1, Qt::Key_F9);
    QCOMPARE(spy.count(), 1);
    QTest::keyClick(w->Edit1, Qt::Key_F9);
    QCOMPARE(spy.count(), 2);
    QTest::keyClick(w->ListView1, Qt::Key_F9);
    QCOMPARE(spy.count(), 3);
}

void tst_Commands::functionKeysIgnoreShift()
{
    MainFrmFixture f;
    auto w = f.create();
    w->RegWord->setEnabled(true);
    QSignalSpy spy(w->RegWord, &QAction::triggered);
    QTest::keyClick(w->Memo1, Qt::Key_F4, Qt::ShiftModifier);
    QCOMPARE(spy.count(), 1);
    QSignalSpy transfers(w.get(), &TMainFrm::transferRequested);
    QTest::keyClick(w->Edit1, Qt::Key_F9, Qt::ShiftModifier);
    QCOMPARE(transfers.count(), 1);
}

void tst_Commands::clearButtonEmptiesBothFields()
{
    MainFrmFixture f;
    auto w = f.create();
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->Memo1->setPlainText(QStringLiteral("café"));
    w->Edit1->setText(QStringLiteral("kafe"));
    w->Edit1->setFocus();
    w->toolbarButtons[1]->click();
    QVERIFY(w->Memo1->toPlainText().isEmpty());
    QVERIFY(w->Edit1->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), w->Memo1);
}

void tst_Commands::transferButtonRunsTransfer()
{
    MainFrmFixture f;
    auto w = f.create();
    QSignalSpy spy(w.get(), &TMainFrm::transferRequested);
    w->TransSpBtn->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(w->TransSpBtn->text(), QStringLiteral("転送\n(F9)"));
    QCOMPARE(w->TransSpBtn->toolTip(), QStringLiteral("他のアプリケーションに転送　F9"));
}

void tst_Commands::newButtonRunsCreateWB()
{
    MainFrmFixture f;
    auto w = f.create();
    QSignalSpy spy(w->CreateWB, &QAction::triggered);
    w->NewSpBtn->click();
    QCOMPARE(spy.count(), 1);
    w->CreateWB->setEnabled(false);
    QVERIFY(!w->NewSpBtn->isEnabled());
}

QTEST_MAIN(tst_Commands)
#include "tst_commands.moc"
