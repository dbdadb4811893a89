#include "app/Application.h"
#include "core/Monitor.h"
#include "tests/support/Fakes.h"
#include "tests/support/ItemPages.h"
#include "tests/support/ScriptedHttpServer.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include "ui/dialogs/LogWindow.h"
#include "ui/dialogs/SetupDialog.h"
#include "ui/main/CommandActions.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultsView.h"
#include "ui/main/StatusPanels.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace std::chrono_literals;

namespace {
// The real application on a temporary program folder, with a scripted site and stand-ins for
// what would block or reach outside.
struct Program
{
    TempProgramFolder folder;
    ScriptedHttpServer site;
    RecordingMessages messages;
    FakeConnectivity connectivity;
    RecordingSound sound;
    RecordingShell shell;
    std::unique_ptr<Application> application;

    void start()
    {
        Application::Platform platform;
        platform.messages = &messages;
        platform.connectivity = &connectivity;
        platform.sound = &sound;
        platform.shell = &shell;
        platform.limits.deadline = 2s;
        platform.trayActivation = TrayIcon::Activation::DoubleClick;
        application = std::make_unique<Application>(
            Environment{folder.path(), folder.path(), site.host(), folder.file(QStringLiteral("bidorra.conf"))},
            platform);
        application->start();
    }
    CommandActions& actions() { return application->actions(); }
    QString status() { return application->mainWindow().statusPanels()->statusText(); }
    QString cell(int row, int column) { return application->results().text(row, column); }
    void serve(const QString& number, const QString& price)
    {
        ItemPages::Item item;
        item.price = price;
        site.script(ItemPages::target(number),
                    ScriptedHttpServer::Response::page("HTTP/1.1 200 OK", ItemPages::page(item)));
    }
};
} // namespace

class TestApplication : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpWithNeitherFile()
    {
        Program program;
        program.start();

        QCOMPARE(program.messages.shown.size(), 2);
        QCOMPARE(program.messages.shown[0].text, "Erro with Setup.ini File\r\rError 2: No such file or directory");
        QCOMPARE(program.messages.shown[0].title, "Error Opening File");
        QCOMPARE(program.messages.shown[1].text, "Error with List.ini File\r\rError 2: No such file or directory");
        QVERIFY(program.actions().start()->isEnabled());
        QVERIFY(!program.actions().stop()->isEnabled());
        QVERIFY(!program.actions().sound()->isChecked());
        QCOMPARE(program.application->results().rowCount(), 0);
        QVERIFY(program.application->mainWindow().isVisible());
        QVERIFY(program.application->tray().icon().isVisible());
    }

    // Setup edits a copy of the list: Cancel drops the edit, OK writes both files, takes the
    // interval and clears the grid.
    void setupCancelAndOk()
    {
        Program program;
        program.folder.write(QStringLiteral("list.ini"), "1001\r\n");
        program.folder.write(QStringLiteral("Setup.ini"), "PlayWave=True\r\nSeconds=20\r\n");
        program.start();
        QVERIFY(program.messages.shown.isEmpty());
        program.application->results().setItemCount(1);

        for (const char* button : {"cancelButton", "okButton"}) {
            program.actions().setup()->trigger();
            SetupDialog* dialog = program.application->setupDialog();
            QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("secondsField"))->text(), "20");
            dialog->findChild<QLineEdit*>(QStringLiteral("itemField"))->setText(QStringLiteral("zoë"));
            dialog->findChild<QPushButton*>(QStringLiteral("addButton"))->click();
            dialog->findChild<QLineEdit*>(QStringLiteral("minutesField"))->setText(QStringLiteral("2.7"));
            dialog->findChild<QPushButton*>(QLatin1String(button))->click();
            QTRY_VERIFY(!program.application->setupDialog());
        }
        QCOMPARE(program.application->items().stringList(), (QStringList{"1001", "zoë"}));
        QCOMPARE(program.folder.read(QStringLiteral("list.ini")), QByteArray("1001\r\nzo\xc3\xab\r\n"));
        QCOMPARE(program.folder.read(QStringLiteral("Setup.ini")),
                 QByteArray("PlayWave=True\r\nOpenWindow=False\r\nHours=0\r\nMinutes=2.7\r\nSeconds=20\r\n"));
        QCOMPARE(program.application->settings().interval(), (Interval{0, 2, 20}));
        QCOMPARE(program.application->results().rowCount(), 0);
    }

    void monitorSaveAndOpen()
    {
        Program program;
        program.folder.write(QStringLiteral("list.ini"), "1001\r\n1002\r\n");
        program.folder.write(QStringLiteral("Setup.ini"), "OpenWindow=True\r\nMinutes=5\r\n");
        // A page file left behind by an older version is never read.
        program.folder.write(QStringLiteral("data.htm"), ItemPages::page());
        program.serve(QStringLiteral("1001"), QStringLiteral("$4.00"));
        program.site.script(ItemPages::target(QStringLiteral("1002")),
                            ScriptedHttpServer::Response::page("HTTP/1.1 200 OK", "<html>No such item</html>"));
        program.start();
        program.actions().start()->trigger();
        QVERIFY(program.actions().stop()->isEnabled());
        QVERIFY(!program.actions().exit()->isEnabled());
        QTRY_COMPARE(program.status(), "Timer ON...");

        QCOMPARE(program.cell(0, ResultsModel::Price), "$4.00");
        QCOMPARE(program.cell(1, ResultsModel::Price), QString());
        QVERIFY(program.application->logWindow()->isVisible());
        QCOMPARE(program.application->logWindow()->lines().size(), 1);
        QVERIFY(program.application->logWindow()->lines().first().endsWith(" : Item #1001 Price= $4.00"));

        program.actions().stop()->trigger();
        QCOMPARE(program.status(), "Connection Closed");
        program.actions().save()->trigger();
        QVERIFY(program.folder.read(QStringLiteral("Grid Data.csv")).contains(",1001,bob (12),joe (3),$4.00,"));

        Q_EMIT program.application->mainWindow().resultsView()->doubleClicked(
            program.application->results().index(0, 3));
        program.actions().help()->trigger();
        QCOMPARE(program.shell.opened.size(), 2);
        QCOMPARE(program.shell.opened[0].toString(), program.site.url("/aw-cgi/eBayISAPI.dll?ViewItem&item=1001"));
        QCOMPARE(program.shell.opened[1], QUrl::fromLocalFile(program.folder.file("help/Bidorra_help.htm")));
    }

    void exitPutsEverythingAway()
    {
        Program program;
        program.start();
        program.actions().log()->trigger();
        QSignalSpy exited(program.application.get(), &Application::exited);
        program.actions().exit()->trigger();
        QCOMPARE(exited.size(), 1);
        QVERIFY(!program.application->logWindow());
        QVERIFY(!program.application->tray().icon().isVisible());
        QVERIFY(!program.application->mainWindow().isVisible());
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestApplication)
#include "tst_application.moc"
