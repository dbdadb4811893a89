#pragma once

#include "storage/HistoryStore.h"

#include <QObject>
#include <QTimer>

// Reads every row of one item (of every item when the number is empty) that is stored when it
// starts, oldest first, a page at a time from the event loop: a slice of pages never takes
// long, so a window stays responsive however long the history. Dropping it stops it.
class HistoryScan : public QObject
{
    Q_OBJECT
public:
    HistoryScan(HistoryStore& store, const QString& itemNumber, QObject* parent = nullptr);

    // The first slice comes from the event loop.
    void start();
    // Reads the rest at once.
    void finishNow();
    void stop();
    // Goes on to the rows stored since it started, whether it ended or not.
    void readOnward();

    qint64 total() const { return m_total; }
    qint64 done() const { return m_done; }
    bool isRunning() const { return m_running; }

Q_SIGNALS:
    void rowsRead(const QList<Observation>& rows);
    void finished(const std::optional<HistoryError>& error);

private:
    bool readPage();
    void slice();
    void end(const std::optional<HistoryError>& error);

    HistoryStore& m_store;
    QString m_itemNumber;
    QTimer m_next;
    qint64 m_after = 0;
    qint64 m_upTo = 0;
    qint64 m_total = 0;
    qint64 m_done = 0;
    bool m_running = false;
};
