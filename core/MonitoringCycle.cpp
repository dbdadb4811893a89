#include "core/MonitoringCycle.h"

#include "core/AuctionSite.h"
#include "core/ItemPageReader.h"
#include "core/PageDecoder.h"
#include "core/ResponseStatus.h"
#include "core/ResultsModel.h"
#include "core/Settings.h"
#include "platform/Clock.h"
#include "platform/Messages.h"

#include <QCoreApplication>
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
    return {QCoreApplication::translate("MonitoringCycle", "Error: %1 occurred.").arg(description),
            QCoreApplication::translate("MonitoringCycle", "Error Retrieving Data"), Message::Icon::Critical};
}

QString timeText(const QDateTime& time)
{
    return time.time().toString(QStringLiteral("HH:mm:ss"));
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
    Q_EMIT statusChanged(tr("Retrieving Item #%1").arg(m_itemNumber));
    m_url = itemPageUrl(m_services.siteHost, m_itemNumber);
    m_get.start(QUrl(m_url, QUrl::TolerantMode));
}

void MonitoringCycle::headerReceived()
{
    if (std::optional<Message> message = statusMessageFor(m_get.headerText(), m_url)) {
        m_get.abort();
        report(*message, QString(), AfterItem::NextItem);
    }
}

void MonitoringCycle::bodyReceived(const QByteArray& body)
{
    const bool cutOff = body.size() >= m_services.limits.bodyBytes;
    const ItemPageReading reading = readItemPage(decodePage(body, m_get.headerValue("Content-Type"), cutOff));
    if (const std::optional<QString> failure = write(reading)) {
        report(failureMessage(*failure), QString(), AfterItem::Halt);
    } else {
        closeItem(AfterItem::NextItem);
    }
}

void MonitoringCycle::transferFailed(const TransferFailure& failure)
{
    // No header at all: the message of an empty status.
    report(statusMessageFor(QByteArray(), m_url).value(), transferFailureText(failure, m_services.limits.deadline),
           AfterItem::NextItem);
}

bool MonitoringCycle::rowReady()
{
    ResultsModel& results = m_services.results;
    if (m_index < results.itemRows()) {
        return true;
    }
    const QStringList items = m_services.items.stringList();
    if (m_index >= items.size() || items.at(m_index) != m_itemNumber) {
        return false;
    }
    results.setItemCount(static_cast<int>(items.size()));
    results.setText(m_index, ResultsModel::ItemNumber, m_itemNumber);
    return true;
}

std::optional<QString> MonitoringCycle::write(const ItemPageReading& reading)
{
    if (!rowReady()) {
        return std::nullopt; // the item left the list while its page came: the values have no row
    }
    ResultsModel& results = m_services.results;
    ResultsModel::Texts texts;
    ResultsModel::RowState state; // a page came: no problem, and no change unless its price says so
    const std::optional<QString>& price = reading.value(PageField::Price);
    if (price) { // without a price line, or a price on it, the page writes nothing
        const QString oldPrice = results.text(m_index, ResultsModel::Price);
        if (*price != oldPrice) {
            texts[ResultsModel::Price] = *price;
            m_changed = true;
            // The first price after start-up or a reset is news to the grid, not a change to show.
            if (!oldPrice.isEmpty()) {
                state.previousPrice = oldPrice;
            }
            Q_EMIT logLine(QStringLiteral("At ") + timeText(m_services.clock.now()) + QStringLiteral(" : Item #") +
                           m_itemNumber + QStringLiteral(" Price= ") + *price);
            Q_EMIT priceChanged(m_itemNumber, oldPrice, *price);
        }
        for (const FieldColumn& target : FieldColumns) {
            texts[target.column] = reading.value(target.field);
        }
    }
    results.setRow(m_index, texts, state);
    if (price) {
        Q_EMIT pageRead(m_itemNumber, reading);
    }
    return reading.failure;
}

void MonitoringCycle::report(Message message, const QString& cause, AfterItem after)
{
    const QDateTime now = m_services.clock.now();
    if (rowReady()) {
        ResultsModel::RowState state = m_services.results.state(m_index);
        state.problem = ItemProblem{message.text, cause, now};
        if (after == AfterItem::NextItem) {
            state.previousPrice.reset(); // no page came, so its price was not looked at this time
        }
        m_services.results.setRow(m_index, {}, state);
    }
    Q_EMIT problemMet(m_itemNumber, message, cause);
    if (m_services.settings.reportWithoutInterrupting()) {
        QString line = QStringLiteral("At ") + timeText(now) + QStringLiteral(" : Item #") + m_itemNumber +
                       QStringLiteral(": ") + message.text.section(u'\r', 0, 0);
        if (!cause.isEmpty()) {
            line += QStringLiteral(" (") + cause + u')';
        }
        Q_EMIT logLine(line);
        closeItem(AfterItem::NextItem);
        return;
    }
    message.detail = cause.isEmpty() ? tr("Item #%1").arg(m_itemNumber) : tr("Item #%1: %2").arg(m_itemNumber, cause);
    if (after == AfterItem::Halt) {
        message.detail += u'\n' + tr("Monitoring stops after this item.");
    }
    message.unprompted = true;
    m_services.messages.show(message, this, [this, after] { closeItem(after); });
}

void MonitoringCycle::closeItem(AfterItem after)
{
    if (m_over) {
        return;
    }
    Q_EMIT statusChanged(tr("Stopped"));
    if (after == AfterItem::Halt) {
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
