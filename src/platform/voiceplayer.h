// Playback of a word's voice file. The implementation lives in a module of its own
// (velmorvoice), loaded when the first voice is played: the multimedia libraries it
// needs would otherwise be loaded, and cost time, at every start.
#pragma once

#include <QString>

#include <functional>

class VoicePlayer
{
public:
    enum class State { Stopped, Playing, Paused };

    virtual ~VoicePlayer() = default;
    // Loads a file without starting it.
    virtual void setFile(const QString &path) = 0;
    virtual bool hasFile() const = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual void setPosition(qint64 ms) = 0;
    virtual State state() const = 0;

    // Called on the thread that made the player, as playback goes on.
    std::function<void(qint64 ms)> durationChanged;
    std::function<void(qint64 ms)> positionChanged;
    std::function<void()> stateChanged;
};

// The function the module exports, under this name; the caller owns the player.
using CreateVoicePlayerFunction = VoicePlayer *(*)();
inline constexpr char CreateVoicePlayerName[] = "velmor_create_voice_player";
