#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>

// Parts of the program that live in modules of their own and are loaded at their first use, so
// that the libraries only they need (Qt Charts for the price chart; Qt Multimedia and the sound
// system for the alert) are not mapped by every run: most runs never show a chart, and many
// never play a sound. A module stays loaded until the program ends.
namespace Modules {
// The folder of a portable copy's modules, beside its executable.
inline constexpr auto FolderName = "modules";

// Where this run finds its modules: where they were installed. Unless told, the folder
// FolderName beside the executable.
void setFolder(const QString& folder);

// The module's entry object, or nullptr with the reason in error.
QObject* loadEntry(const QString& name, QString& error);

// The module's entry as the interface it implements, or nullptr with the reason in error.
template <typename Interface> Interface* load(const QString& name, QString& error)
{
    QObject* entry = loadEntry(name, error);
    auto* found = qobject_cast<Interface*>(entry);
    if (entry && !found) {
        error = QCoreApplication::translate("Modules", "%1 is a module of another version").arg(name);
    }
    return found;
}
} // namespace Modules
