#include "core/MonitoringCycle.h"

#include "core/AuctionSite.h"
#include "core/ItemPageReader.h"
#include "core/PageDecoder.h"
#include "core/ResponseStatus.h"
#include "core/ResultsModel.h"
#include "platform/Clock.h"
#include "platform/Messages.h"

#include <QStringListModel>

namespace {
struct FieldColumn
{
    PageField field;
    int column;
};

constexpr FieldColumn FieldColumns[] = {
    {PageField::Quantity, ResultsModel::Quantity}, {PageField::Bids, ResultsModel::Bids},
    {PageField::TimeLeft, ResultsModel::TimeLeft}, {PageField::EndTime, ResultsModel::EndTime},
    {PageField::Seller, ResultsModel::Seller},     {PageField::HighBidder, ResultsModel::HighBidder},
};

Message failureMessage(const QString& description)
{
    return {QStringLiteral("Error: ") + description + QStringLiteral(" occurred."),
            QStringLiteral("Error Retrieving Data"), Message::Icon::Critical};
}
} // namespace

MonitoringCycle::MonitoringCycle(const Services& services, QObject* parent)
    : QObject(parent), m_services(services), m_get(services.limits)
{
    connect(&m_get, &HttpGet::headerReceived, this, &MonitoringCycle::headerReceived);
    connect(&m_get, &HttpGet::bodyReceived, this, &MonitoringCycle::bodyReceived);
    connect(&m_get, &HttpGet::failed, this, &MonitoringCycle::transferFailed);
}

void MonitoringCycle::start()
{
    m_count = m_services.items.rowCount();
    m_services.results.setItemCount(m_count);
    fetch(0);
}

void MonitoringCycle::abort()
{
    m_over = true;
    m_get.abort();
}

void MonitoringCycle::cancelTransfer()
{
    if (m_get.isRunning()) {
        m_get.abort();
        transferFailed({TransferFailure::Cause::ConnectionLost});
    }
}

void MonitoringCycle::fetch(int index)
{
    const QStringList items = m_services.items.stringList();
    // Setup's OK may have shortened the list meanwhile; the pass then ends early.
    if (index >= m_count || index >= items.size()) {
        finish(Outcome::Completed);
        return;
    }
    m_index = index;
    m_changed = false;
    m_itemNumber = items.at(index);
    // Setup's OK may also have cleared the grid; the rows come back before the next item.
    if (m_services.results.itemRows() <= index) {
        m_services.results.setItemCount(static_cast<int>(items.size()));
    }
    m_services.results.setText(index, ResultsModel::ItemNumber, m_itemNumber);
    Q_EMIT statusChanged(QStringLiteral("Retrieving Item #") + m_itemNumber);
    m_url = itemPageUrl(m_services.siteHost, m_itemNumber);
    m_get.start(QUrl(m_url, QUrl::TolerantMode));
}

void MonitoringCycle::headerReceived()
{
    if (std::optional<Message> message = statusMessageFor(m_get.headerText(), m_url)) {
        m_get.abort();
        endItem(message, false);
    }
}

void MonitoringCycle::bodyReceived(const QByteArray& body)
{
    const bool cutOff = body.size() >= m_services.limits.bodyBytes;
    const ItemPageReading reading = readItemPage(decodePage(body, m_get.headerValue("Content-Type"), cutOff));
    const std::optional<QString> failure = write(reading);
    endItem(failure ? std::optional(failureMessage(*failure)) : std::nullopt, failure.has_value());
}

void MonitoringCycle::transferFailed(const TransferFailure& /*failure*/)
{
    endItem(statusMessageFor(QByteArray(), m_url), false);
}

std::optional<QString> MonitoringCycle::write(const ItemPageReading& reading)
{
    const std::optional<QString>& price = reading.value(PageField::Price);
    if (!price) {
        return reading.failure; // nothing to write: no price line, or no price on it
    }
    ResultsModel& results = m_services.results;
    if (m_index >= results.itemRows()) {
        return QStringLiteral("Row %1 of the grid was cleared while its page was read").arg(m_index + 1);
    }
    const QString oldPrice = results.text(m_index, ResultsModel::Price);
    if (*price != oldPrice) {
        results.setText(m_index, ResultsModel::Price, *price);
        m_changed = true;
        const QString itemNumber = results.text(m_index, ResultsModel::ItemNumber);
        const QString time = m_services.clock.now().time().toString(QStringLiteral("HH:mm:ss"));
        Q_EMIT logLine(QStringLiteral("At ") + time + QStringLiteral(" : Item #") + itemNumber +
                       QStringLiteral(" Price= ") + *price);
        Q_EMIT priceChanged(itemNumber, oldPrice, *price);
    }
    for (const FieldColumn& target : FieldColumns) {
        if (const std::optional<QString>& value = reading.value(target.field)) {
            results.setText(m_index, target.column, *value);
        }
    }
    Q_EMIT pageRead(m_itemNumber, reading);
    return reading.failure;
}

void MonitoringCycle::endItem(const std::optional<Message>& message, bool halt)
{
    if (message) {
        m_services.messages.show(*message, this, [this, halt] { closeItem(halt); });
    } else {
        closeItem(halt);
    }
}

void MonitoringCycle::closeItem(bool halt)
{
    if (m_over) {
        return;
    }
    Q_EMIT statusChanged(QStringLiteral("Stopped"));
    if (halt) {
        finish(Outcome::Halted);
        return;
    }
    if (m_changed) {
        Q_EMIT changesMet();
    }
    fetch(m_index + 1);
}

void MonitoringCycle::finish(Outcome outcome)
{
    m_over = true;
    Q_EMIT finished(outcome);
}
