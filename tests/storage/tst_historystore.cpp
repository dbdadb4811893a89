#include "storage/HistoryStore.h"
#include "tests/support/TempProgramFolder.h"
#include "ui/HistoryMessages.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <csignal>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace std::chrono_literals;
using Cause = HistoryError::Cause;

namespace {
const QDateTime Noon(QDate(2026, 12, 5), QTime(12, 0, 0), Qt::UTC);

ItemPageReading reading(const QString& price)
{
    ItemPageReading page;
    page.values = {price, "1", "4", "2 days", "Dec-07-26 10:00:00 PST", QString(), "joe (3)"};
    return page;
}

QList<Observation> everyRow(HistoryStore& store)
{
    return store.rowsAfter(QString(), 0, std::numeric_limits<qint64>::max(), 1000).rows;
}

// A connection of the test's own to a database file, gone when the test is done with it.
struct Sql
{
    QString name;
    QSqlDatabase db;
    explicit Sql(const QString& path, const QString& connection = QStringLiteral("test"))
        : name(connection), db(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection))
    {
        db.setDatabaseName(path);
        db.open();
    }
    ~Sql()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    bool exec(const QString& statement) { return QSqlQuery(db).exec(statement); }
};

// While it lives, no file of the process may grow: a full disk as SQLite meets it.
struct NoRoom
{
    rlimit before = {};
    NoRoom()
    {
        ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &before);
        const rlimit none = {0, before.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &none);
    }
    ~NoRoom()
    {
        ::setrlimit(RLIMIT_FSIZE, &before);
        ::signal(SIGXFSZ, SIG_DFL);
    }
};

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}
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
        QTest::newRow("bids") << int(PageField::Bids) << "5" << 2;
        QTest::newRow("high bidder gone") << int(PageField::HighBidder) << QString() << 2;
    }

    void onlyAChangeStoresARow()
    {
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(int, rows);

        TempProgramFolder folder;
        HistoryStore store;
        QVERIFY(!store.open(folder.path()));
        store.record(QStringLiteral("1001"), reading(QStringLiteral("$2.00")), Noon);
        ItemPageReading next = reading(QStringLiteral("$2.00"));
        next.values[field] = value.isNull() ? std::nullopt : std::optional(value);
        store.record(QStringLiteral("1001"), next, Noon.addSecs(60));
        QVERIFY(!store.write());
        QCOMPARE(store.rowsBefore(QStringLiteral("1001"), 0, 10).rows.size(), rows);
    }

    // What a run kept is there for the next one, which goes on from each item's last row.
    void restartReadsTheHistoryBack()
    {
        TempProgramFolder folder;
        {
            HistoryStore store;
            QVERIFY(!store.open(folder.path()));
            store.record(QStringLiteral("1002"), reading(QStringLiteral("$7.00")), Noon);
            store.record(QStringLiteral("1001"), reading(QStringLiteral("$2.00")), Noon.addSecs(1));
            // The program ends before the cycle does.
        }
        HistoryStore store;
        QVERIFY(!store.open(folder.path()));
        QCOMPARE(store.itemNumbers().numbers, (QStringList{"1001", "1002"}));
        QCOMPARE(everyRow(store).value(1).values, reading(QStringLiteral("$2.00")).values);
        store.record(QStringLiteral("1001"), reading(QStringLiteral("$2.00")), Noon.addSecs(90));
        QVERIFY(!store.write());
        QCOMPARE(everyRow(store).size(), 2);
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
        for (int run = 0; run < 2; ++run) {
            HistoryStore store;
            QVERIFY(!store.open(folder.path()));
            QCOMPARE(everyRow(store).value(0).time, Noon);
        }
    }

    // A file the store cannot use is left byte for byte as it was, whatever it is asked to do;
    // the message says what is wrong, never "Error 0" or nothing.
    void fileThatCannotBeUsedIsLeftAlone_data()
    {
        QTest::addColumn<QStringList>("statements"); // empty: bytes that are no database
        QTest::addColumn<Cause>("cause");
        QTest::addColumn<QString>("text"); // the line the message shows

        const QString versions = QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)");
        QTest::newRow("not a database") << QStringList() << Cause::Damaged << "Error 26: file is not a database";
        QTest::newRow("newer layout") << QStringList{versions, "INSERT INTO schema_version VALUES (3)"}
                                      << Cause::NewerLayout
                                      << "Its layout 3 is newer than this version of the program knows (2).";
        QTest::newRow("no layout number")
            << QStringList{versions} << Cause::Damaged << "Its table schema_version holds no layout number.";
        QTest::newRow("another program's") << QStringList{"CREATE TABLE notes (text)"} << Cause::Damaged
                                           << "It holds no price history of this program.";
    }

    void fileThatCannotBeUsedIsLeftAlone()
    {
        QFETCH(QStringList, statements);
        QFETCH(Cause, cause);
        QFETCH(QString, text);

        TempProgramFolder folder;
        if (statements.isEmpty()) {
            folder.write(QStringLiteral("history.sqlite"), QByteArray(3000, '\x5a'));
        } else {
            Sql sql(folder.file(QStringLiteral("history.sqlite")));
            for (const QString& statement : statements) {
                QVERIFY(sql.exec(statement));
            }
        }
        const QByteArray bytes = folder.read(QStringLiteral("history.sqlite"));
        HistoryStore store;
        const std::optional<HistoryError> error = store.open(folder.path());
        QCOMPARE(error.value_or(HistoryError()).cause, cause);
        QCOMPARE(historyErrorLine(*error), text);
        store.record(QStringLiteral("1001"), reading(QStringLiteral("$2.00")), Noon);
        QCOMPARE(store.write().value_or(HistoryError()).cause, cause);
        QVERIFY(store.itemNumbers().error);
        QCOMPARE(folder.read(QStringLiteral("history.sqlite")), bytes);
        QCOMPARE(entries(folder.path()), QStringList{"history.sqlite"});
    }

    // A link, pipe or folder at any name of the file is refused before SQLite is let near it,
    // and what a link points to stays untouched.
    void linksAndSpecialFilesAreRefused_data()
    {
        QTest::addColumn<QString>("setup"); // the name, then what stands there ("while open": put there after opening)
        QTest::addColumn<int>("number");

        QTest::newRow("link to a database") << "history.sqlite|link" << ELOOP;
        QTest::newRow("dangling link") << "history.sqlite|dangling" << ELOOP;
        QTest::newRow("pipe") << "history.sqlite|pipe" << EINVAL;
        QTest::newRow("-wal link") << "history.sqlite-wal|link" << ELOOP;
        QTest::newRow("-journal dangling link") << "history.sqlite-journal|dangling" << ELOOP;
        QTest::newRow("-shm folder") << "history.sqlite-shm|folder" << EISDIR;
        QTest::newRow("-wal link while open") << "history.sqlite-wal|link while open" << ELOOP;
        QTest::newRow("link in place of the open file") << "history.sqlite|link while open" << ELOOP;
    }

    void linksAndSpecialFilesAreRefused()
    {
        QFETCH(QString, setup);
        QFETCH(int, number);
        const QString name = setup.section(u'|', 0, 0);
        const QString kind = setup.section(u'|', 1);

        TempProgramFolder folder;
        TempProgramFolder outside;
        {
            HistoryStore other;
            QVERIFY(!other.open(outside.path()));
        }
        const QByteArray outsideBytes = outside.read(QStringLiteral("history.sqlite"));
        HistoryStore store;
        const bool afterOpening = kind.endsWith(u" while open");
        if (afterOpening) {
            QVERIFY(!store.open(folder.path()));
            QVERIFY(QFile::remove(folder.file(name)));
        }
        const QString path = folder.file(name);
        const QString target =
            outside.file(kind.startsWith(u"link") ? QStringLiteral("history.sqlite") : QStringLiteral("new"));
        if (kind == u"pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == u"folder") {
            QVERIFY(QDir(folder.path()).mkdir(name));
        } else {
            QVERIFY(QFile::link(target, path));
        }
        store.record(QStringLiteral("1001"), reading(QStringLiteral("$2.00")), Noon);
        const std::optional<HistoryError> error = afterOpening ? store.write() : store.open(folder.path());
        QCOMPARE(error.value_or(HistoryError()).cause, Cause::NotRegular);
        QCOMPARE(error->error.number, number);
        QVERIFY(error->error.description.startsWith(name + u':'));
        QCOMPARE(outside.read(QStringLiteral("history.sqlite")), outsideBytes);
        QCOMPARE(entries(outside.path()), QStringList{"history.sqlite"});
        if (!afterOpening) {
            QCOMPARE(entries(folder.path()), QStringList{name});
        }
    }

    // A lock another program holds a moment is waited for. One held longer, or a disk without
    // room: the rows stay kept, every write tries again, and the first that works stores them.
    void blockedWriteIsTriedAgain_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("waitMs");
        QTest::addColumn<int>("failures");
        QTest::addColumn<Cause>("cause");

        QTest::newRow("locked a moment") << false << 5000 << 0 << Cause::Other;
        QTest::newRow("locked past the wait") << false << 20 << 2 << Cause::Busy;
        QTest::newRow("no room on the disk") << true << 20 << 2 << Cause::Full;
    }

    void blockedWriteIsTriedAgain()
    {
        QFETCH(bool, full);
        QFETCH(int, waitMs);
        QFETCH(int, failures);
        QFETCH(Cause, cause);

        TempProgramFolder folder;
        HistoryStore store;
        store.setLockWait(std::chrono::milliseconds(waitMs));
        QVERIFY(!store.open(folder.path()));
        std::optional<NoRoom> noRoom;
        std::promise<void> held;
        std::promise<void> release;
        std::future<void> holder;
        if (full) {
            noRoom.emplace();
        } else {
            // Another program, as far as SQLite can tell: a connection on a thread of its own.
            holder = std::async(std::launch::async, [&, path = folder.file(QStringLiteral("history.sqlite"))] {
                Sql sql(path, QStringLiteral("holder"));
                sql.exec(QStringLiteral("BEGIN IMMEDIATE"));
                held.set_value();
                release.get_future().wait_for(failures ? 60s : 300ms);
            });
            held.get_future().wait();
        }
        for (int price = 1; price <= 2; ++price) {
            store.record(QStringLiteral("1001"), reading(QString::number(price)), Noon);
            const std::optional<HistoryError> error = store.write();
            QCOMPARE(error ? error->cause : Cause::Other, price <= failures ? cause : Cause::Other);
        }
        QCOMPARE(store.keptCount(), failures);
        noRoom.reset();
        release.set_value();
        if (holder.valid()) {
            holder.get();
        }
        QVERIFY(!store.write());
        QCOMPARE(everyRow(store).size(), 2);
    }

    // A file deleted while the program runs is noticed at the next write and made again.
    void deletedFileIsMadeAgain()
    {
        TempProgramFolder folder;
        HistoryStore store;
        QVERIFY(!store.open(folder.path()));
        store.record(QStringLiteral("1001"), reading(QStringLiteral("$1.00")), Noon);
        store.record(QStringLiteral("1002"), reading(QStringLiteral("$5.00")), Noon);
        QVERIFY(!store.write());
        QVERIFY(QFile::remove(folder.file(QStringLiteral("history.sqlite"))));
        store.record(QStringLiteral("1001"), reading(QStringLiteral("$2.00")), Noon.addSecs(60));
        QCOMPARE(store.write().value_or(HistoryError()).cause, Cause::Replaced);
        store.record(QStringLiteral("1002"), reading(QStringLiteral("$5.00")), Noon.addSecs(120));
        QVERIFY(!store.write());
        // An item's first reading in the new file is stored, changed or not.
        QCOMPARE(everyRow(store).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestHistoryStore)
#include "tst_historystore.moc"
