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
        if (!instance.problem().isEmpty()) {
            application->report(
                {instance.problem() + QStringLiteral("\r\r") +
                     QCoreApplication::translate("RunOnce",
                                                 "Bidorra runs, but a second start on the same program folder will "
                                                 "not find this one and may run beside it. Remove what is in the "
                                                 "way, then start Bidorra again."),
                 QCoreApplication::translate("RunOnce", "One Run per Folder Not Kept"), Message::Icon::Warning});
        }
    });
    QObject::connect(&instance, &SingleInstance::handedOver, &instance, [] { QCoreApplication::exit(0); });
    QObject::connect(&instance, &SingleInstance::noAnswer, &instance, [&] {
        qWarning("bidorra: another Bidorra holds %s but does not answer", qPrintable(environment.programFolder));
        QCoreApplication::exit(1);
    });
    instance.start();
    return QApplication::exec();
}
