#include <QPushButton>
#include <QTest>

#include "mainfrmfixture.h"
#include "taboutfrm.h"

class tst_AboutFrm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void looks();
    void f4Closes();
    void closeButtonCloses();
    void menuOpensIt();
};

void tst_AboutFrm::looks()
{
    TAboutFrm about;
    QCOMPARE(about.windowTitle(), QStringLiteral("バージョン情報"));
    QCOMPARE(about.size(), QSize(640, 420));
    QCOMPARE(about.findChild<QLabel *>("ProductName")->text(), QStringLiteral("VelmorUC"));
    QCOMPARE(about.findChild<QLabel *>("Version")->text(), QStringLiteral("Ver 2.0"));
    QVERIFY(!about.findChild<QLabel *>("ProgramIcon")->pixmap().isNull());
    QCOMPARE(about.findChild<QPushButton *>("CloseBtn")->text(), QStringLiteral("閉じる(F4)"));
}

void tst_AboutFrm::f4Closes()
{
    TAboutFrm about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::keyClick(&about, Qt::Key_F4);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

void tst_AboutFrm::closeButtonCloses()
{
    TAboutFrm about;
    about.show();
    about.findChild<QPushButton *>("CloseBtn")->click();
    QVERIFY(!about.isVisible());
}

void tst_AboutFrm::menuOpensIt()
{
    MainFrmFixture f;
    auto w = f.create();
    w->show();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *about = qobject_cast<TAboutFrm *>(QApplication::activeModalWidget());
        seen = about && about->parentWidget() == w.get();
        if (about)
            QTest::keyClick(about, Qt::Key_F4);
    });
    w->HelpAbout->trigger();
    QVERIFY(seen);
}

QTEST_MAIN(tst_AboutFrm)
#include "tst_aboutfrm.moc"
