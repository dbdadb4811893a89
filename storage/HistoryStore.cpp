#include "storage/HistoryStore.h"

#include "storage/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <limits>
#include <sys/stat.h>

namespace {
// The columns of the values, in the order of PageField.
const QString ValueColumns = QStringLiteral("price, quantity, bids, time_left, end_time, seller, high_bidder");
const QString RowColumns = QStringLiteral("id, observed_at, item_number, ") + ValueColumns;

// The names SQLite may use beside the file: a link at any of them would lead it elsewhere.
constexpr const char* Companions[] = {"", "-wal", "-journal", "-shm"};

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

HistoryError::Cause causeOf(int code)
{
    switch (code & 0xff) { // the primary code of an extended one
    case 5:                // SQLITE_BUSY
    case 6:                // SQLITE_LOCKED
        return HistoryError::Cause::Busy;
    case 10: // SQLITE_IOERR: a write the system refused
    case 13: // SQLITE_FULL
        return HistoryError::Cause::Full;
    case 3:  // SQLITE_PERM
    case 8:  // SQLITE_READONLY
    case 14: // SQLITE_CANTOPEN
    case 23: // SQLITE_AUTH
        return HistoryError::Cause::NoAccess;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return HistoryError::Cause::Damaged;
    default:
        return HistoryError::Cause::Other;
    }
}

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

std::pair<dev_t, ino_t> identityOf(const QString& path)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return {};
    }
    return {status.st_dev, status.st_ino};
}
} // namespace

HistoryStore::HistoryStore(QObject* parent)
    : QObject(parent), m_connection(QStringLiteral("history-%1").arg(++connectionCount))
{}

HistoryStore::~HistoryStore()
{
    if (!m_kept.isEmpty() && !m_folder.isEmpty()) {
        write();
    }
    close();
}

std::optional<HistoryError> HistoryStore::open(const QString& folder)
{
    m_folder = folder;
    return isOpen() ? std::nullopt : openFile();
}

std::optional<HistoryError> HistoryStore::openFile()
{
    if (auto error = checkNames()) {
        return error;
    }
    const QString path = QDir(m_folder).filePath(QLatin1String(HistoryFileName));
    const bool existed = QFile::exists(path);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_failing ? 0 : m_lockWait.count()));
    if (!m_db.open()) {
        const HistoryError error = failure(HistoryError::Step::Opening, m_db.lastError());
        close();
        return error;
    }
    // Nothing is changed in a file before it is known to be one this program may change.
    int version = 0;
    std::optional<HistoryError> error = existed ? readVersion(version) : std::nullopt;
    // Readers never wait for the writer, and a commit costs no wait for the disk each cycle.
    if (!error) {
        error = exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    }
    if (!error) {
        error = exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    }
    if (!error) {
        error = migrate(version);
    }
    if (error) {
        close();
        return error;
    }
    m_identity = identityOf(path);
    return std::nullopt;
}

std::optional<HistoryError> HistoryStore::checkNames() const
{
    for (const char* companion : Companions) {
        const QString name = QLatin1String(HistoryFileName) + QLatin1String(companion);
        if (const std::optional<FileError> error = checkRegularOrAbsent(QDir(m_folder).filePath(name))) {
            const bool special = error->number == ELOOP || error->number == EISDIR || error->number == EINVAL;
            const bool denied = error->number == EACCES || error->number == EPERM;
            return HistoryError{special  ? HistoryError::Cause::NotRegular
                                : denied ? HistoryError::Cause::NoAccess
                                         : HistoryError::Cause::Other,
                                HistoryError::Step::Opening,
                                {error->number, name + QStringLiteral(": ") + error->description}};
        }
    }
    return std::nullopt;
}

std::optional<HistoryError> HistoryStore::readVersion(int& version)
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        return failure(HistoryError::Step::Opening, query.lastError());
    }
    QStringList tables;
    while (query.next()) {
        tables << query.value(0).toString();
    }
    if (tables.isEmpty()) {
        return std::nullopt; // an empty file: made anew
    }
    const HistoryError notOurs{HistoryError::Cause::Damaged,
                               HistoryError::Step::Opening,
                               {0, tr("It holds no price history of this program.")}};
    if (!tables.contains(u"schema_version")) {
        return notOurs;
    }
    if (!query.exec(QStringLiteral("SELECT version FROM schema_version"))) {
        return failure(HistoryError::Step::Opening, query.lastError());
    }
    bool number = false;
    version = query.next() ? query.value(0).toInt(&number) : 0;
    if (!number) {
        return HistoryError{HistoryError::Cause::Damaged,
                            HistoryError::Step::Opening,
                            {0, tr("Its table schema_version holds no layout number.")}};
    }
    if (version > SchemaVersion) {
        return HistoryError{HistoryError::Cause::NewerLayout,
                            HistoryError::Step::Opening,
                            {0, tr("Its layout %1 is newer than this version of the program knows (%2).")
                                    .arg(version)
                                    .arg(SchemaVersion)}};
    }
    return std::nullopt;
}

std::optional<HistoryError> HistoryStore::migrate(int version)
{
    for (const Migration& migration : Migrations) {
        if (migration.version <= version) {
            continue;
        }
        QStringList statements = migration.statements;
        statements << QStringLiteral("UPDATE schema_version SET version = ") + QString::number(migration.version);
        if (auto error = inTransaction(statements, HistoryError::Step::Opening)) {
            return error;
        }
    }
    return std::nullopt;
}

// Qt's own commit() drops SQLite's code, which the message needs: the statements go as they are.
std::optional<HistoryError> HistoryStore::inTransaction(const QStringList& statements, HistoryError::Step step)
{
    if (auto error = exec(QStringLiteral("BEGIN IMMEDIATE"), step)) {
        return error;
    }
    for (const QString& statement : statements + QStringList{QStringLiteral("COMMIT")}) {
        if (auto error = exec(statement, step)) {
            exec(QStringLiteral("ROLLBACK"), step);
            return error;
        }
    }
    return std::nullopt;
}

void HistoryStore::record(const QString& itemNumber, const ItemPageReading& reading, const QDateTime& time)
{
    const auto last = m_last.constFind(itemNumber);
    const bool known = last != m_last.constEnd();
    if (known && *last == reading.values) {
        return;
    }
    if (m_kept.size() >= KeptLimit) {
        // Without the rows dropped, each row left is checked against the file before it goes in.
        m_kept.remove(0, KeptLimit / 2);
        for (Kept& kept : m_kept) {
            kept.compareStored = true;
        }
    }
    Observation row{time.toUTC(), itemNumber, reading.values};
    // A value the page showed empty is an empty text, never confused with one it did not show.
    for (std::optional<QString>& value : row.values) {
        if (value && value->isNull()) {
            value = QStringLiteral("");
        }
    }
    m_kept.append({row, !known});
    m_last.insert(itemNumber, reading.values);
}

std::optional<HistoryError> HistoryStore::write()
{
    std::optional<HistoryError> replaced;
    std::optional<HistoryError> error = isOpen() ? checkNames() : std::nullopt;
    if (!error && isOpen() && !stillTheOpenFile()) {
        close();
        // The rows of the old file are not in the new one: every item starts again.
        m_last.clear();
        for (Kept& kept : m_kept) {
            kept.compareStored = true;
        }
        replaced = HistoryError{HistoryError::Cause::Replaced,
                                HistoryError::Step::Saving,
                                {0, tr("It was deleted or replaced while the program was running.")}};
    }
    if (!error && !isOpen()) {
        error = openFile();
    }
    if (!error) {
        error = writeKept();
    }
    if (error) {
        close(); // the next write starts from a fresh connection
        m_failing = true;
        error->step = HistoryError::Step::Saving;
        return error;
    }
    m_failing = false;
    return replaced;
}

std::optional<HistoryError> HistoryStore::writeKept()
{
    if (m_kept.isEmpty()) {
        return std::nullopt;
    }
    const HistoryError::Step step = HistoryError::Step::Saving;
    // After a failure the next round only looks whether the lock is gone.
    if (auto error = exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(m_failing ? 0 : m_lockWait.count()), step)) {
        return error;
    }
    if (auto error = exec(QStringLiteral("BEGIN IMMEDIATE"), step)) {
        return error;
    }
    QStringList written;
    std::optional<HistoryError> error = insertKept(written);
    if (!error) {
        error = exec(QStringLiteral("COMMIT"), step);
    }
    if (error) {
        exec(QStringLiteral("ROLLBACK"), step);
        return error;
    }
    m_kept.clear();
    for (const QString& itemNumber : std::as_const(written)) {
        Q_EMIT recorded(itemNumber);
    }
    return std::nullopt;
}

std::optional<HistoryError> HistoryStore::insertKept(QStringList& written)
{
    const HistoryError::Step step = HistoryError::Step::Saving;
    QSqlQuery insert(m_db);
    QSqlQuery last(m_db);
    if (!insert.prepare(QStringLiteral("INSERT INTO observations (observed_at, item_number, ") + ValueColumns +
                        QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"))) {
        return failure(step, insert.lastError());
    }
    if (!last.prepare(QStringLiteral("SELECT ") + ValueColumns +
                      QStringLiteral(" FROM observations WHERE item_number = ? ORDER BY id DESC LIMIT 1"))) {
        return failure(step, last.lastError());
    }
    QSet<QString> seen; // the items in written, so that a long list costs no search per row
    for (const Kept& kept : std::as_const(m_kept)) {
        const Observation& row = kept.row;
        if (kept.compareStored) {
            last.bindValue(0, row.itemNumber);
            if (!last.exec()) {
                return failure(step, last.lastError());
            }
            const bool same = last.next() && valuesAt(last, 0) == row.values;
            last.finish();
            if (same) {
                continue;
            }
        }
        insert.bindValue(0, row.time.toString(Qt::ISODate));
        insert.bindValue(1, row.itemNumber);
        for (int field = 0; field < PageFieldCount; ++field) {
            const std::optional<QString>& value = row.values[field];
            insert.bindValue(2 + field, value ? QVariant(*value) : QVariant(QMetaType::fromType<QString>()));
        }
        if (!insert.exec()) {
            return failure(step, insert.lastError());
        }
        if (!seen.contains(row.itemNumber)) {
            seen.insert(row.itemNumber);
            written << row.itemNumber;
        }
    }
    return std::nullopt;
}

bool HistoryStore::stillTheOpenFile() const
{
    return identityOf(QDir(m_folder).filePath(QLatin1String(HistoryFileName))) == m_identity;
}

HistoryItemNumbers HistoryStore::itemNumbers()
{
    HistoryItemNumbers read;
    if (auto error = openForReading()) {
        read.error = error;
        return read;
    }
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT DISTINCT item_number FROM observations ORDER BY item_number"))) {
        read.error = failure(HistoryError::Step::Opening, query.lastError());
    }
    while (query.next()) {
        read.numbers << query.value(0).toString();
    }
    return read;
}

// A window may ask while the file is closed after a failure: it gets the reason.
std::optional<HistoryError> HistoryStore::openForReading()
{
    if (isOpen()) {
        return std::nullopt;
    }
    if (m_folder.isEmpty()) {
        return HistoryError{
            HistoryError::Cause::Other, HistoryError::Step::Opening, {0, tr("The history is not kept in this run.")}};
    }
    return openFile();
}

HistoryRows HistoryStore::rowsAfter(const QString& itemNumber, qint64 after, qint64 upTo, int limit)
{
    return readRows(QStringLiteral("id > ? AND id <= ? ORDER BY id"), itemNumber, after, upTo, limit);
}

HistoryRows HistoryStore::rowsBefore(const QString& itemNumber, qint64 before, int limit)
{
    return readRows(QStringLiteral("id < ? ORDER BY id DESC"), itemNumber,
                    before > 0 ? before : std::numeric_limits<qint64>::max(), -1, limit);
}

HistoryRows HistoryStore::readRows(const QString& order, const QString& itemNumber, qint64 bound, qint64 upTo,
                                   int limit)
{
    if (auto error = openForReading()) {
        return {{}, error};
    }
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT ") + RowColumns + QStringLiteral(" FROM observations WHERE ") +
                  (itemNumber.isEmpty() ? QString() : QStringLiteral("item_number = ? AND ")) + order +
                  QStringLiteral(" LIMIT ?"));
    if (!itemNumber.isEmpty()) {
        query.addBindValue(itemNumber);
    }
    query.addBindValue(bound);
    if (upTo >= 0) {
        query.addBindValue(upTo);
    }
    query.addBindValue(limit);
    if (!query.exec()) {
        return {{}, failure(HistoryError::Step::Opening, query.lastError())};
    }
    HistoryRows read;
    while (query.next()) {
        const QDateTime time = QDateTime::fromString(query.value(1).toString(), Qt::ISODate).toUTC();
        read.rows << Observation{time, query.value(2).toString(), valuesAt(query, 3), query.value(0).toLongLong()};
    }
    return read;
}

std::optional<std::pair<qint64, qint64>> HistoryStore::extent(const QString& itemNumber)
{
    if (openForReading()) {
        return std::nullopt;
    }
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT count(*), coalesce(max(id), 0) FROM observations") +
                  (itemNumber.isEmpty() ? QString() : QStringLiteral(" WHERE item_number = ?")));
    if (!itemNumber.isEmpty()) {
        query.addBindValue(itemNumber);
    }
    if (!query.exec() || !query.next()) {
        return std::nullopt;
    }
    return std::pair(query.value(0).toLongLong(), query.value(1).toLongLong());
}

std::optional<HistoryError> HistoryStore::exec(const QString& statement, HistoryError::Step step)
{
    QSqlQuery query(m_db);
    if (!query.exec(statement)) {
        return failure(step, query.lastError());
    }
    return std::nullopt;
}

HistoryError HistoryStore::failure(HistoryError::Step step, const QSqlError& error) const
{
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number);
    QString description = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    if (description.isEmpty()) {
        description = tr("SQLite gave no reason");
    }
    return {number ? causeOf(code) : HistoryError::Cause::Other, step, {number ? code : 0, description}};
}

void HistoryStore::close()
{
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
    }
}
