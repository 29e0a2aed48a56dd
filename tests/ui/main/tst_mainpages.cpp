// The main window's accent buttons, phonetic keyboard and symbol palette as a user meets
// them: what a click puts where, Shift and CAPS, hidden pages, the name search.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

#include "candline.h"
#include "inputcontroller.h"
#include "mainfrmfixture.h"
#include "taccentbuttons.h"
#include "tcandfrm.h"
#include "tphonetickeyboard.h"
#include "tsymbolpalette.h"

namespace {


void click(TPhoneticKeyboard *k, int key)
{
    QTest::mouseClick(k, Qt::LeftButton, {}, k->layoutValues().keys[key].center());
}

void clickCell(TSymbolGrid *g, int i)
{
    QTest::mouseClick(g, Qt::LeftButton, {}, g->cellRect(i).center());
}

} // namespace

class tst_MainPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void pagesWaitUntilShown();
    void accentShift_data();
    void accentShift();
    void accentClickReplacesSelection();
    void accentColours();
    void phoneticKeys();
    void phoneticHiddenLine();
    void phoneticList();
    void paletteCategories();
    void paletteHighlightAndInsert();
    void paletteHex_data();
    void paletteHex();
    void paletteDrawsOnlyWhenShown();
    void paletteSearch();

private:
    void show(QWidget *page);

    std::unique_ptr<MainFrmFixture> m_f;
    std::unique_ptr<TMainFrm> m_w;
};

void tst_MainPages::init()
{
    m_f = std::make_unique<MainFrmFixture>();
    const QString folder = m_f->folders.UserTableFolder;
    QDir().mkpath(folder);
    WriteAnsiFile(folder + QStringLiteral("/CandAll.csv"),
                  {CandLine(QStringLiteral("A"), {"0251", "00E6"}),
                   CandLine(QStringLiteral("-"), {"02D0"})});
    WriteAnsiFile(folder + QStringLiteral("/DBFrench.csv"),
                  {QStringLiteral("0,\"00C9\",\"e\",\"ラテン大文字Ｅ（アキュート）\",\"0\",\"\"")});
    m_w = m_f->create();
    m_w->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
    QApplication::setActiveWindow(m_w.get());
}

void tst_MainPages::cleanup()
{
    m_w.reset();
    m_f.reset();
}

void tst_MainPages::show(QWidget *page)
{
    if (page == m_w->PalettePage)
        m_w->PageControl1->setCurrentWidget(page);
    else
        m_w->PageControl2->setCurrentWidget(page);
    QApplication::processEvents();
}

void tst_MainPages::pagesWaitUntilShown()
{
    // Nothing of the hidden pages is made at the start.
    QVERIFY(m_w->AccentPage->findChildren<QPushButton *>().isEmpty());
    QVERIFY(m_w->PhonetPage->findChildren<QPushButton *>().isEmpty());
    QVERIFY(m_w->PalettePage->findChildren<QPushButton *>().isEmpty());
    show(m_w->AccentPage);
    QCOMPARE(m_w->AccentPage->findChildren<QPushButton *>().size(), 39);
    QVERIFY(m_w->Input->accentButtons()->button(5)->isVisible());
}

void tst_MainPages::accentShift_data()
{
    QTest::addColumn<bool>("capsDown");
    QTest::addColumn<bool>("capsLock");
    QTest::addColumn<bool>("upperAfter");
    QTest::newRow("Shift and back") << false << false << false;
    QTest::newRow("Caps Lock keeps upper") << false << true << true;
    QTest::newRow("release lowers although CAPS is down") << true << false << false;
}

void tst_MainPages::accentShift()
{
    QFETCH(bool, capsDown);
    QFETCH(bool, capsLock);
    QFETCH(bool, upperAfter);
    show(m_w->AccentPage);
    TAccentButtons *a = m_w->Input->accentButtons();
    if (capsDown) {
        QTest::mouseClick(a->capsButton(), Qt::LeftButton);
        QCOMPARE(a->button(27)->text(), QStringLiteral("\u2040"));
    }
    m_f->windows.caps = capsLock;
    m_w->Memo1->setFocus();
    QTest::keyPress(m_w->Memo1, Qt::Key_Shift);
    QCOMPARE(a->accentCase(), KeyboardCase::Upper);
    QCOMPARE(a->backgroundColour(), QColor(0, 0, 0x80)); // AccentUpperColor, navy
    QCOMPARE(a->button(23)->text(), QStringLiteral("€"));
    QTest::keyRelease(m_w->Memo1, Qt::Key_Shift);
    QCOMPARE(a->accentCase() == KeyboardCase::Upper, upperAfter);
    QCOMPARE(a->button(27)->text(), upperAfter ? QStringLiteral("\u2040") : QStringLiteral("ß"));
    QCOMPARE(a->capsButton()->isChecked(), capsDown);
    if (capsDown) {
        // The next click pops CAPS up and sets lower case again.
        QTest::mouseClick(a->capsButton(), Qt::LeftButton);
        QVERIFY(!a->capsButton()->isChecked());
        QCOMPARE(a->accentCase(), KeyboardCase::Lower);
    }
}

void tst_MainPages::accentClickReplacesSelection()
{
    show(m_w->AccentPage);
    m_w->setPadText(QStringLiteral("cafe"));
    QTextCursor c = m_w->Memo1->textCursor();
    c.setPosition(3);
    c.setPosition(4, QTextCursor::KeepAnchor);
    m_w->Memo1->setTextCursor(c);
    m_w->PageControl2->setFocus();
    QTest::mouseClick(m_w->Input->accentButtons()->button(6), Qt::LeftButton);
    QCOMPARE(m_w->padText(), QStringLiteral("café"));
    QCOMPARE(m_w->Memo1->textCursor().position(), 4);
    QVERIFY(m_w->Memo1->hasFocus());
    m_w->Memo1->undo();
    QCOMPARE(m_w->padText(), QStringLiteral("cafe"));
}

void tst_MainPages::accentColours()
{
    TAccentButtons *a = m_w->Input->accentButtons();
    QCOMPARE(a->backgroundColour(), QColor(0x60, 0xBB, 0xEC)); // ImageColor2
    m_w->settings().ImageColor2 = 0x000000FF;
    m_w->Input->RefreshAccentButtons();
    QCOMPARE(a->backgroundColour(), QColor(Qt::red));
    // Narrower page, smaller buttons and font.
    show(m_w->AccentPage);
    a->resize(378, 200);
    const QRect wide = a->button(0)->geometry();
    const int widePoints = a->button(0)->font().pointSize();
    a->resize(250, 200);
    QVERIFY(a->button(0)->width() < wide.width());
    QVERIFY(a->button(0)->font().pointSize() < widePoints);
}

void tst_MainPages::phoneticKeys()
{
    show(m_w->PhonetPage);
    TPhoneticKeyboard *k = m_w->Input->phoneticKeyboard();
    QVERIFY(k->isActiveKey(25));  // A
    QVERIFY(k->isActiveKey(48));  // the "-" below "="
    QVERIFY(!k->isActiveKey(26)); // S: silver
    QVERIFY(!k->isActiveKey(9));
    QCOMPARE(k->layoutValues().keys[48].left(), k->layoutValues().keys[10].left());

    int opened = 0;
    m_w->Input->setWindowShownHook([&](TCandidateWindow &w) {
        ++opened;
        QCOMPARE(QString::fromLatin1(w.metaObject()->className()), QStringLiteral("TCandFrm"));
        QTimer::singleShot(0, &w, [&w] {
            QKeyEvent two(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, QStringLiteral("2"));
            QApplication::sendEvent(&w, &two);
        });
    });
    // Pressed, the key sits 2 pixels lower right; a silver key does nothing.
    const QRect a = k->layoutValues().keys[25];
    QTest::mousePress(k, Qt::LeftButton, {}, a.center());
    QCOMPARE(k->keyRect(25), a.translated(2, 2));
    QTest::mouseRelease(k, Qt::LeftButton, {}, a.center());
    QCOMPARE(k->keyRect(25), a);
    click(k, 26);
    QCOMPARE(opened, 1);
    QCOMPARE(m_w->Edit1->text(), QStringLiteral("æ"));
    QCOMPARE(m_w->focusWidget(), m_w->Edit1);
    // A table rebuild and a colour change reach the page.
    m_w->settings().PhoneticPadColor = 0x0000FF00;
    m_w->Input->RefreshPhoneticKeyboard();
    QCOMPARE(k->background(), QColor(Qt::green));
}

void tst_MainPages::phoneticHiddenLine()
{
    show(m_w->PhonetPage);
    TPhoneticKeyboard *k = m_w->Input->phoneticKeyboard();
    int opened = 0;
    m_w->Input->setWindowShownHook([&](TCandidateWindow &w) {
        ++opened;
        QTimer::singleShot(0, &w, &QDialog::reject);
    });
    // UpperUseFlg off: the line is hidden, and the page takes nothing for it.
    m_w->Edit1->hide();
    QVERIFY(!k->acceptsInput());
    QVERIFY(!k->isActiveKey(25));
    click(k, 25);
    QCOMPARE(opened, 0);
    m_w->Edit1->show();
    click(k, 25);
    QCOMPARE(opened, 1);
}

void tst_MainPages::phoneticList()
{
    show(m_w->PhonetPage);
    QPushButton *list = m_w->Input->phoneticKeyboard()->listButton();
    QTest::mouseClick(list, Qt::LeftButton);
    QVERIFY(m_f->shell.opened.isEmpty());
    const QString html = m_w->folders().TableFolder + QStringLiteral("/CandAll.html");
    WriteAnsiFile(html, {QStringLiteral("<html></html>")});
    QTest::mouseClick(list, Qt::LeftButton);
    QCOMPARE(m_f->shell.opened, QStringList{html});
}

void tst_MainPages::paletteCategories()
{
    show(m_w->PalettePage);
    TSymbolPalette *p = m_w->SymbolPalette;
    QTest::mouseClick(p->categoryButton(4), Qt::LeftButton);
    TSymbolGrid *g = p->grid();
    QCOMPARE(g->cells()[26].text, QStringLiteral("É"));
    QVERIFY(g->cells()[26].red);
    QCOMPARE(g->cells()[26].cornerLabel, QStringLiteral("e"));
    QCOMPARE(g->hintOf(26), QStringLiteral("ラテン大文字Ｅ（アキュート）  Unicode: 00C9"));
    // Without a Japanese name the hint names the character as Unicode does.
    QCOMPARE(g->hintOf(0), QStringLiteral("LATIN CAPITAL LETTER A  Unicode: 0041"));
    QTest::mouseClick(p->categoryButton(4), Qt::LeftButton);
    QVERIFY(g->cells()[0].isEmpty());
    // A list item pops up the button that was down.
    QTest::mouseClick(p->categoryButton(5), Qt::LeftButton);
    p->ChooseListItem(15);
    QVERIFY(!p->categoryButton(5)->isChecked());
    QCOMPARE(p->categoryList()->currentIndex(), 15);
    // Greek: cell 17 stays empty and takes no click.
    QSignalSpy inserted(p, &TSymbolPalette::insertRequested);
    clickCell(g, 17);
    QCOMPARE(inserted.size(), 0);
}

void tst_MainPages::paletteHighlightAndInsert()
{
    show(m_w->PalettePage);
    TSymbolPalette *p = m_w->SymbolPalette;
    p->ChooseListItem(5); // arrows
    TSymbolGrid *g = p->grid();
    clickCell(g, 3);
    clickCell(g, 7);
    QCOMPARE(g->selectedCell(), 7);
    QVERIFY(g->highlightShown());
    QCOMPARE(m_w->padText(), QStringLiteral("\u2193\u2197"));
    QVERIFY(m_w->Memo1->hasFocus());
    // A layout pass draws every cell as normal; a category change forgets the cell.
    p->LayoutSymbolPalette();
    QVERIFY(!g->highlightShown());
    QCOMPARE(g->selectedCell(), 7);
    p->ChooseListItem(20);
    QCOMPARE(g->selectedCell(), -1);
}

void tst_MainPages::paletteHex_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pad");
    QTest::newRow("upper case") << "00E9" << "é";
    QTest::newRow("a mark goes in bare") << "0301" << "\u0301";
    QTest::newRow("lower case changes nothing") << "00e9" << "";
    QTest::newRow("three digits") << "0E9" << "";
}

void tst_MainPages::paletteHex()
{
    QFETCH(QString, typed);
    QFETCH(QString, pad);
    show(m_w->PalettePage);
    TSymbolPalette *p = m_w->SymbolPalette;
    QLineEdit *hex = p->hexField();
    hex->setFocus();
    QTest::keyClicks(hex, typed);
    QTest::keyClick(hex, Qt::Key_Return);
    QCOMPARE(m_w->padText(), pad);
    QCOMPARE(hex->text(), typed.left(4)); // no Enter went into the field
}

void tst_MainPages::paletteDrawsOnlyWhenShown()
{
    TSymbolPalette *p = m_w->SymbolPalette;
    m_w->resize(1000, 700);
    QApplication::processEvents();
    QCOMPARE(p->layoutPasses(), 0);
    show(m_w->PalettePage);
    const int shown = p->layoutPasses();
    QVERIFY(shown > 0);
    m_w->PageControl1->setCurrentWidget(m_w->WordListPage);
    m_w->resize(900, 690);
    QApplication::processEvents();
    QCOMPARE(p->layoutPasses(), shown);
    show(m_w->PalettePage);
    QVERIFY(p->layoutPasses() > shown);
    QCOMPARE(p->layoutValues().C,
             (p->findChild<QWidget *>(QStringLiteral("PaletteScrollBox"))->width() -
              p->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 12) /
                 20);
}

void tst_MainPages::paletteSearch()
{
    show(m_w->PalettePage);
    TSymbolPalette *p = m_w->SymbolPalette;
    QLineEdit *search = p->searchField();
    QCOMPARE(search->placeholderText(), QStringLiteral("名前で検索"));
    QTest::mouseClick(p->categoryButton(3), Qt::LeftButton);
    search->setFocus();
    QTest::keyClicks(search, QStringLiteral("eng"));
    QVERIFY(!p->categoryButton(3)->isChecked());
    TSymbolGrid *g = p->grid();
    int eng = -1;
    for (int i = 0; i < PaletteCellCount; ++i)
        if (g->cells()[i].text == QStringLiteral("ŋ"))
            eng = i;
    QVERIFY(eng >= 0);
    QVERIFY(g->hintOf(eng).endsWith(QStringLiteral("LATIN SMALL LETTER ENG  Unicode: 014B")));
    clickCell(g, eng);
    QCOMPARE(m_w->padText(), QStringLiteral("ŋ"));
    // Four hexadecimal digits act as the hex field; Enter inserts.
    search->clear();
    search->setFocus();
    QTest::keyClicks(search, QStringLiteral("0259"));
    QCOMPARE(p->previewText(), QStringLiteral("ə"));
    QCOMPARE(g->cells()[0].text, QStringLiteral("ə"));
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(m_w->padText(), QStringLiteral("ŋə"));
    search->clear();
    QTest::keyClicks(search, QStringLiteral("qqxz"));
    QCOMPARE(p->searchInfo()->text(), QStringLiteral("見つかりません"));
    QVERIFY(g->cells()[0].isEmpty());
}

QTEST_MAIN(tst_MainPages)
#include "tst_mainpages.moc"
