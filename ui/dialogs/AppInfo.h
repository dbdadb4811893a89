#pragma once

#include <QString>

// The program's title and version as the dialogs show them.
namespace AppInfo {
inline QString title()
{
    return QStringLiteral("Bidorra");
}

// "Version 1.0.0": major, minor and revision, each without leading zeros.
inline QString versionText()
{
    return QStringLiteral("Version %1.%2.%3")
        .arg(QString::number(BIDORRA_VERSION_MAJOR), QString::number(BIDORRA_VERSION_MINOR),
             QString::number(BIDORRA_VERSION_PATCH));
}
} // namespace AppInfo
