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
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <cerrno>
#include <sys/stat.h>

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
    void confirmSetup()
    {
        actions().setup()->trigger();
        application->setupDialog()->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    }
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
        // A page file an older version left behind, here a link to a file outside, is neither
        // read nor written: pages stay in memory.
        TempProgramFolder outside;
        outside.write(QStringLiteral("data.htm"), ItemPages::page());
        QVERIFY(QFile::link(outside.file(QStringLiteral("data.htm")), program.folder.file(QStringLiteral("data.htm"))));
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
        QCOMPARE(outside.read(QStringLiteral("data.htm")), ItemPages::page());
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

    // Each file as a link to a file outside the folder, or as a pipe, is refused with its
    // message, read or written; nothing takes its place and nothing outside changes.
    void specialFilesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("link"); // else a pipe
        QTest::addColumn<QString>("headline");
        const QString setup = QStringLiteral("Erro with Setup.ini File");
        const QString list = QStringLiteral("Error with List.ini File");
        const QString grid = QStringLiteral("Error with Grid Data.csv File");
        QTest::newRow("Setup.ini link") << "Setup.ini" << true << setup;
        QTest::newRow("Setup.ini pipe") << "Setup.ini" << false << setup;
        QTest::newRow("list.ini link") << "list.ini" << true << list;
        QTest::newRow("list.ini pipe") << "list.ini" << false << list;
        QTest::newRow("Grid Data.csv link") << "Grid Data.csv" << true << grid;
        QTest::newRow("Grid Data.csv pipe") << "Grid Data.csv" << false << grid;
    }

    void specialFilesAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(bool, link);
        QFETCH(QString, headline);

        Program program;
        TempProgramFolder outside;
        outside.write(QStringLiteral("target"), "1001\r\n");
        program.folder.write(QStringLiteral("Setup.ini"), "Seconds=20\r\n");
        program.folder.write(QStringLiteral("list.ini"), "1001\r\n");
        const QString path = program.folder.file(name);
        const QByteArray encoded = QFile::encodeName(path);
        QFile::remove(path);
        QVERIFY(link ? QFile::link(outside.file(QStringLiteral("target")), path) : ::mkfifo(encoded, 0600) == 0);
        const QString text = headline + "\r\rError " + QString::number(link ? ELOOP : EINVAL) + ": not a regular file";

        program.start();
        if (name == u"Grid Data.csv") {
            QVERIFY(program.messages.shown.isEmpty());
            program.application->results().setItemCount(1);
            program.actions().save()->trigger();
        } else {
            QCOMPARE(program.messages.shown.first().text, text);
            QCOMPARE(program.messages.shown.first().title, "Error Opening File");
            program.confirmSetup();
        }
        QCOMPARE(program.messages.shown.last().text, text);
        QCOMPARE(program.messages.shown.last().title, "Error Saving File");
        QCOMPARE(outside.read(QStringLiteral("target")), QByteArray("1001\r\n"));
        struct stat status = {};
        QCOMPARE(::lstat(encoded, &status), 0);
        QVERIFY(link ? S_ISLNK(status.st_mode) : S_ISFIFO(status.st_mode));
    }

    // A failure that ends monitoring leaves the commands and the status as Stop would.
    void haltShowsTheStoppedState_data()
    {
        QTest::addColumn<bool>("setupDuringDownload");
        QTest::newRow("quantity that is no number") << false;
        QTest::newRow("Setup's OK during a download") << true;
    }

    void haltShowsTheStoppedState()
    {
        QFETCH(bool, setupDuringDownload);
        Program program;
        program.folder.write(QStringLiteral("list.ini"), "1001\r\n");
        ItemPages::Item item;
        item.quantity = setupDuringDownload ? QStringLiteral("1") : QStringLiteral("1e999999");
        ScriptedHttpServer::Response page =
            ScriptedHttpServer::Response::page("HTTP/1.1 200 OK", ItemPages::page(item));
        page.pauseBeforeHeadMs = setupDuringDownload ? 300 : 0;
        program.site.script(ItemPages::target(QStringLiteral("1001")), page);
        program.start();
        if (setupDuringDownload) {
            program.actions().setup()->trigger(); // Setup is off while monitoring; its dialog may be open
        }
        program.actions().start()->trigger();
        if (setupDuringDownload) {
            QTRY_COMPARE(program.site.requests().size(), 1);
            program.application->setupDialog()->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        }
        QTRY_VERIFY(!program.actions().stop()->isEnabled());
        QCOMPARE(program.messages.shown.last().title, "Error Retrieving Data");
        for (QAction* action : {program.actions().start(), program.actions().setup(), program.actions().save(),
                                program.actions().exit()}) {
            QVERIFY(action->isEnabled());
        }
        QCOMPARE(program.status(), "Stopped");
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
