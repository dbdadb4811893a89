#include "core/Countdown.h"

#include <QTest>

// Ticks are given as seconds after the start; the first due tick is what the user sees.
class TestCountdown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstDueTick_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<Interval>("interval");
        QTest::addColumn<int>("dueAfter"); // seconds after the start of the first due tick

        const QDate day(2026, 12, 5);
        QTest::newRow("0/0/0 is due at once") << QDateTime(day, QTime(10, 0, 0)) << Interval{0, 0, 0} << 0;
        QTest::newRow("30 seconds") << QDateTime(day, QTime(10, 0, 7)) << Interval{0, 0, 30} << 30;
        QTest::newRow("1 hour from 10:59:30") << QDateTime(day, QTime(10, 59, 30)) << Interval{1, 0, 0} << 30;
        QTest::newRow("1 hour from 10:00:00") << QDateTime(day, QTime(10, 0, 0)) << Interval{1, 0, 0} << 3600;
        QTest::newRow("1 hour across midnight") << QDateTime(day, QTime(23, 59, 30)) << Interval{1, 0, 0} << 30;
        QTest::newRow("1 minute 30 from :45") << QDateTime(day, QTime(10, 0, 45)) << Interval{0, 1, 30} << 30;
        QTest::newRow("1 minute 30 from :10") << QDateTime(day, QTime(10, 0, 10)) << Interval{0, 1, 30} << 50;
        QTest::newRow("negative parts count as passed") << QDateTime(day, QTime(10, 0, 0)) << Interval{-2, 0, 5} << 5;
    }

    void firstDueTick()
    {
        QFETCH(QDateTime, start);
        QFETCH(Interval, interval);
        QFETCH(int, dueAfter);

        for (int t = 0; t < dueAfter; ++t) {
            const CountdownCounts counts = countdownCounts(start, start.addSecs(t), interval);
            QVERIFY2(!countdownDue(counts, interval), qPrintable(QStringLiteral("due early at %1 s").arg(t)));
        }
        QVERIFY(countdownDue(countdownCounts(start, start.addSecs(dueAfter), interval), interval));
    }
};

QTEST_APPLESS_MAIN(TestCountdown)
#include "tst_countdown.moc"
