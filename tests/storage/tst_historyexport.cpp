#include "storage/HistoryExport.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

namespace {
// The process's resident memory now (VmRSS), or at its peak since resetPeak() (VmHWM), in KiB.
qint64 memoryKiB(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    const QByteArray text = status.readAll();
    return text.mid(text.indexOf(key) + QByteArrayView(key).size()).trimmed().split(' ').value(0).toLongLong();
}

void resetPeak()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    clearRefs.open(QIODevice::WriteOnly);
    clearRefs.write("5");
}

// Adds rows to the history file straight through SQL, as many as a test needs.
void generateRows(const QString& folder, int count)
{
    {
        HistoryStore store;
        store.open(folder);
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("generator"));
        db.setDatabaseName(QDir(folder).filePath(QStringLiteral("history.sqlite")));
        db.open();
        QSqlQuery(db).exec(
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                           "INSERT INTO observations (observed_at, item_number, price, quantity, bids, time_left, "
                           "end_time, seller, high_bidder) SELECT strftime('%Y-%m-%dT%H:%M:%SZ', 1796000000 + i, "
                           "'unixepoch'), 1000 + i % 50, printf('US $%d.%02d', i / 100, i % 100), '1', i % 97, "
                           "'2 days 3 hours', 'Dec-07-26 10:00:00 PST', 'seller ' || (i % 13), 'bidder ' || (i % 7) "
                           "FROM n")
                .arg(count));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("generator"));
}
} // namespace

class TestHistoryExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyFieldQuoted()
    {
        const Observation row{QDateTime(QDate(2026, 12, 5), QTime(9, 30, 5), Qt::OffsetFromUTC, 3600),
                              QStringLiteral("1001"),
                              {"US $1,200.00", "1", "4", std::nullopt, "Dec-07-26", "bob \"the\" seller", "a\nb"}};
        QCOMPARE(historyCsvLine(row), "\"2026-12-05T08:30:05Z\",\"1001\",\"US $1,200.00\",\"1\",\"4\",\"\","
                                      "\"Dec-07-26\",\"bob \"\"the\"\" seller\",\"a\nb\"");
    }

    // A million rows go out a slice at a time: the event loop turns between slices, and memory
    // stays small.
    void millionRowsStreamInLittleMemory()
    {
#if defined(__SANITIZE_ADDRESS__)
        constexpr int Rows = 200000; // memory is not measured here, and the sanitizer is slow
#else
        constexpr int Rows = 1000000;
#endif
        TempProgramFolder folder;
        generateRows(folder.path(), Rows);
        HistoryStore store;
        QVERIFY(!store.open(folder.path()));
        resetPeak();
        const qint64 before = memoryKiB("VmRSS:");
        HistoryExport csv(store, QString(), folder.file(QStringLiteral("all.csv")));
        QSignalSpy finished(&csv, &HistoryExport::finished);
        int turns = 0;
        QTimer turn;
        turn.callOnTimeout([&turns] { ++turns; });
        turn.start(0);
        csv.start();
        QVERIFY(finished.wait(240000));
        QCOMPARE(csv.done(), Rows);
        QVERIFY2(turns > 20, qPrintable(QString::number(turns)));
        const qint64 grown = memoryKiB("VmHWM:") - before;
#if defined(__SANITIZE_ADDRESS__)
        Q_UNUSED(grown) // the sanitizer holds on to freed memory by design
#else
        QVERIFY2(grown < qint64{100} * 1024, qPrintable(QStringLiteral("%1 KiB more").arg(grown)));
#endif
        QFile file(folder.file(QStringLiteral("all.csv")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("\r\n"), Rows + 1);
    }
};

QTEST_GUILESS_MAIN(TestHistoryExport)
#include "tst_historyexport.moc"
