#pragma once

#include <QString>

// The alert sound and the system's beep. Neither waits for the sound to end.
class Sound
{
public:
    virtual ~Sound() = default;
    virtual void play(const QString& file) = 0;
    virtual void beep() = 0;
};
