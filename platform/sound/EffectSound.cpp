#include "platform/sound/EffectSound.h"

#include <QApplication>
#include <QFileInfo>
#include <QUrl>

void EffectSound::play(const QString& file)
{
    // A missing file is no error of ours; there is just no sound.
    if (!QFileInfo(file).isFile()) {
        return;
    }
    const QUrl source = QUrl::fromLocalFile(file);
    if (m_effect.source() != source) {
        m_effect.setSource(source);
    }
    // Asked before the file has loaded, the effect starts as soon as it is ready.
    m_effect.play();
}

void EffectSound::beep()
{
    QApplication::beep();
}

std::unique_ptr<Sound> EffectSoundModule::createSound()
{
    return std::make_unique<EffectSound>();
}
