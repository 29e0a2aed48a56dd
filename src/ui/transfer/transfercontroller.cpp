#include "transfercontroller.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include "dialogs.h"
#include "transfermodemenu.h"
#include "tshape.h"
#include "windowsystem.h"

namespace {

// The desktop without a window service: nothing is ever in front.
class NoDesktop : public WindowSystem
{
public:
    bool available() const override { return false; }
    ForeignWindowId activeWindow() const override { return 0; }
    QString windowTitle(ForeignWindowId) const override { return QString(); }
    bool isDesktopOrPanel(ForeignWindowId) const override { return false; }
    bool activateWindow(ForeignWindowId) override { return false; }
    bool sendPasteKeystroke(ForeignWindowId) override { return false; }
    bool capsLockOn() const override { return false; }
    void setCapsLock(bool) override {}
};

// Every format the owner offers, read now: the owner may be gone by the time the
// copy is given back.
std::unique_ptr<QMimeData> copyOf(const QMimeData *source)
{
    auto copy = std::make_unique<QMimeData>();
    if (source) {
        for (const QString &format : source->formats())
            copy->setData(format, source->data(format));
    }
    return copy;
}

} // namespace

TransferController::TransferController(const TransferWidgets &widgets, Settings &settings,
                                       const AppFolders &folders, Dialogs &dialogs,
                                       WindowSystem *windows, QObject *parent)
    : QObject(parent), m_w(widgets), m_settings(settings), m_folders(folders), m_dialogs(dialogs)
{
    if (!windows) {
        m_noDesktop = std::make_unique<NoDesktop>();
        windows = m_noDesktop.get();
    }
    m_session = new TransferSession(*windows, this);
    m_session->setOwnWindowTest([this](ForeignWindowId w) { return isOwnWindow(w); });
    connect(m_session, &TransferSession::targetChanged, this, &TransferController::ShowTarget);

    m_modeMenu = new TransferModeMenu(m_w.TransModeMenu, m_w.Edit2, m_settings, this);

    m_w.TransTimer1->setInterval(TransTimer1Interval);
    m_w.TransTimer1->stop();
    connect(m_w.TransTimer1, &QTimer::timeout, this, &TransferController::TransTimer1Timer);
    m_w.PasteTimer->setSingleShot(true);
    connect(m_w.PasteTimer, &QTimer::timeout, m_session, &TransferSession::pasteTick);
    connect(m_w.PasteTimer, &QTimer::timeout, this, &TransferController::PasteSent);
    m_restoreTimer = new QTimer(this);
    m_restoreTimer->setObjectName(QStringLiteral("RestoreClipboardTimer"));
    m_restoreTimer->setSingleShot(true);
    connect(m_restoreTimer, &QTimer::timeout, this, &TransferController::RestoreClipboard);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                setApplicationActive(state == Qt::ApplicationActive);
            });

    connect(m_w.CheckBox2, &QCheckBox::toggled, this,
            [this](bool checked) { m_session->autoPasteToggled(checked, m_settings); });
}

TransferController::~TransferController() = default;

TransferFields TransferController::fields() const
{
    // The raw text keeps no-break spaces as typed; the line breaks it holds as
    // paragraph separators become CR LF in the transfer.
    return TransferFields{m_w.Memo1->document()->toRawText(),
                          m_w.Memo1->textCursor().selectedText(), m_w.Edit1->text(),
                          m_w.Edit1->selectedText()};
}

TransferContent TransferController::CopyTransferText()
{
    KeepClipboard();
    QString error;
    const TransferContent content =
        PrepareTransfer(m_settings.TransMode, fields(), m_settings, m_folders.SysFolder, &error);
    // "Work.rtf" could not be replaced: the user still gets the text, as rich text.
    if (!error.isEmpty())
        m_dialogs.warning(error);
    if (!content.copies)
        return content;
    if (content.source == TransferField::Pad) {
        if (content.focusSource)
            m_w.Memo1->setFocus();
        if (content.selectAllInSource)
            m_w.Memo1->selectAll();
    } else {
        if (content.focusSource)
            m_w.Edit1->setFocus();
        if (content.selectAllInSource)
            m_w.Edit1->selectAll();
    }
    // Selecting with the keyboard or mouse claims PRIMARY on X11; the transfer's text
    // comes after it.
    publish(content);
    return content;
}

void TransferController::KeepClipboard()
{
    // While a paste is due, what is kept is still the user's, not an earlier transfer.
    if (!m_settings.RestoreClipboardFlg || m_w.PasteTimer->isActive() ||
        m_restoreTimer->isActive()) {
        if (!m_settings.RestoreClipboardFlg) {
            m_keptClipboard.reset();
            m_keptSelection.reset();
        }
        return;
    }
    QClipboard *clipboard = QGuiApplication::clipboard();
    m_keptClipboard = copyOf(clipboard->mimeData(QClipboard::Clipboard));
    m_keptSelection =
        clipboard->supportsSelection() ? copyOf(clipboard->mimeData(QClipboard::Selection)) : nullptr;
}

void TransferController::PublishTransfer(const TransferContent &content)
{
    KeepClipboard();
    publish(content);
}

void TransferController::publish(const TransferContent &content)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(TransferMimeData(content));
    if (clipboard->supportsSelection())
        clipboard->setMimeData(TransferSelectionMimeData(content), QClipboard::Selection);
}

void TransferController::PasteSent()
{
    // A later transfer's paste stops an earlier give-back; it follows this paste.
    if (m_keptClipboard)
        m_restoreTimer->start(qMax(0, m_settings.PasteTimerInterval));
}

void TransferController::RestoreClipboard()
{
    m_restoreTimer->stop();
    if (!m_keptClipboard)
        return;
    QClipboard *clipboard = QGuiApplication::clipboard();
    auto giveBack = [clipboard](std::unique_ptr<QMimeData> kept, QClipboard::Mode mode) {
        if (kept->formats().isEmpty())
            clipboard->clear(mode);
        else
            clipboard->setMimeData(kept.release(), mode);
    };
    giveBack(std::move(m_keptClipboard), QClipboard::Clipboard);
    if (m_keptSelection)
        giveBack(std::move(m_keptSelection), QClipboard::Selection);
}

void TransferController::Transfer()
{
    CopyTransferText();
    if (m_w.CheckBox2->isChecked())
        AutoPaste();
    if (m_settings.AllClearFlg) {
        m_w.Edit1->clear();
        m_w.Memo1->clear();
    }
}

void TransferController::AutoPaste()
{
    // A second transfer within the delay gives no second keystroke: the timer is
    // already running.
    if (m_session->autoPaste() == AutoPasteResult::StartPasteTimer) {
        m_restoreTimer->stop();
        m_w.PasteTimer->start(qMax(0, m_settings.PasteTimerInterval));
    }
}

void TransferController::ForgetTarget()
{
    m_session->forgetTarget();
}

void TransferController::setApplicationActive(bool active)
{
    if (TransferSession::trackingWanted(active))
        m_w.TransTimer1->start();
    else
        m_w.TransTimer1->stop();
}

void TransferController::TransTimer1Timer()
{
    m_session->trackTick(m_settings.AutoPasteFlg);
}

void TransferController::ShowTarget()
{
    m_w.window->setWindowTitle(m_session->caption());
    m_w.Shape1->setBrushColor(TargetLampColour(m_session->lamp(), m_w.Shape1->palette()));
}

bool TransferController::isOwnWindow(ForeignWindowId window) const
{
    // Dialogs and candidate windows are ours too, whatever their titles.
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (w->internalWinId() && ForeignWindowId(w->internalWinId()) == window)
            return true;
    }
    return false;
}
