#include "tcandfrm.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include "triggerfields.h"

namespace {

const QString JapaneseLabelFont = QStringLiteral("ＭＳ Ｐゴシック");
const QString EnglishLabelFont = QStringLiteral("Arial");
constexpr int LabelPointSize = 12;
const QColor SelectedCellColour(0x00, 0xFF, 0xFF); // aqua, $00FFFF00
const QColor FrameColour(0x80, 0x80, 0x80);

bool s_englishNames = false;

QFont labelFont(bool english)
{
    QFont f(english ? EnglishLabelFont : JapaneseLabelFont);
    f.setPointSize(LabelPointSize);
    return f;
}

} // namespace

// The strip behind the cells: a press on it neither chooses nor drags.
class CandidateStrip : public QFrame
{
public:
    using QFrame::QFrame;

protected:
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
};

// One cell: the slot's glyph centred on white, aqua when selected, button face when
// blank, inside a 2-pixel black frame.
class CandidateCell : public QWidget
{
public:
    CandidateCell(int slot, QWidget *parent, std::function<void(int)> clicked)
        : QWidget(parent), m_slot(slot), m_clicked(std::move(clicked))
    {}
    void setContent(const QString &text, bool selected, const QFont &font)
    {
        m_text = text;
        m_selected = selected;
        m_font = font;
        update();
    }
    QString text() const { return m_text; }
    bool selected() const { return m_selected; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QColor fill = Qt::white;
        if (m_selected)
            fill = SelectedCellColour;
        else if (m_text.isEmpty())
            fill = QApplication::palette().color(QPalette::Button);
        p.fillRect(rect(), fill);
        const CandidateGlyph glyph = CandidateCellGlyph(m_text);
        if (glyph.standIn) {
            // An invisible character: its short name, small, in a dashed box.
            QFont small = m_font;
            small.setPointSize(9);
            p.setFont(small);
            p.setPen(Qt::black);
            const QFontMetrics fm(small);
            QRect box = fm.boundingRect(glyph.text).adjusted(-3, -2, 3, 2);
            box.moveCenter(rect().center());
            p.drawText(box, Qt::AlignCenter, glyph.text);
            p.setPen(QPen(Qt::black, 1, Qt::DashLine));
            p.drawRect(box);
        } else if (!glyph.text.isEmpty()) {
            p.setFont(m_font);
            p.setPen(Qt::black);
            const QFontMetrics fm(m_font);
            const int x = (width() - fm.horizontalAdvance(glyph.text)) / 2;
            const int y = (height() - fm.height()) / 2;
            p.drawText(x, y + fm.ascent(), glyph.text);
        }
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_clicked(m_slot);
    }

private:
    int m_slot;
    std::function<void(int)> m_clicked;
    QString m_text;
    bool m_selected = false;
    QFont m_font;
};

TCandidateWindow::TCandidateWindow(const CandidateWindowSetup &setup, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus),
      m_setup(setup)
{
    // The focus stays in the field that typed the trigger, so no key is lost while the
    // window system moves it; the opener hands the field's keys on (InputController).
    setAttribute(Qt::WA_ShowWithoutActivating);
    connect(this, &QDialog::finished, this, [this] { m_finished = true; });
    setFixedSize(CandidateWindowWidth, CandidateWindowHeight);
    setFocusPolicy(Qt::StrongFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, m_setup.background);
    setPalette(pal);

    auto *strip = new CandidateStrip(this);
    strip->setObjectName(QStringLiteral("CandStrip"));
    strip->setGeometry(CandidateStripRect());
    strip->setFrameShape(QFrame::NoFrame);
    strip->setAutoFillBackground(true);

    QFont glyphFont(m_setup.glyphFamily);
    glyphFont.setPointSize(m_setup.glyphPointSize);
    for (int i = 0; i < 10; ++i) {
        m_cells[i] = new CandidateCell(i, strip, [this](int slot) { cellClicked(slot); });
        m_cells[i]->setObjectName(QStringLiteral("Cell%1").arg(i));
        m_cells[i]->setGeometry(CandidateCellRect(i));
        m_cells[i]->setContent(SlotText(m_setup.offered, i), false, glyphFont);

        auto *number = new QLabel(SlotNumberLabel(i), this);
        number->setObjectName(QStringLiteral("NumberLabel%1").arg(i));
        QPalette np = number->palette();
        np.setColor(QPalette::WindowText, m_setup.numberColour);
        number->setPalette(np);
        number->move(CandidateNumberLabelPos(i));
        m_numberLabels[i] = number;
    }

    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("NameLabel"));
    m_nameLabel->move(16, 79);
    m_codeLabel = new QLabel(this);
    m_codeLabel->setObjectName(QStringLiteral("CodeLabel"));
    m_codeLabel->move(104, 79);

    m_closeButton = new QToolButton(this);
    m_closeButton->setObjectName(QStringLiteral("CloseButton"));
    m_closeButton->setText(QStringLiteral("×"));
    m_closeButton->setToolTip(QStringLiteral("候補画面を閉じます"));
    m_closeButton->setGeometry(499, 0, 24, 24);
    m_closeButton->setFocusPolicy(Qt::NoFocus);
    connect(m_closeButton, &QToolButton::clicked, this, &QDialog::reject);

    m_englishButton = new QToolButton(this);
    m_englishButton->setObjectName(QStringLiteral("EnglishButton"));
    m_englishButton->setText(QStringLiteral("E"));
    m_englishButton->setToolTip(QStringLiteral("押した状態にすると英語名を表示します"));
    m_englishButton->setGeometry(499, 75, 24, 24);
    m_englishButton->setFocusPolicy(Qt::NoFocus);
    m_englishButton->setCheckable(true);
    m_englishButton->setChecked(s_englishNames);
    connect(m_englishButton, &QToolButton::toggled, this, [this](bool on) {
        setEnglishNameMode(on);
        updateLabels();
    });

    m_clickTimer = new QTimer(this);
    m_clickTimer->setSingleShot(true);
    m_clickTimer->setInterval(CandidateTimerInterval);
    connect(m_clickTimer, &QTimer::timeout, this, [this] {
        m_clickTimer->stop();
        chooseAndClose(SlotText(m_setup.offered, m_selected));
    });

    select(0);
}

TCandidateWindow::~TCandidateWindow() = default;

bool TCandidateWindow::englishNameMode()
{
    return s_englishNames;
}

void TCandidateWindow::setEnglishNameMode(bool on)
{
    s_englishNames = on;
}

QWidget *TCandidateWindow::cell(int slot) const
{
    return m_cells[slot];
}

void TCandidateWindow::placeAbove(QWidget *field)
{
    QPoint pos;
    if (field) {
        const QRect fieldRect(field->mapToGlobal(QPoint(0, 0)), field->size());
        const QRect caret = CaretRectOf(field);
        const QScreen *screen = field->screen();
        const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
        // The right edge of the field's screen is where the window is pulled in.
        pos = CandidateWindowPosition(fieldRect, caret.topLeft(),
                                      screenRect.x() + screenRect.width());
    } else {
        pos = QCursor::pos() - QPoint(0, CandidateWindowHeight + 8);
    }
    move(pos);
}

void TCandidateWindow::select(int slot)
{
    m_selected = slot;
    for (int i = 0; i < 10; ++i) {
        QFont f(m_setup.glyphFamily);
        f.setPointSize(m_setup.glyphPointSize);
        m_cells[i]->setContent(SlotText(m_setup.offered, i), i == m_selected, f);
    }
    updateLabels();
}

void TCandidateWindow::updateLabels()
{
    const bool english = s_englishNames;
    const CandidateLabels labels =
        CandidateLabelTexts(m_setup.offered, m_selected, m_setup.names, english);
    const QFont f = labelFont(english);
    for (int i = 0; i < 10; ++i) {
        m_numberLabels[i]->setFont(f);
        m_numberLabels[i]->adjustSize();
        m_cells[i]->setToolTip(labels.hints.value(i));
    }
    m_codeLabel->setFont(f);
    m_codeLabel->setText(labels.code);
    m_codeLabel->adjustSize();
    // A long English name would push the code under the "E" button: the name gives way
    // (shortened, whole in its hint) so the code always stays readable.
    const int nameRoom = m_englishButton->x() - 2 - m_codeLabel->width() - 24 - 16;
    const QFontMetrics fm(f);
    m_nameLabel->setFont(f);
    m_nameLabel->setText(fm.elidedText(labels.name, Qt::ElideRight, qMax(0, nameRoom)));
    m_nameLabel->setToolTip(m_nameLabel->text() == labels.name ? QString() : labels.name);
    m_nameLabel->adjustSize();
    m_codeLabel->move(m_nameLabel->x() + m_nameLabel->width() + 24, 79);
    if (m_englishButton->isChecked() != english) {
        const QSignalBlocker block(m_englishButton);
        m_englishButton->setChecked(english);
    }
}

void TCandidateWindow::cellClicked(int slot)
{
    // The highlight is seen before the window goes.
    select(slot);
    m_clickTimer->start();
}

void TCandidateWindow::chooseAndClose(const QString &text)
{
    m_choice = text;
    accept();
}

bool TCandidateWindow::handleKey(QKeyEvent *key)
{
    CandidateKey kind = CandidateKey::Other;
    char16_t c = 0;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        kind = CandidateKey::Enter;
        break;
    case Qt::Key_Space:
        kind = CandidateKey::Space;
        break;
    case Qt::Key_Right:
        kind = CandidateKey::Right;
        break;
    case Qt::Key_Left:
        kind = CandidateKey::Left;
        break;
    case Qt::Key_Escape:
        kind = CandidateKey::Character;
        c = 0x1B;
        break;
    default: {
        const QString text = key->text();
        if (!text.isEmpty()) {
            kind = CandidateKey::Character;
            c = text.at(0).unicode();
        }
        break;
    }
    }
    if (m_clickTimer->isActive())
        return true; // a click already chose; the timer finishes it
    const CandidateKeyResult r = CandidateWindowKey(m_setup.offered, m_selected, kind, c);
    if (r.selected != m_selected)
        select(r.selected);
    if (r.close) {
        if (r.insert)
            chooseAndClose(r.text);
        else
            reject();
    }
    return true;
}

bool TCandidateWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Every key belongs to the window while it is open.
        event->accept();
        return true;
    case QEvent::KeyPress:
        return handleKey(static_cast<QKeyEvent *>(event));
    default:
        return QDialog::event(event);
    }
}

void TCandidateWindow::mousePressEvent(QMouseEvent *event)
{
    // Everything that is not a cell, a button or the strip drags the window.
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void TCandidateWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void TCandidateWindow::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}

void TCandidateWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_setup.background);
    p.setPen(FrameColour);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

TCandFrm::TCandFrm(const CandidateWindowSetup &setup, QWidget *parent)
    : TCandidateWindow(setup, parent)
{
    setObjectName(QStringLiteral("CandFrm"));
    setWindowTitle(QStringLiteral("候補表示"));
}

TBandFrm::TBandFrm(const CandidateWindowSetup &setup, QWidget *parent)
    : TCandidateWindow(setup, parent)
{
    setObjectName(QStringLiteral("BandFrm"));
    setWindowTitle(QStringLiteral("候補表示２"));
}
