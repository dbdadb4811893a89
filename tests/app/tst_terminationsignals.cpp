#include "app/TerminationSignals.h"

#include <QSignalSpy>
#include <QTest>
#include <csignal>

class TestTerminationSignals : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void signalArrivesInTheEventLoop_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGQUIT") << SIGQUIT;
    }

    void signalArrivesInTheEventLoop()
    {
        QFETCH(int, number);
        struct sigaction before = {};
        ::sigaction(number, nullptr, &before);
        {
            TerminationSignals termination;
            QSignalSpy received(&termination, &TerminationSignals::received);
            QCOMPARE(::raise(number), 0);
            QVERIFY(received.isEmpty()); // nothing happens inside the handler
            QVERIFY(received.wait());
            QCOMPARE(received.size(), 1);
            QCOMPARE(received.first().at(0).toInt(), number);
        }
        // Gone, it leaves the signal to whoever handled it before.
        struct sigaction after = {};
        ::sigaction(number, nullptr, &after);
        QVERIFY(after.sa_handler == before.sa_handler);
    }
};

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"
