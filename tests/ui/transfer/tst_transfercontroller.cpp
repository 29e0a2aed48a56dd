// The transfer controller over bare widgets: without any window service a transfer
// only fills the clipboard, and the command never fails; with a scripted desktop
// the paste keystroke follows the configured delay.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include "fakedialogs.h"
#include "fakeplatform.h"
#include "transfercontroller.h"
#include "tshape.h"

namespace {

struct Bench
{
    QTemporaryDir sys;
    QWidget window;
    QMenu menu;
    QLineEdit indicator;
    QPlainTextEdit pad;
    QLineEdit phonetic;
    QCheckBox autoPaste;
    TShape lamp;
    QTimer track;
    QTimer paste;
    Settings settings;
    AppFolders folders;
    FakeDialogs dialogs;
    std::unique_ptr<TransferController> controller;

    explicit Bench(WindowSystem *windows)
    {
        folders.SysFolder = sys.path();
        window.setWindowTitle(QStringLiteral("VelmorUC"));
        TransferWidgets w;
        w.window = &window;
        w.TransModeMenu = &menu;
        w.Edit2 = &indicator;
        w.Memo1 = &pad;
        w.Edit1 = &phonetic;
        w.CheckBox2 = &autoPaste;
        w.Shape1 = &lamp;
        w.TransTimer1 = &track;
        w.PasteTimer = &paste;
        controller = std::make_unique<TransferController>(w, settings, folders, dialogs, windows);
        autoPaste.setChecked(settings.AutoPasteFlg);
    }
};

QString clipboardText()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data ? data->text() : QString();
}

} // namespace

class tst_TransferController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void withoutWindowServiceOnlyTheClipboard();
    void pasteFollowsTheDelay();
    void checkBoxMirrorsAutoPasteFlg();
    void lineBreaksAsCrLf();
    void clipboardGivenBackAfterThePaste_data();
    void clipboardGivenBackAfterThePaste();
};

void tst_TransferController::withoutWindowServiceOnlyTheClipboard()
{
    Bench b(nullptr);
    b.settings.TransMode = 2;
    b.pad.setPlainText(QStringLiteral("ə"));
    b.controller->setApplicationActive(false);
    QVERIFY(b.track.isActive());
    QTest::qWait(300);
    QCOMPARE(b.controller->session().trackTick(true), TrackResult::NoWindow);
    b.controller->Transfer();
    QCOMPARE(clipboardText(), QStringLiteral("&#601;"));
    QVERIFY(!b.paste.isActive());
    QCOMPARE(b.window.windowTitle(), QStringLiteral("VelmorUC"));
    QCOMPARE(b.lamp.brushColor(), QColor(Qt::white));
    QVERIFY(b.dialogs.shown.isEmpty());
}

void tst_TransferController::pasteFollowsTheDelay()
{
    FakeWindowSystem windows;
    Bench b(&windows);
    b.settings.PasteTimerInterval = 300;
    b.settings.TransMode = 3;
    windows.titles.insert(7, QStringLiteral("Mail"));
    windows.active = 7;
    QCOMPARE(b.controller->session().trackTick(true), TrackResult::Recorded);
    QCOMPARE(b.window.windowTitle(), QStringLiteral("VelmorUC [ Mail ]"));
    b.pad.setPlainText(QStringLiteral("Grüße"));
    QElapsedTimer clock;
    clock.start();
    b.controller->Transfer();
    QCOMPARE(windows.activated, QList<ForeignWindowId>{7});
    QTRY_COMPARE_WITH_TIMEOUT(windows.pasted.size(), 1, 3000);
    QVERIFY2(clock.elapsed() >= 290, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(clipboardText(), QStringLiteral("Grüße"));
    // The next transfer arms it again.
    b.controller->Transfer();
    QTRY_COMPARE_WITH_TIMEOUT(windows.pasted.size(), 2, 3000);
}

void tst_TransferController::checkBoxMirrorsAutoPasteFlg()
{
    FakeWindowSystem windows;
    Bench b(&windows);
    QVERIFY(b.autoPaste.isChecked());
    b.autoPaste.setChecked(false);
    QVERIFY(!b.settings.AutoPasteFlg);
    QCOMPARE(b.lamp.brushColor(), b.lamp.palette().color(QPalette::Base));
    windows.active = 9;
    QCOMPARE(b.controller->session().trackTick(b.settings.AutoPasteFlg), TrackResult::Off);
    b.autoPaste.setChecked(true);
    QVERIFY(b.settings.AutoPasteFlg);
}

void tst_TransferController::lineBreaksAsCrLf()
{
    Bench b(nullptr);
    b.pad.setPlainText(QStringLiteral("a\nb\n"));
    const TransferFields fields = b.controller->fields();
    QCOMPARE(fields.padText, QStringLiteral("a\u2029b\u2029"));
    b.settings.TransMode = 1;
    const TransferContent content = b.controller->CopyTransferText();
    QCOMPARE(content.sourceText, QStringLiteral("a\r\nb\r\n"));
    QCOMPARE(clipboardText(), QStringLiteral("&#x0061;&#x000D;&#x000A;&#x0062;&#x000D;&#x000A;"));
}

void tst_TransferController::clipboardGivenBackAfterThePaste_data()
{
    QTest::addColumn<bool>("restore");
    QTest::addColumn<bool>("target");
    QTest::addColumn<bool>("givenBack");
    QTest::newRow("on, pasted") << true << true << true;
    QTest::newRow("on, no target: left for pasting by hand") << true << false << false;
    QTest::newRow("off") << false << true << false;
}

void tst_TransferController::clipboardGivenBackAfterThePaste()
{
    QFETCH(bool, restore);
    QFETCH(bool, target);
    QFETCH(bool, givenBack);
    FakeWindowSystem windows;
    Bench b(&windows);
    b.settings.PasteTimerInterval = 100;
    b.settings.TransMode = 0;
    b.settings.RestoreClipboardFlg = restore;
    if (target) {
        windows.titles.insert(7, QStringLiteral("Mail"));
        windows.active = 7;
        QCOMPARE(b.controller->session().trackTick(true), TrackResult::Recorded);
    }
    auto *before = new QMimeData;
    before->setText(QStringLiteral("mine"));
    before->setData(QStringLiteral("image/png"), QByteArray("\x89PNG\0data", 9));
    QApplication::clipboard()->setMimeData(before);

    b.pad.setPlainText(QStringLiteral("où"));
    b.controller->Transfer();
    QCOMPARE(clipboardText(), QStringLiteral("où"));
    // A second transfer while the paste is due keeps what the user had.
    b.controller->Transfer();
    QTRY_COMPARE_WITH_TIMEOUT(windows.pasted.size(), target ? 1 : 0, 3000);
    QCOMPARE(b.controller->restoreTimer()->isActive(), givenBack);
    QCOMPARE(clipboardText(), QStringLiteral("où"));
    QTest::qWait(250);
    QVERIFY(!b.controller->restoreTimer()->isActive());
    const QMimeData *after = QApplication::clipboard()->mimeData();
    QCOMPARE(after->text(), givenBack ? QStringLiteral("mine") : QStringLiteral("où"));
    QCOMPARE(after->data(QStringLiteral("image/png")),
             givenBack ? QByteArray("\x89PNG\0data", 9) : QByteArray());
}

QTEST_MAIN(tst_TransferController)
#include "tst_transfercontroller.moc"
