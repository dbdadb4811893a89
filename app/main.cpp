#include "app/Application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bidorra"));
    Application application(QApplication::applicationDirPath());
    application.start();
    return QApplication::exec();
}
