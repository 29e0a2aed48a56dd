#include "twmplayerfrm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLibrary>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "voicepath.h"
#include "voiceplayer.h"

namespace {

// The player of the velmorvoice module, installed in lib/velmoruc beside bin; null with
// the reason when it cannot be loaded.
std::unique_ptr<VoicePlayer> LoadVoicePlayer(QString *error)
{
    const QString folder = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                           QStringLiteral("/../lib/velmoruc"));
    // Never unloaded: the players it makes live as long as their windows.
    static QLibrary module;
    if (!module.isLoaded()) {
        module.setFileName(folder + QStringLiteral("/velmorvoice"));
        if (!module.load()) {
            *error = module.errorString();
            return nullptr;
        }
    }
    const auto create =
        reinterpret_cast<CreateVoicePlayerFunction>(module.resolve(CreateVoicePlayerName));
    if (!create) {
        *error = module.errorString();
        return nullptr;
    }
    return std::unique_ptr<VoicePlayer>(create());
}

} // namespace

TWMPlayerFrm::TWMPlayerFrm(WindowRect &place, bool &mediaPlayerFlg, QWidget *parent)
    // A tool window of its owner stays above it, yet a message box or dialog opened
    // later comes above the player: staying on top of everything hid question boxes.
    : QWidget(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint), m_place(place),
      m_mediaPlayerFlg(mediaPlayerFlg)
{
    setObjectName(QStringLiteral("WMPlayerFrm"));
    setAttribute(Qt::WA_DeleteOnClose);
    QString error;
    m_player = LoadVoicePlayer(&error);

    const auto toolButton = [this](const char *name, QStyle::StandardPixmap icon,
                                   const QString &tip) {
        auto *b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        b->setIcon(style()->standardIcon(icon));
        b->setToolTip(tip);
        b->setAutoRaise(true);
        return b;
    };
    PlayBtn = toolButton("PlayBtn", QStyle::SP_MediaPlay, QStringLiteral("再生"));
    PauseBtn = toolButton("PauseBtn", QStyle::SP_MediaPause, QStringLiteral("一時停止"));
    StopBtn = toolButton("StopBtn", QStyle::SP_MediaStop, QStringLiteral("停止"));
    PositionSlider = new QSlider(Qt::Horizontal, this);
    PositionSlider->setObjectName(QStringLiteral("PositionSlider"));
    NoPlayCheck = new QCheckBox(QStringLiteral("音声ファイルは再生しない"), this);
    NoPlayCheck->setObjectName(QStringLiteral("NoPlayCheck"));

    auto *controls = new QHBoxLayout;
    controls->setSpacing(2);
    controls->addWidget(PlayBtn);
    controls->addWidget(PauseBtn);
    controls->addWidget(StopBtn);
    controls->addWidget(PositionSlider, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(controls);
    layout->addWidget(NoPlayCheck);

    if (m_player) {
        connect(PlayBtn, &QToolButton::clicked, this, [this] { m_player->play(); });
        connect(PauseBtn, &QToolButton::clicked, this, [this] { m_player->pause(); });
        connect(StopBtn, &QToolButton::clicked, this, [this] { m_player->stop(); });
        m_player->durationChanged = [this](qint64 ms) { PositionSlider->setRange(0, int(ms)); };
        m_player->positionChanged = [this](qint64 ms) {
            if (!PositionSlider->isSliderDown())
                PositionSlider->setValue(int(ms));
        };
        m_player->stateChanged = [this] { updateButtons(); };
        connect(PositionSlider, &QSlider::sliderMoved, this,
                [this](int ms) { m_player->setPosition(ms); });
    } else {
        // The window still says which file was asked for, and why nothing plays.
        auto *reason = new QLabel(QStringLiteral("音声を再生できません：") + error, this);
        reason->setObjectName(QStringLiteral("NoPlayerLabel"));
        reason->setWordWrap(true);
        layout->insertWidget(0, reason);
    }
    updateButtons();
    if (m_player)
        setFixedSize(240, 100);
    else
        setFixedSize(320, qMax(100, layout->heightForWidth(320)));
    placeWindow();
}

TWMPlayerFrm::~TWMPlayerFrm()
{
    // The player may report its last state while it goes; the window no longer listens.
    if (m_player) {
        m_player->durationChanged = nullptr;
        m_player->positionChanged = nullptr;
        m_player->stateChanged = nullptr;
    }
}

void TWMPlayerFrm::load(const QString &path)
{
    m_file = path;
    setWindowTitle(u'"' + QFileInfo(path).fileName() + u'"');
    if (QFileInfo::exists(path)) {
        setEnabled(true);
        if (m_player) {
            m_player->stop();
            m_player->setFile(path);
        }
    }
    updateButtons();
}

void TWMPlayerFrm::updateButtons()
{
    const auto state = m_player ? m_player->state() : VoicePlayer::State::Stopped;
    const bool loaded = m_player && m_player->hasFile();
    PlayBtn->setEnabled(loaded && state != VoicePlayer::State::Playing);
    PauseBtn->setEnabled(state == VoicePlayer::State::Playing);
    StopBtn->setEnabled(state != VoicePlayer::State::Stopped);
}

void TWMPlayerFrm::placeWindow()
{
    if (m_place.left != WindowRect::Unset && m_place.top != WindowRect::Unset) {
        move(m_place.left, m_place.top);
        return;
    }
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
}

void TWMPlayerFrm::closeEvent(QCloseEvent *event)
{
    const QRect frame(pos(), size());
    m_place = {frame.left(), frame.top(), frame.left() + frame.width(),
               frame.top() + frame.height()};
    m_mediaPlayerFlg = !NoPlayCheck->isChecked();
    if (m_player)
        m_player->stop();
    event->accept();
}

VoicePlayback::VoicePlayback(Settings &settings, WindowRect &place, QWidget *owner)
    : QObject(owner), m_settings(settings), m_place(place), m_owner(owner)
{}

void VoicePlayback::CallWMP(QWidget *dialog)
{
    m_window = new TWMPlayerFrm(m_place, m_settings.MediaPlayerFlg, m_owner);
    m_window->load(CurrentVoiceFile);
    if (dialog)
        followDialog(dialog);
    m_window->show();
}

void VoicePlayback::followDialog(QWidget *dialog)
{
    if (m_window->parentWidget() != dialog) {
        const QPoint at = m_window->pos();
        const bool shown = m_window->isVisible();
        m_window->setParent(dialog, m_window->windowFlags());
        m_window->move(at);
        if (auto *d = qobject_cast<QDialog *>(dialog))
            connect(
                d, &QDialog::finished, m_window, [this] { handBack(); }, Qt::SingleShotConnection);
        if (shown)
            m_window->show();
    }
    const QRect frame = dialog->frameGeometry();
    if (!m_window->frameGeometry().intersects(frame)) {
        m_window->raise();
        return;
    }
    const QScreen *screen = dialog->screen();
    const QRect area = screen ? screen->availableGeometry() : frame;
    m_window->move(PlayerPositionBeside(frame, m_window->frameGeometry().size(), area));
    m_window->raise();
}

void VoicePlayback::handBack()
{
    if (!m_window || m_window->parentWidget() == m_owner)
        return;
    const QPoint at = m_window->pos();
    m_window->setParent(m_owner, m_window->windowFlags());
    m_window->move(at);
    m_window->show();
}

void VoicePlayback::Play(const QString &path)
{
    CurrentVoiceFile = path;
    if (m_window) {
        m_window->load(path);
        m_window->show();
        m_window->raise();
        return;
    }
    CallWMP();
}

void VoicePlayback::PlayIfClosed(const QString &path, QWidget *dialog)
{
    CurrentVoiceFile = path;
    if (!m_window) {
        CallWMP(dialog);
    } else if (dialog) {
        followDialog(dialog);
        m_window->show();
    }
}

void VoicePlayback::PlayFieldFile(const QString &typed, const QString &voiceFolder,
                                  const QString &wordBookFolder, QWidget *dialog)
{
    const QString name = typed.trimmed();
    if (name.isEmpty()) {
        ClosePlayer();
        return;
    }
    const QString path = ExistingVoicePath(voiceFolder, wordBookFolder, name);
    if (!path.isEmpty())
        PlayIfClosed(path, dialog);
}

void VoicePlayback::ClosePlayer()
{
    if (m_window)
        m_window->close();
}
