#include <QTest>

#include "transfermode.h"

class tst_TransferMode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menuOrder();
    void captions_data();
    void captions();
    void unknownValues_data();
    void unknownValues();
    void sourceType_data();
    void sourceType();
};

void tst_TransferMode::menuOrder()
{
    QCOMPARE(TransferModeMenuTitle(), QStringLiteral("\u3000転送モード (&M)"));
    QList<int> modes;
    QStringList names;
    for (const TransferModeItem &item : TransferModeItems()) {
        modes.append(item.mode);
        names.append(item.objectName);
    }
    QCOMPARE(modes, (QList<int>{10, 11, 12, 13, 0, 4, 1, 2, 3}));
    QCOMPARE(names, (QStringList{"Sub1", "Sub2", "Sub3", "Sub4", "Main1", "Main5", "Main2", "Main3",
                                 "Main4"}));
    QCOMPARE(TransferModeSeparatorAfter, 4);
    QCOMPARE(InitialLanguageLabel(), QStringLiteral("欧\u3000文"));
}

void tst_TransferMode::captions_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("indicator");
    const QString initial = QStringLiteral("欧　文");
    const QString english = QStringLiteral("英　語");
    QTest::newRow("10") << 10 << english << "発音記号 リッチテキスト"
                        << "標準 発音記号";
    QTest::newRow("11") << 11 << english << "発音記号 Unicode16進 数値文字参照"
                        << "Uni16 発音記号";
    QTest::newRow("12") << 12 << english << "発音記号 Unicode10進 数値文字参照"
                        << "Uni10 発音記号";
    QTest::newRow("13") << 13 << english << "発音記号 Unicodeテキスト"
                        << "U\uFF83\uFF77\uFF7D\uFF84 発音記号";
    QTest::newRow("0 initial") << 0 << initial << "欧　文 リッチテキスト"
                               << "標準 欧　文";
    QTest::newRow("0 english") << 0 << english << "英　語 リッチテキスト"
                               << "標準 英　語";
    QTest::newRow("4") << 4 << initial << "欧　文 リッチテキスト\u2161"
                       << "\uFF98\uFF6F\uFF81\u2161 欧　文";
    QTest::newRow("1") << 1 << initial << "欧　文 Unicode16進 数値文字参照"
                       << "Uni16 欧　文";
    QTest::newRow("2") << 2 << english << "英　語 Unicode10進 数値文字参照"
                       << "Uni10 英　語";
    QTest::newRow("3") << 3 << english << "英　語 Unicodeテキスト"
                       << "U\uFF83\uFF77\uFF7D\uFF84 英　語";
}

void tst_TransferMode::captions()
{
    QFETCH(int, mode);
    QFETCH(QString, lang);
    QFETCH(QString, caption);
    QFETCH(QString, indicator);
    QCOMPARE(TransferModeMenuCaption(mode, lang), caption);
    QCOMPARE(TransferModeIndicatorText(mode, lang), indicator);
    QVERIFY(IsKnownTransferMode(mode));
}

void tst_TransferMode::unknownValues_data()
{
    QTest::addColumn<int>("mode");
    for (int mode : {5, 9, 14, 20, -1, 100})
        QTest::newRow(qPrintable(QString::number(mode))) << mode;
}

void tst_TransferMode::unknownValues()
{
    QFETCH(int, mode);
    QVERIFY(!IsKnownTransferMode(mode));
    QCOMPARE(TransferModeIndicatorText(mode, QStringLiteral("英　語")), QString());
    QCOMPARE(TransferModeMenuCaption(mode, QStringLiteral("英　語")), QString());
}

void tst_TransferMode::sourceType_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("pad");
    QTest::addColumn<bool>("phonetic");
    QTest::newRow("0") << 0 << true << false;
    QTest::newRow("4") << 4 << true << false;
    QTest::newRow("9") << 9 << true << false;
    QTest::newRow("10") << 10 << false << true;
    QTest::newRow("13") << 13 << false << true;
    QTest::newRow("19") << 19 << false << true;
    QTest::newRow("20") << 20 << false << false;
}

void tst_TransferMode::sourceType()
{
    QFETCH(int, mode);
    QFETCH(bool, pad);
    QFETCH(bool, phonetic);
    QCOMPARE(IsPadTransferMode(mode), pad);
    QCOMPARE(IsPhoneticTransferMode(mode), phonetic);
}

QTEST_APPLESS_MAIN(tst_TransferMode)
#include "tst_transfermode.moc"
