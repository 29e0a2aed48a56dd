// The small player window for a word's voice file, and the playback operations the
// word list, the word dialogs and the editor use.
#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>

#include "settings.h"

class QCheckBox;
class QSlider;
class QToolButton;
class VoicePlayer;

class TWMPlayerFrm : public QWidget
{
    Q_OBJECT

public:
    // place: where the window was last closed in this run; unset means centred.
    TWMPlayerFrm(WindowRect &place, bool &mediaPlayerFlg, QWidget *parent = nullptr);
    ~TWMPlayerFrm() override;

    // Loads a file without starting it; the user starts it with the play button.
    void load(const QString &path);
    QString file() const { return m_file; }

    QCheckBox *NoPlayCheck;
    QToolButton *PlayBtn;
    QToolButton *PauseBtn;
    QToolButton *StopBtn;
    QSlider *PositionSlider;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void placeWindow();
    void updateButtons();

    WindowRect &m_place;
    bool &m_mediaPlayerFlg;
    std::unique_ptr<VoicePlayer> m_player; // null when the voice module is missing
    QString m_file;
};

class VoicePlayback : public QObject
{
    Q_OBJECT

public:
    VoicePlayback(Settings &settings, WindowRect &place, QWidget *owner);

    // Loads the file into the open player, or opens a player for it.
    void Play(const QString &path);
    // Opens a player only when none is open; an open one keeps its file. From a word
    // dialog the player belongs to the dialog while it is open, so that it takes clicks
    // under the dialog's modality, and stands beside it; afterwards it goes back to
    // the owner.
    void PlayIfClosed(const QString &path, QWidget *dialog = nullptr);
    // "再生" of a dialog's voice-file field: the named file, found in the voice folder or
    // beside the book, plays beside the dialog; an empty field closes the player.
    void PlayFieldFile(const QString &typed, const QString &voiceFolder,
                       const QString &wordBookFolder, QWidget *dialog);
    void ClosePlayer();
    bool isOpen() const { return !m_window.isNull(); }
    TWMPlayerFrm *window() const { return m_window.data(); }

    QString CurrentVoiceFile;

private:
    void CallWMP(QWidget *dialog = nullptr);
    void followDialog(QWidget *dialog);
    void handBack();

    Settings &m_settings;
    WindowRect &m_place;
    QWidget *m_owner;
    QPointer<TWMPlayerFrm> m_window;
};
