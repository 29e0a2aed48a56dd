#include <QHeaderView>
#include <QSlider>
#include <QSpinBox>
#include <QPushButton>
#include <QTest>

#include "inputcontroller.h"
#include "../main/mainfrmfixture.h"
#include "qtcolour.h"
#include "toptionfrm.h"
#include "wordbookcontroller.h"

class tst_OptionFrm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void showsFirstPageAndFocus();
    void flagsAreBound_data();
    void flagsAreBound();
    void fontSizeRatios();
    void rowHeightUpTo70();
    void pasteDelayTakenOnlyByCloseButton_data();
    void pasteDelayTakenOnlyByCloseButton();
    void systemTablesRebuildOnlyPhonetic();
    void browseKeepsOnlyTheName();
    void phoneticSizeBox_data();
    void phoneticSizeBox();
    void colours_data();
    void colours();
    void resetCustomisationEndsWithoutSaving();

private:
    std::unique_ptr<MainFrmFixture> m_fixture;
    std::unique_ptr<TMainFrm> m_w;
    std::unique_ptr<TOptionFrm> m_d;
};

void tst_OptionFrm::init()
{
    m_fixture = std::make_unique<MainFrmFixture>();
    m_w = m_fixture->create();
    m_d = std::make_unique<TOptionFrm>(m_w->optionTargets(), m_w.get());
}

void tst_OptionFrm::cleanup()
{
    m_d.reset();
    m_w.reset();
    m_fixture.reset();
}

void tst_OptionFrm::showsFirstPageAndFocus()
{
    QCOMPARE(m_d->size(), QSize(640, 460));
    QCOMPARE(m_d->windowTitle(), QStringLiteral("設定"));
    const QStringList tabs{"単語帳", "フォント", "全般", "発音記号", "カラー"};
    for (int i = 0; i < tabs.size(); ++i)
        QCOMPARE(m_d->PageControl1->tabText(i), tabs[i]);
    for (int round = 0; round < 2; ++round) {
        m_d->PageControl1->setCurrentIndex(4);
        m_d->show();
        QCOMPARE(m_d->PageControl1->currentIndex(), 0);
        QCOMPARE(m_d->focusWidget(), m_d->CloseBtn);
        m_d->hide();
    }
}

void tst_OptionFrm::flagsAreBound_data()
{
    QTest::addColumn<QString>("key");
    for (const char *key : {"ResetInputFlg", "LastVisibleFlg", "RegCopyFlg", "RegClearFlg",
                            "MediaPlayerFlg", "UpperUseFlg", "AllClearFlg", "NoSampleFlg",
                            "PhOneInpFlg", "PhTriRevFlg", "TblOWFlg"})
        QTest::newRow(key) << QString::fromLatin1(key);
}

void tst_OptionFrm::flagsAreBound()
{
    QFETCH(QString, key);
    QCheckBox *box = m_d->flagBox(key.toLatin1().constData());
    QVERIFY(box);
    const QStringList lines = SettingsLines(m_w->settings());
    const QString line = key + u',' + (box->isChecked() ? u'1' : u'0');
    QVERIFY2(lines.contains(line), qPrintable(line));
    box->click();
    QVERIFY(SettingsLines(m_w->settings()).contains(key + u',' + (box->isChecked() ? u'1' : u'0')));
    if (key == "UpperUseFlg")
        QCOMPARE(m_w->Edit1->isHidden(), !box->isChecked());
    if (key == "TblOWFlg")
        QCOMPARE(m_d->TblOWNote->isHidden(), box->isChecked());
    if (key == "PhOneInpFlg") // the close puts the flags back from the input states
        QCOMPARE(m_w->Input->states().phonetic.oneInput, box->isChecked());
}

void tst_OptionFrm::fontSizeRatios()
{
    m_d->GADR->setValue(80);
    m_d->IPADR->setValue(31);
    m_d->JPDR->setValue(99);
    QCOMPARE(m_w->settings().GADR, 80);
    const QString foreignBig = m_d->ForeignSizeLabel->text();
    m_d->DRResetBtn->click();
    QCOMPARE((QList<int>{m_w->settings().GADR, m_w->settings().IPADR, m_w->settings().JPDR}),
             (QList<int>{57, 60, 46}));
    const ListFontSizes sizes = m_w->wordBooks()->FitListFonts();
    QCOMPARE(m_d->ForeignSizeLabel->text(), QStringLiteral("外：%1").arg(sizes.foreign));
    QCOMPARE(m_d->PhoneticSizeLabel->text(), QStringLiteral("発：%1").arg(sizes.phonetic));
    QCOMPARE(m_d->JapaneseSizeLabel->text(), QStringLiteral("日：%1").arg(sizes.japanese));
    QVERIFY(foreignBig != m_d->ForeignSizeLabel->text());
}

void tst_OptionFrm::rowHeightUpTo70()
{
    QCOMPARE(m_d->ImLi1Height->maximum(), 70);
    QCOMPARE(m_d->ImLi1Height->minimum(), 24);
    QCOMPARE(m_d->ImLi1Height->value(), 42);
    const QString before = m_d->JapaneseSizeLabel->text();
    m_d->ImLi1Height->setValue(70);
    QCOMPARE(m_w->settings().ImLi1Height, 70);
    QCOMPARE(m_w->ListView1->verticalHeader()->defaultSectionSize(), 70);
    QCOMPARE(m_d->ImLi1HeightLabel->text(), QStringLiteral("70"));
    QVERIFY(m_d->JapaneseSizeLabel->text() != before);
}

void tst_OptionFrm::pasteDelayTakenOnlyByCloseButton_data()
{
    QTest::addColumn<bool>("closeButton");
    QTest::newRow("閉じる(F4)") << true;
    QTest::newRow("close box") << false;
}

void tst_OptionFrm::pasteDelayTakenOnlyByCloseButton()
{
    QFETCH(bool, closeButton);
    m_d->show();
    QVERIFY(QTest::qWaitForWindowActive(m_d.get()));
    m_d->PasteTimerInterval->setValue(480);
    QCOMPARE(m_d->PasteTimerLabel->text(), QStringLiteral("480"));
    if (closeButton)
        QTest::keyClick(m_d.get(), Qt::Key_F4);
    else
        m_d->close();
    QVERIFY(!m_d->isVisible());
    const int expected = closeButton ? 480 : 250;
    QCOMPARE(m_w->settings().PasteTimerInterval, expected);
    QCOMPARE(m_w->PasteTimer->interval(), expected);
    m_d->PasteResetBtn->click();
    QCOMPARE(m_d->PasteTimerInterval->value(), 250);
}

void tst_OptionFrm::systemTablesRebuildOnlyPhonetic()
{
    // The installed tables differ from the user's (which are empty here).
    const QString system = m_fixture->folders.SystemTableFolder;
    QVERIFY(QDir().mkpath(system));
    QVERIFY(WriteAnsiFile(system + "/CandAll.csv", {"\"a\",\"0251\",\"00E6\""}));
    QVERIFY(WriteAnsiFile(system + "/CandVelmor.csv", {"\"[\",\"00E9\""}));
    TriggerInputStates &states = m_w->Input->states();
    QCOMPARE(states.phonetic.tables.table.count(), 0);

    m_d->SysTblRadio->click();
    QVERIFY(m_w->settings().SysTblFlg);
    QCOMPARE(m_w->folders().TableFolder, system);
    m_d->CloseBtnClick();
    QCOMPARE(states.phonetic.tables.table.count(), 1);
    QCOMPARE(states.letter.tables.table.count(), 0);

    // Back to the user's tables, closed by the close box: nothing is rebuilt.
    TOptionFrm again(m_w->optionTargets(), m_w.get());
    again.UserTblRadio->click();
    QCOMPARE(m_w->folders().TableFolder, m_fixture->folders.UserTableFolder);
    again.close();
    QCOMPARE(states.phonetic.tables.table.count(), 1);
}

void tst_OptionFrm::browseKeepsOnlyTheName()
{
    m_fixture->dialogs.fileAnswers << "/elsewhere/DBMine.csv" << QString();
    m_d->PhUDBFileBtn->click();
    QCOMPARE(m_fixture->dialogs.lastFolder, m_w->folders().TableFolder);
    QCOMPARE(m_w->settings().PhUDBFile, QStringLiteral("DBMine.csv"));
    QCOMPARE(m_d->PhUDBFile->text(), QStringLiteral("DBMine.csv"));
    m_d->PhCandFileBtn->click(); // cancelled
    QCOMPARE(m_w->settings().PhCandFile, QStringLiteral("CandAll.csv"));
}

void tst_OptionFrm::phoneticSizeBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("size");
    QTest::newRow("listed") << "24" << 24;
    QTest::newRow("typed beyond the list") << "60" << 60;
    QTest::newRow("not a number") << "abc" << 16;
    QTest::newRow("zero") << "0" << 16;
}

void tst_OptionFrm::phoneticSizeBox()
{
    QFETCH(QString, typed);
    QFETCH(int, size);
    QCOMPARE(m_d->UsrSubFontSize->currentText(), QStringLiteral("16"));
    m_d->UsrSubFontSize->setEditText(typed);
    QCOMPARE(m_w->settings().UsrSubFontSize, size);
    QCOMPARE(m_w->Edit1->font().pointSize(), size);
}

void tst_OptionFrm::colours_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<quint32>("start");
    QTest::newRow("PhonetColor") << "PhonetColor" << 0xE6FFFAu;
    QTest::newRow("CandColor") << "CandColor" << 0x00FFFFu;
    QTest::newRow("CandTextColor") << "CandTextColor" << 0x000000u;
    QTest::newRow("BandColor") << "BandColor" << 0x808080u;
    QTest::newRow("BandTextColor") << "BandTextColor" << 0xFFFFFFu;
    QTest::newRow("ImageColor1") << "ImageColor1" << 0xCBC0FFu;
    QTest::newRow("ImageColor1U") << "ImageColor1U" << 0xFF9BFFu;
    QTest::newRow("ImageColor1C") << "ImageColor1C" << 0x000000u;
    QTest::newRow("ImageColor1T") << "ImageColor1T" << 0x00A200u;
    QTest::newRow("ImageColor2") << "ImageColor2" << 0xECBB60u;
    QTest::newRow("AccentUpperColor") << "AccentUpperColor" << 0x800000u;
    QTest::newRow("PhoneticPadColor") << "PhoneticPadColor" << 0xC56A31u;
}

void tst_OptionFrm::colours()
{
    QFETCH(QString, key);
    QFETCH(quint32, start);
    auto *sample = m_d->findChild<QLabel *>(key);
    auto *choose = m_d->findChild<QPushButton *>(key + "Btn");
    auto *reset = m_d->findChild<QPushButton *>(key + "ResetBtn");
    QVERIFY(sample && choose && reset);
    const bool text = !sample->text().isEmpty();
    auto shown = [&] {
        return FromQColor(sample->palette().color(text ? QPalette::WindowText : QPalette::Window));
    };
    QCOMPARE(shown(), start);

    m_fixture->dialogs.colourAnswers << std::nullopt << 0x123456u;
    choose->click(); // cancelled
    QCOMPARE(shown(), start);
    choose->click();
    QCOMPARE(m_fixture->dialogs.lastInitialColour, start);
    QCOMPARE(shown(), 0x123456u);
    if (key == "PhonetColor")
        QCOMPARE(FromQColor(m_w->Edit1->palette().color(QPalette::Base)), 0x123456u);
    if (key == "ImageColor1C" || key == "ImageColor1T") // drawn on the keyboard's background
        QCOMPARE(FromQColor(sample->palette().color(QPalette::Window)), 0xCBC0FFu);
    reset->click();
    QCOMPARE(shown(), start);
}

void tst_OptionFrm::resetCustomisationEndsWithoutSaving()
{
    m_fixture->writeSettings({"TransMode,12"});
    m_fixture->dialogs.confirmAnswers << false << true;
    m_d->ResetCustomBtn->click();
    QCOMPARE(m_d->ending(), TOptionFrm::Ending::Stay);
    m_d->ResetCustomBtn->click();
    QCOMPARE(m_d->ending(), TOptionFrm::Ending::CloseWithoutSaving);
    QVERIFY(!QFile::exists(m_fixture->settingsPath()));
}

QTEST_MAIN(tst_OptionFrm)
#include "tst_optionfrm.moc"
