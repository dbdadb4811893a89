#include "app/RunOnce.h"

#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "ui/main/MainWindow.h"

#include <QApplication>

int runOnce(const Environment& environment)
{
    SingleInstance instance(SingleInstance::serverNameFor(environment.programFolder));
    std::unique_ptr<Application> application;
    // SIGTERM, SIGINT, SIGHUP and SIGQUIT end the program as Exit does, or at once while nothing
    // runs yet.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &instance, [&] {
        if (application) {
            application->exit();
        } else {
            QCoreApplication::exit(0);
        }
    });
    QObject::connect(&instance, &SingleInstance::running, &instance, [&] {
        application = std::make_unique<Application>(environment);
        QObject::connect(&instance, &SingleInstance::windowWanted, &application->mainWindow(), &MainWindow::bringBack);
        application->start();
    });
    QObject::connect(&instance, &SingleInstance::handedOver, &instance, [] { QCoreApplication::exit(0); });
    QObject::connect(&instance, &SingleInstance::noAnswer, &instance, [&] {
        qWarning("bidorra: another Bidorra holds %s but does not answer", qPrintable(environment.programFolder));
        QCoreApplication::exit(1);
    });
    instance.start();
    return QApplication::exec();
}
