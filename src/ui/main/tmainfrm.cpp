#include "tmainfrm.h"

#include "dialogs.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>

TMainFrm::TMainFrm(const Platform &platform, const AppFolders &folders, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_folders(folders)
{
    setObjectName(QStringLiteral("MainFrm"));
    setAttribute(Qt::WA_QuitOnClose);
    FormCreate();
}

TMainFrm::~TMainFrm() = default;

void TMainFrm::FormCreate()
{
    SetStartValues();
    LoadSettingsAndFolders();
    CopyInstalledFilesOnFirstStart();
    LoadSymbolDatabases();
    LoadCandidateTables();
    SetupControls();
    CreateCommandToolbar();
    BuildTriggerKeyboardPage();
    BuildAccentButtons();
    BuildPhoneticPage();
    BuildSearchPage();
    BuildSymbolPalettePage();
    FillWordBookList();
    ApplySettings();
    PlaceWindow();
}

void TMainFrm::SetStartValues()
{
    m_settings = Settings();
    m_windowPlaces.fill(WindowRect());
}

void TMainFrm::LoadSettingsAndFolders()
{
    QString error;
    if (!LoadSettingsFile(m_folders.SysFolder + u'/' + QString::fromUtf16(SettingsFileName),
                          m_settings, &error))
        m_platform.dialogs->warning(error);
    ChooseTableFolder(m_folders, m_settings.SysTblFlg);
    ChooseLanguageFolders(m_folders, m_settings.SelectLang);
}

void TMainFrm::CopyInstalledFilesOnFirstStart()
{
    if (!IsFirstStartOfVersion(m_folders))
        return;
    QString error;
    if (!RunFirstStartCopy(m_folders, m_settings, &error))
        m_platform.dialogs->warning(error);
}

void TMainFrm::LoadSymbolDatabases() {}

void TMainFrm::LoadCandidateTables() {}

void TMainFrm::SetupControls()
{
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    setCentralWidget(Memo1);
}

void TMainFrm::CreateCommandToolbar() {}

void TMainFrm::BuildTriggerKeyboardPage() {}

void TMainFrm::BuildAccentButtons() {}

void TMainFrm::BuildPhoneticPage() {}

void TMainFrm::BuildSearchPage() {}

void TMainFrm::BuildSymbolPalettePage() {}

void TMainFrm::FillWordBookList() {}

void TMainFrm::ApplySettings()
{
    QFont font(m_settings.UsrMainFont);
    if (m_settings.UsrMainFontSize > 0)
        font.setPointSize(m_settings.UsrMainFontSize);
    Memo1->setFont(font);
    Memo1->setLineWrapMode(m_settings.WordWrapFlg ? QPlainTextEdit::WidgetWidth
                                                  : QPlainTextEdit::NoWrap);
    const Qt::ScrollBarPolicy bars =
        m_settings.ScroBarsFlg ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
    Memo1->setHorizontalScrollBarPolicy(bars);
    Memo1->setVerticalScrollBarPolicy(bars);
}

void TMainFrm::PlaceWindow()
{
    const WindowRect &r = m_settings.MainFrm;
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 900, 690);
    bool visible = false;
    if (r.isSet() && r.width() > 0 && r.height() > 0) {
        // A rectangle saved on a screen that is gone would open the window out of reach.
        const QRect saved(r.left, r.top, r.width(), r.height());
        for (const QScreen *s : QGuiApplication::screens())
            visible = visible || s->geometry().intersects(saved);
    }
    if (visible) {
        move(r.left, r.top);
        resize(r.width(), r.height());
    } else {
        resize(900, 690);
        move((screenRect.width() - 900) / 2, (screenRect.height() - 690) / 2);
    }
    setWindowTitle(QStringLiteral("VelmorUC"));
    Memo1->setFocus();
}

void TMainFrm::ReleaseTables() {}

void TMainFrm::RefreshSettingsFromWindow()
{
    const QRect frame = isMaximized() || isMinimized() || isFullScreen() ? normalGeometry()
                                                                          : QRect(pos(), size());
    m_settings.MainFrm = {frame.left(), frame.top(), frame.left() + frame.width(),
                          frame.top() + frame.height()};
}

void TMainFrm::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    ReleaseTables();
    if (m_noSaveFlg)
        return;
    RefreshSettingsFromWindow();
    const WriteResult saved = SaveSettings(
        m_folders.SysFolder + u'/' + QString::fromUtf16(SettingsFileName), m_settings);
    if (!saved)
        m_platform.dialogs->warning(saved.errorMessage);
}

void TMainFrm::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}
