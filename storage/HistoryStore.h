#pragma once

#include "core/ItemPageReader.h"
#include "storage/FileError.h"
#include "storage/Observation.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <array>
#include <chrono>
#include <optional>
#include <sys/types.h>

class QSqlError;

inline constexpr auto HistoryFileName = "history.sqlite";

// Why the history file could not be used, for whoever shows it. The error carries SQLite's
// code and text, the system's errno and text, or (number 0) what the store itself found.
struct HistoryError
{
    enum class Cause {
        Busy,        // another program holds the file
        Full,        // nothing more could be written to the disk
        NoAccess,    // the file or its folder may not be written
        Damaged,     // no database, a damaged one, or not one of ours
        NewerLayout, // a newer version of the program made it
        NotRegular,  // a link, folder, pipe or device at one of the file's names
        Replaced,    // deleted or replaced while open: the store went on with a new file
        Other,
    };
    enum class Step { Opening, Saving };

    Cause cause = Cause::Other;
    Step step = Step::Opening;
    FileError error;
};

// One read of rows, or why it failed.
struct HistoryRows
{
    QList<Observation> rows;
    std::optional<HistoryError> error;
};

struct HistoryItemNumbers
{
    QStringList numbers;
    std::optional<HistoryError> error;
};

// Every change an item page showed, kept in history.sqlite in the program folder. A page is
// kept in memory when anything differs from the item's last row, and write() stores what was
// kept in one transaction. When the file cannot be written, the rows stay kept (up to a limit)
// and the next write() tries again, opening the file anew; a file deleted or replaced while
// open is noticed then and made again. The store never waits on its own: only a write waits,
// for a lock another program holds, at most lockWait and not again until a write succeeded.
class HistoryStore : public QObject
{
    Q_OBJECT
public:
    // The newest layout of the file; older files are brought up to it when opened.
    static constexpr int SchemaVersion = 2;
    // Rows kept at most while the file cannot be written; the oldest go first.
    static constexpr qsizetype KeptLimit = 20000;

    explicit HistoryStore(QObject* parent = nullptr);
    // Writes what is still kept; there is nobody to tell when that fails.
    ~HistoryStore() override;

    // Opens (or makes) history.sqlite in the folder; write() opens it again after a failure.
    std::optional<HistoryError> open(const QString& folder);
    bool isOpen() const { return m_db.isOpen(); }
    void setLockWait(std::chrono::milliseconds wait) { m_lockWait = wait; }

    // A page was read: kept for the next write() when anything differs from the item's last row.
    void record(const QString& itemNumber, const ItemPageReading& reading, const QDateTime& time);
    qsizetype keptCount() const { return m_kept.size(); }
    // Stores the rows kept. A Replaced error comes with rows stored all the same.
    std::optional<HistoryError> write();

    // The item numbers that have rows, in order.
    HistoryItemNumbers itemNumbers();
    // Rows of one item (of every item when the number is empty): up to limit rows stored after
    // the row `after` and not after `upTo`, oldest first; or up to limit rows stored before
    // the row `before` (0: the newest), newest first.
    HistoryRows rowsAfter(const QString& itemNumber, qint64 after, qint64 upTo, int limit);
    HistoryRows rowsBefore(const QString& itemNumber, qint64 before, int limit);
    // How many rows there are, and the last one's id.
    std::optional<std::pair<qint64, qint64>> extent(const QString& itemNumber);

Q_SIGNALS:
    void recorded(const QString& itemNumber);

private:
    struct Kept
    {
        Observation row;
        bool compareStored; // the item's last stored row was not known when it was kept
    };

    std::optional<HistoryError> openFile();
    std::optional<HistoryError> openForReading();
    std::optional<HistoryError> checkNames() const;
    std::optional<HistoryError> readVersion(int& version);
    std::optional<HistoryError> migrate(int version);
    std::optional<HistoryError> inTransaction(const QStringList& statements, HistoryError::Step step);
    std::optional<HistoryError> writeKept();
    std::optional<HistoryError> insertKept(QStringList& written);
    bool stillTheOpenFile() const;
    HistoryRows readRows(const QString& statement, const QString& itemNumber, qint64 bound, qint64 upTo, int limit);
    HistoryError failure(HistoryError::Step step, const QSqlError& error) const;
    std::optional<HistoryError> exec(const QString& statement, HistoryError::Step step = HistoryError::Step::Opening);
    void close();

    QString m_folder;
    QString m_connection;
    QSqlDatabase m_db;
    std::pair<dev_t, ino_t> m_identity = {};
    std::chrono::milliseconds m_lockWait{4000};
    bool m_failing = false;
    QList<Kept> m_kept;
    // The last row of every item seen so far, stored or kept.
    QHash<QString, Observation::Values> m_last;
};
