// The transfer panel at work: the transfer command (F9 and TransSpBtn), the
// clipboard content of the current mode, bringing the target forward and the
// delayed paste keystroke, the target tracking while the program is in the
// background, the caption and the indicator circle, and the automatic-paste box.
// The main window creates the widgets and timers and hands them over.
#pragma once

#include <QObject>

#include <memory>

#include "folders.h"
#include "settings.h"
#include "transfercontent.h"
#include "transfertarget.h"

class Dialogs;
class QCheckBox;
class QMimeData;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTimer;
class QWidget;
class TShape;
class TransferModeMenu;
class WindowSystem;

struct TransferWidgets
{
    QWidget *window = nullptr; // its caption names the target
    QMenu *TransModeMenu = nullptr;
    QLineEdit *Edit2 = nullptr; // mode indicator
    QPlainTextEdit *Memo1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QCheckBox *CheckBox2 = nullptr; // automatic paste
    TShape *Shape1 = nullptr;
    QTimer *TransTimer1 = nullptr;
    QTimer *PasteTimer = nullptr;
};

class TransferController : public QObject
{
    Q_OBJECT

public:
    // windows may be null: then no target is ever found and a transfer only fills
    // the clipboard.
    TransferController(const TransferWidgets &widgets, Settings &settings,
                       const AppFolders &folders, Dialogs &dialogs, WindowSystem *windows,
                       QObject *parent = nullptr);
    ~TransferController() override;

    TransferSession &session() { return *m_session; }
    TransferModeMenu *modeMenu() const { return m_modeMenu; }

    // The two fields as they are now.
    TransferFields fields() const;

    // The clipboard part of a transfer in the current mode, then the focus and
    // selection that show what was sent. Returns what went on the clipboard.
    TransferContent CopyTransferText();
    // Puts content on the clipboard and its plain text in PRIMARY, after keeping what
    // both held when RestoreClipboardFlg asks for it back after the paste.
    void PublishTransfer(const TransferContent &content);
    // Copy, bring the target forward with automatic paste, clear with AllClearFlg.
    void Transfer();
    // Brings the target forward and arms the paste keystroke.
    void AutoPaste();
    void ForgetTarget();

    // Tracking runs only while another application is in front.
    void setApplicationActive(bool active);

    // What the clipboard and PRIMARY held before a transfer comes back this long after
    // the paste keystroke (the paste delay), so the receiver has read the transfer.
    QTimer *restoreTimer() const { return m_restoreTimer; }
    void RestoreClipboard();

private:
    void KeepClipboard();
    void publish(const TransferContent &content);
    void PasteSent();
    void TransTimer1Timer();
    void ShowTarget();
    bool isOwnWindow(ForeignWindowId window) const;

    TransferWidgets m_w;
    Settings &m_settings;
    const AppFolders &m_folders;
    Dialogs &m_dialogs;
    std::unique_ptr<WindowSystem> m_noDesktop; // stands in when there is no service
    TransferSession *m_session = nullptr;
    TransferModeMenu *m_modeMenu = nullptr;
    QTimer *m_restoreTimer = nullptr;
    std::unique_ptr<QMimeData> m_keptClipboard; // null: nothing to give back
    std::unique_ptr<QMimeData> m_keptSelection;
};
