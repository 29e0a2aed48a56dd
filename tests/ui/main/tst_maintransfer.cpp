// The main window's transfer: the mode menu and indicator, what each mode puts on
// the clipboard from the window's own fields, the focus and selection afterwards,
// the clearing, and the target tracking with its timers, caption and circle on a
// scripted desktop.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>

#include "mainfrmfixture.h"
#include "transfercontroller.h"
#include "transfermodemenu.h"

namespace {

QStringList itemNames(QMenu *menu)
{
    QStringList names;
    for (QAction *a : menu->actions())
        names.append(a->isSeparator() ? QStringLiteral("-") : a->objectName());
    return names;
}

QStringList checkedItems(QMenu *menu)
{
    QStringList names;
    for (QAction *a : menu->actions()) {
        if (a->isChecked())
            names.append(a->objectName());
    }
    return names;
}

QAction *modeItem(TMainFrm &w, const char *name)
{
    return w.TransModeMenu->findChild<QAction *>(QLatin1String(name));
}

void selectPadRange(TMainFrm &w, int from, int to)
{
    QTextCursor cursor = w.Memo1->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    w.Memo1->setTextCursor(cursor);
}

QString clipboardText()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data ? data->text() : QString();
}

QByteArray clipboardRtf()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data ? data->data(QStringLiteral("text/rtf")) : QByteArray();
}

constexpr ForeignWindowId Editor = 0x400001;
constexpr ForeignWindowId Browser = 0x500001;
constexpr ForeignWindowId Desktop = 0x600001;

} // namespace

class tst_MainTransfer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menuItemsInOrder();
    void captionsBeginWithTheCreationLabel();
    void checkMarkOfCurrentMode_data();
    void checkMarkOfCurrentMode();
    void choosingModeSetsTransModeAndIndicator();
    void indicatorAtStartAndForUnknownMode();
    void clipboardPerMode_data();
    void clipboardPerMode();
    void workRtfWrittenInSysFolder();
    void workRtfFailureFallsBackToRichText();
    void selectionOfThreeCharactersStays();
    void wholeTextSelectedWithoutSelection_data();
    void wholeTextSelectedWithoutSelection();
    void phoneticModeTakesEmptyPhoneticField();
    void allClearEmptiesBothFields();
    void f9AndButtonTransfer();
    void trackingTimerOnlyWhileInactive();
    void tickRecordsForeignWindowInCaption();
    void ignoredWindowsLeaveTarget();
    void ownWindowsNeverTarget();
    void transferBringsTargetForwardAndPastesOnce();
    void noAutoPasteWithoutCheckBox2();
    void vanishedTargetForgotten();
    void uncheckingForgetsAtOnce();
    void emptyTitleAccepted();
    void restoreClipboardKeptInSideFile();
};

void tst_MainTransfer::menuItemsInOrder()
{
    MainFrmFixture f;
    auto w = f.create();
    QCOMPARE(w->TransModeMenu->title(), QStringLiteral("　転送モード (&M)"));
    QCOMPARE(itemNames(w->TransModeMenu),
             QStringList({"Sub1", "Sub2", "Sub3", "Sub4", "-", "Main1", "Main5", "Main2", "Main3",
                          "Main4", "-", "RestoreClipboard"}));
    for (QAction *a : w->TransModeMenu->actions())
        QVERIFY(a->isSeparator() || a->isCheckable());
}

void tst_MainTransfer::captionsBeginWithTheCreationLabel()
{
    MainFrmFixture f;
    f.writeSettings({"SelectLang,英　語"});
    auto w = f.create();
    const QStringList expected = {
        QStringLiteral("発音記号 リッチテキスト"),
        QStringLiteral("発音記号 Unicode16進 数値文字参照"),
        QStringLiteral("発音記号 Unicode10進 数値文字参照"),
        QStringLiteral("発音記号 Unicodeテキスト"),
        QString(),
        QStringLiteral("欧　文 リッチテキスト"),
        QStringLiteral("欧　文 リッチテキストⅡ"),
        QStringLiteral("欧　文 Unicode16進 数値文字参照"),
        QStringLiteral("欧　文 Unicode10進 数値文字参照"),
        QStringLiteral("欧　文 Unicodeテキスト"),
        QString(),
        QStringLiteral("転送後にクリップボードを戻す"),
    };
    auto captions = [&] {
        QStringList texts;
        for (QAction *a : w->TransModeMenu->actions())
            texts.append(a->text());
        return texts;
    };
    QCOMPARE(captions(), expected);
    // A later language choice names the indicator, not the menu.
    w->ComboBox3->setCurrentIndex(2);
    w->ComboBox3Change();
    QCOMPARE(captions(), expected);
}

void tst_MainTransfer::checkMarkOfCurrentMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("checked");
    QTest::newRow("0") << 0 << QStringList{"Main1"};
    QTest::newRow("4") << 4 << QStringList{"Main5"};
    QTest::newRow("1") << 1 << QStringList{"Main2"};
    QTest::newRow("2") << 2 << QStringList{"Main3"};
    QTest::newRow("3") << 3 << QStringList{"Main4"};
    QTest::newRow("10") << 10 << QStringList{"Sub1"};
    QTest::newRow("11") << 11 << QStringList{"Sub2"};
    QTest::newRow("12") << 12 << QStringList{"Sub3"};
    QTest::newRow("13") << 13 << QStringList{"Sub4"};
    QTest::newRow("7 is no mode") << 7 << QStringList{};
    QTest::newRow("-1 is no mode") << -1 << QStringList{};
}

void tst_MainTransfer::checkMarkOfCurrentMode()
{
    QFETCH(int, mode);
    QFETCH(QStringList, checked);
    MainFrmFixture f;
    f.writeSettings({QStringLiteral("TransMode,%1").arg(mode)});
    auto w = f.create();
    QCOMPARE(w->settings().TransMode, mode);
    Q_EMIT w->TransModeMenu->aboutToShow();
    QCOMPARE(checkedItems(w->TransModeMenu), checked);
}

void tst_MainTransfer::choosingModeSetsTransModeAndIndicator()
{
    MainFrmFixture f;
    f.writeSettings({"SelectLang,英　語"});
    auto w = f.create();
    modeItem(*w, "Main2")->trigger();
    QCOMPARE(w->settings().TransMode, 1);
    QCOMPARE(w->Edit2->text(), QStringLiteral("Uni16 英　語"));
    QCOMPARE(checkedItems(w->TransModeMenu), QStringList{"Main2"});

    modeItem(*w, "Sub4")->trigger();
    QCOMPARE(w->settings().TransMode, 13);
    QCOMPARE(w->Edit2->text(), QStringLiteral("Uﾃｷｽﾄ 発音記号"));
    QCOMPARE(checkedItems(w->TransModeMenu), QStringList{"Sub4"});

    // Choosing the checked item again keeps it checked.
    modeItem(*w, "Sub4")->trigger();
    QCOMPARE(checkedItems(w->TransModeMenu), QStringList{"Sub4"});

    w->ComboBox3->setCurrentIndex(w->ComboBox3->findText(QStringLiteral("ﾎﾟﾙﾄｶﾞﾙ語")));
    w->ComboBox3Change();
    modeItem(*w, "Main5")->trigger();
    QCOMPARE(w->settings().TransMode, 4);
    QCOMPARE(w->Edit2->text(), QStringLiteral("ﾘｯﾁⅡ ﾎﾟﾙﾄｶﾞﾙ語"));
    modeItem(*w, "Main1")->trigger();
    QCOMPARE(w->Edit2->text(), QStringLiteral("標準 ﾎﾟﾙﾄｶﾞﾙ語"));
    modeItem(*w, "Main3")->trigger();
    QCOMPARE(w->Edit2->text(), QStringLiteral("Uni10 ﾎﾟﾙﾄｶﾞﾙ語"));
    modeItem(*w, "Main4")->trigger();
    QCOMPARE(w->Edit2->text(), QStringLiteral("Uﾃｷｽﾄ ﾎﾟﾙﾄｶﾞﾙ語"));
    modeItem(*w, "Sub1")->trigger();
    QCOMPARE(w->Edit2->text(), QStringLiteral("標準 発音記号"));
    modeItem(*w, "Sub2")->trigger();
    QCOMPARE(w->Edit2->text(), QStringLiteral("Uni16 発音記号"));
    modeItem(*w, "Sub3")->trigger();
    QCOMPARE(w->Edit2->text(), QStringLiteral("Uni10 発音記号"));
    QCOMPARE(w->settings().TransMode, 12);
}

void tst_MainTransfer::indicatorAtStartAndForUnknownMode()
{
    {
        MainFrmFixture f;
        f.writeSettings({"SelectLang,英　語", "TransMode,4"});
        auto w = f.create();
        // Composed while the window was created, before the language was applied.
        QCOMPARE(w->Edit2->text(), QStringLiteral("ﾘｯﾁⅡ 欧　文"));
    }
    {
        MainFrmFixture f;
        auto w = f.create();
        QCOMPARE(w->Edit2->text(), QStringLiteral("標準 欧　文"));
    }
    {
        MainFrmFixture f;
        f.writeSettings({"TransMode,5"});
        auto w = f.create();
        QVERIFY(w->Edit2->text().isEmpty());
        // A value that is no mode copies nothing.
        QApplication::clipboard()->setText(QStringLiteral("before"));
        w->Memo1->setPlainText(QStringLiteral("abc"));
        w->Transfer();
        QCOMPARE(clipboardText(), QStringLiteral("before"));
    }
}

void tst_MainTransfer::clipboardPerMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("pad");
    QTest::addColumn<QString>("phonetic");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<bool>("rich");

    const QString pad = QStringLiteral("Ça va\nə");
    const QString phonetic = QStringLiteral("ʃə");
    QTest::newRow("0") << 0 << pad << phonetic << pad << true;
    QTest::newRow("4") << 4 << pad << phonetic << pad << true;
    QTest::newRow("1") << 1 << pad << phonetic
                       << QStringLiteral("&#x00C7;&#x0061;&#x0020;&#x0076;&#x0061;&#x000D;&#x000A;"
                                         "&#x0259;")
                       << false;
    QTest::newRow("2") << 2 << pad << phonetic
                       << QStringLiteral("&#199;&#97;&#32;&#118;&#97;&#13;&#10;&#601;") << false;
    QTest::newRow("3") << 3 << pad << phonetic << pad << false;
    QTest::newRow("10") << 10 << pad << phonetic << phonetic << true;
    QTest::newRow("11") << 11 << pad << phonetic << QStringLiteral("&#x0283;&#x0259;") << false;
    QTest::newRow("12") << 12 << pad << phonetic << QStringLiteral("&#643;&#601;") << false;
    QTest::newRow("13") << 13 << pad << phonetic << phonetic << false;
    QTest::newRow("1 above U+FFFF") << 1 << QStringLiteral("\U0001D11E") << QString()
                                    << QStringLiteral("&#xD834;&#xDD1E;") << false;
    QTest::newRow("2 no-break space") << 2 << QStringLiteral("a\u00A0b") << QString()
                                      << QStringLiteral("&#97;&#160;&#98;") << false;
    QTest::newRow("0 empty") << 0 << QString() << QString() << QString() << true;
    QTest::newRow("3 empty") << 3 << QString() << QString() << QString() << false;
}

void tst_MainTransfer::clipboardPerMode()
{
    QFETCH(int, mode);
    QFETCH(QString, pad);
    QFETCH(QString, phonetic);
    QFETCH(QString, plain);
    QFETCH(bool, rich);
    MainFrmFixture f;
    f.writeSettings({QStringLiteral("TransMode,%1").arg(mode), "UsrMainFont,\"Liberation Serif\"",
                     "UsrMainFontSize,13", "UsrSubFont,\"DejaVu Sans\"", "UsrSubFontSize,15"});
    auto w = f.create();
    QApplication::clipboard()->clear();
    w->Memo1->setPlainText(pad);
    w->Edit1->setText(phonetic);
    w->Transfer();

    const QMimeData *data = QApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->text(), plain);
    QCOMPARE(data->hasFormat(QStringLiteral("text/rtf")), rich);
    QCOMPARE(data->hasFormat(QStringLiteral("text/richtext")), rich);
    if (rich) {
        const QByteArray rtf = data->data(QStringLiteral("text/rtf"));
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg932"));
        if (mode == 10) {
            QVERIFY(rtf.contains("\\fcharset0 DejaVu Sans;}}"));
            QVERIFY(rtf.endsWith("\\lang255\\noproof\\f0\\fs30\\u643?\\u601?}"));
        } else {
            QVERIFY(rtf.contains("\\froman\\fprq2\\fcharset0 Liberation Serif;}}"));
            QVERIFY(rtf.contains("\\fs26"));
            if (!pad.isEmpty())
                QVERIFY(rtf.endsWith("\\u199?\\u97?\\u32?\\u118?\\u97?\\par\\u601?}"));
        }
        QVERIFY(data->hasHtml());
    }
    // Terminals paste PRIMARY: it holds the plain text in every mode.
    if (QApplication::clipboard()->supportsSelection())
        QCOMPARE(QApplication::clipboard()->text(QClipboard::Selection), plain);
    QVERIFY(f.dialogs.shown.isEmpty());
}

void tst_MainTransfer::workRtfWrittenInSysFolder()
{
    MainFrmFixture f;
    f.writeSettings({"TransMode,4", "UsrMainFont,\"Liberation Serif\"", "UsrMainFontSize,13"});
    auto w = f.create();
    w->Memo1->setPlainText(QStringLiteral("é\nb"));
    w->Transfer();
    QFile file(f.folders.SysFolder + QStringLiteral("/Work.rtf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes, QByteArray("{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041"
                               "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Liberation Serif;}}"
                               "\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs26\\u233?\\u13?\\u10?\\u98?"
                               "\\f1\\par}\r\n"));
    // The clipboard gets what a rich-text component holding it would copy.
    QCOMPARE(clipboardRtf(), QByteArray("{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033"
                                        "\\deflangfe1041{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 "
                                        "Liberation Serif;}}\\viewkind4\\uc1\\pard\\lang255\\noproof\\f0"
                                        "\\fs26\\u233?\\par\\u98?}"));
    QCOMPARE(clipboardText(), QStringLiteral("é\nb"));
}

void tst_MainTransfer::workRtfFailureFallsBackToRichText()
{
    MainFrmFixture f;
    f.writeSettings({"TransMode,4", "UsrMainFont,\"Liberation Serif\"", "UsrMainFontSize,13"});
    auto w = f.create();
    // A folder where the file should be: it cannot be replaced.
    const QString path = f.folders.SysFolder + QStringLiteral("/Work.rtf");
    QVERIFY(QDir().mkpath(path));
    w->Memo1->setPlainText(QStringLiteral("café"));
    w->Transfer();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown.first().kind, FakeDialogs::Kind::Warning);
    QVERIFY2(f.dialogs.shown.first().text.contains(QStringLiteral("Work.rtf")),
             qPrintable(f.dialogs.shown.first().text));
    QCOMPARE(clipboardText(), QStringLiteral("café"));
    const QByteArray rtf = clipboardRtf();
    QVERIFY(rtf.endsWith("\\u99?\\u97?\\u102?\\u233?}"));
    QVERIFY(QFileInfo(path).isDir());
}

void tst_MainTransfer::selectionOfThreeCharactersStays()
{
    MainFrmFixture f;
    f.writeSettings({"TransMode,1"});
    auto w = f.create();
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->Memo1->setPlainText(QStringLiteral("Ça va bien"));
    selectPadRange(*w, 1, 4);
    w->Edit1->setFocus();
    w->Transfer();
    QCOMPARE(clipboardText(), QStringLiteral("&#x0061;&#x0020;&#x0076;"));
    QCOMPARE(w->Memo1->textCursor().selectedText(), QStringLiteral("a v"));
    // With a selection the focus stays where it was.
    QCOMPARE(QApplication::focusWidget(), w->Edit1);

    // Mode 3 also leaves a selection in place but gives the pad the focus.
    modeItem(*w, "Main4")->trigger();
    w->Transfer();
    QCOMPARE(clipboardText(), QStringLiteral("a v"));
    QCOMPARE(w->Memo1->textCursor().selectedText(), QStringLiteral("a v"));
    QCOMPARE(QApplication::focusWidget(), w->Memo1);
}

void tst_MainTransfer::wholeTextSelectedWithoutSelection_data()
{
    QTest::addColumn<int>("mode");
    for (int mode : {0, 1, 2, 3, 4})
        QTest::addRow("%d", mode) << mode;
    for (int mode : {10, 11, 12, 13})
        QTest::addRow("%d", mode) << mode;
}

void tst_MainTransfer::wholeTextSelectedWithoutSelection()
{
    QFETCH(int, mode);
    MainFrmFixture f;
    f.writeSettings({QStringLiteral("TransMode,%1").arg(mode)});
    auto w = f.create();
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->Memo1->setPlainText(QStringLiteral("one\ntwo"));
    w->Edit1->setText(QStringLiteral("ʃə"));
    const bool phonetic = mode >= 10;
    // Start in the other field.
    (phonetic ? static_cast<QWidget *>(w->Memo1) : w->Edit1)->setFocus();
    w->Transfer();
    if (phonetic) {
        QCOMPARE(QApplication::focusWidget(), w->Edit1);
        QCOMPARE(w->Edit1->selectedText(), QStringLiteral("ʃə"));
    } else {
        QCOMPARE(QApplication::focusWidget(), w->Memo1);
        QCOMPARE(w->Memo1->textCursor().selectedText(), QStringLiteral("one\u2029two"));
    }
}

void tst_MainTransfer::phoneticModeTakesEmptyPhoneticField()
{
    MainFrmFixture f;
    f.writeSettings({"TransMode,10"});
    auto w = f.create();
    w->Memo1->setPlainText(QStringLiteral("bonjour"));
    w->Transfer();
    QCOMPARE(clipboardText(), QString());
    QVERIFY(!clipboardRtf().contains("\\u98?"));
    QVERIFY(clipboardRtf().endsWith("\\lang255\\noproof\\f0\\fs32}"));
}

void tst_MainTransfer::allClearEmptiesBothFields()
{
    for (int mode : {0, 11, 13}) {
        MainFrmFixture f;
        f.writeSettings({QStringLiteral("TransMode,%1").arg(mode), "AllClearFlg,1"});
        auto w = f.create();
        w->Memo1->setPlainText(QStringLiteral("pad"));
        w->Edit1->setText(QStringLiteral("ʃ"));
        w->Transfer();
        QVERIFY(!clipboardText().isEmpty());
        QVERIFY(w->Memo1->toPlainText().isEmpty());
        QVERIFY(w->Edit1->text().isEmpty());
    }
    MainFrmFixture f;
    f.writeSettings({"AllClearFlg,0"});
    auto w = f.create();
    w->Memo1->setPlainText(QStringLiteral("pad"));
    w->Edit1->setText(QStringLiteral("ʃ"));
    w->Transfer();
    QCOMPARE(w->Memo1->toPlainText(), QStringLiteral("pad"));
    QCOMPARE(w->Edit1->text(), QStringLiteral("ʃ"));
}

void tst_MainTransfer::f9AndButtonTransfer()
{
    MainFrmFixture f;
    f.writeSettings({"TransMode,3"});
    auto w = f.create();
    w->Memo1->setPlainText(QStringLiteral("über"));
    QApplication::clipboard()->clear();
    QTest::keyClick(w->Memo1, Qt::Key_F9);
    QCOMPARE(clipboardText(), QStringLiteral("über"));
    w->Memo1->setPlainText(QStringLiteral("größer"));
    w->TransSpBtn->click();
    QCOMPARE(clipboardText(), QStringLiteral("größer"));
}

void tst_MainTransfer::trackingTimerOnlyWhileInactive()
{
    MainFrmFixture f;
    auto w = f.create();
    QVERIFY(!w->TransTimer1->isActive());
    QCOMPARE(w->TransTimer1->interval(), 250);
    w->Transfers->setApplicationActive(false);
    QVERIFY(w->TransTimer1->isActive());
    w->Transfers->setApplicationActive(true);
    QVERIFY(!w->TransTimer1->isActive());
    // The application's own notice drives it.
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationInactive);
    QVERIFY(w->TransTimer1->isActive());
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationActive);
    QVERIFY(!w->TransTimer1->isActive());
}

void tst_MainTransfer::tickRecordsForeignWindowInCaption()
{
    MainFrmFixture f;
    auto w = f.create();
    QCOMPARE(w->windowTitle(), QStringLiteral("VelmorUC"));
    QCOMPARE(w->Shape1->brushColor(), QColor(Qt::white));
    f.windows.titles.insert(Editor, QStringLiteral("Notes — Éditeur"));
    f.windows.active = Editor;
    w->Transfers->setApplicationActive(false);
    QTRY_COMPARE_WITH_TIMEOUT(w->windowTitle(), QStringLiteral("VelmorUC [ Notes — Éditeur ]"),
                              2000);
    QCOMPARE(w->Shape1->brushColor(), QColor(255, 0, 0));
    QCOMPARE(w->Transfers->session().target().window, Editor);

    // Another window replaces it.
    f.windows.titles.insert(Browser, QStringLiteral("Browser"));
    f.windows.active = Browser;
    QTRY_COMPARE_WITH_TIMEOUT(w->windowTitle(), QStringLiteral("VelmorUC [ Browser ]"), 2000);

    // With automatic paste off the tick changes nothing.
    w->CheckBox2->setChecked(false);
    f.windows.active = Editor;
    QTest::qWait(600);
    QCOMPARE(w->windowTitle(), QStringLiteral("VelmorUC"));
    w->Transfers->setApplicationActive(true);
}

void tst_MainTransfer::ignoredWindowsLeaveTarget()
{
    MainFrmFixture f;
    auto w = f.create();
    f.windows.titles.insert(Editor, QStringLiteral("Editor"));
    f.windows.active = Editor;
    w->Transfers->setApplicationActive(false);
    QTRY_COMPARE_WITH_TIMEOUT(w->windowTitle(), QStringLiteral("VelmorUC [ Editor ]"), 2000);
    f.windows.panels.append(Desktop);
    f.windows.titles.insert(Desktop, QStringLiteral("Desktop"));
    const ForeignWindowId help = 0x700001, manager = 0x800001, start = 0x900001;
    f.windows.titles.insert(help, QStringLiteral("VelmorHelp"));
    f.windows.titles.insert(manager, QStringLiteral("Program Manager"));
    f.windows.titles.insert(start, QStringLiteral("  スタート メニュー "));
    for (ForeignWindowId window : {Desktop, help, manager, start}) {
        f.windows.active = window;
        QTest::qWait(300);
        QCOMPARE(w->windowTitle(), QStringLiteral("VelmorUC [ Editor ]"));
        QCOMPARE(w->Transfers->session().target().window, Editor);
    }
    w->Transfers->setApplicationActive(true);
}

void tst_MainTransfer::ownWindowsNeverTarget()
{
    MainFrmFixture f;
    auto w = f.create();
    // A dialog of the program whose title does not begin with the program's name.
    QWidget dialog;
    dialog.setWindowTitle(QStringLiteral("単語登録"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const ForeignWindowId own = ForeignWindowId(dialog.winId());
    QVERIFY(own != 0);
    f.windows.titles.insert(own, dialog.windowTitle());
    f.windows.active = own;
    QCOMPARE(w->Transfers->session().trackTick(true), TrackResult::Ignored);
    QCOMPARE(w->windowTitle(), QStringLiteral("VelmorUC"));
}

void tst_MainTransfer::transferBringsTargetForwardAndPastesOnce()
{
    MainFrmFixture f;
    f.writeSettings({"TransMode,3", "PasteTimerInterval,150"});
    auto w = f.create();
    QVERIFY(w->CheckBox2->isChecked());
    f.windows.titles.insert(Editor, QStringLiteral("Editor"));
    f.windows.active = Editor;
    QCOMPARE(w->Transfers->session().trackTick(true), TrackResult::Recorded);
    f.windows.active = 0; // the user is back in the program

    w->Memo1->setPlainText(QStringLiteral("déjà"));
    w->Transfer();
    QCOMPARE(clipboardText(), QStringLiteral("déjà"));
    QCOMPARE(f.windows.activated, QList<ForeignWindowId>{Editor});
    QVERIFY(w->PasteTimer->isActive());
    QVERIFY(w->PasteTimer->isSingleShot());
    QCOMPARE(w->PasteTimer->interval(), 150);
    QVERIFY(f.windows.pasted.isEmpty());
    // A second transfer within the delay: one keystroke follows.
    w->Transfer();
    QTRY_COMPARE_WITH_TIMEOUT(f.windows.pasted.size(), 1, 2000);
    QTest::qWait(300);
    QCOMPARE(f.windows.pasted, QList<ForeignWindowId>{Editor});
    QVERIFY(!w->PasteTimer->isActive());
    // The target survives the transfer.
    QCOMPARE(w->windowTitle(), QStringLiteral("VelmorUC [ Editor ]"));
}

void tst_MainTransfer::noAutoPasteWithoutCheckBox2()
{
    MainFrmFixture f;
    auto w = f.create();
    f.windows.titles.insert(Editor, QStringLiteral("Editor"));
    f.windows.active = Editor;
    QCOMPARE(w->Transfers->session().trackTick(true), TrackResult::Recorded);
    w->CheckBox2->click();
    QVERIFY(!w->settings().AutoPasteFlg);
    w->Memo1->setPlainText(QStringLiteral("x"));
    w->Transfer();
    QVERIFY(f.windows.activated.isEmpty());
    QVERIFY(!w->PasteTimer->isActive());
    QCOMPARE(clipboardText().isEmpty(), false);
}

void tst_MainTransfer::vanishedTargetForgotten()
{
    MainFrmFixture f;
    f.writeSettings({"TransMode,1"});
    auto w = f.create();
    f.windows.titles.insert(Editor, QStringLiteral("Editor"));
    f.windows.active = Editor;
    QCOMPARE(w->Transfers->session().trackTick(true), TrackResult::Recorded);
    QCOMPARE(w->Shape1->brushColor(), QColor(255, 0, 0));
    f.windows.activateSucceeds = false;
    w->Memo1->setPlainText(QStringLiteral("é"));
    w->Transfer();
    QCOMPARE(clipboardText(), QStringLiteral("&#x00E9;"));
    QCOMPARE(w->windowTitle(), QStringLiteral("VelmorUC"));
    QCOMPARE(w->Shape1->brushColor(), w->Shape1->palette().color(QPalette::Base));
    QVERIFY(!w->Transfers->session().target().hasTarget);
    QVERIFY(!w->PasteTimer->isActive());
    QTest::qWait(400);
    QVERIFY(f.windows.pasted.isEmpty());
    QVERIFY(f.dialogs.shown.isEmpty());
}

void tst_MainTransfer::uncheckingForgetsAtOnce()
{
    MainFrmFixture f;
    auto w = f.create();
    f.windows.titles.insert(Editor, QStringLiteral("Editor"));
    f.windows.active = Editor;
    QCOMPARE(w->Transfers->session().trackTick(true), TrackResult::Recorded);
    QCOMPARE(w->windowTitle(), QStringLiteral("VelmorUC [ Editor ]"));
    w->CheckBox2->click();
    QCOMPARE(w->windowTitle(), QStringLiteral("VelmorUC"));
    QCOMPARE(w->Shape1->brushColor(), w->Shape1->palette().color(QPalette::Base));
    QVERIFY(!w->settings().AutoPasteFlg);
    w->CheckBox2->click();
    QVERIFY(w->settings().AutoPasteFlg);
    QCOMPARE(w->windowTitle(), QStringLiteral("VelmorUC"));
}

void tst_MainTransfer::emptyTitleAccepted()
{
    MainFrmFixture f;
    auto w = f.create();
    f.windows.titles.insert(Editor, QString());
    f.windows.active = Editor;
    QCOMPARE(w->Transfers->session().trackTick(true), TrackResult::Recorded);
    QCOMPARE(w->windowTitle(), QStringLiteral("VelmorUC [  ]"));
}

void tst_MainTransfer::restoreClipboardKeptInSideFile()
{
    MainFrmFixture f;
    {
        auto w = f.create();
        QAction *item = modeItem(*w, "RestoreClipboard");
        QVERIFY(!item->isChecked());
        item->trigger();
        QVERIFY(w->settings().RestoreClipboardFlg);
        w->close();
    }
    QCOMPARE(ReadTextFile(f.settingsPath(), TextFileKind::Ansi).lines.size(), 62);
    auto w = f.create();
    QVERIFY(w->settings().RestoreClipboardFlg);
    QVERIFY(modeItem(*w, "RestoreClipboard")->isChecked());
}

QTEST_MAIN(tst_MainTransfer)
#include "tst_maintransfer.moc"
