#pragma once

#include "platform/Sound.h"

#include <QObject>
#include <memory>

class QSoundEffect;

// Plays the alert through Qt Multimedia without waiting for it to end. The audio output is
// opened at the first sound.
class EffectSound final : public Sound
{
public:
    EffectSound();
    ~EffectSound() override;

    void play(const QString& file) override;
    void beep() override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
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
