#pragma once

#include <QObject>
#include <QString>
#include <memory>

// The alert sound and the system's beep. Neither waits for the sound to end.
class Sound
{
public:
    virtual ~Sound() = default;
    virtual void play(const QString& file) = 0;
    virtual void beep() = 0;
};

// The entry of the sound module, which plays sound files through Qt Multimedia.
class SoundModule
{
public:
    virtual ~SoundModule() = default;
    virtual std::unique_ptr<Sound> createSound() = 0;
};

#define SoundModule_iid "org.bidorra.SoundModule/1"
Q_DECLARE_INTERFACE(SoundModule, SoundModule_iid)
