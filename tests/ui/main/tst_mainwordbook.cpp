// The word-list tab inside the main window.
#include "mainfrmfixture.h"
#include "twmplayerfrm.h"
#include "wordbookcontroller.h"
#include "wordbookdialogs.h"
#include "wordbooklistmodel.h"
#include "wordlistmodel.h"

#include <QPushButton>
#include <QTest>

class tst_MainWordBook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void startUpListsBooksByGroup();
    void clickOpensAndFoldsInsideSplitter();
    void createThroughDialog();
    void languageSelectorSwitchesFolder();
    void columnWidthsSurviveDirectionSwap();

private:
    std::unique_ptr<MainFrmFixture> f;
};

void tst_MainWordBook::init()
{
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    f = std::make_unique<MainFrmFixture>();
    const QString a = f->folders.documentsFolder("bookA");
    WriteUnicodeFile(a + "/x.utx", {"Xylophone", "名詞", "",
                                    "\"piano\",\"piˈænoʊ\",\"ピアノ\",\"ピアノ\",\"\",\"\",\"\""});
    WriteUnicodeFile(a + "/y.utx", {"Yes", "あいさつ", ""});
}

void tst_MainWordBook::startUpListsBooksByGroup()
{
    auto w = f->create();
    const QList<WordBookSummary> rows = w->wordBooks()->bookListModel()->rows();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].group, QString("あいさつ")); // ascending by group at start
    QVERIFY(!w->ListView1->isEnabled());
    QVERIFY(w->CreateWB->isEnabled());
    QVERIFY(!w->CloseWB->isEnabled());
}

void tst_MainWordBook::clickOpensAndFoldsInsideSplitter()
{
    auto w = f->create();
    w->resize(1100, 800);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    const int listBefore = w->ListView1->width();
    const int row = FindWordBookRow(w->wordBooks()->bookListModel()->rows(), "x.utx");
    const QRect cell = w->ListView2->visualRect(w->ListView2->model()->index(row, 0));
    QTest::mouseClick(w->ListView2->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(w->wordBooks()->openBook().title, QString("Xylophone"));
    QCOMPARE(w->statusPanelText(0), QString("●タイトル：「Xylophone」"));
    QVERIFY(w->RegWord->isEnabled());
    QTRY_VERIFY(w->wordBooks()->panelFolded());
    QCOMPARE(w->Splitter3->sizes().at(1), 32);
    QVERIFY(w->ListView1->width() > listBefore);
    w->CloseWB->trigger();
    QVERIFY(!w->ListView1->isEnabled());
    QVERIFY(w->statusPanelText(0).isEmpty());
}

void tst_MainWordBook::createThroughDialog()
{
    auto w = f->create();
    const QString path = f->folders.WordBookFolder + "/Verbs.utx";
    f->dialogs.fileAnswers.enqueue(path);
    bool driven = false;
    // The dialog is modal: fill it in from inside its own event loop.
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<TNewWBFrm *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        driven = true;
        dialog->Edit1->setText("Verbs");
        dialog->OKBtn->click();
    });
    f->modalCloser.closed.clear();
    w->NewSpBtn->click();
    QVERIFY(driven);
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(w->wordBooks()->openBook().fileName, QString("Verbs.utx"));
    QCOMPARE(w->wordBooks()->wordListModel()->rowCount(), 0);
    QCOMPARE(w->wordBooks()->bookListModel()->rows().size(), 3);
}

void tst_MainWordBook::languageSelectorSwitchesFolder()
{
    auto w = f->create();
    w->ComboBox3->setCurrentIndex(1);
    Q_EMIT w->ComboBox3->activated(1);
    QCOMPARE(w->settings().SelectLang, QString("英　語"));
    QCOMPARE(w->folders().WordBookFolder, f->folders.documentsFolder("EnglishA"));
    QCOMPARE(w->RadioButton1->text(), QString("英和"));
    QCOMPARE(w->wordBooks()->bookListModel()->rowCount(), 0);
    QCOMPARE(w->ListView1->model()->headerData(0, Qt::Horizontal).toString(), QString("英　語"));
}

void tst_MainWordBook::columnWidthsSurviveDirectionSwap()
{
    f->writeSettings({"LV1Col1Width,120", "LV1Col5Width,180"});
    auto w = f->create();
    QCOMPARE(w->ListView1->columnWidth(0), 120);
    w->wordBooks()->OpenListedBook("x.utx");
    w->RadioButton2->click();
    QVERIFY(!w->settings().EiwaFlg);
    QCOMPARE(w->ListView1->columnWidth(0), 180);
    QCOMPARE(w->ListView1->model()->index(0, 0).data().toString(), QString("ピアノ"));
    w->close();
    const QStringList saved = ReadTextFile(f->settingsPath(), TextFileKind::Ansi).lines;
    QVERIFY(saved.contains("EiwaFlg,0"));
}

QTEST_MAIN(tst_MainWordBook)
#include "tst_mainwordbook.moc"
