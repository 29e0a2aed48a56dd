#include <QPushButton>
#include <QTest>

#include "../main/mainfrmfixture.h"
#include "tjpimefrm.h"

class tst_JpImeFrm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void rules_data();
    void rules();
    void noIdentifierFound();
    void japaneseFieldsSwitch_data();
    void japaneseFieldsSwitch();

private:
    std::unique_ptr<MainFrmFixture> m_fixture;
    std::unique_ptr<TMainFrm> m_w;
};

void tst_JpImeFrm::init()
{
    m_fixture = std::make_unique<MainFrmFixture>();
    m_fixture->inputMethod.layouts = {"xkb:us::eng", "xkb:jp::jpn", "anthy"};
    m_fixture->inputMethod.current = QStringLiteral("anthy");
    m_w = m_fixture->create();
}

void tst_JpImeFrm::cleanup()
{
    m_w.reset();
    m_fixture.reset();
}

void tst_JpImeFrm::rules_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("clicks"); // 1, 2: radio buttons; g: 識別子を得る
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("result");

    QTest::newRow("stored, OK") << "mozc-jp" << "" << true << "mozc-jp";
    QTest::newRow("standard, OK empties") << "mozc-jp" << "1" << true << "";
    QTest::newRow("get, OK") << "" << "2g" << true << "anthy";
    QTest::newRow("get, cancel") << "" << "2g" << false << "";
    QTest::newRow("get, standard, OK") << "mozc-jp" << "g1" << true << "";
}

void tst_JpImeFrm::rules()
{
    QFETCH(QString, stored);
    QFETCH(QString, clicks);
    QFETCH(bool, ok);
    QFETCH(QString, result);
    m_w->settings().CusJpImeStr = stored;
    TJpImeFrm d(m_w->settings(), &m_fixture->inputMethod, m_fixture->dialogs, m_w.get());
    QCOMPARE(d.size(), QSize(640, 520));
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QCOMPARE(QApplication::focusWidget(), d.Button2);
    QCOMPARE(d.RadioButton2->isChecked(), !stored.isEmpty());
    QCOMPARE(d.SpeedButton1->isEnabled(), !stored.isEmpty());
    QCOMPARE(d.Edit3->text(), stored);
    QCOMPARE(d.Edit1->text(), QStringLiteral("日本語IME"));
    for (QChar c : clicks) {
        if (c == u'1')
            d.RadioButton1->click();
        else if (c == u'2')
            d.RadioButton2->click();
        else
            d.SpeedButton1->click();
        QCOMPARE(d.SpeedButton1->isEnabled(), d.RadioButton2->isChecked());
    }
    if (ok)
        QTest::keyClick(&d, Qt::Key_F4);
    else
        d.Button2->click();
    QVERIFY(!d.isVisible());
    QCOMPARE(m_w->settings().CusJpImeStr, result);
    QVERIFY(m_fixture->dialogs.shown.isEmpty());
}

void tst_JpImeFrm::noIdentifierFound()
{
    TJpImeFrm d(m_w->settings(), nullptr, m_fixture->dialogs, m_w.get());
    d.show();
    d.RadioButton2->click();
    d.SpeedButton1->click();
    QCOMPARE(d.Edit3->text(), QString());
    QCOMPARE(m_fixture->dialogs.shown.size(), 1);
}

void tst_JpImeFrm::japaneseFieldsSwitch_data()
{
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QStringList>("selected");
    QTest::newRow("chosen engine") << "xkb:jp::jpn" << QStringList{"xkb:jp::jpn"};
    QTest::newRow("already active") << "anthy" << QStringList{};
    QTest::newRow("none chosen") << "" << QStringList{};
}

void tst_JpImeFrm::japaneseFieldsSwitch()
{
    QFETCH(QString, wanted);
    QFETCH(QStringList, selected);
    m_w->settings().CusJpImeStr = wanted;
    m_w->show();
    QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
    m_w->Edit1->setFocus();
    m_w->Memo1->setFocus();
    m_w->Edit1->setFocus();
    QCOMPARE(m_fixture->inputMethod.selected, selected);

    // The title field of the new-book dialog has the focus when it opens.
    m_fixture->inputMethod.current = QStringLiteral("xkb:us::eng");
    m_fixture->inputMethod.selected.clear();
    m_w->CreateWB->trigger();
    QCOMPARE(m_fixture->modalCloser.closed.value(0), QStringLiteral("NewWBFrm"));
    QCOMPARE(m_fixture->inputMethod.selected, wanted.isEmpty() ? QStringList{} : QStringList{wanted});
}

QTEST_MAIN(tst_JpImeFrm)
#include "tst_jpimefrm.moc"
