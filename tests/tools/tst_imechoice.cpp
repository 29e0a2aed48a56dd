#include <QTest>

#include "fakeplatform.h"
#include "imechoice.h"
#include "settings.h"

class tst_ImeChoice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void switchesOnlyWhenDifferent_data();
    void switchesOnlyWhenDifferent();
    void withoutFrameworkNothingHappens();
    void dialogState_data();
    void dialogState();
};

void tst_ImeChoice::switchesOnlyWhenDifferent_data()
{
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("active");
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("activeAfter");

    QTest::newRow("switch") << "xkb:jp::jpn" << "xkb:us::eng" << QStringList{"xkb:jp::jpn"}
                            << "xkb:jp::jpn";
    QTest::newRow("already active") << "xkb:jp::jpn" << "xkb:jp::jpn" << QStringList{}
                                    << "xkb:jp::jpn";
    QTest::newRow("none wanted") << "" << "xkb:us::eng" << QStringList{} << "xkb:us::eng";
    QTest::newRow("unknown engine ignored") << "gone-ime" << "xkb:us::eng" << QStringList{}
                                            << "xkb:us::eng";
    QTest::newRow("nothing active yet") << "mozc-jp" << "" << QStringList{"mozc-jp"} << "mozc-jp";
}

void tst_ImeChoice::switchesOnlyWhenDifferent()
{
    QFETCH(QString, wanted);
    QFETCH(QString, active);
    QFETCH(QStringList, selected);
    QFETCH(QString, activeAfter);
    FakeInputMethod im;
    im.layouts = {"xkb:us::eng", "xkb:jp::jpn", "mozc-jp"};
    im.current = active;
    Settings s;
    s.CusJpImeStr = wanted;
    SelectJapaneseLayout(&im, s);
    SelectJapaneseLayout(&im, s); // entering the field again changes nothing more
    QCOMPARE(im.selected, selected);
    QCOMPARE(im.current, activeAfter);
    QCOMPARE(WantedJapaneseLayout(s), wanted);
}

void tst_ImeChoice::withoutFrameworkNothingHappens()
{
    Settings s;
    s.CusJpImeStr = QStringLiteral("xkb:jp::jpn");
    SelectJapaneseLayout(nullptr, s);
    QObject field;
    SelectJapaneseLayoutOnFocus({&field, nullptr}, nullptr, s);
    QVERIFY(field.children().isEmpty());
}

void tst_ImeChoice::dialogState_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("custom");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("engine") << "anthy" << true << "anthy";
    QTest::newRow("windows form kept as text") << "E0010411" << true << "E0010411";
}

void tst_ImeChoice::dialogState()
{
    QFETCH(QString, stored);
    QFETCH(bool, custom);
    QFETCH(QString, shown);
    QCOMPARE(ImeDialogStateFor(stored), (ImeDialogState{custom, shown}));
}

QTEST_APPLESS_MAIN(tst_ImeChoice)
#include "tst_imechoice.moc"
