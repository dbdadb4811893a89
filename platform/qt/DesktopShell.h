#pragma once

#include "platform/Shell.h"

// Opens URLs with the desktop's default browser or viewer.
class DesktopShell final : public Shell
{
public:
    void openUrl(const QUrl& url) override;
};
