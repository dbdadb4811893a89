#include "app/HistoryFeature.h"

#include "core/Monitor.h"
#include "platform/Clock.h"

#include <QEvent>
#include <QSettings>

namespace {
const QString WindowKey = QStringLiteral("historyWindow/geometry");
} // namespace

HistoryFeature::HistoryFeature(const Services& services, QObject* parent)
    : QObject(parent), m_services(services), m_store(services.messages)
{}

HistoryFeature::~HistoryFeature()
{
    closeWindow();
}

void HistoryFeature::start()
{
    if (!m_services.keepHistory || !m_store.open(m_services.programFolder)) {
        return;
    }
    Monitor& monitor = m_services.monitor;
    connect(&monitor, &Monitor::cycleStarted, &m_store, &HistoryStore::beginCycle);
    connect(&monitor, &Monitor::pageRead, this, [this](const QString& itemNumber, const ItemPageReading& reading) {
        m_store.record(itemNumber, reading, m_services.clock.now());
    });
    connect(&monitor, &Monitor::cycleEnded, &m_store, &HistoryStore::endCycle);
}

void HistoryFeature::showItem(const QString& itemNumber)
{
    if (!m_window) {
        m_window = new HistoryWindow(m_store, m_services.messages, m_services.clock, m_services.programFolder);
        m_window->restoreGeometry(m_services.preferences.value(WindowKey).toByteArray());
        m_window->installEventFilter(this);
    }
    m_window->showItem(itemNumber);
}

void HistoryFeature::closeWindow()
{
    if (m_window) {
        m_window->hide(); // its place is noted while it is still whole
        delete m_window.data();
    }
}

bool HistoryFeature::eventFilter(QObject* watched, QEvent* event)
{
    // A window being destroyed is no history window any more, and has no place worth keeping.
    if (event->type() == QEvent::Hide) {
        if (const auto* window = qobject_cast<HistoryWindow*>(watched)) {
            m_services.preferences.setValue(WindowKey, window->saveGeometry());
        }
    }
    return QObject::eventFilter(watched, event);
}
