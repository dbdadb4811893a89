// Starts the program on a given program folder and auction site host, for trying it against
// the sample site:  bidorra-sample-launcher FOLDER HOST[:PORT]
// The program itself takes no such options; this small executable hands both in directly. The
// help page and the sound are the ones beside this executable. As with the program, a second
// start on the same folder brings the running one's window back.

#include "app/RunOnce.h"
#include "storage/SaveFile.h"

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
    const QString preferences = QDir(folder).filePath(QStringLiteral("bidorra.conf"));
    // The window places would be written wherever a link there leads.
    if (const std::optional<FileError> error = checkRegularOrAbsent(preferences)) {
        QTextStream(stderr) << "bidorra-sample-launcher: " << preferences << ": " << error->description << '\n';
        return 2;
    }
    return runOnce({folder, QApplication::applicationDirPath(), arguments[2], preferences});
}
