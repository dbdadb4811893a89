#include "storage/HistoryStore.h"

#include "platform/Messages.h"
#include "storage/TextFile.h"

#include <QDir>
#include <QSqlError>
#include <QVariant>

namespace {
const QString OpenErrorTitle = QStringLiteral("Error Opening File");
const QString SaveErrorTitle = QStringLiteral("Error Saving File");

// The columns of the values, in the order of PageField.
const QString ValueColumns = QStringLiteral("price, quantity, bids, time_left, end_time, seller, high_bidder");

// Each version's statements take a file of the version before it to this one. Versions are
// never edited once released: a change of layout is a new version.
struct Migration
{
    int version;
    QStringList statements;
};

const Migration Migrations[] = {
    {1,
     {QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"),
      QStringLiteral("INSERT INTO schema_version (version) VALUES (0)"),
      QStringLiteral("CREATE TABLE observations (id INTEGER PRIMARY KEY, observed_at TEXT NOT NULL, "
                     "item_number TEXT NOT NULL, price TEXT, quantity TEXT, bids TEXT, time_left TEXT, "
                     "end_time TEXT, seller TEXT, high_bidder TEXT)")}},
    // An item's last row is looked up once per run, and the history window reads one item at a time.
    {2, {QStringLiteral("CREATE INDEX observations_by_item ON observations (item_number, id)")}},
};

int connectionCount = 0;

Observation::Values valuesAt(const QSqlQuery& query, int firstColumn)
{
    Observation::Values values;
    for (int field = 0; field < PageFieldCount; ++field) {
        const QVariant value = query.value(firstColumn + field);
        if (!value.isNull()) {
            values[field] = value.toString();
        }
    }
    return values;
}
} // namespace

HistoryStore::HistoryStore(Messages& messages, QObject* parent)
    : QObject(parent), m_messages(messages), m_connection(QStringLiteral("history-%1").arg(++connectionCount))
{}

HistoryStore::~HistoryStore()
{
    // A cycle the program did not see to its end still keeps what it met.
    if (m_inCycle && isOpen()) {
        m_db.commit();
    }
    close();
}

bool HistoryStore::open(const QString& folder)
{
    if (isOpen()) {
        return true;
    }
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(QDir(folder).filePath(QLatin1String(HistoryFileName)));
    // Another program holding the file must never make the window wait.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10"));
    if (!m_db.open()) {
        fail(OpenErrorTitle, m_db.lastError());
        return false;
    }
    // Readers never wait for the writer, and a commit costs no wait for the disk each cycle.
    if (!exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !exec(QStringLiteral("PRAGMA synchronous = NORMAL")) ||
        !migrate()) {
        return false;
    }
    m_insert.emplace(m_db);
    m_selectLast.emplace(m_db);
    if (!m_insert->prepare(QStringLiteral("INSERT INTO observations (observed_at, item_number, ") + ValueColumns +
                           QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")) ||
        !m_selectLast->prepare(QStringLiteral("SELECT ") + ValueColumns +
                               QStringLiteral(" FROM observations WHERE item_number = ? ORDER BY id DESC LIMIT 1"))) {
        fail(OpenErrorTitle, m_insert->lastError().isValid() ? m_insert->lastError() : m_selectLast->lastError());
        return false;
    }
    return true;
}

bool HistoryStore::migrate()
{
    QSqlQuery query(m_db);
    int version = 0;
    if (!query.exec(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = 'schema_version'"))) {
        fail(OpenErrorTitle, query.lastError());
        return false;
    }
    if (query.next()) {
        if (!query.exec(QStringLiteral("SELECT version FROM schema_version")) || !query.next()) {
            fail(OpenErrorTitle, query.lastError());
            return false;
        }
        version = query.value(0).toInt();
    }
    if (version > SchemaVersion) {
        fail(OpenErrorTitle,
             QSqlError(QString(), QStringLiteral("Its layout %1 is newer than this program knows").arg(version),
                       QSqlError::UnknownError, QStringLiteral("0")));
        return false;
    }
    for (const Migration& migration : Migrations) {
        if (migration.version <= version) {
            continue;
        }
        m_db.transaction();
        for (const QString& statement : migration.statements) {
            if (!exec(statement)) {
                return false;
            }
        }
        if (!exec(QStringLiteral("UPDATE schema_version SET version = ") + QString::number(migration.version))) {
            return false;
        }
        if (!m_db.commit()) {
            fail(OpenErrorTitle, m_db.lastError());
            return false;
        }
    }
    return true;
}

void HistoryStore::beginCycle()
{
    if (isOpen() && !m_inCycle) {
        m_inCycle = m_db.transaction();
    }
}

void HistoryStore::endCycle()
{
    if (!m_inCycle) {
        return;
    }
    m_inCycle = false;
    if (isOpen() && !m_db.commit()) {
        fail(SaveErrorTitle, m_db.lastError());
    }
}

void HistoryStore::record(const QString& itemNumber, const ItemPageReading& reading, const QDateTime& time)
{
    if (!isOpen()) {
        return;
    }
    const std::optional<Observation::Values> last = lastValues(itemNumber);
    if (!isOpen() || (last && *last == reading.values)) {
        return;
    }
    m_insert->bindValue(0, time.toUTC().toString(Qt::ISODate));
    m_insert->bindValue(1, itemNumber);
    for (int field = 0; field < PageFieldCount; ++field) {
        const std::optional<QString>& value = reading.values[field];
        // A value the page showed empty is an empty text, never confused with one it did not show.
        m_insert->bindValue(2 + field, !value            ? QVariant(QMetaType::fromType<QString>())
                                       : value->isNull() ? QVariant(QStringLiteral(""))
                                                         : QVariant(*value));
    }
    if (!m_insert->exec()) {
        fail(SaveErrorTitle, m_insert->lastError());
        return;
    }
    m_last.insert(itemNumber, reading.values);
    Q_EMIT recorded(itemNumber);
}

std::optional<Observation::Values> HistoryStore::lastValues(const QString& itemNumber)
{
    const auto known = m_last.constFind(itemNumber);
    if (known != m_last.constEnd()) {
        return *known;
    }
    m_selectLast->bindValue(0, itemNumber);
    if (!m_selectLast->exec()) {
        fail(OpenErrorTitle, m_selectLast->lastError());
        return std::nullopt;
    }
    std::optional<Observation::Values> last;
    if (m_selectLast->next()) {
        last = valuesAt(*m_selectLast, 0);
    }
    m_selectLast->finish();
    m_last.insert(itemNumber, last);
    return last;
}

QStringList HistoryStore::itemNumbers()
{
    QStringList numbers;
    if (!isOpen()) {
        return numbers;
    }
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT DISTINCT item_number FROM observations ORDER BY item_number"))) {
        fail(OpenErrorTitle, query.lastError());
        return numbers;
    }
    while (query.next()) {
        numbers << query.value(0).toString();
    }
    return numbers;
}

QList<Observation> HistoryStore::observations(const QString& itemNumber)
{
    QList<Observation> rows;
    if (!isOpen()) {
        return rows;
    }
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT observed_at, item_number, ") + ValueColumns + QStringLiteral(" FROM observations") +
        (itemNumber.isEmpty() ? QString() : QStringLiteral(" WHERE item_number = ?")) + QStringLiteral(" ORDER BY id"));
    if (!itemNumber.isEmpty()) {
        query.addBindValue(itemNumber);
    }
    if (!query.exec()) {
        fail(OpenErrorTitle, query.lastError());
        return rows;
    }
    while (query.next()) {
        QDateTime time = QDateTime::fromString(query.value(0).toString(), Qt::ISODate);
        rows << Observation{time.toUTC(), query.value(1).toString(), valuesAt(query, 2)};
    }
    return rows;
}

bool HistoryStore::exec(const QString& statement)
{
    QSqlQuery query(m_db);
    if (!query.exec(statement)) {
        fail(OpenErrorTitle, query.lastError());
        return false;
    }
    return true;
}

void HistoryStore::fail(const QString& title, const QSqlError& error)
{
    const QString description = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    const Message message{
        fileErrorText(QLatin1String(HistoryErrorHeadline), FileError{error.nativeErrorCode().toInt(), description}),
        title, Message::Icon::Critical};
    close();
    if (!m_failed) {
        m_failed = true;
        m_messages.show(message);
    }
}

void HistoryStore::close()
{
    m_inCycle = false;
    m_insert.reset();
    m_selectLast.reset();
    m_last.clear();
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
    }
}
