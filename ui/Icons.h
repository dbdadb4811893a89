#pragma once

#include <QIcon>
#include <QString>

// The program's images, built into it.
namespace Icons {
QIcon program();
// A command's 32 x 32 image by its name: "start", "stop", "save", ...
QIcon command(const QString& name);
QIcon countdown();
// The mark of an item whose last check failed: the theme's warning sign, else our own.
QIcon problem();
} // namespace Icons
