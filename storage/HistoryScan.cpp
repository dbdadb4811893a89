#include "storage/HistoryScan.h"

#include <QElapsedTimer>

using namespace std::chrono_literals;

namespace {
constexpr int PageRows = 1000;
// Long enough to read a few pages, short enough that a window never stutters.
constexpr auto SliceTime = 15ms;
} // namespace

HistoryScan::HistoryScan(HistoryStore& store, const QString& itemNumber, QObject* parent)
    : QObject(parent), m_store(store), m_itemNumber(itemNumber)
{
    m_next.setSingleShot(true);
    m_next.setInterval(0);
    m_next.callOnTimeout(this, &HistoryScan::slice);
}

void HistoryScan::start()
{
    const auto extent = m_store.extent(m_itemNumber);
    m_total = extent ? extent->first : 0;
    m_upTo = extent ? extent->second : 0;
    m_running = true;
    m_next.start();
}

void HistoryScan::readOnward()
{
    const auto extent = m_store.extent(m_itemNumber);
    if (!extent || extent->second <= m_upTo) {
        return;
    }
    m_total = extent->first;
    m_upTo = extent->second;
    if (!m_running) {
        m_running = true;
        m_next.start();
    }
}

void HistoryScan::finishNow()
{
    m_next.stop();
    while (m_running && readPage()) {
    }
}

void HistoryScan::stop()
{
    m_next.stop();
    m_running = false;
}

void HistoryScan::slice()
{
    QElapsedTimer clock;
    clock.start();
    while (readPage()) {
        if (clock.elapsed() >= SliceTime.count()) {
            m_next.start();
            return;
        }
    }
}

// False once the scan ended.
bool HistoryScan::readPage()
{
    const HistoryRows page = m_store.rowsAfter(m_itemNumber, m_after, m_upTo, PageRows);
    if (page.error) {
        end(page.error);
        return false;
    }
    if (!page.rows.isEmpty()) {
        m_after = page.rows.last().id;
        m_done += page.rows.size();
        Q_EMIT rowsRead(page.rows);
    }
    if (page.rows.size() < PageRows) {
        end(std::nullopt);
        return false;
    }
    return true;
}

void HistoryScan::end(const std::optional<HistoryError>& error)
{
    m_running = false;
    Q_EMIT finished(error);
}
