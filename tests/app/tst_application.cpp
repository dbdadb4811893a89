#include "app/Application.h"
#include "core/Monitor.h"
#include "tests/support/FakeRegistry.h"
#include "tests/support/Fakes.h"
#include "tests/support/ItemPages.h"
#include "tests/support/ScriptedHttpServer.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include "ui/dialogs/LogWindow.h"
#include "ui/dialogs/LogWindowHost.h"
#include "ui/dialogs/SetupHost.h"
#include "ui/main/MainWindow.h"
#include "ui/main/TrayIntegration.h"

#include <QAction>
#include <QListWidget>
#include <QSignalSpy>

namespace {
ScriptedHttpServer::Response itemPage(const QString& price, const QString& seller)
{
    ItemPages::Item item;
    item.price = price;
    item.seller = seller;
    return ScriptedHttpServer::Response::page("HTTP/1.1 200 OK", ItemPages::page(item));
}

// The real application object on a temporary program folder, with the scripted server as the
// auction site and recording stand-ins for what would block or reach outside.
struct Program
{
    TempProgramFolder folder;
    ScriptedHttpServer site;
    RecordingMessages messages;
    FakeConnectionProbe probe;
    RecordingSound sound;
    RecordingShell shell;
    FakeRegistry registry;
    std::unique_ptr<Application> application;

    void start()
    {
        Application::Platform platform;
        platform.messages = &messages;
        platform.probe = &probe;
        platform.sound = &sound;
        platform.shell = &shell;
        platform.registry = &registry;
        platform.timeout = std::chrono::seconds(5);
        application = std::make_unique<Application>(folder.path(), site.host(), platform);
        application->start();
    }

    QStringList logLines() const
    {
        QStringList lines;
        if (LogWindow* window = application->log().window()) {
            const auto* list = window->findChild<QListWidget*>(QStringLiteral("List1"));
            for (int i = 0; i < list->count(); ++i) {
                lines << list->item(i)->text();
            }
        }
        return lines;
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
        MainWindow& window = program.application->mainWindow();

        QCOMPARE(program.messages.shown.size(), std::size_t(2));
        QVERIFY(program.messages.shown[0].text.startsWith(QStringLiteral("Erro with Setup.ini File\r\rError ")));
        QVERIFY(program.messages.shown[1].text.startsWith(QStringLiteral("Error with List.ini File\r\rError ")));
        for (const auto& shown : program.messages.shown) {
            QCOMPARE(shown.title, QStringLiteral("Error Opening File"));
            QCOMPARE(shown.icon, Messages::Icon::Critical);
        }
        QVERIFY(window.toolbarButton(1)->isEnabled());
        QVERIFY(!window.toolbarButton(2)->isEnabled());
        QVERIFY(!window.menuEntry(QStringLiteral("mnstop"))->isEnabled());
        QVERIFY(window.menuEntry(QStringLiteral("mngo"))->isEnabled());
        QVERIFY(!program.application->monitor().Timer1().isActive());
        QVERIFY(!program.application->monitor().Timer2().isActive());
        QCOMPARE(program.application->grid().rows(), 1);
        QVERIFY(!program.application->state().PlayWave);
        QCOMPARE(program.application->state().Hours, std::optional<int>(0));
        QCOMPARE(program.application->setup().ListCount(), 0);
    }

    void monitorsTheSiteEndToEnd()
    {
        Program program;
        program.folder.write(QStringLiteral("Setup.ini"),
                             "PlayWave=True\r\nOpenWindow=False\r\nHours=0\r\nMinutes=0\r\nSeconds=0\r\n");
        program.folder.write(QStringLiteral("list.ini"), "1001\r\n1002\r\n");
        program.site.script(ItemPages::target("1001"), itemPage("US $10.00", "alice (5)"));
        program.site.script(ItemPages::target("1002"), itemPage("US $99.50", "bob (7)"));
        program.start();
        QVERIFY(program.messages.shown.empty());
        QVERIFY(program.application->mainWindow().MixedState(8));

        program.application->mainWindow().dispatch(QStringLiteral("Start"));
        ResultsGrid& grid = program.application->grid();
        QCOMPARE(grid.rows(), 4);
        QCOMPARE(grid.text(1, 3), QStringLiteral("US $10.00"));
        QCOMPARE(grid.text(2, 1), QStringLiteral("bob (7)"));
        QCOMPARE(grid.text(2, 2), QStringLiteral("joe (3)"));
        QCOMPARE(program.logLines().size(), 2); // the first observation of each item is a change
        QCOMPARE(program.sound.played.size(), 2);
        QCOMPARE(program.application->mainWindow().statusText(), QStringLiteral("Timer ON..."));
        QVERIFY(!program.folder.exists(QStringLiteral("data.htm")));
        QVERIFY(program.application->log().window()->isHidden());

        program.site.script(ItemPages::target("1002"), itemPage("US $101.00", "bob (7)"));
        program.application->monitor().CountdownTick(); // a 0/0/0 interval is due on every tick
        const QStringList lines = program.logLines();
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines.last().endsWith(QStringLiteral(" : Item #1002 Price= US $101.00")));
        QCOMPARE(program.sound.played.size(), 3);
        QVERIFY(!program.folder.exists(QStringLiteral("data.htm")));
        QCOMPARE(program.site.requests().size(), 4);
        QVERIFY(program.messages.shown.empty());
    }

    void closingHidesWhileMonitoringGoesOn()
    {
        Program program;
        program.folder.write(QStringLiteral("Setup.ini"), "Seconds=0\r\n");
        program.folder.write(QStringLiteral("list.ini"), "7\r\n");
        program.site.script(ItemPages::target("7"), itemPage("US $1.00", "c (1)"));
        program.start();
        program.application->tray().setTrayAvailable(true);
        MainWindow& window = program.application->mainWindow();
        window.dispatch(QStringLiteral("Start"));
        window.close();
        QVERIFY(window.isHidden());
        program.application->monitor().CountdownTick();
        QCOMPARE(program.site.requests().size(), 2);
    }

    void exitWorksOnlyWhenStoppedAndEndsTheProgram()
    {
        Program program;
        program.folder.write(QStringLiteral("list.ini"), "");
        program.start();
        MainWindow& window = program.application->mainWindow();
        window.dispatch(QStringLiteral("Start"));
        QVERIFY(!window.toolbarButton(14)->isEnabled());
        QVERIFY(!window.menuEntry(QStringLiteral("mnexit"))->isEnabled());
        window.dispatch(QStringLiteral("Stop"));
        QVERIFY(window.menuEntry(QStringLiteral("mnexit"))->isEnabled());

        QSignalSpy exited(program.application.get(), &Application::exited);
        window.menuEntry(QStringLiteral("mnexit"))->trigger();
        QCOMPARE(exited.size(), 1);
        QVERIFY(!program.application->tray().icon().isVisible());
        QVERIFY(program.application->setup().dialog() == nullptr);
        QVERIFY(!window.isVisible());
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestApplication)
#include "tst_application.moc"
