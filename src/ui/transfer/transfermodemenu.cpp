#include "transfermodemenu.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>

#include "folders.h"
#include "fontfamilies.h"
#include "settings.h"

namespace {

// The indicator keeps its place in the bar, so its font gives way until the longest
// caption of every mode and language shows whole.
void FitIndicatorFont(QLineEdit *indicator)
{
    const int frame = indicator->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr,
                                                      indicator);
    const QMargins margins = indicator->textMargins();
    // QLineEdit keeps 2 pixels each side of the text and 1 for the cursor.
    const int room = indicator->width() - 2 * frame - margins.left() - margins.right() - 5;
    QStringList captions;
    for (const TransferModeItem &entry : TransferModeItems()) {
        for (const LanguageFolders &l : Languages())
            captions.append(TransferModeIndicatorText(entry.mode, l.language));
    }
    captions.removeDuplicates();
    QFont font = indicator->font();
    font.setPointSize(LargestFittingPoints(font, captions, room, 7, font.pointSize()));
    indicator->setFont(font);
}

} // namespace

TransferModeMenu::TransferModeMenu(QMenu *menu, QLineEdit *indicator, Settings &settings,
                                   QObject *parent)
    : QObject(parent), m_indicator(indicator), m_settings(settings)
{
    const QString lang = InitialLanguageLabel();
    int index = 0;
    for (const TransferModeItem &entry : TransferModeItems()) {
        if (index++ == TransferModeSeparatorAfter)
            menu->addSeparator();
        auto *action = new QAction(TransferModeMenuCaption(entry.mode, lang), menu);
        action->setObjectName(entry.objectName);
        action->setCheckable(true);
        action->setData(entry.mode);
        const TransferMode mode = entry.mode;
        connect(action, &QAction::triggered, this, [this, mode] { chooseMode(mode); });
        menu->addAction(action);
        m_items.append(action);
    }
    menu->addSeparator();
    m_restoreClipboard = new QAction(QStringLiteral("転送後にクリップボードを戻す"), menu);
    m_restoreClipboard->setObjectName(QStringLiteral("RestoreClipboard"));
    m_restoreClipboard->setCheckable(true);
    m_restoreClipboard->setChecked(m_settings.RestoreClipboardFlg);
    connect(m_restoreClipboard, &QAction::toggled, this,
            [this](bool on) { m_settings.RestoreClipboardFlg = on; });
    menu->addAction(m_restoreClipboard);
    connect(menu, &QMenu::aboutToShow, this, &TransferModeMenu::updateChecks);
    FitIndicatorFont(m_indicator);
    m_indicator->setText(TransferModeIndicatorText(m_settings.TransMode, lang));
    m_indicator->setCursorPosition(0);
    updateChecks();
}

QAction *TransferModeMenu::item(TransferMode mode) const
{
    for (QAction *action : m_items) {
        if (action->data().toInt() == mode)
            return action;
    }
    return nullptr;
}

void TransferModeMenu::updateChecks()
{
    for (QAction *action : m_items)
        action->setChecked(action->data().toInt() == m_settings.TransMode);
}

void TransferModeMenu::chooseMode(TransferMode mode)
{
    m_settings.TransMode = mode;
    m_indicator->setText(TransferModeIndicatorText(mode, m_settings.SelectLang));
    m_indicator->setCursorPosition(0);
    // A click toggles only the clicked item; the others follow here.
    updateChecks();
    Q_EMIT modeChosen(mode);
}
