// Pieces the table editors and the list tool share: tool buttons with a picture above
// the caption, the glyph images, the remembered window bounds and the file-name rules
// of their dialogs.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include "platform.h"
#include "settings.h"

class QAction;
class QToolButton;

// A command of a tool window: caption, hint, picture (":/toolicons/<picture>.svg").
QAction *NewToolCommand(QWidget *window, const char *name, const QString &caption,
                        const QString &hint, const char *picture);
// A button that carries out the command and follows its enabled state.
QToolButton *NewToolButton(QWidget *parent, QAction *command, QSize size);

// A framed square that shows one glyph centred, or only its colour.
class TGlyphImage : public QWidget
{
    Q_OBJECT

public:
    explicit TGlyphImage(QWidget *parent = nullptr);
    // frame: invalid for none.
    void setLook(const QColor &background, const QColor &frame, const QString &glyph = QString(),
              const QFont &font = QFont());
    QColor background() const { return m_background; }
    QColor frame() const { return m_frame; }
    QString glyph() const { return m_glyph; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_background;
    QColor m_frame;
    QString m_glyph;
    QFont m_font;
};

// The glyph font of a symbol database: the main font for "DBVelmor.csv", else the sub font.
QFont GlyphFontFor(const QString &databasePath, const Settings &settings);

// The first opening in a run: size, centred on the screen; later the bounds it had.
void PlaceToolWindow(QWidget *window, const WindowRect &bounds, QSize first);
WindowRect ToolWindowBounds(const QWidget *window);

// The user's Japanese input method, switched on as the editors open.
void SelectJapaneseInput(const Platform &platform, const Settings &settings);

// A file name typed without an extension gets ".csv", as the save dialogs' default.
QString WithCsvExtension(const QString &path);

// The text of a status-bar panel.
class QLabel;
class QStatusBar;
QLabel *AddStatusPanel(QStatusBar *bar, const char *name, int stretch);
