#include "app/Application.h"
#include "app/HistoryFeature.h"
#include "core/Monitor.h"
#include "tests/support/Fakes.h"
#include "tests/support/ItemPages.h"
#include "tests/support/ScriptedHttpServer.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include "ui/dialogs/HistoryTableModel.h"
#include "ui/dialogs/PriceChart.h"
#include "ui/main/CommandActions.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultsView.h"
#include "ui/main/StatusPanels.h"

#include <QAction>
#include <QFileDialog>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>

using namespace std::chrono_literals;

namespace {
// The real application on a temporary folder holding two items, with a scripted site.
struct Program
{
    TempProgramFolder folder;
    ScriptedHttpServer site;
    RecordingMessages messages;
    FakeConnectivity connectivity;
    FakeClock clock;
    std::unique_ptr<Application> application;

    explicit Program(bool keepHistory = true, const QByteArray& historyFile = {})
    {
        if (!historyFile.isEmpty()) {
            folder.write(QStringLiteral("history.sqlite"), historyFile);
        }
        folder.write(QStringLiteral("list.ini"), "1001\r\n1002\r\n");
        folder.write(QStringLiteral("Setup.ini"), "Minutes=5\r\n");
        Application::Platform platform;
        platform.messages = &messages;
        platform.connectivity = &connectivity;
        platform.clock = &clock;
        platform.limits.deadline = 2s;
        platform.trayActivation = TrayIcon::Activation::DoubleClick;
        platform.keepHistory = keepHistory;
        application = std::make_unique<Application>(
            Environment{folder.path(), folder.path(), site.host(), folder.file(QStringLiteral("bidorra.conf"))},
            platform);
        application->start();
    }
    // One cycle over both items, the minutes later the clock says.
    void cycle(const QString& price1001, int minutes)
    {
        for (const auto& [number, price] : {std::pair(QStringLiteral("1001"), price1001),
                                            std::pair(QStringLiteral("1002"), QStringLiteral("$7.00"))}) {
            ItemPages::Item item;
            item.price = price;
            site.script(ItemPages::target(number),
                        ScriptedHttpServer::Response::page("HTTP/1.1 200 OK", ItemPages::page(item)));
        }
        clock.advance(minutes * 60);
        application->monitor().start();
        QTRY_COMPARE(application->mainWindow().statusPanels()->statusText(), "Timer ON...");
        application->monitor().stop();
    }
};
} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cyclesFillTheHistoryWindowAndTheNotificationNamesTheChange()
    {
        Program program;
        QAction* notification = program.application->actions().notification();
        QVERIFY(!notification->isChecked());
        notification->trigger();
        QSignalSpy notified(&program.application->tray(), &TrayIcon::notified);
        program.cycle(QStringLiteral("$4.00"), 0);
        program.cycle(QStringLiteral("$4.00"), 1);
        program.cycle(QStringLiteral("US $4,500.00"), 1);
        QCOMPARE(notified.size(), 1);
        QCOMPARE(notified.first(), (QVariantList{"Item #1001", "Price changed from $4.00 to US $4,500.00"}));
        QVERIFY(QSettings(program.folder.file(QStringLiteral("bidorra.conf")), QSettings::IniFormat)
                    .value(QStringLiteral("alerts/desktopNotification"))
                    .toBool());

        // The History command shows the item of the grid's current row.
        ResultsView* grid = program.application->mainWindow().resultsView();
        grid->setCurrentIndex(program.application->results().index(1, 0));
        program.application->actions().history()->trigger();
        HistoryWindow* window = program.application->history().window();
        QVERIFY(window->isVisible());
        QCOMPARE(window->itemNumber(), "1002");
        QCOMPARE(window->table()->rowCount(), 1);
        program.application->history().showItem(QStringLiteral("1001"));
        QCOMPARE(window->table()->rowCount(), 2);
        const double start = static_cast<double>(program.clock.current.addSecs(-120).toMSecsSinceEpoch());
        QCOMPARE(window->chart()->pricePoints(),
                 (QList<QPointF>{{start, 4.0}, {start + 120000, 4.0}, {start + 120000, 4500.0}}));

        // Every item's rows go to the file chosen.
        window->findChild<QPushButton*>(QStringLiteral("exportAllButton"))->click();
        auto* dialog = window->findChild<QFileDialog*>(QStringLiteral("exportDialog"));
        dialog->selectFile(program.folder.file(QStringLiteral("all.csv")));
        static_cast<QDialog*>(dialog)->accept();
        QCOMPARE(program.folder.read(QStringLiteral("all.csv")).count("\r\n"), 1 + 3);
    }

    void unusableFileIsReportedOnceAndMonitoringGoesOn()
    {
        Program program(true, QByteArray(2048, 'x'));
        program.cycle(QStringLiteral("$4.00"), 0);
        program.cycle(QStringLiteral("$5.00"), 1);
        QCOMPARE(program.messages.shown.size(), 1);
        QCOMPARE(program.messages.shown.first().title, "Error Opening File");
        QCOMPARE(program.application->results().text(0, ResultsModel::Price), "$5.00");
    }

    void historyOffOpensNoFile()
    {
        Program program(false);
        program.cycle(QStringLiteral("$4.00"), 0);
        QVERIFY(!program.folder.exists(QStringLiteral("history.sqlite")));
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestHistory)
#include "tst_history.moc"
