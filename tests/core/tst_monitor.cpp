#include "core/Monitor.h"
#include "core/ResultsModel.h"
#include "core/Settings.h"
#include "tests/support/Fakes.h"
#include "tests/support/ItemPages.h"
#include "tests/support/ScriptedHttpServer.h"

#include <QSignalSpy>
#include <QStringListModel>
#include <QTest>

using namespace std::chrono_literals;
using Response = ScriptedHttpServer::Response;

namespace {
const QString NoAnswer = QStringLiteral("The server returned the following response:\r\r<nothing>");

Response pricePage(const QString& price, const QString& seller = QStringLiteral("bob (12)"))
{
    ItemPages::Item item;
    item.price = price;
    item.seller = seller;
    return Response::page("HTTP/1.1 200 OK", ItemPages::page(item), Response::Ending::KeepOpen);
}

// The monitor with the real cycle and network, fetching from a local scripted site; the
// clock, the connection, the sound and the message boxes are stand-ins the test controls.
struct Rig
{
    ScriptedHttpServer site;
    Settings settings;
    QStringListModel items;
    ResultsModel results;
    FakeConnectivity connectivity;
    FakeClock clock;
    RecordingSound sound;
    RecordingMessages messages;
    Monitor monitor;
    QStringList statuses;
    QStringList log;
    QSignalSpy logWindows{&monitor, &Monitor::logWindowWanted};

    // host: where the items are fetched, the scripted site unless given.
    explicit Rig(const QStringList& numbers = {QStringLiteral("1001"), QStringLiteral("1002")},
                 const QString& host = QString())
        : monitor{Monitor::Services{settings, items, results, connectivity, clock, sound, messages,
                                    host.isEmpty() ? site.host() : host, QStringLiteral("/sound.wav"),
                                    HttpGet::Limits{qsizetype{64} * 1024, qsizetype{12} * 1024, 2s}}}
    {
        items.setStringList(numbers);
        QObject::connect(&monitor, &Monitor::statusChanged, [this](const QString& text) { statuses << text; });
        QObject::connect(&monitor, &Monitor::logLine, [this](const QString& line) { log << line; });
    }
    void serve(const QString& number, const Response& response) { site.script(ItemPages::target(number), response); }
    bool cycleEnded() const
    {
        return !statuses.isEmpty() && (statuses.last() == u"Timer ON..." || !monitor.isMonitoring());
    }
    QString cell(int row, int column) const { return results.text(row, column); }
};
} // namespace

class TestMonitor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cycleWritesRowsLogsChangesAndRaisesAlerts()
    {
        Rig rig;
        rig.settings.setPlaySound(true);
        rig.settings.setPopUpLog(true);
        rig.serve(QStringLiteral("1001"), pricePage(QStringLiteral("$2.00")));
        rig.serve(QStringLiteral("1002"), pricePage(QStringLiteral("$7.50"), QStringLiteral("zo\u00eb (3)")));
        rig.monitor.start();
        QTRY_VERIFY(rig.cycleEnded());

        QCOMPARE(rig.statuses,
                 (QStringList{"Retrieving Item #1001", "Stopped", "Retrieving Item #1002", "Stopped", "Timer ON..."}));
        QCOMPARE(rig.results.rowCount(), 3);
        QCOMPARE(rig.cell(1, ResultsModel::Seller), "zo\u00eb (3)");
        QCOMPARE(rig.log,
                 (QStringList{"At 10:00:00 : Item #1001 Price= $2.00", "At 10:00:00 : Item #1002 Price= $7.50"}));
        QCOMPARE(rig.sound.played, QStringList(2, "/sound.wav"));
        QCOMPARE(rig.logWindows.size(), 2);
        // One connection served the cycle, and went with it.
        QCOMPARE(rig.site.acceptedConnections(), 1);
        QTRY_COMPARE(rig.site.closedConnections(), 1);

        // The countdown: its first tick starts it, the next ones count until the interval has passed.
        rig.settings.setInterval({0, 0, 30});
        rig.serve(QStringLiteral("1001"), pricePage(QStringLiteral("$2.50")));
        rig.serve(QStringLiteral("1002"), pricePage(QStringLiteral("$7.50")));
        QSignalSpy countdown(&rig.monitor, &Monitor::countdownChanged);
        rig.monitor.tick();
        rig.clock.advance(29);
        rig.monitor.tick();
        QCOMPARE(countdown.takeLast().at(0).toString(), "::29");
        QVERIFY(!rig.monitor.isCycleRunning());
        rig.clock.advance(1);
        rig.monitor.tick();
        QVERIFY(rig.monitor.isCycleRunning());
        QTRY_COMPARE(rig.statuses.count(QStringLiteral("Timer ON...")), 2);
        QCOMPARE(rig.log.mid(2), QStringList{"At 10:00:30 : Item #1001 Price= $2.50"});
        QCOMPARE(rig.logWindows.size(), 3); // only the item that changed, not the one after it

        // Each cycle's end starts the countdown afresh, and Stop ends it.
        rig.monitor.tick();
        QVERIFY(!rig.monitor.isCycleRunning());
        rig.monitor.stop();
        rig.clock.advance(30);
        rig.monitor.tick();
        QVERIFY(!rig.monitor.isCycleRunning());
    }

    void itemThatFailsShowsItsMessageAndTheCycleGoesOn_data()
    {
        QTest::addColumn<Response>("response");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text"); // {url} stands for the item's URL

        const auto row = [](const char* name, const Response& response, const char* title, const QString& text) {
            QTest::newRow(name) << response << QString::fromLatin1(title) << text;
        };
        const QString answer = QStringLiteral("The server returned the following response:\r\r");
        const QString nul = QStringLiteral("HTTP/1.1 500 Bad\u2400Thing\u241b\r");
        row("404", Response::page("HTTP/1.1 404 Not Found", "gone"), "File Not Found",
            "The file, \"{url}\" was not found!");
        row("NUL in the status line", {.pieces = {QByteArray("HTTP/1.1 500 Bad\0Thing\x1b\r\n\r\n", 27)}},
            "Error Retrieving Data", answer + nul);
    }

    void itemThatFailsShowsItsMessageAndTheCycleGoesOn()
    {
        QFETCH(Response, response);
        QFETCH(QString, title);
        QFETCH(QString, text);

        Rig rig;
        rig.results.setItemCount(2);
        rig.results.setText(0, ResultsModel::Price, QStringLiteral("$1.00"));
        rig.messages.holdOpen = true;
        rig.serve(QStringLiteral("1001"), response);
        rig.serve(QStringLiteral("1002"), pricePage(QStringLiteral("$3.00")));
        rig.monitor.start();
        QTRY_COMPARE(rig.messages.openCount(), 1);
        QCOMPARE(rig.messages.shown.first().title, title);
        QCOMPARE(rig.messages.shown.first().text, text.replace("{url}", rig.site.url(ItemPages::target("1001"))));
        QCOMPARE(rig.messages.shown.first().detail, "Item #1001"); // the site answered: no cause to add
        QVERIFY(rig.messages.shown.first().unprompted);
        // The next item waits for the box to be closed.
        QTest::qWait(50);
        QCOMPARE(rig.site.requests().size(), 1);
        rig.messages.closeOne();
        QTRY_VERIFY(rig.cycleEnded());
        QCOMPARE(rig.cell(0, ResultsModel::Price), "$1.00");
        QCOMPARE(rig.cell(1, ResultsModel::Price), "$3.00");
    }

    // A transfer that fails keeps the box's own text; below it the box names the item and the
    // cause, and the row keeps them. (Every cause is met at the transfer's own test.)
    void failedTransferNamesItsCause_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<Response>("response");
        QTest::addColumn<QString>("cause");

        const auto row = [](const char* name, const QString& host, const Response& response, const char* cause) {
            QTest::newRow(name) << host << response << QString::fromLatin1(cause);
        };
        row("host not found", "nothere.invalid", Response(), "host not found");
        row("stalls", QString(), Response::silent(), "no answer within 2 seconds");
    }

    void failedTransferNamesItsCause()
    {
        QFETCH(QString, host);
        QFETCH(Response, response);
        QFETCH(QString, cause);

        Rig rig({QStringLiteral("1001")}, host);
        rig.messages.holdOpen = true;
        rig.serve(QStringLiteral("1001"), response);
        rig.monitor.start();
        QTRY_COMPARE_WITH_TIMEOUT(rig.messages.openCount(), 1, 10000);
        const Message& shown = rig.messages.shown.first();
        QCOMPARE(shown.text, NoAnswer);
        QCOMPARE(shown.detail, "Item #1001: " + cause);
        QCOMPARE(rig.results.state(0).problem, (ItemProblem{NoAnswer, cause, rig.clock.current}));
    }

    // With the option on, a problem marks its row and becomes a log line; no box waits, the next
    // item is fetched, and even a page that cannot be read leaves monitoring running.
    void reportWithoutInterrupting_data()
    {
        QTest::addColumn<Response>("response");
        QTest::addColumn<QString>("line"); // {url} stands for the item's URL

        ItemPages::Item unreadable;
        unreadable.quantity = QStringLiteral("1e999999");
        QTest::newRow("404") << Response::page("HTTP/1.1 404 Not Found", {})
                             << "At 10:00:00 : Item #1001: The file, \"{url}\" was not found!";
        QTest::newRow("unreadable page")
            << Response::page("HTTP/1.1 200 OK", ItemPages::page(unreadable))
            << "At 10:00:00 : Item #1001: Error: Quantity '1e999999' is not a number occurred.";
    }

    void reportWithoutInterrupting()
    {
        QFETCH(Response, response);
        QFETCH(QString, line);

        Rig rig;
        rig.settings.setReportWithoutInterrupting(true);
        rig.serve(QStringLiteral("1001"), response);
        rig.serve(QStringLiteral("1002"), pricePage(QStringLiteral("$3.00")));
        rig.monitor.start();
        QTRY_VERIFY(rig.cycleEnded());
        QVERIFY(rig.messages.shown.isEmpty());
        QCOMPARE(rig.statuses.last(), "Timer ON...");
        QCOMPARE(rig.log.filter(QStringLiteral("Item #1001:")),
                 QStringList{line.replace("{url}", rig.site.url(ItemPages::target("1001")))});
        QVERIFY(rig.results.state(0).problem);
        QCOMPARE(rig.cell(1, ResultsModel::Price), "$3.00");
    }

    // A row shows what its latest check found: a changed price, with the old one, until the next
    // cycle; a problem until a page comes again. The first price is no change.
    void rowStateFollowsTheLatestCheck()
    {
        Rig rig({QStringLiteral("1001")});
        const struct
        {
            Response response;
            std::optional<QString> previousPrice;
            bool problem;
        } checks[] = {{pricePage(QStringLiteral("$2.00")), std::nullopt, false},
                      {pricePage(QStringLiteral("$2.50")), QStringLiteral("$2.00"), false},
                      {Response::page("HTTP/1.1 404 Not Found", {}), std::nullopt, true},
                      {pricePage(QStringLiteral("$2.50")), std::nullopt, false}};
        QSignalSpy rowChanges(&rig.results, &QAbstractItemModel::dataChanged);
        for (const auto& check : checks) {
            rig.serve(QStringLiteral("1001"), check.response);
            rig.monitor.start();
            QTRY_COMPARE(rig.statuses.last(), "Timer ON...");
            rig.monitor.stop();
            QCOMPARE(rig.results.state(0).previousPrice, check.previousPrice);
            QCOMPARE(rig.results.state(0).problem.has_value(), check.problem);
            // What the view marks and a screen reader reads of it.
            QCOMPARE(rig.results.index(0, ResultsModel::ItemNumber).data(ResultsModel::MarkRole).toBool(),
                     check.problem);
            QCOMPARE(rig.results.index(0, ResultsModel::Price).data(Qt::AccessibleDescriptionRole).toString(),
                     check.previousPrice ? "Changed from " + *check.previousPrice + " in the latest check."
                                         : QString());
        }
        QCOMPARE(rowChanges.size(), 5); // the item number once, then one change per check that changed anything
    }

    void pageThatCannotBeReadHaltsMonitoring()
    {
        Rig rig;
        ItemPages::Item item;
        item.quantity = QStringLiteral("1e999999");
        rig.serve(QStringLiteral("1001"), Response::page("HTTP/1.1 200 OK", ItemPages::page(item)));
        rig.monitor.start();
        QTRY_VERIFY(rig.cycleEnded());

        QCOMPARE(rig.messages.shown.first().detail, "Item #1001\nMonitoring stops after this item.");
        QVERIFY(!rig.monitor.isMonitoring());
        QCOMPARE(rig.site.requests().size(), 1);
        // What was read before the failure stays; the price change before it was logged.
        QCOMPARE(rig.cell(0, ResultsModel::Seller), item.seller);
        QCOMPARE(rig.log.size(), 1);
    }

    void stopWhileAPageIsOnItsWayAndStartAgain()
    {
        Rig rig;
        rig.serve(QStringLiteral("1001"), Response::silent());
        rig.monitor.start();
        QTRY_COMPARE(rig.site.requests().size(), 1);
        rig.statuses.clear();
        rig.monitor.stop();
        QCOMPARE(rig.statuses, (QStringList{"Closing Connection. Please Wait...", "Connection Closed", "Stopped"}));
        QTRY_COMPARE(rig.site.closedConnections(), 1);

        // Start at once after Stop runs one new cycle, from the first item.
        rig.serve(QStringLiteral("1001"), pricePage(QStringLiteral("$2.00")));
        rig.serve(QStringLiteral("1002"), pricePage(QStringLiteral("$3.00")));
        rig.monitor.start();
        QTRY_VERIFY(rig.cycleEnded());
        QCOMPARE(rig.site.requests().size(), 3);
    }

    void startWithoutConnectionWaitsForIt()
    {
        Rig rig({QStringLiteral("1001")});
        rig.serve(QStringLiteral("1001"), pricePage(QStringLiteral("$2.00")));
        rig.connectivity.online = false;
        rig.monitor.start();
        QCOMPARE(rig.statuses, QStringList{"Connection Closed"});
        QCOMPARE(rig.sound.beeps, 1);
        rig.monitor.tick();
        QVERIFY(!rig.monitor.isCycleRunning());

        rig.connectivity.online = true;
        rig.monitor.tick();
        QCOMPARE(rig.statuses.mid(2, 2), (QStringList{"Connection Open", "Retrieving Item #1001"}));
        rig.monitor.tick(); // the watch is off now, and the countdown does not run during a cycle
        QTRY_VERIFY(rig.cycleEnded());
        QCOMPARE(rig.site.requests().size(), 1);
    }

    void connectionLostDuringATransfer()
    {
        Rig rig;
        rig.serve(QStringLiteral("1001"), pricePage(QStringLiteral("$2.00")));
        rig.serve(QStringLiteral("1002"), pricePage(QStringLiteral("$3.00")));
        rig.monitor.start();
        QTRY_VERIFY(rig.cycleEnded());
        // Due while offline: the countdown finds the connection back, and the watch stays on.
        rig.connectivity.online = false;
        rig.monitor.tick();
        rig.connectivity.online = true;
        rig.serve(QStringLiteral("1001"), Response::silent());
        rig.statuses.clear();
        rig.monitor.tick();
        QTRY_COMPARE(rig.site.requests().size(), 3);

        rig.connectivity.online = false;
        rig.messages.holdOpen = true;
        rig.monitor.tick();
        QCOMPARE(rig.statuses, (QStringList{"Retrieving Item #1001", "Connection ended", "Connection Closed"}));
        QCOMPARE(rig.messages.shown.first().detail, "Item #1001: the network connection went away");
        // The watch finds the connection back while the box is open: the cycle waits for the box.
        rig.connectivity.online = true;
        rig.monitor.tick();
        QCOMPARE(rig.statuses.last(), "Connection Open");
        rig.messages.closeOne();
        QTRY_VERIFY(rig.cycleEnded());
        QCOMPARE(rig.site.requests().size(), 4);
    }
};

QTEST_GUILESS_MAIN(TestMonitor)
#include "tst_monitor.moc"
