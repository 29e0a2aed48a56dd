// The line window: one input line with "転送" and, below it, this window's own trigger
// keyboard, accent buttons and phonetic keyboard, all typing into the line. It stands
// on top of other windows while the main window is hidden (the action LineMode).
#pragma once

#include <QDialog>

#include "folders.h"
#include "platform.h"
#include "settings.h"
#include "transfercontent.h"
#include "triggerinput.h"

class InputController;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;
class QToolButton;
class TAccentButtons;
class TPhoneticKeyboard;
class TShape;
class TTriggerKeyboard;
class TransferController;

// What the line window works with; all of it belongs to the main window.
struct LineFrmServices
{
    Settings &settings;
    const AppFolders &folders;
    const Platform &platform;
    InputController &input;
    TransferController &transfers;
};

class TLineFrm : public QDialog
{
    Q_OBJECT

public:
    // place: the window's rectangle, remembered for the run (unset: 440 x 320 centred).
    TLineFrm(const LineFrmServices &services, WindowRect &place, QWidget *parent = nullptr);
    ~TLineFrm() override;

    // "転送" (or Enter in the line); returns what went on the clipboard.
    TransferContent TransferLine();
    LineWindowPage page() const;
    int lineTransferSize() const { return m_lineTransferSize; }

    TShape *Shape1 = nullptr;        // target indicator
    QCheckBox *AutoPasteBox = nullptr;
    QLineEdit *Edit1 = nullptr;      // the input line
    QToolButton *TransBtn = nullptr; // "転送"
    QComboBox *SizeBox = nullptr;    // transfer size
    QCheckBox *ClearBox = nullptr;   // "Clear"
    QTabWidget *PageControl1 = nullptr;
    TTriggerKeyboard *TriggerKeyboard = nullptr;
    TAccentButtons *AccentButtons = nullptr;
    TPhoneticKeyboard *PhoneticKeyboard = nullptr;

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildTopPanel(QWidget *panel);
    void buildPages();
    void pageChanged(int index);
    void layoutTopPanel();
    void showTarget();
    void selectJapaneseLayout();

    LineFrmServices m_s;
    WindowRect &m_place;
    QWidget *m_topPanel = nullptr;
    int m_lineTransferSize = 20;
    bool m_placed = false;
};
