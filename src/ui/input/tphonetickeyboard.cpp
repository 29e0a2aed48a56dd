#include "tphonetickeyboard.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>

#include "pagefont.h"

namespace {

const QString KeyFamily = QStringLiteral("Arial");
const QString ListFamily = QStringLiteral("ＭＳ Ｐゴシック");
const QColor Navy(0, 0, 0x80);
const QColor Maroon(0x80, 0, 0);
const QColor Silver(0xC0, 0xC0, 0xC0);
constexpr int PressOffset = 2;

} // namespace

TPhoneticKeyboard::TPhoneticKeyboard(const CandidateTables *phoneticTables,
                                     const QColor &background, QWidget *parent)
    : QWidget(parent), m_tables(phoneticTables), m_background(background)
{
    setObjectName(QStringLiteral("PhoneticKeyboard"));
}

void TPhoneticKeyboard::ensureBuilt()
{
    if (m_built)
        return;
    m_built = true;
    m_listing = new QPushButton(QStringLiteral("一覧"), this);
    m_listing->setObjectName(QStringLiteral("PhoneticListButton"));
    m_listing->setFocusPolicy(Qt::NoFocus);
    m_listing->show();
    connect(m_listing, &QPushButton::clicked, this, &TPhoneticKeyboard::listRequested);
    RefreshPhoneticKeyboard();
}

void TPhoneticKeyboard::setTargetField(QWidget *field)
{
    if (m_target)
        m_target->removeEventFilter(this);
    m_target = field;
    m_targetSet = true;
    if (field)
        field->installEventFilter(this);
    update();
}

bool TPhoneticKeyboard::acceptsInput() const
{
    return !m_targetSet || (m_target && !m_target->isHidden());
}

QPushButton *TPhoneticKeyboard::listButton()
{
    ensureBuilt();
    return m_listing;
}

void TPhoneticKeyboard::setBackground(const QColor &background)
{
    m_background = background;
    update();
}

bool TPhoneticKeyboard::isActiveKey(int key) const
{
    return key >= 0 && key < KeyLayoutCount && m_active[key] && acceptsInput();
}

int TPhoneticKeyboard::keyFontSize(int key) const
{
    if (key >= KeyLayoutLowerFirst)
        return m_lowerHalfPoints;
    return IsHalfHeightKey(key) ? m_upperHalfPoints : m_fullPoints;
}

QRect TPhoneticKeyboard::keyRect(int key) const
{
    if (key < 0 || key >= KeyLayoutCount)
        return {};
    const QRect r = m_layout.keys[key];
    return key == m_pressed ? r.translated(PressOffset, PressOffset) : r;
}

void TPhoneticKeyboard::RefreshPhoneticKeyboard()
{
    static const CandidateTables none;
    const CandidateTables &tables = m_tables ? *m_tables : none;
    for (int i = 0; i < KeyLayoutCount; ++i)
        m_active[i] = IsActivePhoneticKey(i, tables);
    m_layout = LayoutPhoneticKeyboard(width(), height());
    const auto measure = TextMeasure(KeyFamily, QStringLiteral("W"));
    const QSize full = m_layout.keys[0].size();
    const QSize half = m_layout.keys[KeyLayoutLowerFirst].size();
    m_fullPoints = PhoneticKeyFontSize(measure, 0, full.width(), full.height());
    m_upperHalfPoints = PhoneticKeyFontSize(measure, 10, half.width(), half.height());
    m_lowerHalfPoints = PhoneticKeyFontSize(measure, KeyLayoutLowerFirst, half.width(),
                                            half.height());
    if (m_listing) {
        m_listing->setFont(PageFont(ListFamily, m_fullPoints - 3));
        m_listing->setGeometry(m_layout.listing);
    }
    update();
}

int TPhoneticKeyboard::keyAt(const QPoint &at) const
{
    for (int i = 0; i < KeyLayoutCount; ++i)
        if (m_layout.keys[i].contains(at))
            return i;
    return -1;
}

void TPhoneticKeyboard::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_background);
    p.setPen(m_background);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const bool open = acceptsInput();
    for (int i = 0; i < KeyLayoutCount; ++i) {
        const QRect r = keyRect(i);
        if (r.width() < 4 || r.height() < 4)
            continue;
        p.fillRect(r, Qt::white);
        const QColor frame = i >= KeyLayoutLowerFirst ? Maroon : Navy;
        p.setPen(QPen(frame, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(r).adjusted(1, 1, -1, -1));
        const char16_t c = KeyLayoutChar(i);
        if (c == 0)
            continue;
        const QFont font = PageFont(KeyFamily, keyFontSize(i));
        p.setFont(font);
        p.setPen(m_active[i] && open ? QColor(Qt::black) : Silver);
        const QString text(QChar{c});
        const QSize size = QFontMetrics(font).size(Qt::TextSingleLine, text);
        p.drawText(QRect(r.left() + (r.width() - size.width()) / 2,
                         r.top() + (r.height() - size.height()) / 2, size.width(), size.height()),
                   Qt::AlignCenter, text);
    }
    if (!open) {
        const QString note = QStringLiteral("発音記号の入力欄が表示されていないため、このページは"
                                            "使えません。オプションの「上部入力エリア表示」で"
                                            "表示できます。");
        const QFont f = PageFont(ListFamily, 10);
        p.setFont(f);
        const int flags = Qt::AlignCenter | Qt::TextWordWrap;
        const QRect room = rect().adjusted(24, 8, -24, -8);
        const QRect text = QFontMetrics(f).boundingRect(room, flags, note);
        const QRect box = text.adjusted(-8, -6, 8, 6);
        p.setPen(QPen(Navy, 1));
        p.setBrush(QColor(255, 255, 225));
        p.drawRect(box);
        p.setPen(Qt::black);
        p.drawText(text, flags, note);
    }
}

void TPhoneticKeyboard::mousePressEvent(QMouseEvent *event)
{
    const int key = event->button() == Qt::LeftButton ? keyAt(event->position().toPoint()) : -1;
    if (!isActiveKey(key))
        return QWidget::mousePressEvent(event);
    m_pressed = key;
    update();
    event->accept();
}

void TPhoneticKeyboard::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressed < 0 || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const int key = m_pressed;
    m_pressed = -1;
    update();
    event->accept();
    // Released off the key: nothing, as a button does.
    if (keyAt(event->position().toPoint()) == key && isActiveKey(key))
        Q_EMIT keyReleased(QChar(KeyLayoutChar(key)));
}

bool TPhoneticKeyboard::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int key = keyAt(help->pos());
        static const CandidateTables none;
        const QString hint =
            isActiveKey(key) ? PhoneticKeyHint(key, m_tables ? *m_tables : none) : QString();
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint, this, keyRect(key));
        return true;
    }
    return QWidget::event(event);
}

bool TPhoneticKeyboard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_target) {
        const QEvent::Type t = event->type();
        if (t == QEvent::ShowToParent || t == QEvent::HideToParent || t == QEvent::Show ||
            t == QEvent::Hide)
            update();
    }
    return QWidget::eventFilter(watched, event);
}

void TPhoneticKeyboard::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_built)
        RefreshPhoneticKeyboard();
}

void TPhoneticKeyboard::showEvent(QShowEvent *event)
{
    ensureBuilt();
    QWidget::showEvent(event);
}
