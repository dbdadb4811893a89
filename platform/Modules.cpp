#include "platform/Modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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
    const QString folder = moduleFolder().isEmpty()
                               ? QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(FolderName))
                               : moduleFolder();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".so"));
    if (!QFileInfo::exists(path)) {
        error = QCoreApplication::translate("Modules", "%1 is missing").arg(path);
        return nullptr;
    }
    QPluginLoader loader(path);
    QObject* entry = loader.instance();
    if (!entry) {
        error = loader.errorString(); // names the file and the linker's reason
    }
    return entry;
}
