#pragma once

#include "core/ItemPageReader.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class Messages;
class QSqlError;

inline constexpr auto HistoryFileName = "history.sqlite";
inline constexpr auto HistoryErrorHeadline = "Error with history.sqlite File";

// What an item page said at one time, as the history keeps it.
struct Observation
{
    using Values = std::array<std::optional<QString>, PageFieldCount>;

    QDateTime time; // UTC, to the second
    QString itemNumber;
    Values values; // by PageField; empty where the page had no such value

    const std::optional<QString>& value(PageField field) const { return values[static_cast<int>(field)]; }
};

// Every change an item page showed, kept in history.sqlite in the program folder. A row is
// written only when some value differs from the item's last row, which is kept in memory once
// looked up, so a quiet item costs a comparison and no query. The rows of one cycle go in one
// transaction. A file that cannot be opened, read or written is reported once, and the store
// then keeps nothing more until the program starts again; monitoring never depends on it.
class HistoryStore : public QObject
{
    Q_OBJECT
public:
    // The newest layout of the file; older files are brought up to it when opened.
    static constexpr int SchemaVersion = 2;

    explicit HistoryStore(Messages& messages, QObject* parent = nullptr);
    ~HistoryStore() override;

    // Opens (or creates) history.sqlite in the folder; false, after a message, when it cannot.
    bool open(const QString& folder);
    bool isOpen() const { return m_db.isOpen(); }

    // A cycle begins and ends: its rows are written together. A cycle that never ends (the
    // program goes first) is written when the store goes.
    void beginCycle();
    void endCycle();
    // A page was read: a row when anything differs from the item's last one.
    void record(const QString& itemNumber, const ItemPageReading& reading, const QDateTime& time);

    // The item numbers that have rows, in order; and one item's rows (every row when the
    // number is empty), oldest first.
    QStringList itemNumbers();
    QList<Observation> observations(const QString& itemNumber);

Q_SIGNALS:
    void recorded(const QString& itemNumber);

private:
    bool migrate();
    std::optional<Observation::Values> lastValues(const QString& itemNumber);
    bool exec(const QString& statement);
    // Reports the failure, once, and closes the store.
    void fail(const QString& title, const QSqlError& error);
    void close();

    Messages& m_messages;
    QString m_connection;
    QSqlDatabase m_db;
    std::optional<QSqlQuery> m_insert;
    std::optional<QSqlQuery> m_selectLast;
    // The last row of every item looked up so far; an empty entry: the item has no rows yet.
    QHash<QString, std::optional<Observation::Values>> m_last;
    bool m_inCycle = false;
    bool m_failed = false;
};
