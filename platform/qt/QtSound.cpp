#include "platform/qt/QtSound.h"

#include <QApplication>
#include <QFileInfo>
#include <QUrl>

int QtSound::playWave(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        return 0;
    }
    const QUrl source = QUrl::fromLocalFile(path);
    if (m_effect.source() != source) {
        m_effect.setSource(source);
    }
    // play() before the file has loaded makes the effect start as soon as it is ready.
    m_effect.play();
    return 1;
}

void QtSound::beep()
{
    QApplication::beep();
}
