#include "platform/qt/QtShell.h"

#include <QDesktopServices>
#include <QProcess>

QUrl QtShell::targetUrl(const QString& target)
{
    // Tolerant parsing: an item number with a blank still makes a URL that the browser can open.
    const QUrl url(target, QUrl::TolerantMode);
    // A one-letter scheme is a drive letter ("C:/..."), not a URL.
    if (url.isValid() && url.scheme().size() > 1) {
        return url;
    }
    return QUrl::fromLocalFile(target);
}

void QtShell::open(const QString& target)
{
    QDesktopServices::openUrl(targetUrl(target));
}

bool QtShell::startProgram(const QString& path)
{
    return QProcess::startDetached(path, {});
}
