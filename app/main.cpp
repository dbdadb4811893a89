#include "app/Application.h"
#include "app/TerminationSignals.h"
#include "core/AuctionSite.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bidorra"));
    const QString folder = QApplication::applicationDirPath();
    const QString preferences =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/bidorra.conf");
    Application application({folder, folder, QString::fromLatin1(DefaultSiteHost), preferences});
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &application, &Application::exit);
    application.start();
    return QApplication::exec();
}
