#include <QSignalSpy>
#include <QTest>

#include "fakeplatform.h"
#include "settings.h"
#include "transfertarget.h"

class tst_TransferTarget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void captions_data();
    void captions();
    void clipTitle();
    void ignoredTitles_data();
    void ignoredTitles();
    void recordsForeignWindow();
    void ignoredWindowKeepsTarget_data();
    void ignoredWindowKeepsTarget();
    void offChangesNothing();
    void noDisplay();
    void targetItselfChangesNothing();
    void laterWindowReplacesTarget();
    void ownWindowTest();
    void longTitleClipped();
    void autoPasteSequence();
    void twoTransfersOneKeystroke();
    void vanishedTargetForgotten();
    void noTargetNoKeystroke();
    void uncheckForgets();
    void trackingOnlyInBackground();
    void lampColours();
};

void tst_TransferTarget::captions_data()
{
    QTest::addColumn<bool>("has");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("caption");
    QTest::newRow("none") << false << QString() << "VelmorUC";
    QTest::newRow("editor") << true << "memo.txt - gedit"
                            << "VelmorUC [ memo.txt - gedit ]";
    // An empty title: a blank, a bracket, two blanks and a bracket.
    QTest::newRow("empty title") << true << QString() << "VelmorUC [  ]";
}

void tst_TransferTarget::captions()
{
    QFETCH(bool, has);
    QFETCH(QString, title);
    QFETCH(QString, caption);
    QCOMPARE(TransferCaption(TransferTarget{has, has ? 7u : 0u, title}), caption);
}

void tst_TransferTarget::clipTitle()
{
    const QString exact(254, u'a');
    QCOMPARE(ClipTargetTitle(exact), exact);
    QCOMPARE(ClipTargetTitle(exact + u'b'), exact);
    // A surrogate pair across the limit is not cut in half.
    const QString pair = QString(253, u'a') + QString::fromUcs4(U"\U0001D11E");
    QCOMPARE(ClipTargetTitle(pair), QString(253, u'a'));
    QCOMPARE(ClipTargetTitle(QString()), QString());
}

void tst_TransferTarget::ignoredTitles_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("ignored");
    QTest::newRow("desktop") << "Program Manager" << true;
    QTest::newRow("desktop with blank") << "Program Manager " << false;
    QTest::newRow("help viewer") << "VelmorHelp" << true;
    QTest::newRow("help in a browser") << "VelmorHelp.html - Firefox" << true;
    QTest::newRow("start menu") << "スタート メニュー" << true;
    QTest::newRow("start menu blanks") << "  スタート メニュー " << true;
    QTest::newRow("start menu ideographic blank") << "スタート\u3000メニュー" << false;
    QTest::newRow("own main window") << "VelmorUC" << true;
    QTest::newRow("own caption with target") << "VelmorUC [ gedit ]" << true;
    QTest::newRow("own dialog") << "VelmorUC - オプション" << true;
    QTest::newRow("prefix elsewhere") << "about VelmorUC" << false;
    QTest::newRow("lower case") << "velmoruc" << false;
    QTest::newRow("editor") << "memo.txt - gedit" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_TransferTarget::ignoredTitles()
{
    QFETCH(QString, title);
    QFETCH(bool, ignored);
    QCOMPARE(IsIgnoredTargetTitle(title), ignored);
}

void tst_TransferTarget::recordsForeignWindow()
{
    FakeWindowSystem windows;
    windows.titles = {{5, QStringLiteral("memo.txt - gedit")}};
    windows.active = 5;
    TransferSession session(windows);
    QCOMPARE(session.lamp(), TargetLamp::Start);
    QCOMPARE(session.caption(), QStringLiteral("VelmorUC"));
    QSignalSpy changed(&session, &TransferSession::targetChanged);
    QCOMPARE(session.trackTick(true), TrackResult::Recorded);
    QCOMPARE(session.target(), (TransferTarget{true, 5, QStringLiteral("memo.txt - gedit")}));
    QCOMPARE(session.lamp(), TargetLamp::Known);
    QCOMPARE(session.caption(), QStringLiteral("VelmorUC [ memo.txt - gedit ]"));
    QCOMPARE(changed.count(), 1);
}

void tst_TransferTarget::ignoredWindowKeepsTarget_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("panel");
    QTest::newRow("panel by type") << "xfce4-panel" << true;
    QTest::newRow("desktop by type") << "Desktop" << true;
    QTest::newRow("desktop by title") << "Program Manager" << false;
    QTest::newRow("help viewer") << "VelmorHelp" << false;
    QTest::newRow("own window") << "VelmorUC [ memo.txt ]" << false;
}

void tst_TransferTarget::ignoredWindowKeepsTarget()
{
    QFETCH(QString, title);
    QFETCH(bool, panel);
    FakeWindowSystem windows;
    windows.titles = {{5, QStringLiteral("memo.txt")}, {6, title}};
    if (panel)
        windows.panels = {6};
    TransferSession session(windows);
    windows.active = 5;
    session.trackTick(true);
    QSignalSpy changed(&session, &TransferSession::targetChanged);
    windows.active = 6;
    QCOMPARE(session.trackTick(true), TrackResult::Ignored);
    QCOMPARE(session.target().window, ForeignWindowId(5));
    QCOMPARE(session.caption(), QStringLiteral("VelmorUC [ memo.txt ]"));
    QCOMPARE(changed.count(), 0);
}

void tst_TransferTarget::offChangesNothing()
{
    FakeWindowSystem windows;
    windows.titles = {{5, QStringLiteral("memo.txt")}};
    windows.active = 5;
    TransferSession session(windows);
    QSignalSpy changed(&session, &TransferSession::targetChanged);
    QCOMPARE(session.trackTick(false), TrackResult::Off);
    QVERIFY(!session.target().hasTarget);
    QCOMPARE(session.caption(), QStringLiteral("VelmorUC"));
    QCOMPARE(changed.count(), 0);
}

void tst_TransferTarget::noDisplay()
{
    FakeWindowSystem windows;
    windows.hasDisplay = false;
    windows.active = 5;
    TransferSession session(windows);
    QCOMPARE(session.trackTick(true), TrackResult::NoWindow);
    QCOMPARE(session.autoPaste(), AutoPasteResult::NoTarget);
    QVERIFY(windows.activated.isEmpty());
    // Nothing in front (window 0) is no target either.
    FakeWindowSystem empty;
    TransferSession other(empty);
    QCOMPARE(other.trackTick(true), TrackResult::NoWindow);
    QVERIFY(!other.target().hasTarget);
}

void tst_TransferTarget::targetItselfChangesNothing()
{
    FakeWindowSystem windows;
    windows.titles = {{5, QStringLiteral("memo.txt")}};
    windows.active = 5;
    TransferSession session(windows);
    session.trackTick(true);
    // The title changed but the window is the same: the recorded title stays.
    windows.titles[5] = QStringLiteral("other.txt");
    QSignalSpy changed(&session, &TransferSession::targetChanged);
    QCOMPARE(session.trackTick(true), TrackResult::AlreadyTarget);
    QCOMPARE(session.target().title, QStringLiteral("memo.txt"));
    QCOMPARE(changed.count(), 0);
}

void tst_TransferTarget::laterWindowReplacesTarget()
{
    FakeWindowSystem windows;
    windows.titles = {{5, QStringLiteral("memo.txt")}, {9, QString()}};
    TransferSession session(windows);
    windows.active = 5;
    session.trackTick(true);
    windows.active = 9;
    QCOMPARE(session.trackTick(true), TrackResult::Recorded);
    QCOMPARE(session.target(), (TransferTarget{true, 9, QString()}));
    QCOMPARE(session.caption(), QStringLiteral("VelmorUC [  ]"));
}

void tst_TransferTarget::ownWindowTest()
{
    FakeWindowSystem windows;
    windows.titles = {{5, QStringLiteral("オプション")}};
    windows.active = 5;
    TransferSession session(windows);
    session.setOwnWindowTest([](ForeignWindowId w) { return w == 5; });
    QCOMPARE(session.trackTick(true), TrackResult::Ignored);
    QVERIFY(!session.target().hasTarget);
}

void tst_TransferTarget::longTitleClipped()
{
    FakeWindowSystem windows;
    windows.titles = {{5, QString(300, u'x')}};
    windows.active = 5;
    TransferSession session(windows);
    session.trackTick(true);
    QCOMPARE(session.target().title, QString(254, u'x'));
}

void tst_TransferTarget::autoPasteSequence()
{
    FakeWindowSystem windows;
    windows.titles = {{5, QStringLiteral("memo.txt")}, {1, QStringLiteral("VelmorUC")}};
    windows.active = 5;
    TransferSession session(windows);
    session.trackTick(true);
    windows.active = 1; // the user came back to the program
    QCOMPARE(session.autoPaste(), AutoPasteResult::StartPasteTimer);
    QCOMPARE(windows.activated, (QList<ForeignWindowId>{5}));
    QVERIFY(windows.pasted.isEmpty()); // only when PasteTimer fires
    QVERIFY(session.pastePending());
    session.pasteTick();
    QCOMPARE(windows.pasted, (QList<ForeignWindowId>{5}));
    QVERIFY(!session.pastePending());
    // A stray second tick sends nothing.
    session.pasteTick();
    QCOMPARE(windows.pasted.size(), 1);
    // The target survives the transfer.
    QVERIFY(session.target().hasTarget);
}

void tst_TransferTarget::twoTransfersOneKeystroke()
{
    FakeWindowSystem windows;
    windows.titles = {{5, QStringLiteral("memo.txt")}};
    windows.active = 5;
    TransferSession session(windows);
    session.trackTick(true);
    QCOMPARE(session.autoPaste(), AutoPasteResult::StartPasteTimer);
    QCOMPARE(session.autoPaste(), AutoPasteResult::AlreadyPending);
    session.pasteTick();
    QCOMPARE(windows.pasted.size(), 1);
    QCOMPARE(session.autoPaste(), AutoPasteResult::StartPasteTimer);
}

void tst_TransferTarget::vanishedTargetForgotten()
{
    FakeWindowSystem windows;
    windows.titles = {{5, QStringLiteral("memo.txt")}};
    windows.active = 5;
    TransferSession session(windows);
    session.trackTick(true);
    windows.activateSucceeds = false;
    QSignalSpy changed(&session, &TransferSession::targetChanged);
    QCOMPARE(session.autoPaste(), AutoPasteResult::TargetForgotten);
    QCOMPARE(session.target(), TransferTarget{});
    QCOMPARE(session.caption(), QStringLiteral("VelmorUC"));
    QCOMPARE(session.lamp(), TargetLamp::Forgotten);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!session.pastePending());
    session.pasteTick();
    QVERIFY(windows.pasted.isEmpty());
}

void tst_TransferTarget::noTargetNoKeystroke()
{
    FakeWindowSystem windows;
    TransferSession session(windows);
    QCOMPARE(session.autoPaste(), AutoPasteResult::NoTarget);
    session.pasteTick();
    QVERIFY(windows.activated.isEmpty());
    QVERIFY(windows.pasted.isEmpty());
}

void tst_TransferTarget::uncheckForgets()
{
    FakeWindowSystem windows;
    windows.titles = {{5, QStringLiteral("memo.txt")}};
    windows.active = 5;
    TransferSession session(windows);
    Settings settings;
    session.trackTick(settings.AutoPasteFlg);
    QVERIFY(session.target().hasTarget);
    session.autoPasteToggled(false, settings);
    QVERIFY(!settings.AutoPasteFlg);
    QVERIFY(!session.target().hasTarget);
    QCOMPARE(session.caption(), QStringLiteral("VelmorUC"));
    QCOMPARE(session.lamp(), TargetLamp::Forgotten);
    QCOMPARE(session.trackTick(settings.AutoPasteFlg), TrackResult::Off);
    session.autoPasteToggled(true, settings);
    QVERIFY(settings.AutoPasteFlg);
    QCOMPARE(session.trackTick(settings.AutoPasteFlg), TrackResult::Recorded);
}

void tst_TransferTarget::trackingOnlyInBackground()
{
    QVERIFY(TransferSession::trackingWanted(false));
    QVERIFY(!TransferSession::trackingWanted(true));
    QCOMPARE(TransTimer1Interval, 250);
}

void tst_TransferTarget::lampColours()
{
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(250, 250, 240));
    palette.setColor(QPalette::Window, QColor(10, 10, 10));
    QCOMPARE(TargetLampColour(TargetLamp::Start, palette), QColor(255, 255, 255));
    QCOMPARE(TargetLampColour(TargetLamp::Known, palette), QColor(255, 0, 0));
    QCOMPARE(TargetLampColour(TargetLamp::Forgotten, palette), QColor(250, 250, 240));
}

QTEST_APPLESS_MAIN(tst_TransferTarget)
#include "tst_transfertarget.moc"
