// Playback of a word's voice file.
#pragma once

#include <QString>

class VoicePlayer
{
public:
    virtual ~VoicePlayer() = default;
    virtual bool open(const QString &path) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
};
