#pragma once

#include "core/HttpGet.h"
#include "core/ItemPageReader.h"

#include <QObject>
#include <QString>
#include <optional>

class Clock;
class Messages;
class QStringListModel;
class ResultsModel;
struct Message;

// One pass over the item list: for each item in turn it writes the number into the item's row,
// fetches the page, writes what the page says into the row, logs a changed price and waits for
// any message box to be closed before it goes on. It is driven by the network's signals and
// the message boxes' closing; nothing in it waits.
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
    // An item whose page changed a price is done: the alerts are due.
    void changesMet();
    void finished(MonitoringCycle::Outcome outcome);

private:
    void fetch(int index);
    void headerReceived();
    void bodyReceived(const QByteArray& body);
    void transferFailed(const TransferFailure& failure);
    // Writes what the page says into the item's row; the failure that ends monitoring, if any.
    std::optional<QString> write(const ItemPageReading& reading);
    void endItem(const std::optional<Message>& message, bool halt);
    void closeItem(bool halt);
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
