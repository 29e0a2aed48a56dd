#include <QFile>
#include <QTest>
#include <QTextBrowser>

#include "mainfrmfixture.h"
#include "tdocumentfrm.h"

class tst_Selectors : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizeSelector_data();
    void sizeSelector();
    void fontSelector();
    void languageSelector_data();
    void languageSelector();
    void helpWithoutFileDoesNothing();
    void helpWithoutViewerShowsItInTheProgram();
    void helpOpensTheHelpPage();
    void phoneticFieldSelectsJapaneseLayout();
    void editCommandsActOnFocusedField();
    void editCommandsFollowTheField();
};

void tst_Selectors::sizeSelector_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("size");
    QTest::newRow("number") << "24" << 24;
    QTest::newRow("list entry") << "60" << 60;
    QTest::newRow("not a number") << "abc" << 20;
    QTest::newRow("empty") << "" << 20;
    QTest::newRow("zero") << "0" << 20;
    QTest::newRow("negative") << "-5" << 20;
    QTest::newRow("beyond the list") << "72" << 72;
}

void tst_Selectors::sizeSelector()
{
    QFETCH(QString, typed);
    QFETCH(int, size);
    MainFrmFixture f;
    auto w = f.create();
    w->ComboBox2->setEditText(typed);
    QCOMPARE(w->Memo1->font().pointSize(), size);
    QCOMPARE(w->settings().UsrMainFontSize, size);
    // Typing into the box keeps the same rule.
    w->ComboBox2->lineEdit()->clear();
    QTest::keyClicks(w->ComboBox2->lineEdit(), QStringLiteral("3x"));
    QCOMPARE(w->settings().UsrMainFontSize, 3);
}

void tst_Selectors::fontSelector()
{
    MainFrmFixture f;
    auto w = f.create();
    // Until the list is opened it holds only the family it shows.
    const QString shown = w->settings().UsrMainFont;
    QCOMPARE(w->ComboBox1->count(), 1);
    QCOMPARE(w->ComboBox1->currentText(), shown);
    w->ComboBox1->showPopup();
    w->ComboBox1->hidePopup();
    QCOMPARE(w->ComboBox1->currentText(), shown);
    QCOMPARE(w->settings().UsrMainFont, shown);
    const int index = w->ComboBox1->findText(QStringLiteral("DejaVu Sans"));
    QVERIFY(index >= 0);
    w->ComboBox1->setCurrentIndex(index);
    Q_EMIT w->ComboBox1->activated(index);
    QCOMPARE(w->settings().UsrMainFont, QStringLiteral("DejaVu Sans"));
    QCOMPARE(w->Memo1->font().family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(w->Memo1->font().pointSize(), 20);
}

void tst_Selectors::languageSelector_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("dictionary");
    QTest::addColumn<QString>("forward");
    QTest::addColumn<QString>("backward");
    QTest::newRow("french") << 2 << "FrenchA"
                            << "FrenchG"
                            << "仏和"
                            << "和仏";
    QTest::newRow("default") << 0 << "bookA"
                             << "bookG"
                             << "欧日"
                             << "日欧";
    QTest::newRow("portuguese") << 6 << "PortugueseA"
                                << "PortugueseG"
                                << "葡和"
                                << "和葡";
}

void tst_Selectors::languageSelector()
{
    QFETCH(int, index);
    QFETCH(QString, folder);
    QFETCH(QString, dictionary);
    QFETCH(QString, forward);
    QFETCH(QString, backward);
    MainFrmFixture f;
    f.writeSettings({"SelectLang,\"英　語\""});
    auto w = f.create();
    w->DicSpBtn->setChecked(true);
    w->ComboBox3->setCurrentIndex(index);
    Q_EMIT w->ComboBox3->activated(index);
    QCOMPARE(w->settings().SelectLang, w->ComboBox3->itemText(index));
    QCOMPARE(w->folders().WordBookFolder, f.folders.documentsFolder(folder));
    QCOMPARE(w->folders().DictionaryFolder, f.folders.documentsFolder(dictionary));
    QCOMPARE(w->RadioButton1->text(), forward);
    QCOMPARE(w->RadioButton2->text(), backward);
    QVERIFY(!w->DicSpBtn->isChecked());
    // After a change the status line has no colon.
    QCOMPARE(w->statusPanelText(1),
             QStringLiteral("●単語帳フォルダ") + f.folders.documentsFolder(folder));
    QCOMPARE(w->ListView1->model()->headerData(0, Qt::Horizontal).toString(),
             w->ComboBox3->itemText(index));
}

void tst_Selectors::helpWithoutFileDoesNothing()
{
    MainFrmFixture f;
    auto w = f.create();
    w->HelpContents->trigger();
    QVERIFY(f.shell.opened.isEmpty());
    QVERIFY(f.dialogs.shown.isEmpty());
}

void tst_Selectors::helpWithoutViewerShowsItInTheProgram()
{
    MainFrmFixture f;
    f.shell.hasViewer = false;
    const QString help = f.folders.ProgramFolder + QStringLiteral("/Help/VelmorHelp.html");
    QDir().mkpath(f.folders.ProgramFolder + QStringLiteral("/Help"));
    QVERIFY(WriteFileBytes(help, "<html><head><meta charset=\"utf-8\"><title>ヘルプ</title>"
                                 "</head><body><h1>トリガーキー</h1></body></html>")
                .ok);
    auto w = f.create();
    w->HelpContents->trigger();
    QCOMPARE(f.shell.opened, QStringList{help});
    QCOMPARE(f.dialogs.texts().size(), 1);
    QVERIFY(f.dialogs.texts().constFirst().contains(QDir::toNativeSeparators(help)));
    auto *viewer = w->findChild<TDocumentFrm *>();
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->windowTitle(), QStringLiteral("ヘルプ"));
    QVERIFY(viewer->Browser->toPlainText().contains(QStringLiteral("トリガーキー")));
}

void tst_Selectors::helpOpensTheHelpPage()
{
    MainFrmFixture f;
    const QString help = f.folders.ProgramFolder + QStringLiteral("/Help/VelmorHelp.html");
    QDir().mkpath(f.folders.ProgramFolder + QStringLiteral("/Help"));
    QVERIFY(WriteFileBytes(help, "<html></html>").ok);
    auto w = f.create();
    w->HelpContents->trigger();
    QCOMPARE(f.shell.opened, QStringList{help});
}

void tst_Selectors::phoneticFieldSelectsJapaneseLayout()
{
    MainFrmFixture f;
    f.inputMethod.layouts = {QStringLiteral("mozc-jp"), QStringLiteral("xkb:us::eng")};
    f.writeSettings({"CusJpImeStr,mozc-jp"});
    auto w = f.create();
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->Memo1->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), w->Memo1);
    f.inputMethod.selected.clear();
    w->Edit1->setFocus();
    QTRY_COMPARE(f.inputMethod.selected, QStringList{"mozc-jp"});
}

void tst_Selectors::editCommandsActOnFocusedField()
{
    MainFrmFixture f;
    auto w = f.create();
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->Edit1->setFocus();
    w->Edit1->setText(QStringLiteral("ɪŋɡlɪʃ"));
    w->EditSelectAll->trigger();
    QCOMPARE(w->Edit1->selectedText(), QStringLiteral("ɪŋɡlɪʃ"));
    w->EditCut->trigger();
    QVERIFY(w->Edit1->text().isEmpty());
    w->Memo1->setFocus();
    w->EditPaste->trigger();
    QCOMPARE(w->padText(), QStringLiteral("ɪŋɡlɪʃ"));
    w->EditSelectAll->trigger();
    w->EditDelete->trigger();
    QVERIFY(w->padText().isEmpty());
    w->EditUndo->trigger();
    QCOMPARE(w->padText(), QStringLiteral("ɪŋɡlɪʃ"));
    // Delete removes the selection only, never the character after the caret.
    w->Memo1->moveCursor(QTextCursor::Start);
    w->EditDelete->trigger();
    QCOMPARE(w->padText(), QStringLiteral("ɪŋɡlɪʃ"));
}

void tst_Selectors::editCommandsFollowTheField()
{
    MainFrmFixture f;
    auto w = f.create();
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->Memo1->setFocus();
    QMenu *edit = findMenu(*w, "EditMenu");
    Q_EMIT edit->aboutToShow();
    QVERIFY(!w->EditCut->isEnabled());
    QVERIFY(!w->EditCopy->isEnabled());
    QVERIFY(!w->EditSelectAll->isEnabled());
    Q_EMIT edit->aboutToHide();
    w->Memo1->setPlainText(QStringLiteral("abc"));
    w->Memo1->selectAll();
    Q_EMIT edit->aboutToShow();
    QVERIFY(w->EditCut->isEnabled());
    QVERIFY(w->EditCopy->isEnabled());
    QVERIFY(w->EditSelectAll->isEnabled());
    Q_EMIT edit->aboutToHide();
    QVERIFY(w->EditUndo->isEnabled());
}

QTEST_MAIN(tst_Selectors)
#include "tst_selectors.moc"
