#include "core/Countdown.h"

#include <QTest>

// Ticks are given as seconds after the start; the first due tick is what the user sees.
class TestCountdown : public QObject
{
    Q_OBJECT

private:
    static std::optional<int> part(int value) { return value < 0 ? std::nullopt : std::optional<int>(value); }

private Q_SLOTS:
    void firstDueTick_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("dueAfter"); // seconds after the start of the first due tick

        const QDate day(2026, 12, 5);
        // -1 stands for an empty interval part.
        QTest::newRow("0/0/0 is due at once") << QDateTime(day, QTime(10, 0, 0)) << 0 << 0 << 0 << 0;
        QTest::newRow("all empty is due at once") << QDateTime(day, QTime(10, 0, 0)) << -1 << -1 << -1 << 0;
        QTest::newRow("30 seconds") << QDateTime(day, QTime(10, 0, 7)) << 0 << 0 << 30 << 30;
        QTest::newRow("1 hour from 10:59:30") << QDateTime(day, QTime(10, 59, 30)) << 1 << 0 << 0 << 30;
        QTest::newRow("1 hour from 10:00:00") << QDateTime(day, QTime(10, 0, 0)) << 1 << 0 << 0 << 3600;
        QTest::newRow("1 hour across midnight") << QDateTime(day, QTime(23, 59, 30)) << 1 << 0 << 0 << 30;
        QTest::newRow("negative parts count as passed") << QDateTime(day, QTime(10, 0, 0)) << -2 << 0 << 5 << 5;
    }

    void firstDueTick()
    {
        QFETCH(QDateTime, start);
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(int, dueAfter);

        const Interval interval{part(hours), part(minutes), part(seconds)};
        for (int t = 0; t < dueAfter; ++t) {
            const CountdownCounts counts = countdownCounts(start, start.addSecs(t), interval);
            QVERIFY2(!countdownDue(counts, interval), qPrintable(QStringLiteral("due early at %1 s").arg(t)));
        }
        QVERIFY(countdownDue(countdownCounts(start, start.addSecs(dueAfter), interval), interval));
    }

    void oneMinuteThirtyIsNeverNinety()
    {
        // Whatever second the countdown starts at, it falls due between 30 and 60 seconds later.
        const Interval interval{0, 1, 30};
        for (int startSecond = 0; startSecond < 60; ++startSecond) {
            const QDateTime start(QDate(2026, 12, 5), QTime(10, 0, startSecond));
            int due = 0;
            while (!countdownDue(countdownCounts(start, start.addSecs(due), interval), interval)) {
                ++due;
            }
            QVERIFY2(due >= 30 && due <= 60,
                     qPrintable(QStringLiteral("start :%1 due after %2 s").arg(startSecond).arg(due)));
        }
    }

    void panelText_data()
    {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<QString>("text");

        QTest::newRow("30 s after 12 s") << 0 << 0 << 30 << 12 << QStringLiteral("::12");
        QTest::newRow("empty interval") << -1 << -1 << -1 << 12 << QStringLiteral("::");
        QTest::newRow("every part") << 1 << 2 << 3 << 3725 << QStringLiteral("1:62:3725");
    }

    void panelText()
    {
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(int, elapsed);
        QFETCH(QString, text);

        const QDateTime start(QDate(2026, 12, 5), QTime(10, 0, 0));
        const Interval interval{part(hours), part(minutes), part(seconds)};
        QCOMPARE(countdownText(countdownCounts(start, start.addSecs(elapsed), interval)), text);
    }
};

QTEST_APPLESS_MAIN(TestCountdown)
#include "tst_countdown.moc"
