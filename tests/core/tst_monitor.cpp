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
    return Response::page("HTTP/1.1 200 OK", ItemPages::page(item));
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
    Monitor monitor{Monitor::Services{settings, items, results, connectivity, clock, sound, messages, site.host(),
                                      QStringLiteral("/sound.wav"), HttpGet::Limits{64 * 1024, 12 * 1024, 1500ms}}};
    QStringList statuses;
    QStringList log;
    QStringList events;

    explicit Rig(const QStringList& numbers = {QStringLiteral("1001"), QStringLiteral("1002")})
    {
        items.setStringList(numbers);
        sound.events = &events;
        messages.events = &events;
        QObject::connect(&monitor, &Monitor::statusChanged, [this](const QString& text) { statuses << text; });
        QObject::connect(&monitor, &Monitor::logLine, [this](const QString& line) { log << line; });
        QObject::connect(&monitor, &Monitor::logWindowWanted, [this] { events << QStringLiteral("log window"); });
    }
    void serve(const QString& number, const Response& response) { site.script(ItemPages::target(number), response); }
    bool cycleEnded() const
    {
        return !statuses.isEmpty() && (statuses.last() == u"Timer ON..." || !monitor.isMonitoring());
    }
    QString cell(int row, int column) const { return results.text(row, column); }
};
} // namespace

Q_DECLARE_METATYPE(ScriptedHttpServer::Response)

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
        QCOMPARE(rig.cell(1, ResultsModel::ItemNumber), "1002");
        QCOMPARE(rig.cell(1, ResultsModel::Price), "$7.50");
        QCOMPARE(rig.cell(1, ResultsModel::Seller), "zo\u00eb (3)");
        QCOMPARE(rig.cell(0, ResultsModel::HighBidder), "joe (3)");
        QCOMPARE(rig.log,
                 (QStringList{"At 10:00:00 : Item #1001 Price= $2.00", "At 10:00:00 : Item #1002 Price= $7.50"}));
        QCOMPARE(rig.events, (QStringList{"sound", "log window", "sound", "log window"}));
        QCOMPARE(rig.sound.played.value(0), "/sound.wav");

        // The countdown: its first tick starts it, the next ones count until the interval has passed.
        rig.settings.setInterval({0, 0, 30});
        rig.serve(QStringLiteral("1002"), pricePage(QStringLiteral("$8.00")));
        rig.statuses.clear();
        rig.events.clear();
        QSignalSpy countdown(&rig.monitor, &Monitor::countdownChanged);
        rig.monitor.tick();
        rig.clock.advance(29);
        rig.monitor.tick();
        QCOMPARE(countdown.takeLast().at(0).toString(), "::29");
        QVERIFY(!rig.monitor.isCycleRunning());
        rig.clock.advance(1);
        rig.monitor.tick();
        QVERIFY(rig.monitor.isCycleRunning());
        QTRY_VERIFY(rig.cycleEnded());
        QCOMPARE(rig.log.size(), 3);
        QCOMPARE(rig.log.last(), "At 10:00:30 : Item #1002 Price= $8.00");
        QCOMPARE(rig.events, (QStringList{"sound", "log window"}));
    }

    // A cycle's pages come between its start and its end, whether it completes or is stopped.
    void cycleFramesThePagesItReads()
    {
        Rig rig;
        QStringList frame;
        QObject::connect(&rig.monitor, &Monitor::cycleStarted, [&frame] { frame << QStringLiteral("started"); });
        QObject::connect(&rig.monitor, &Monitor::pageRead,
                         [&frame](const QString& number, const ItemPageReading& page) {
                             frame << number + u' ' + page.value(PageField::Seller).value_or(QString());
                         });
        QObject::connect(&rig.monitor, &Monitor::cycleEnded, [&frame] { frame << QStringLiteral("ended"); });
        rig.serve(QStringLiteral("1001"), pricePage(QStringLiteral("$2.00")));
        rig.serve(QStringLiteral("1002"), Response::silent());
        rig.monitor.start();
        QTRY_COMPARE(rig.site.requests().size(), 2);
        QCOMPARE(frame, (QStringList{"started", "1001 bob (12)"}));
        rig.monitor.stop();
        rig.serve(QStringLiteral("1002"), pricePage(QStringLiteral("$2.00"), QStringLiteral("al (1)")));
        rig.monitor.start();
        QTRY_VERIFY(rig.cycleEnded());
        QCOMPARE(frame, (QStringList{"started", "1001 bob (12)", "ended", "started", "1001 bob (12)", "1002 al (1)",
                                     "ended"}));
    }

    void emptyListCompletesAtOnce()
    {
        Rig rig(QStringList{});
        rig.monitor.start();
        QCOMPARE(rig.statuses, QStringList{"Timer ON..."});
        QCOMPARE(rig.results.rowCount(), 1);
        QVERIFY(rig.site.requests().isEmpty());
    }

    void itemThatFailsShowsItsMessageAndTheCycleGoesOn_data()
    {
        QTest::addColumn<Response>("response");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");

        QTest::newRow("404") << Response::page("HTTP/1.1 404 Not Found", "gone") << QString() << "File Not Found";
        QTest::newRow("204") << Response::page("HTTP/1.1 204 No Content", {}) << "Nothing to download!"
                             << "No Content";
        QTest::newRow("401") << Response::page("HTTP/1.1 401 Unauthorized", {}) << "Authorization failed!"
                             << "Unauthorized";
        QTest::newRow("redirect") << Response::page("HTTP/1.1 302 Found", {})
                                  << "The server returned the following response:\r\rHTTP/1.1 302 Found\r"
                                  << "Error Retrieving Data";
        QTest::newRow("no answer") << Response::silent() << NoAnswer << "Error Retrieving Data";
        Response reset = pricePage(QStringLiteral("$9.00"));
        reset.body = {{reset.body.first().bytes.left(200), 0}};
        reset.ending = Response::Ending::Drop;
        QTest::newRow("reset in the body") << reset << NoAnswer << "Error Retrieving Data";
        // Neither ends by itself; the header limit or the deadline ends them.
        Response endlessHeader;
        endlessHeader.ending = Response::Ending::EndlessHeader;
        QTest::newRow("endless header") << endlessHeader << NoAnswer << "Error Retrieving Data";
        Response drip = pricePage(QStringLiteral("$9.00"));
        drip.dripMs = 20; // some ten seconds for the page, far past the deadline
        QTest::newRow("body dripped byte by byte") << drip << NoAnswer << "Error Retrieving Data";
    }

    void itemThatFailsShowsItsMessageAndTheCycleGoesOn()
    {
        QFETCH(Response, response);
        QFETCH(QString, text);
        QFETCH(QString, title);

        Rig rig;
        rig.results.setItemCount(2);
        rig.results.setText(0, ResultsModel::Price, QStringLiteral("$1.00"));
        rig.messages.holdOpen = true;
        rig.serve(QStringLiteral("1001"), response);
        rig.serve(QStringLiteral("1002"), pricePage(QStringLiteral("$3.00")));
        rig.monitor.start();
        QTRY_COMPARE(rig.messages.openCount(), 1);
        QCOMPARE(rig.messages.shown.first().title, title);
        if (!text.isEmpty()) {
            QCOMPARE(rig.messages.shown.first().text, text);
        } else {
            QCOMPARE(rig.messages.shown.first().text,
                     "The file, \"" + rig.site.url("/aw-cgi/eBayISAPI.dll?ViewItem&item=1001") + "\" was not found!");
        }
        // The next item waits for the box to be closed.
        QTest::qWait(50);
        QCOMPARE(rig.site.requests().size(), 1);
        QCOMPARE(rig.statuses.last(), "Retrieving Item #1001");
        rig.messages.closeOne();
        QTRY_VERIFY(rig.cycleEnded());
        QCOMPARE(rig.statuses,
                 (QStringList{"Retrieving Item #1001", "Stopped", "Retrieving Item #1002", "Stopped", "Timer ON..."}));
        QCOMPARE(rig.cell(0, ResultsModel::Price), "$1.00");
        QCOMPARE(rig.cell(1, ResultsModel::Price), "$3.00");
    }

    void pageThatCannotBeReadHaltsMonitoring()
    {
        Rig rig;
        QSignalSpy monitoring(&rig.monitor, &Monitor::monitoringChanged);
        ItemPages::Item item;
        item.quantity = QStringLiteral("1e999999");
        rig.serve(QStringLiteral("1001"), Response::page("HTTP/1.1 200 OK", ItemPages::page(item)));
        rig.monitor.start();
        QTRY_VERIFY(rig.cycleEnded());

        QCOMPARE(rig.messages.shown.size(), 1);
        QCOMPARE(rig.messages.shown.first().text, "Error: Quantity '1e999999' is not a number occurred.");
        QCOMPARE(rig.messages.shown.first().title, "Error Retrieving Data");
        QCOMPARE(rig.statuses.last(), "Stopped");
        QCOMPARE(monitoring.size(), 2); // on at Start, off at the halt
        QVERIFY(!rig.monitor.isMonitoring());
        QCOMPARE(rig.site.requests().size(), 1);
        // What was read before the failure stays; the price change before it was logged.
        QCOMPARE(rig.cell(0, ResultsModel::Seller), item.seller);
        QCOMPARE(rig.cell(0, ResultsModel::HighBidder), QString());
        QCOMPARE(rig.log.size(), 1);
        QVERIFY(rig.events.filter(QStringLiteral("sound")).isEmpty());
    }

    void gridClearedWhileAPageIsOnItsWayHalts()
    {
        Rig rig;
        Response late = pricePage(QStringLiteral("$2.00"));
        late.pauseBeforeHeadMs = 300;
        rig.serve(QStringLiteral("1001"), late);
        rig.monitor.start();
        QTRY_COMPARE(rig.site.requests().size(), 1);
        rig.results.reset();
        QTRY_VERIFY(rig.cycleEnded());
        QCOMPARE(rig.messages.shown.first().text,
                 "Error: Row 1 of the grid was cleared while its page was read occurred.");
        QVERIFY(!rig.monitor.isMonitoring());
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
        QVERIFY(!rig.monitor.isMonitoring());
        QTRY_COMPARE(rig.site.closedConnections(), 1);

        // Start at once after Stop runs one new cycle, from the first item.
        rig.serve(QStringLiteral("1001"), pricePage(QStringLiteral("$2.00")));
        rig.serve(QStringLiteral("1002"), pricePage(QStringLiteral("$3.00")));
        rig.monitor.start();
        QTRY_VERIFY(rig.cycleEnded());
        QCOMPARE(rig.site.requests().size(), 3);
        QVERIFY(rig.messages.shown.isEmpty());
    }

    void listShortenedDuringACycleEndsItEarly()
    {
        Rig rig;
        rig.messages.holdOpen = true;
        rig.serve(QStringLiteral("1001"), Response::page("HTTP/1.1 404 Not Found", {}));
        rig.monitor.start();
        QTRY_COMPARE(rig.messages.openCount(), 1);
        rig.items.setStringList({QStringLiteral("1001")});
        rig.messages.closeOne();
        QTRY_VERIFY(rig.cycleEnded());
        QCOMPARE(rig.site.requests().size(), 1);
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
        QCOMPARE(rig.statuses.last(), "Connection Closed");
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
        QCOMPARE(rig.messages.shown.size(), 1);
        QCOMPARE(rig.messages.shown.first().text, NoAnswer);
        rig.connectivity.online = true;
        rig.messages.closeOne();
        QTRY_VERIFY(rig.cycleEnded());
        QCOMPARE(rig.site.requests().size(), 4);
    }

    // While the countdown is due and the machine offline, the watch gets its turn every second
    // beside the countdown's: each beat reports the closed connection twice, and beeps once.
    void watchKeepsTickingWhileTheCountdownIsDueOffline()
    {
        Rig rig(QStringList{});
        rig.monitor.start();
        rig.connectivity.online = false;
        QTRY_VERIFY_WITH_TIMEOUT(rig.sound.beeps >= 3, 5000);
        rig.monitor.stop();
        QVERIFY(rig.statuses.count(QStringLiteral("Connection Closed")) >= 2 * rig.sound.beeps);
    }
};

QTEST_GUILESS_MAIN(TestMonitor)
#include "tst_monitor.moc"
