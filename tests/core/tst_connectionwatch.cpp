#include "tests/support/NetworkRig.h"

#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;
using Response = ScriptedHttpServer::Response;

namespace {
const QString Closed = QStringLiteral("Connection Closed");

// One watched item on a machine that starts offline. Ticks are driven by hand: the timers'
// own intervals are set far out.
struct Rig : NetworkRig
{
    Rig()
    {
        items.items = {QStringLiteral("1001")};
        probe.flags = 0;
        monitor.Timer1().setInterval(1h);
        monitor.Timer2().setInterval(1h);
        server.setDefault(Response::page("HTTP/1.1 200 OK", "<html>\r\n</html>\r\n"));
    }
    void goOnline() { probe.flags = ConnectionProbe::LanFlag; }
    QStringList statusTextsSince(qsizetype from) const { return view.statusTexts.mid(from); }
};
} // namespace

class TestConnectionWatch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void connectedFollowsTheFlags_data();
    void connectedFollowsTheFlags();
    void startOfflineWaitsForTheConnection();
    void dropWhileOpenCancelsTheTransfer();
    void stopEndsTheWatch();
};

void TestConnectionWatch::connectedFollowsTheFlags_data()
{
    QTest::addColumn<std::optional<quint32>>("flags"); // empty: the platform call failed
    QTest::addColumn<bool>("connected");

    QTest::newRow("LAN only") << std::optional<quint32>(ConnectionProbe::LanFlag) << true;
    QTest::newRow("modem") << std::optional<quint32>(ConnectionProbe::ModemFlag) << true;
    QTest::newRow("another flag alone") << std::optional<quint32>(4) << false;
    QTest::newRow("call failed") << std::optional<quint32>() << false;
}

void TestConnectionWatch::connectedFollowsTheFlags()
{
    QFETCH(std::optional<quint32>, flags);
    QFETCH(bool, connected);
    Rig rig;
    rig.probe.flags = flags;
    rig.app.Connected = !connected;
    rig.monitor.CheckConnection();
    QCOMPARE(rig.app.Connected, connected);
}

void TestConnectionWatch::startOfflineWaitsForTheConnection()
{
    Rig rig;
    rig.monitor.StartMonitoring();
    for (int tick = 0; tick < 3; ++tick) {
        rig.monitor.ConnectionWatchTick();
    }
    QCOMPARE(rig.view.statusTexts, QStringList(4, Closed));
    QCOMPARE(rig.sound.beeps, 1);
    QVERIFY(!rig.monitor.Timer1().isActive());
    QVERIFY(rig.server.requests().isEmpty());

    rig.goOnline();
    rig.monitor.ConnectionWatchTick();
    QCOMPARE(rig.statusTextsSince(4),
             (QStringList{QStringLiteral("Connection Open"), QStringLiteral("Retrieving Item #1001"),
                          QStringLiteral("Stopped"), QStringLiteral("Timer ON...")}));
    QCOMPARE(rig.server.requests().size(), 1);
    QVERIFY(!rig.monitor.Timer2().isActive());
    QVERIFY(rig.monitor.Timer1().isActive());
    QVERIFY(rig.messages.shown.empty());
}

void TestConnectionWatch::dropWhileOpenCancelsTheTransfer()
{
    Rig rig;
    rig.server.setDefault(Response::silent());
    rig.monitor.StartMonitoring();

    // The countdown finds the connection back first; the watch stays on beside the cycle.
    rig.goOnline();
    bool transferEnded = false;
    QTimer::singleShot(50ms, &rig.server, [&rig, &transferEnded] {
        rig.probe.flags = 0;
        rig.monitor.ConnectionWatchTick();
        transferEnded = !rig.transfer.stillExecuting();
    });
    const qsizetype before = rig.view.statusTexts.size();
    rig.monitor.CountdownTick();

    const QStringList texts = rig.statusTextsSince(before);
    const qsizetype ended = texts.indexOf(QStringLiteral("Connection ended"));
    QVERIFY2(ended > 0, qPrintable(texts.join(u'|')));
    QCOMPARE(texts.value(ended + 1), Closed);
    QVERIFY(texts.indexOf(QStringLiteral("Stopped")) > ended);
    QVERIFY(transferEnded);
    // The cancelled transfer brought no answer; the retrieval says so and the cycle goes on.
    QCOMPARE(rig.messages.shown.size(), size_t(1));
    QCOMPARE(rig.messages.shown[0].text, QStringLiteral("The server returned the following response:\r\r<nothing>"));
    QVERIFY(rig.monitor.Timer2().isActive());
    QTRY_COMPARE(rig.server.closedConnections(), 1);

    rig.monitor.ConnectionWatchTick();
    QCOMPARE(rig.view.statusTexts.last(), Closed);
}

void TestConnectionWatch::stopEndsTheWatch()
{
    Rig rig;
    rig.monitor.Timer2().setInterval(10ms);
    rig.monitor.StartMonitoring();
    QVERIFY(rig.monitor.Timer2().isActive());

    rig.monitor.StopMonitoring();
    rig.goOnline();
    QTest::qWait(100);

    QVERIFY(!rig.monitor.Timer2().isActive());
    QVERIFY(!rig.view.statusTexts.contains(QStringLiteral("Connection Open")));
    QVERIFY(rig.server.requests().isEmpty());
}

QTEST_GUILESS_MAIN(TestConnectionWatch)
#include "tst_connectionwatch.moc"
