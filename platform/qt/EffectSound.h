#pragma once

#include "platform/Sound.h"

#include <QSoundEffect>

// Plays the alert through Qt Multimedia without waiting for it to end.
class EffectSound final : public Sound
{
public:
    void play(const QString& file) override;
    void beep() override;

private:
    QSoundEffect m_effect;
};
