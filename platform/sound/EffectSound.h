#pragma once

#include "platform/Sound.h"

#include <QObject>
#include <QSoundEffect>
#include <memory>

// Plays the alert through Qt Multimedia without waiting for it to end. The program makes it at
// its first alert, so the audio output is opened then, not at start-up.
class EffectSound final : public Sound
{
public:
    void play(const QString& file) override;
    void beep() override;

private:
    QSoundEffect m_effect;
};

// The module's entry: what the program loads at its first alert.
class EffectSoundModule : public QObject, public SoundModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SoundModule_iid)
    Q_INTERFACES(SoundModule)
public:
    std::unique_ptr<Sound> createSound() override;
};
