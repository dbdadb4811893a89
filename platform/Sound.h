#pragma once

#include <QString>

class Sound
{
public:
    virtual ~Sound() = default;
    // Starts playing a wave file and returns at once: non-zero when the sound was started.
    virtual int playWave(const QString& path) = 0;
    // The platform's default beep.
    virtual void beep() = 0;
};
