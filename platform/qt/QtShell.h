#pragma once

#include "platform/Shell.h"

#include <QUrl>

// Opens URLs and documents with the desktop's default handler and starts programs.
class QtShell final : public Shell
{
public:
    void open(const QString& target) override;
    bool startProgram(const QString& path) override;

    // A URL with a scheme stays as it is; anything else is a path on this machine.
    static QUrl targetUrl(const QString& target);
};
