// The transfer-mode menu on its own: items, captions, check marks when the menu
// opens, and the indicator composed at creation and after each choice.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

#include "folders.h"
#include "settings.h"
#include "transfermodemenu.h"

class tst_TransferModeMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void itemsAndCaptions();
    void indicatorAtCreation_data();
    void indicatorAtCreation();
    void choiceStoresModeAndRecomposes_data();
    void choiceStoresModeAndRecomposes();
    void checksFollowTheSettingWhenOpened();
    void indicatorShowsEveryCaptionWhole();
};

void tst_TransferModeMenu::indicatorShowsEveryCaptionWhole()
{
    // The indicator of the main window: 104 pixels, ＭＳ Ｐゴシック 10.
    QMenu menu;
    QLineEdit indicator;
    indicator.setGeometry(0, 0, 104, 26);
    indicator.setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 10));
    Settings settings;
    TransferModeMenu modes(&menu, &indicator, settings);
    const int frame = indicator.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr,
                                                     &indicator);
    for (const LanguageFolders &l : Languages()) {
        settings.SelectLang = l.language;
        for (QAction *action : modes.items()) {
            action->trigger();
            const int text = QFontMetrics(indicator.font()).horizontalAdvance(indicator.text());
            QVERIFY2(text <= indicator.width() - 2 * frame - 4, qPrintable(indicator.text()));
            QCOMPARE(indicator.cursorPosition(), 0);
        }
    }
}

void tst_TransferModeMenu::itemsAndCaptions()
{
    QMenu menu;
    QLineEdit indicator;
    Settings settings;
    settings.SelectLang = QStringLiteral("ドイツ語");
    TransferModeMenu modes(&menu, &indicator, settings);
    const QList<QAction *> actions = menu.actions();
    QCOMPARE(actions.size(), 12);
    QVERIFY(actions.at(4)->isSeparator());
    QVERIFY(actions.at(10)->isSeparator());
    QCOMPARE(actions.at(11), modes.restoreClipboardItem());
    QCOMPARE(modes.items().size(), 9);
    const QList<QPair<QString, QString>> expected = {
        {"Sub1", "発音記号 リッチテキスト"},
        {"Sub2", "発音記号 Unicode16進 数値文字参照"},
        {"Sub3", "発音記号 Unicode10進 数値文字参照"},
        {"Sub4", "発音記号 Unicodeテキスト"},
        {"Main1", "欧　文 リッチテキスト"},
        {"Main5", "欧　文 リッチテキストⅡ"},
        {"Main2", "欧　文 Unicode16進 数値文字参照"},
        {"Main3", "欧　文 Unicode10進 数値文字参照"},
        {"Main4", "欧　文 Unicodeテキスト"},
    };
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(modes.items().at(i)->objectName(), expected.at(i).first);
        QCOMPARE(modes.items().at(i)->text(), expected.at(i).second);
    }
    QCOMPARE(modes.item(4)->objectName(), QStringLiteral("Main5"));
    QCOMPARE(modes.item(12)->objectName(), QStringLiteral("Sub3"));
    QVERIFY(!modes.item(5));
}

void tst_TransferModeMenu::indicatorAtCreation_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << QStringLiteral("標準 欧　文");
    QTest::newRow("4") << 4 << QStringLiteral("ﾘｯﾁⅡ 欧　文");
    QTest::newRow("1") << 1 << QStringLiteral("Uni16 欧　文");
    QTest::newRow("2") << 2 << QStringLiteral("Uni10 欧　文");
    QTest::newRow("3") << 3 << QStringLiteral("Uﾃｷｽﾄ 欧　文");
    QTest::newRow("10") << 10 << QStringLiteral("標準 発音記号");
    QTest::newRow("11") << 11 << QStringLiteral("Uni16 発音記号");
    QTest::newRow("12") << 12 << QStringLiteral("Uni10 発音記号");
    QTest::newRow("13") << 13 << QStringLiteral("Uﾃｷｽﾄ 発音記号");
    QTest::newRow("14") << 14 << QString();
    QTest::newRow("99") << 99 << QString();
}

void tst_TransferModeMenu::indicatorAtCreation()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QMenu menu;
    QLineEdit indicator;
    Settings settings;
    settings.TransMode = mode;
    settings.SelectLang = QStringLiteral("英　語");
    TransferModeMenu modes(&menu, &indicator, settings);
    QCOMPARE(indicator.text(), text);
}

void tst_TransferModeMenu::choiceStoresModeAndRecomposes_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::newRow("Main1") << "Main1" << 0 << QStringLiteral("標準 スペイン語");
    QTest::newRow("Main5") << "Main5" << 4 << QStringLiteral("ﾘｯﾁⅡ スペイン語");
    QTest::newRow("Main2") << "Main2" << 1 << QStringLiteral("Uni16 スペイン語");
    QTest::newRow("Main3") << "Main3" << 2 << QStringLiteral("Uni10 スペイン語");
    QTest::newRow("Main4") << "Main4" << 3 << QStringLiteral("Uﾃｷｽﾄ スペイン語");
    QTest::newRow("Sub1") << "Sub1" << 10 << QStringLiteral("標準 発音記号");
    QTest::newRow("Sub2") << "Sub2" << 11 << QStringLiteral("Uni16 発音記号");
    QTest::newRow("Sub3") << "Sub3" << 12 << QStringLiteral("Uni10 発音記号");
    QTest::newRow("Sub4") << "Sub4" << 13 << QStringLiteral("Uﾃｷｽﾄ 発音記号");
}

void tst_TransferModeMenu::choiceStoresModeAndRecomposes()
{
    QFETCH(QString, item);
    QFETCH(int, mode);
    QFETCH(QString, text);
    QMenu menu;
    QLineEdit indicator;
    Settings settings;
    settings.TransMode = 7;
    TransferModeMenu modes(&menu, &indicator, settings);
    settings.SelectLang = QStringLiteral("スペイン語");
    QSignalSpy chosen(&modes, &TransferModeMenu::modeChosen);
    menu.findChild<QAction *>(item)->trigger();
    QCOMPARE(settings.TransMode, mode);
    QCOMPARE(indicator.text(), text);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.first().first().toInt(), mode);
    for (QAction *a : modes.items())
        QCOMPARE(a->isChecked(), a->objectName() == item);
}

void tst_TransferModeMenu::checksFollowTheSettingWhenOpened()
{
    QMenu menu;
    QLineEdit indicator;
    Settings settings;
    settings.TransMode = 11;
    TransferModeMenu modes(&menu, &indicator, settings);
    QVERIFY(modes.item(11)->isChecked());
    // Changed elsewhere (the settings loaded again): the next opening shows it.
    settings.TransMode = 3;
    Q_EMIT menu.aboutToShow();
    QVERIFY(modes.item(3)->isChecked());
    QVERIFY(!modes.item(11)->isChecked());
    settings.TransMode = 6;
    Q_EMIT menu.aboutToShow();
    for (QAction *a : modes.items())
        QVERIFY(!a->isChecked());
}

QTEST_MAIN(tst_TransferModeMenu)
#include "tst_transfermodemenu.moc"
