// Starts the program on a given program folder and auction site host, for trying it against
// the sample site:  bidorra-sample-launcher FOLDER HOST[:PORT]
// The program itself takes no such options; this small executable hands both in directly. The
// help page and the sound are the ones beside this executable.

#include "app/Application.h"
#include "app/TerminationSignals.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bidorra"));
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "usage: bidorra-sample-launcher PROGRAM_FOLDER HOST[:PORT]\n";
        return 2;
    }
    const QString folder = QDir(arguments[1]).absolutePath();
    Application application({folder, QApplication::applicationDirPath(), arguments[2],
                             QDir(folder).filePath(QStringLiteral("bidorra.conf"))});
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &application, &Application::exit);
    application.start();
    return app.exec();
}
