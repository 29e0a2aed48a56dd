#include "tlinefrm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "dialogs.h"
#include "inputcontroller.h"
#include "imechoice.h"
#include "linetransfer.h"
#include "qtcolour.h"
#include "taccentbuttons.h"
#include "tphonetickeyboard.h"
#include "transfercontroller.h"
#include "tshape.h"
#include "ttriggerkeyboard.h"

namespace {

constexpr int TopPanelHeight = 60;
constexpr int LineHeight = 35;
constexpr int LinePoints = 20;
// The design width of the top panel; the controls right of the line keep their distance
// from the right edge.
constexpr int DesignWidth = 424;

} // namespace

TLineFrm::TLineFrm(const LineFrmServices &services, WindowRect &place, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_s(services), m_place(place)
{
    setObjectName(QStringLiteral("LineFrm"));
    // The main window is hidden meanwhile: closing this one must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setMinimumSize(350, 300);
    setSizeGripEnabled(true);
    m_lineTransferSize = m_s.settings.UsrMainFontSize;

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_topPanel = new QWidget(this);
    m_topPanel->setObjectName(QStringLiteral("TopPanel"));
    m_topPanel->setFixedHeight(TopPanelHeight);
    m_topPanel->installEventFilter(this);
    layout->addWidget(m_topPanel);
    buildTopPanel(m_topPanel);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("LinePages"));
    PageControl1->setTabPosition(QTabWidget::South);
    layout->addWidget(PageControl1, 1);
    buildPages();

    TransferSession &session = m_s.transfers.session();
    connect(&session, &TransferSession::targetChanged, this, &TLineFrm::showTarget);
    showTarget();
    resize(440, 320);
}

TLineFrm::~TLineFrm()
{
    // The pads of this window are gone with it.
    m_s.input.setCasePadHandler(CasePad::LineTriggerKeyboard, {});
    m_s.input.setCasePadHandler(CasePad::LineAccentButtons, {});
}

void TLineFrm::buildTopPanel(QWidget *panel)
{
    Shape1 = new TShape(panel);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(6, 8, 27, 27);

    AutoPasteBox = new QCheckBox(panel);
    AutoPasteBox->setObjectName(QStringLiteral("AutoPasteBox"));
    AutoPasteBox->setToolTip(QStringLiteral("自動貼り付け指定"));
    AutoPasteBox->setGeometry(13, 38, 22, 20);
    AutoPasteBox->setChecked(m_s.settings.AutoPasteFlg);
    connect(AutoPasteBox, &QCheckBox::toggled, this, [this](bool on) {
        m_s.transfers.session().autoPasteToggled(on, m_s.settings);
    });

    Edit1 = new QLineEdit(panel);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(QFont(m_s.settings.UsrMainFont, LinePoints));
    Edit1->installEventFilter(this);

    TransBtn = new QToolButton(panel);
    TransBtn->setObjectName(QStringLiteral("TransBtn"));
    TransBtn->setText(QStringLiteral("転送"));
    TransBtn->setToolTip(QStringLiteral("他のアプリケーションへ転送"));
    TransBtn->setFocusPolicy(Qt::NoFocus);
    connect(TransBtn, &QToolButton::clicked, this, [this] { TransferLine(); });

    SizeBox = new QComboBox(panel);
    SizeBox->setObjectName(QStringLiteral("SizeBox"));
    SizeBox->setEditable(true);
    SizeBox->setInsertPolicy(QComboBox::NoInsert);
    SizeBox->setMaxVisibleItems(20);
    SizeBox->setToolTip(QStringLiteral("転送後のフォントサイズ"));
    for (int size = 8; size <= 60; ++size)
        SizeBox->addItem(QString::number(size));
    SizeBox->setCurrentText(QString::number(m_lineTransferSize));
    connect(SizeBox, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        m_lineTransferSize = LineTransferSize(text, m_lineTransferSize);
    });

    ClearBox = new QCheckBox(QStringLiteral("Clear"), panel);
    ClearBox->setObjectName(QStringLiteral("ClearBox"));
    ClearBox->setChecked(m_s.settings.AllClearFlg2);
    ClearBox->setFocusPolicy(Qt::NoFocus);
    connect(ClearBox, &QCheckBox::toggled, this, [this](bool on) { m_s.settings.AllClearFlg2 = on; });

    m_s.input.AttachField(
        Edit1, TriggerField::LineWindowField,
        [this] { return FieldState{TriggerField::LineWindowField, 0, page()}; },
        [this](TypingAction a) {
            if (a == TypingAction::PressTransfer)
                TransBtn->click();
        });
    layoutTopPanel();
}

void TLineFrm::buildPages()
{
    const Settings &s = m_s.settings;
    InputController &input = m_s.input;
    TriggerKeyboard = new TTriggerKeyboard(
        &input.states().letter.tables,
        {ToQColor(s.ImageColor1), ToQColor(s.ImageColor1U), ToQColor(s.ImageColor1T),
         ToQColor(s.ImageColor1C)},
        1.2, PageControl1);
    TriggerKeyboard->setOptionTicks(input.states().letter.oneInput,
                                    input.states().letter.triggerRevival);
    connect(TriggerKeyboard, &TTriggerKeyboard::keyClicked, this,
            [&input](QChar c) { input.KeyClicked(InputChannel::Letter, InsertTarget::LineWindow, c); });
    connect(TriggerKeyboard, &TTriggerKeyboard::triggerLabelClicked, this, [&input](QChar c) {
        input.OfferTrigger(InputChannel::Letter, InsertTarget::LineWindow, c);
    });
    connect(TriggerKeyboard, &TTriggerKeyboard::directToggled, &input,
            &InputController::SetLetterOneInput);
    connect(TriggerKeyboard, &TTriggerKeyboard::revivalToggled, &input,
            &InputController::SetLetterRevival);
    connect(TriggerKeyboard, &TTriggerKeyboard::listRequested, this,
            [&input] { input.OpenCandidateList(InputChannel::Letter); });

    AccentButtons =
        new TAccentButtons(ToQColor(s.ImageColor2), ToQColor(s.AccentUpperColor), PageControl1);
    connect(AccentButtons, &TAccentButtons::characterClicked, this,
            [&input](const QString &text) { input.InsertText(InsertTarget::LineWindow, text); });

    PhoneticKeyboard = new TPhoneticKeyboard(&input.states().phonetic.tables,
                                             ToQColor(s.PhoneticPadColor), PageControl1);
    connect(PhoneticKeyboard, &TPhoneticKeyboard::keyReleased, this, [&input](QChar c) {
        input.OfferTrigger(InputChannel::Phonetic, InsertTarget::LineWindow, c);
    });
    connect(PhoneticKeyboard, &TPhoneticKeyboard::listRequested, this,
            [&input] { input.OpenCandidateList(InputChannel::Phonetic); });

    PageControl1->addTab(TriggerKeyboard, QStringLiteral("候補入力"));
    PageControl1->addTab(AccentButtons, QStringLiteral("ACボタン"));
    PageControl1->addTab(PhoneticKeyboard, QStringLiteral("発音記号"));
    connect(PageControl1, &QTabWidget::currentChanged, this, &TLineFrm::pageChanged);

    // This window's own case states; the main window's pages keep theirs.
    input.setCasePadHandler(CasePad::LineTriggerKeyboard,
                            [this](KeyboardCase state, std::optional<bool> capsDown) {
                                if (capsDown)
                                    TriggerKeyboard->capsButton()->setChecked(*capsDown);
                                TriggerKeyboard->SetKeyboardCase(state);
                            });
    input.setCasePadHandler(CasePad::LineAccentButtons,
                            [this](KeyboardCase state, std::optional<bool>) {
                                AccentButtons->SetAccentCase(state);
                            });
    if (input.capsLockOn())
        TriggerKeyboard->SetKeyboardCase(KeyboardCase::Upper);
    pageChanged(0);
}

LineWindowPage TLineFrm::page() const
{
    switch (PageControl1 ? PageControl1->currentIndex() : 0) {
    case 1:
        return LineWindowPage::AccentButtons;
    case 2:
        return LineWindowPage::Phonetic;
    default:
        return LineWindowPage::TriggerKeyboard;
    }
}

void TLineFrm::pageChanged(int)
{
    // The text stays; its font and background follow what it is now meant for.
    const bool phonetic = page() == LineWindowPage::Phonetic;
    Edit1->setFont(QFont(phonetic ? m_s.settings.UsrSubFont : m_s.settings.UsrMainFont,
                         LinePoints));
    QPalette pal = Edit1->palette();
    pal.setColor(QPalette::Base, phonetic ? ToQColor(m_s.settings.PhonetColor)
                                          : palette().color(QPalette::Base));
    Edit1->setPalette(pal);
    if (phonetic)
        selectJapaneseLayout();
}

void TLineFrm::selectJapaneseLayout()
{
    ::SelectJapaneseLayout(m_s.platform.inputMethod, m_s.settings);
}

TransferContent TLineFrm::TransferLine()
{
    const bool phonetic = page() == LineWindowPage::Phonetic;
    QString error;
    const TransferContent content = PrepareLineTransfer(
        Edit1->text(), m_s.settings.TransMode,
        phonetic ? m_s.settings.UsrSubFont : m_s.settings.UsrMainFont, m_lineTransferSize,
        phonetic, m_s.settings, m_s.folders.SysFolder, &error);
    if (!error.isEmpty() && m_s.platform.dialogs)
        m_s.platform.dialogs->warning(error);
    if (!Edit1->hasSelectedText()) {
        Edit1->setFocus();
        Edit1->selectAll();
    }
    m_s.transfers.PublishTransfer(content);
    if (AutoPasteBox->isChecked())
        m_s.transfers.AutoPaste();
    if (ClearBox->isChecked())
        Edit1->clear();
    return content;
}

void TLineFrm::showTarget()
{
    const TransferSession &session = m_s.transfers.session();
    setWindowTitle(session.caption());
    Shape1->setBrushColor(TargetLampColour(session.lamp(), Shape1->palette()));
}

void TLineFrm::layoutTopPanel()
{
    const int w = m_topPanel->width();
    const int lineTop = (TopPanelHeight - LineHeight) / 2;
    Edit1->setGeometry(40, lineTop, qMax(40, w - 40 - (DesignWidth - 302)), LineHeight);
    TransBtn->setGeometry(w - (DesignWidth - 308), lineTop, 49, LineHeight);
    SizeBox->setGeometry(w - 61, 7, 55, SizeBox->sizeHint().height());
    ClearBox->setGeometry(w - 61, 38, 60, 20);
}

void TLineFrm::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        if (m_place.right == WindowRect::Unset) {
            resize(440, 320);
            if (const QScreen *screen = QGuiApplication::primaryScreen()) {
                const QRect r = screen->availableGeometry();
                move(r.left() + (r.width() - 440) / 2, r.top() + (r.height() - 320) / 2);
            }
        } else {
            move(m_place.left, m_place.top);
            resize(qMax(minimumWidth(), m_place.width()), qMax(minimumHeight(), m_place.height()));
        }
        PageControl1->setCurrentIndex(0);
        Edit1->setFocus();
    }
    QDialog::showEvent(event);
    layoutTopPanel();
}

void TLineFrm::done(int result)
{
    m_place = {x(), y(), x() + width(), y() + height()};
    QDialog::done(result);
}

void TLineFrm::keyPressEvent(QKeyEvent *event)
{
    // Enter belongs to the line (transfer) and the size box; Escape would close the
    // window with the line's text in it. Neither presses a dialog button.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool TLineFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_topPanel && event->type() == QEvent::Resize)
        layoutTopPanel();
    // Entering the line: the Japanese layout except on the trigger keyboard's page.
    if (watched == Edit1 && event->type() == QEvent::FocusIn &&
        page() != LineWindowPage::TriggerKeyboard)
        selectJapaneseLayout();
    return QDialog::eventFilter(watched, event);
}
