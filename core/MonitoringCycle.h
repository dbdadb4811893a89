#pragma once

#include "core/HttpGet.h"
#include "core/ItemPageReader.h"
#include "platform/Messages.h"

#include <QObject>
#include <QString>
#include <optional>

class Clock;
class Messages;
class QStringListModel;
class ResultsModel;
class Settings;

// One pass over the item list: for each item in turn it writes the number into the item's row,
// fetches the page, writes what the page says into the row, logs a changed price and waits for
// any message box to be closed before it goes on. A problem marks the item's row; when the user
// chose so, it goes into the log instead of a box and the pass goes straight on. It is driven by
// the network's signals and the message boxes' closing; nothing in it waits.
class MonitoringCycle : public QObject
{
    Q_OBJECT
public:
    enum class Outcome { Completed, Halted };

    struct Services
    {
        const QStringListModel& items;
        ResultsModel& results;
        Messages& messages;
        const Clock& clock;
        const Settings& settings;
        QString siteHost;
        HttpGet::Limits limits;
    };

    explicit MonitoringCycle(const Services& services, QObject* parent = nullptr);

    // Sizes the grid for the list and asks for the first item's page; an empty list finishes at once.
    void start();
    // Stop: the transfer ends and nothing more happens, not even finished().
    void abort();
    // The connection went away: a transfer in progress fails as one that got no answer.
    void cancelTransfer();

Q_SIGNALS:
    void statusChanged(const QString& text);
    void logLine(const QString& line);
    void priceChanged(const QString& itemNumber, const QString& oldPrice, const QString& newPrice);
    // A page's values are in the item's row (and a changed price logged): what the page said.
    void pageRead(const QString& itemNumber, const ItemPageReading& reading);
    // The item brought no page, or one that could not be read: its message, and the transfer's
    // failure in plain words where that was the cause.
    void problemMet(const QString& itemNumber, const Message& message, const QString& cause);
    // An item whose page changed a price is done: the alerts are due.
    void changesMet();
    void finished(MonitoringCycle::Outcome outcome);

private:
    void fetch(int index);
    void headerReceived();
    void bodyReceived(const QByteArray& body);
    void transferFailed(const TransferFailure& failure);
    // The item's row, brought back if Setup's OK cleared the grid meanwhile; false when the item
    // no longer stands where it stood in the list.
    bool rowReady();
    // Writes what the page says into the item's row; the failure that ends monitoring, if any.
    std::optional<QString> write(const ItemPageReading& reading);
    // What follows an item: the next one, or the end of monitoring after a failure that halts it.
    enum class AfterItem { NextItem, Halt };
    // A problem with the item: its row shows it, then a box or a log line tells it.
    void report(Message message, const QString& cause, AfterItem after);
    void closeItem(AfterItem after);
    void finish(Outcome outcome);

    Services m_services;
    HttpGet m_get;
    int m_index = 0;
    int m_count = 0;
    QString m_itemNumber;
    QString m_url;
    bool m_changed = false;
    bool m_over = false;
};
