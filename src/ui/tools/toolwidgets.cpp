#include "toolwidgets.h"

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>

#include "inputmethod.h"

QAction *NewToolCommand(QWidget *window, const char *name, const QString &caption,
                        const QString &hint, const char *picture)
{
    auto *action = new QAction(
        QIcon(QStringLiteral(":/toolicons/%1.svg").arg(QLatin1String(picture))), caption, window);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    return action;
}

QToolButton *NewToolButton(QWidget *parent, QAction *command, QSize size)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(command->objectName() + QStringLiteral("Btn"));
    button->setDefaultAction(command);
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(size);
    return button;
}

TGlyphImage::TGlyphImage(QWidget *parent)
    : QWidget(parent), m_background(palette().color(QPalette::Button))
{
}

void TGlyphImage::setLook(const QColor &background, const QColor &frame, const QString &glyph,
                       const QFont &font)
{
    m_background = background;
    m_frame = frame;
    m_glyph = glyph;
    m_font = font;
    update();
}

void TGlyphImage::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_background);
    if (m_frame.isValid()) {
        p.setPen(QPen(m_frame, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!m_glyph.isEmpty()) {
        p.setFont(m_font);
        p.setPen(Qt::black);
        p.drawText(rect(), Qt::AlignCenter, m_glyph);
    }
}

QFont GlyphFontFor(const QString &databasePath, const Settings &settings)
{
    return QFont(QFileInfo(databasePath).fileName() == u"DBVelmor.csv" ? settings.UsrMainFont
                                                                         : settings.UsrSubFont);
}

void PlaceToolWindow(QWidget *window, const WindowRect &bounds, QSize first)
{
    if (bounds.isSet() && bounds.width() > 0 && bounds.height() > 0) {
        window->setGeometry(bounds.left, bounds.top, bounds.width(), bounds.height());
        return;
    }
    window->resize(first);
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(first.width() / 2, first.height() / 2));
    }
}

WindowRect ToolWindowBounds(const QWidget *window)
{
    const QRect g = window->geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

void SelectJapaneseInput(const Platform &platform, const Settings &settings)
{
    if (platform.inputMethod && !settings.CusJpImeStr.isEmpty())
        platform.inputMethod->selectLayout(settings.CusJpImeStr);
}

QString WithCsvExtension(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QStringLiteral(".csv");
}

QLabel *AddStatusPanel(QStatusBar *bar, const char *name, int stretch)
{
    auto *label = new QLabel(bar);
    label->setObjectName(QLatin1String(name));
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    bar->addWidget(label, stretch);
    return label;
}
