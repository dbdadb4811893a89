// Starts the program on a given program folder and auction site host, for trying it against
// the sample site:  bidorra-sample-launcher FOLDER HOST[:PORT]
// The program itself takes no options; this small executable hands both in directly.

#include "app/Application.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "usage: bidorra-sample-launcher PROGRAM_FOLDER HOST[:PORT]\n";
        return 2;
    }
    Application application(arguments[1], arguments[2]);
    application.start();
    return app.exec();
}
