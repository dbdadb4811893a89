#include "app/HistoryFeature.h"

#include "core/Monitor.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "ui/HistoryMessages.h"

#include <QEvent>
#include <QSettings>

namespace {
const QString WindowKey = QStringLiteral("historyWindow/geometry");
} // namespace

HistoryFeature::HistoryFeature(const Services& services, QObject* parent) : QObject(parent), m_services(services) {}

HistoryFeature::~HistoryFeature()
{
    closeWindow();
}

void HistoryFeature::start()
{
    if (!m_services.keepHistory) {
        return;
    }
    report(m_store.open(m_services.programFolder), Occasion::StartUp);
    // A file that cannot be used now is tried again at the end of every cycle.
    Monitor& monitor = m_services.monitor;
    connect(&monitor, &Monitor::pageRead, this, [this](const QString& itemNumber, const ItemPageReading& reading) {
        m_store.record(itemNumber, reading, m_services.clock.now());
    });
    connect(&monitor, &Monitor::cycleEnded, this, [this] { report(m_store.write(), Occasion::Cycle); });
}

void HistoryFeature::report(const std::optional<HistoryError>& error, Occasion occasion)
{
    const bool failed = error && error->cause != HistoryError::Cause::Replaced;
    if (error && !(failed && m_failing)) {
        Message message = historyMessage(*error);
        message.unprompted = occasion == Occasion::Cycle;
        m_services.messages.show(message);
    }
    m_failing = failed;
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
        m_window->hide();       // its place is noted while it is still whole
        delete m_window.data(); // an export under way completes first
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
