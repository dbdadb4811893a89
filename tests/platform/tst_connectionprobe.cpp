#include "platform/LinuxConnectionProbe.h"

#include <QTest>

using Flags = QNetworkInterface::InterfaceFlags;

namespace {
constexpr auto Up = QNetworkInterface::IsUp;
constexpr auto Running = QNetworkInterface::IsRunning;
constexpr auto Loopback = QNetworkInterface::IsLoopBack;
constexpr auto PointToPoint = QNetworkInterface::IsPointToPoint;
constexpr auto Broadcast = QNetworkInterface::CanBroadcast;
} // namespace

class TestConnectionProbe : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void flagsFollowTheInterfaces_data();
    void flagsFollowTheInterfaces();
};

void TestConnectionProbe::flagsFollowTheInterfaces_data()
{
    QTest::addColumn<QList<InterfaceState>>("interfaces");
    QTest::addColumn<quint32>("expected");

    const InterfaceState loopback{"lo", Flags(Up | Running | Loopback), true};
    const InterfaceState ethernet{"eth0", Flags(Up | Running | Broadcast), true};
    const InterfaceState modem{"ppp0", Flags(Up | Running | PointToPoint), false};

    QTest::newRow("loopback only") << QList<InterfaceState>{loopback} << 0u;
    QTest::newRow("working LAN") << QList<InterfaceState>{loopback, ethernet} << quint32(ConnectionProbe::LanFlag);
    QTest::newRow("LAN cable out") << QList<InterfaceState>{loopback, {"eth0", Flags(Up | Broadcast), true}} << 0u;
    QTest::newRow("LAN without address") << QList<InterfaceState>{{"eth0", Flags(Up | Running | Broadcast), false}}
                                         << 0u;
    QTest::newRow("modem link") << QList<InterfaceState>{loopback, modem} << quint32(ConnectionProbe::ModemFlag);
    QTest::newRow("modem link with address")
        << QList<InterfaceState>{{"ppp0", Flags(Up | Running | PointToPoint), true}}
        << quint32(ConnectionProbe::ModemFlag | ConnectionProbe::LanFlag);
    QTest::newRow("one working among dead ones")
        << QList<InterfaceState>{{"eth1", Flags(Up), true}, ethernet, {"wlan0", Flags(), true}}
        << quint32(ConnectionProbe::LanFlag);
}

void TestConnectionProbe::flagsFollowTheInterfaces()
{
    QFETCH(QList<InterfaceState>, interfaces);
    QFETCH(quint32, expected);
    QCOMPARE(connectionFlagsOf(interfaces), expected);
}

QTEST_GUILESS_MAIN(TestConnectionProbe)
#include "tst_connectionprobe.moc"
