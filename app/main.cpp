#include "app/ProgramFolder.h"
#include "app/RunOnce.h"
#include "app/Translations.h"
#include "core/AuctionSite.h"
#include "platform/Modules.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>
#include <QTextStream>
#include <optional>

namespace {
// The id of the installed desktop entry, which desktops match the running window with.
const QString DesktopEntryId = QStringLiteral("org.bidorra.bidorra");

// --help and --version print and end the program before any window system is touched, so they
// work without a display. Any other argument is an error. The exit code when the program is
// not to start.
std::optional<int> readCommandLine(int& argc, char* argv[])
{
    const QCoreApplication plain(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Watches online auctions and shows every price change."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(plain);
    const QStringList extra = parser.positionalArguments();
    if (!extra.isEmpty()) {
        QTextStream(stderr) << "bidorra: unexpected argument '" << extra.constFirst() << "'\n";
        return 1;
    }
    return std::nullopt;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("bidorra"));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(BIDORRA_VERSION_MAJOR).arg(BIDORRA_VERSION_MINOR).arg(BIDORRA_VERSION_PATCH));
    if (const std::optional<int> code = readCommandLine(argc, argv)) {
        return *code;
    }

    QApplication qt(argc, argv);
    QGuiApplication::setDesktopFileName(DesktopEntryId);
    const Folders folders =
        chooseFolders({QCoreApplication::applicationDirPath(), QStringLiteral(BIDORRA_INSTALL_BINDIR),
                       QStringLiteral(BIDORRA_INSTALL_DATADIR), QStringLiteral(BIDORRA_INSTALL_MODULEDIR),
                       QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)});
    Modules::setFolder(folders.moduleFolder);
    installTranslations(QDir(folders.dataFolder).filePath(QStringLiteral("translations")));
    const QString preferences =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/bidorra.conf");
    return runOnce({folders.programFolder, folders.dataFolder, QString::fromLatin1(DefaultSiteHost), preferences});
}
