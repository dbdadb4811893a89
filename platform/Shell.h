#pragma once

#include <QUrl>

// Hands a URL (a web page, or a local file as a file: URL) to the desktop's default handler.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual void openUrl(const QUrl& url) = 0;
};
