#include "storage/HistoryStore.h"
#include "tests/support/Fakes.h"
#include "tests/support/TempProgramFolder.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {
const QDateTime Noon(QDate(2026, 12, 5), QTime(12, 0, 0), Qt::UTC);

ItemPageReading reading(const QString& price)
{
    ItemPageReading page;
    page.values = {price, "1", "4", "2 days", "Dec-07-26 10:00:00 PST", QString(), "joe (3)"};
    return page;
}

// A connection of the test's own to the history file, gone when the test is done with it.
struct Sql
{
    QSqlDatabase db;
    explicit Sql(const QString& path) : db(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test")))
    {
        db.setDatabaseName(path);
        db.open();
    }
    ~Sql()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("test"));
    }
    bool exec(const QString& statement) { return QSqlQuery(db).exec(statement); }
};
} // namespace

class TestHistoryStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyAChangeStoresARow_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("value"); // a null text: the page did not show the value
        QTest::addColumn<int>("rows");

        QTest::newRow("nothing changed") << 0 << "$2.00" << 1;
        QTest::newRow("price") << 0 << "$2.50" << 2;
        QTest::newRow("bids") << int(PageField::Bids) << "5" << 2;
        QTest::newRow("seller shown") << int(PageField::Seller) << "bob (12)" << 2;
        QTest::newRow("high bidder gone") << int(PageField::HighBidder) << QString() << 2;
    }

    void onlyAChangeStoresARow()
    {
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(int, rows);

        TempProgramFolder folder;
        RecordingMessages messages;
        HistoryStore store(messages);
        QVERIFY(store.open(folder.path()));
        store.record(QStringLiteral("1001"), reading(QStringLiteral("$2.00")), Noon);
        ItemPageReading next = reading(QStringLiteral("$2.00"));
        next.values[field] = value.isNull() ? std::nullopt : std::optional(value);
        store.record(QStringLiteral("1001"), next, Noon.addSecs(60));
        QCOMPARE(store.observations(QStringLiteral("1001")).size(), rows);
    }

    // What a run kept is there for the next one, which goes on from each item's last row.
    void restartReadsTheHistoryBack()
    {
        TempProgramFolder folder;
        RecordingMessages messages;
        {
            HistoryStore store(messages);
            QVERIFY(store.open(folder.path()));
            store.beginCycle();
            store.record(QStringLiteral("1002"), reading(QStringLiteral("$7.00")), Noon);
            store.record(QStringLiteral("1001"), reading(QStringLiteral("$2.00")), Noon.addSecs(1));
            // The program ends in the middle of a cycle.
        }
        HistoryStore store(messages);
        QVERIFY(store.open(folder.path()));
        QCOMPARE(store.itemNumbers(), (QStringList{"1001", "1002"}));
        const QList<Observation> rows = store.observations(QString());
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].itemNumber, "1001");
        QCOMPARE(rows[1].time, Noon.addSecs(1));
        QCOMPARE(rows[1].values, reading(QStringLiteral("$2.00")).values);
        store.record(QStringLiteral("1001"), reading(QStringLiteral("$2.00")), Noon.addSecs(90));
        QCOMPARE(store.observations(QString()).size(), 2);
        QVERIFY(messages.shown.isEmpty());
    }

    void fileOfTheFirstLayoutIsBroughtUpToDate()
    {
        TempProgramFolder folder;
        {
            Sql sql(folder.file(QStringLiteral("history.sqlite")));
            for (const char* statement :
                 {"CREATE TABLE schema_version (version INTEGER NOT NULL)", "INSERT INTO schema_version VALUES (1)",
                  "CREATE TABLE observations (id INTEGER PRIMARY KEY, observed_at TEXT NOT NULL, "
                  "item_number TEXT NOT NULL, price TEXT, quantity TEXT, bids TEXT, time_left TEXT, "
                  "end_time TEXT, seller TEXT, high_bidder TEXT)",
                  "INSERT INTO observations VALUES (1, '2026-12-05T12:00:00Z', '1001', '$2.00', '1', '4', "
                  "'2 days', 'Dec-07-26 10:00:00 PST', '', 'joe (3)')"}) {
                QVERIFY(sql.exec(QLatin1String(statement)));
            }
        }
        // Its rows stay, and the file is left at the current layout: a second run finds nothing to do.
        RecordingMessages messages;
        for (int run = 0; run < 2; ++run) {
            HistoryStore store(messages);
            QVERIFY(store.open(folder.path()));
            QCOMPARE(store.observations(QStringLiteral("1001")).value(0).time, Noon);
        }
        QVERIFY(messages.shown.isEmpty());
    }

    void fileThatCannotBeUsedIsReportedOnce_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("text");

        QTest::newRow("corrupt") << false << "Error with history.sqlite File\r\rError 26: file is not a database";
        QTest::newRow("locked") << true << "Error with history.sqlite File\r\rError 5: database is locked";
    }

    void fileThatCannotBeUsedIsReportedOnce()
    {
        QFETCH(bool, locked);
        QFETCH(QString, text);

        TempProgramFolder folder;
        const QByteArray garbage(3000, '\x5a');
        std::optional<Sql> holder;
        if (locked) {
            holder.emplace(folder.file(QStringLiteral("history.sqlite")));
            QVERIFY(holder->exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE")));
            QVERIFY(holder->exec(QStringLiteral("BEGIN EXCLUSIVE")));
            QVERIFY(holder->exec(QStringLiteral("CREATE TABLE other (x)")));
        } else {
            folder.write(QStringLiteral("history.sqlite"), garbage);
        }
        RecordingMessages messages;
        HistoryStore store(messages);
        QVERIFY(!store.open(folder.path()));
        store.beginCycle();
        store.record(QStringLiteral("1001"), reading(QStringLiteral("$2.00")), Noon);
        store.endCycle();
        QVERIFY(store.itemNumbers().isEmpty());
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().text, text);
        QCOMPARE(messages.shown.first().title, "Error Opening File");
        if (!locked) {
            QCOMPARE(folder.read(QStringLiteral("history.sqlite")), garbage);
        }
    }
};

QTEST_GUILESS_MAIN(TestHistoryStore)
#include "tst_historystore.moc"
