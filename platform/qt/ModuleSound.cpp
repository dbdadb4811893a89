#include "platform/qt/ModuleSound.h"

#include "platform/Modules.h"

#include <QApplication>

void ModuleSound::play(const QString& file)
{
    if (!m_tried) {
        m_tried = true;
        QString error;
        if (auto* module = Modules::load<SoundModule>(QStringLiteral("bidorra-sound"), error)) {
            m_loaded = module->createSound();
        } else {
            qWarning("bidorra: the alert sound is the beep: %s", qPrintable(error));
        }
    }
    if (m_loaded) {
        m_loaded->play(file);
    } else {
        beep();
    }
}

void ModuleSound::beep()
{
    QApplication::beep();
}
