#include "platform/qt/DesktopShell.h"

#include <QDesktopServices>

void DesktopShell::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}
