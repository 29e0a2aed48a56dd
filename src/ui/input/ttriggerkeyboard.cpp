#include "ttriggerkeyboard.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QWindow>

#include "pagefont.h"

namespace {

const QString KeyFontFamily = QStringLiteral("Times New Roman");
const QString LabelFontFamily = QStringLiteral("ＭＳ Ｐゴシック");

void setTextLook(QWidget *w, const QColor &colour, bool bold, QPalette::ColorRole role)
{
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
    QFont f = w->font();
    f.setBold(bold);
    w->setFont(f);
}

} // namespace

// The shifted character above a key. A bold (trigger) label sinks by one pixel while
// pressed, as a button would.
class TriggerKeyLabel : public QLabel
{
public:
    TriggerKeyLabel(QWidget *parent, std::function<void()> released)
        : QLabel(parent), m_released(std::move(released))
    {}
    bool trigger = false;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return QLabel::mousePressEvent(event);
        if (trigger) {
            move(pos() + QPoint(1, 1));
            m_sunk = true;
        }
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return QLabel::mouseReleaseEvent(event);
        if (m_sunk) {
            move(pos() - QPoint(1, 1));
            m_sunk = false;
        }
        event->accept();
        m_released();
    }

private:
    std::function<void()> m_released;
    bool m_sunk = false;
};

TTriggerKeyboard::TTriggerKeyboard(const CandidateTables *letterTables,
                                   const TriggerKeyboardColours &colours, double capsHeightFactor,
                                   QWidget *parent)
    : QWidget(parent), m_tables(letterTables), m_colours(colours),
      m_capsHeightFactor(capsHeightFactor)
{
    setObjectName(QStringLiteral("TriggerKeyboard"));
    for (int i = 0; i < TriggerKeyCount; ++i) {
        auto *key = new QPushButton(this);
        key->setObjectName(QStringLiteral("TriKey%1").arg(i));
        key->setFocusPolicy(Qt::NoFocus);
        key->setFont(QFont(KeyFontFamily));
        connect(key, &QPushButton::clicked, this, [this, i] {
            const char16_t c = keyCharacter(i);
            if (c != 0)
                Q_EMIT keyClicked(QChar(c));
        });
        m_keys[i] = key;

        auto *label = new TriggerKeyLabel(this, [this, i] {
            if (m_faces[i].labelTrigger && m_faces[i].label != 0)
                Q_EMIT triggerLabelClicked(QChar(m_faces[i].label));
        });
        label->setObjectName(QStringLiteral("TriLabel%1").arg(i));
        label->setFont(QFont(LabelFontFamily));
        // Labels show the character itself, "&" included.
        label->setTextFormat(Qt::PlainText);
        m_labels[i] = label;
    }
    // 半/全 has no place on the page.
    m_keys[0]->hide();
    m_keys[0]->setEnabled(false);
    m_labels[0]->hide();

    m_caps = new QPushButton(QStringLiteral("CAPS"), this);
    m_caps->setObjectName(QStringLiteral("CapsButton"));
    m_caps->setCheckable(true);
    m_caps->setFocusPolicy(Qt::NoFocus);
    connect(m_caps, &QPushButton::clicked, this, [this](bool down) {
        SetKeyboardCase(down ? KeyboardCase::Upper : KeyboardCase::Lower);
    });

    m_direct = new QCheckBox(QStringLiteral("直"), this);
    m_direct->setObjectName(QStringLiteral("DirectBox"));
    m_direct->setFocusPolicy(Qt::NoFocus);
    m_direct->setToolTip(QStringLiteral("候補が1つの場合の直接入力"));
    connect(m_direct, &QCheckBox::clicked, this, &TTriggerKeyboard::directToggled);

    m_revival = new QCheckBox(QStringLiteral("復"), this);
    m_revival->setObjectName(QStringLiteral("RevivalBox"));
    m_revival->setFocusPolicy(Qt::NoFocus);
    m_revival->setToolTip(QStringLiteral("トリガーキーの復活"));
    connect(m_revival, &QCheckBox::clicked, this, &TTriggerKeyboard::revivalToggled);

    m_listing = new QPushButton(QStringLiteral("一覧"), this);
    m_listing->setObjectName(QStringLiteral("ListButton"));
    m_listing->setFocusPolicy(Qt::NoFocus);
    QFont listFont(LabelFontFamily);
    listFont.setBold(true);
    m_listing->setFont(listFont);
    connect(m_listing, &QPushButton::clicked, this, &TTriggerKeyboard::listRequested);

    SetKeyboardCase(KeyboardCase::Lower);
    LayoutTriggerKeyboard();
}

QLabel *TTriggerKeyboard::label(int i) const
{
    return m_labels[i];
}

char16_t TTriggerKeyboard::keyCharacter(int i) const
{
    return m_faces[i].character;
}

QColor TTriggerKeyboard::backgroundColour() const
{
    return m_case == KeyboardCase::Upper ? m_colours.upper : m_colours.lower;
}

void TTriggerKeyboard::setColours(const TriggerKeyboardColours &colours)
{
    m_colours = colours;
    RefreshTriggerKeyboard();
}

void TTriggerKeyboard::setOptionTicks(bool oneInput, bool triggerRevival)
{
    m_direct->setChecked(oneInput);
    m_revival->setChecked(triggerRevival);
}

void TTriggerKeyboard::SetKeyboardCase(KeyboardCase state)
{
    static const CandidateTables noTables;
    const CandidateTables &tables = m_tables ? *m_tables : noTables;
    for (int i = 1; i < TriggerKeyCount; ++i) {
        const TriggerKeyFace face = TriggerKeyFaceOf(i, state, tables);
        m_faces[i] = face;
        QPushButton *key = m_keys[i];
        key->setEnabled(face.enabled);
        key->setText(face.enabled ? TriggerKeyCaption(face.character) : QString());
        setTextLook(key, face.trigger ? m_colours.trigger : QColor(Qt::black), face.trigger,
                    QPalette::ButtonText);

        TriggerKeyLabel *label = m_labels[i];
        label->setText(face.label ? QString(QChar(face.label)) : QString());
        label->trigger = face.labelTrigger;
        setTextLook(label, face.labelTrigger ? m_colours.trigger : m_colours.label,
                    face.labelTrigger, QPalette::WindowText);
    }
    m_case = state;
    // Bold text is wider: the labels are centred again.
    LayoutTriggerKeyboard();
    update();
}

void TTriggerKeyboard::RefreshTriggerKeyboard()
{
    SetKeyboardCase(m_case);
}

void TTriggerKeyboard::LayoutTriggerKeyboard()
{
    if (!isVisible()) {
        m_layoutPending = true;
        return;
    }
    m_layoutPending = false;
    m_layout = ::LayoutTriggerKeyboard(width(), height(), m_capsHeightFactor);
    const TriggerKeyboardLayout &l = m_layout;
    const int keyPoints = FitFontPoints(KeyFontFamily, QStringLiteral("W"), l.C, l.K);
    // A shift label may be no wider than its key, or the labels of a tall, narrow page
    // run into each other; bold is the widest a label gets.
    const int labelPoints = FitFontPoints(LabelFontFamily, QStringLiteral("W"),
                                          qMin(l.labelBox, l.C), l.labelBox, true);
    // A caption fits its own button, never more than the labels.
    const auto captionPoints = [&](const QPushButton *button, const QRect &box) {
        const int frame =
            2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        return qMin(labelPoints, FitFontPoints(button->font().family(), button->text(),
                                               box.width() - frame, box.height(),
                                               button->font().bold()));
    };
    for (int i = 0; i < TriggerKeyCount; ++i) {
        QPushButton *key = m_keys[i];
        QFont kf = key->font();
        kf.setPointSize(qMax(1, keyPoints));
        key->setFont(kf);
        key->setGeometry(l.keys[i]);

        QLabel *label = m_labels[i];
        QFont lf = label->font();
        lf.setPointSize(qMax(1, labelPoints));
        label->setFont(lf);
        label->adjustSize();
        const QRect k = l.keys[i];
        label->move(k.left() + (k.width() - label->width()) / 2, k.top() - label->height());
    }
    auto sized = [&](QWidget *w, int points) {
        QFont f = w->font();
        f.setPointSize(qMax(1, points));
        w->setFont(f);
    };
    sized(m_caps, captionPoints(m_caps, l.caps));
    m_caps->setGeometry(l.caps);
    m_direct->setGeometry(l.direct.left(), l.direct.top(), l.direct.width(),
                          m_direct->sizeHint().height());
    m_revival->setGeometry(l.revival.left(), l.revival.top(), l.revival.width(),
                           m_revival->sizeHint().height());
    sized(m_listing, captionPoints(m_listing, l.listing));
    m_listing->setGeometry(l.listing);
}

void TTriggerKeyboard::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor c = backgroundColour();
    p.fillRect(rect(), c);
    p.setPen(c);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TTriggerKeyboard::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_layoutPending)
        return;
    // While its window is first being shown the panes still take their sizes, and the
    // resize that follows lays the keys out: a layout now would load every font twice.
    // Should no resize come, the keys are laid out before anything is painted.
    const QWindow *handle = window()->windowHandle();
    if (handle && !handle->isVisible()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_layoutPending)
                    LayoutTriggerKeyboard();
            },
            Qt::QueuedConnection);
        return;
    }
    LayoutTriggerKeyboard();
}

void TTriggerKeyboard::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayoutTriggerKeyboard();
}
