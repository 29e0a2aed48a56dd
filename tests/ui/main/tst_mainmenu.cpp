#include <QTest>

#include "mainfrmfixture.h"

class tst_MainMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void topLevelCaptions();
    void menuItems_data();
    void menuItems();
    void editShortcutsAndHints_data();
    void editShortcutsAndHints();
    void checkMarksOnOpening_data();
    void checkMarksOnOpening();
    void wordWrapAndScrollBarsFlip();
    void searchDetailItemFlipsNoResFlg();
    void contextMenus();
};

void tst_MainMenu::topLevelCaptions()
{
    MainFrmFixture f;
    auto w = f.create();
    QStringList captions;
    for (QAction *a : w->MainMenu1->actions())
        captions.append(a->text());
    const QStringList expected = {
        QStringLiteral("　ファイル (&F)"),   QStringLiteral("　編集 (&E)"),
        QStringLiteral("　IME指定 (&I)"),    QStringLiteral("　単語帳 (&W)"),
        QStringLiteral("　転送モード (&M)"), QStringLiteral("ツール (&T)"),
        QStringLiteral("　オプション (&O)"), QStringLiteral("　ヘルプ (&H)"),
    };
    QCOMPARE(captions, expected);
    // The leading blank is the ideographic one.
    QCOMPARE(captions[0].at(0), QChar(0x3000));
}

void tst_MainMenu::menuItems_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("file") << "FileMenu"
                          << QStringList{"開く", "上書き保存", "名前を付けて保存", "-",
                                         "閉じる (&X)"};
    QTest::newRow("edit") << "EditMenu"
                          << QStringList{"元に戻す(&U)",     "切り取り(&T)",
                                         "コピー(&C)",       "貼り付け(&P)",
                                         "削除(&D)",         "-",
                                         "すべてを選択(&A)", "-",
                                         "右端で折り返す",   "スクロールバーを表示する"};
    QTest::newRow("ime") << "IMEMenu" << QStringList{"日本語IME"};
    QTest::newRow("wordbook") << "WordBookMenu"
                              << QStringList{"単語帳エディタ",
                                             "-",
                                             "グループ名の編集",
                                             "-",
                                             "単語帳の新規作成",
                                             "単語帳のプロパティ変更",
                                             "単語帳の削除",
                                             "書き出し（フラッシュカード用）…",
                                             "-",
                                             "単語登録",
                                             "単語編集",
                                             "単語移動",
                                             "ジャンプ (&J)",
                                             "単語削除",
                                             "-",
                                             "検索詳細画面を表示する",
                                             "-",
                                             "単語帳を閉じる"};
    QTest::newRow("tools") << "ToolMenu"
                           << QStringList{"記号データベース",
                                          "候補順エディタ",
                                          "-",
                                          "2文字を1文字化する　（アクセント付文字など）　(&C)",
                                          "1文字を2文字化する　（アクセント付文字など） (&D)",
                                          "-",
                                          "単語帳変換ツール",
                                          "-",
                                          "一覧HTML作成ツール",
                                          "-",
                                          "コード値チェッカー"};
    QTest::newRow("options") << "OptionMenu" << QStringList{"設定"};
    QTest::newRow("help") << "HelpMenu" << QStringList{"ヘルプ (&H)", "バージョン情報 (&V)"};
}

void tst_MainMenu::menuItems()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    MainFrmFixture f;
    auto w = f.create();
    QMenu *m = findMenu(*w, menu.toLatin1().constData());
    QVERIFY(m);
    QStringList captions;
    for (QAction *a : m->actions())
        captions.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(captions, items);
}

void tst_MainMenu::editShortcutsAndHints_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("hint");
    QTest::newRow("undo") << "EditUndo" << QKeySequence(Qt::CTRL | Qt::Key_Z)
                          << "元に戻す|直前の変更を元に戻す";
    QTest::newRow("cut") << "EditCut" << QKeySequence(Qt::CTRL | Qt::Key_X)
                         << "切り取り|選択部分を切り取り、クリップボードに送る";
    QTest::newRow("copy") << "EditCopy" << QKeySequence(Qt::CTRL | Qt::Key_C)
                          << "コピー|選択範囲をクリップボードにコピー";
    QTest::newRow("paste") << "EditPaste" << QKeySequence(Qt::CTRL | Qt::Key_V)
                           << "貼り付け|クリップボードの内容を貼り付ける";
    QTest::newRow("delete") << "EditDelete" << QKeySequence(Qt::Key_Delete)
                            << "削除|選択部分を削除する";
    QTest::newRow("select all") << "EditSelectAll" << QKeySequence(Qt::CTRL | Qt::Key_A)
                                << "すべてを選択|ドキュメント全体を選択する";
}

void tst_MainMenu::editShortcutsAndHints()
{
    QFETCH(QString, name);
    QFETCH(QKeySequence, key);
    QFETCH(QString, hint);
    MainFrmFixture f;
    auto w = f.create();
    auto *a = w->findChild<QAction *>(name);
    QVERIFY(a);
    QCOMPARE(a->shortcut(), key);
    QCOMPARE(a->toolTip() + u'|' + a->statusTip(), hint);
}

void tst_MainMenu::checkMarksOnOpening_data()
{
    QTest::addColumn<QStringList>("settingsLines");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("bars");
    QTest::addColumn<bool>("searchDetail");
    QTest::newRow("start values") << QStringList() << false << false << true;
    QTest::newRow("all set") << QStringList{"WordWrapFlg,1", "ScroBarsFlg,1", "NoResFlg,1"} << true
                             << true << false;
}

void tst_MainMenu::checkMarksOnOpening()
{
    QFETCH(QStringList, settingsLines);
    QFETCH(bool, wrap);
    QFETCH(bool, bars);
    QFETCH(bool, searchDetail);
    MainFrmFixture f;
    f.writeSettings(settingsLines);
    auto w = f.create();
    Q_EMIT findMenu(*w, "EditMenu")->aboutToShow();
    Q_EMIT findMenu(*w, "WordBookMenu")->aboutToShow();
    QCOMPARE(w->WordWrapItem->isChecked(), wrap);
    QCOMPARE(w->ScroBarsItem->isChecked(), bars);
    QCOMPARE(w->NoResItem->isChecked(), searchDetail);
    QCOMPARE(w->Memo1->lineWrapMode(), wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    QCOMPARE(w->Memo1->verticalScrollBarPolicy(),
             bars ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void tst_MainMenu::wordWrapAndScrollBarsFlip()
{
    MainFrmFixture f;
    auto w = f.create();
    w->WordWrapItem->trigger();
    QVERIFY(w->settings().WordWrapFlg);
    QCOMPARE(w->Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    w->WordWrapItem->trigger();
    QVERIFY(!w->settings().WordWrapFlg);
    QCOMPARE(w->Memo1->lineWrapMode(), QPlainTextEdit::NoWrap);
    w->ScroBarsItem->trigger();
    QVERIFY(w->settings().ScroBarsFlg);
    QCOMPARE(w->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(w->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    w->ScroBarsItem->trigger();
    QCOMPARE(w->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

void tst_MainMenu::searchDetailItemFlipsNoResFlg()
{
    MainFrmFixture f;
    auto w = f.create();
    QVERIFY(!w->settings().NoResFlg);
    w->NoResItem->trigger();
    QVERIFY(w->settings().NoResFlg);
    Q_EMIT findMenu(*w, "WordBookMenu")->aboutToShow();
    QVERIFY(!w->NoResItem->isChecked());
}

void tst_MainMenu::contextMenus()
{
    MainFrmFixture f;
    auto w = f.create();
    auto names = [](QMenu *m) {
        QStringList out;
        for (QAction *a : m->actions())
            out.append(a->isSeparator() ? QStringLiteral("-") : a->objectName());
        return out;
    };
    QCOMPARE(names(w->PopupMenu1), (QStringList{"RegWord", "ModWord", "MoveWord", "JumpWord",
                                                "DeleteWord", "-", "ChangeColor"}));
    QCOMPARE(names(w->PopupMenu5), (QStringList{"DeleteWB", "-", "ChangeProp", "CloseWB"}));
    // The very same command objects as the main menu uses.
    QVERIFY(findMenu(*w, "WordBookMenu")->actions().contains(w->RegWord));
    QVERIFY(w->PopupMenu1->actions().contains(w->RegWord));
}

QTEST_MAIN(tst_MainMenu)
#include "tst_mainmenu.moc"
