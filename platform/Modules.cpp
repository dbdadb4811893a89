#include "platform/Modules.h"

#include <QDir>
#include <QPluginLoader>

namespace {
QString& moduleFolder()
{
    static QString folder;
    return folder;
}
} // namespace

void Modules::setFolder(const QString& folder)
{
    moduleFolder() = folder;
}

QObject* Modules::loadEntry(const QString& name, QString& error)
{
    QPluginLoader loader(QDir(moduleFolder()).filePath(name + QStringLiteral(".so")));
    QObject* entry = loader.instance();
    if (!entry) {
        error = loader.errorString();
    }
    return entry;
}
