// The transfer-mode menu and the mode indicator Edit2: nine checkable items, the
// check mark of the current mode when the menu opens, and the indicator text
// recomposed each time a mode is chosen; after them the check item that gives the
// clipboard back after a paste.
#pragma once

#include <QList>
#include <QObject>

#include "transfermode.h"

class QAction;
class QLineEdit;
class QMenu;
struct Settings;

class TransferModeMenu : public QObject
{
    Q_OBJECT

public:
    // Fills menu and shows the indicator of settings.TransMode. Both are composed
    // with the label the window has while it is created ("欧　文"); an indicator
    // composed later names settings.SelectLang.
    TransferModeMenu(QMenu *menu, QLineEdit *indicator, Settings &settings,
                     QObject *parent = nullptr);

    QAction *item(TransferMode mode) const;
    const QList<QAction *> &items() const { return m_items; }
    // "転送後にクリップボードを戻す", mirroring RestoreClipboardFlg.
    QAction *restoreClipboardItem() const { return m_restoreClipboard; }

    // Checks exactly the item of the current mode; none for a value that is not one.
    void updateChecks();
    // Stores the mode, as a click on its item does, and recomposes the indicator.
    void chooseMode(TransferMode mode);

Q_SIGNALS:
    void modeChosen(TransferMode mode);

private:
    QLineEdit *m_indicator;
    Settings &m_settings;
    QList<QAction *> m_items;
    QAction *m_restoreClipboard = nullptr;
};
