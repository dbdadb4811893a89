#include "app/ProgramFolder.h"

#include "platform/Modules.h"
#include "storage/ItemListFile.h"
#include "storage/SettingsFile.h"

#include <QDir>
#include <QFileInfo>

namespace {
// Links and relative spellings must not tell an installed copy from a portable one.
bool samePlace(const QString& one, const QString& other)
{
    const QString canonical = QFileInfo(one).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(other).canonicalFilePath();
}

// Only a folder made just now gets the defaults: one that exists already is the user's, as it is,
// and mkdir() refuses it.
void makeUserFolder(const QString& path)
{
    const QFileInfo folder(path);
    if (!QDir().mkpath(folder.absolutePath()) ||
        !QDir().mkdir(folder.absoluteFilePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        return;
    }
    const QDir made(folder.absoluteFilePath());
    // The same as choosing OK in Setup with the sound and the pop-up on, every five minutes.
    saveSettings(made.filePath(QLatin1String(SettingsFileName)),
                 {true, true, QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("0")});
    saveItemList(made.filePath(QLatin1String(ItemListFileName)), {});
}
} // namespace

Folders chooseFolders(const FolderPlaces& places)
{
    if (!samePlace(places.executableFolder, places.installedBinFolder)) {
        const QDir own(places.executableFolder);
        return {own.absolutePath(), own.absolutePath(), own.absoluteFilePath(QLatin1String(Modules::FolderName))};
    }
    makeUserFolder(places.userDataFolder);
    return {QDir(places.userDataFolder).absolutePath(), QDir(places.installedDataFolder).absolutePath(),
            QDir(places.installedModuleFolder).absolutePath()};
}
