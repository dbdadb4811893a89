#include "platform/Connectivity.h"

#include <QTest>

using Flags = QNetworkInterface::InterfaceFlags;

class TestConnectivity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void online_data()
    {
        QTest::addColumn<QList<InterfaceState>>("interfaces");
        QTest::addColumn<bool>("online");

        const Flags working = QNetworkInterface::IsUp | QNetworkInterface::IsRunning;
        QTest::newRow("none") << QList<InterfaceState>{} << false;
        QTest::newRow("loopback only") << QList<InterfaceState>{{working | QNetworkInterface::IsLoopBack, true}}
                                       << false;
        QTest::newRow("LAN with an address") << QList<InterfaceState>{{working, true}} << true;
        QTest::newRow("LAN without an address") << QList<InterfaceState>{{working, false}} << false;
        QTest::newRow("LAN up but not running") << QList<InterfaceState>{{QNetworkInterface::IsUp, true}} << false;
        QTest::newRow("modem link") << QList<InterfaceState>{{working | QNetworkInterface::IsPointToPoint, false}}
                                    << true;
        QTest::newRow("one of several") << QList<InterfaceState>{{Flags(), true}, {working, true}} << true;
    }

    void online()
    {
        QFETCH(QList<InterfaceState>, interfaces);
        QFETCH(bool, online);
        QCOMPARE(anyInterfaceOnline(interfaces), online);
    }
};

QTEST_APPLESS_MAIN(TestConnectivity)
#include "tst_connectivity.moc"
