#pragma once

#include "platform/Sound.h"

#include <memory>

class QSoundEffect;

// Plays the alert through Qt Multimedia without waiting for it to end. The sound system is
// reached at the first alert, not at start-up: many users keep the sound off, and opening the
// audio output loads its libraries and costs memory for the whole run.
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
