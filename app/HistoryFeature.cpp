#include "app/HistoryFeature.h"

#include "core/Monitor.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "ui/HistoryMessages.h"
#include "ui/main/CommandActions.h"
#include "ui/main/TrayIcon.h"

#include <QAction>
#include <QEvent>
#include <QSettings>

namespace {
const QString NotificationKey = QStringLiteral("alerts/desktopNotification");
const QString WindowKey = QStringLiteral("historyWindow/geometry");
} // namespace

HistoryFeature::HistoryFeature(const Services& services, QObject* parent) : QObject(parent), m_services(services)
{
    QAction* notification = m_services.actions.notification();
    notification->setChecked(m_services.preferences.value(NotificationKey, false).toBool());
    connect(notification, &QAction::toggled, this,
            [this](bool on) { m_services.preferences.setValue(NotificationKey, on); });
    connect(&m_services.monitor, &Monitor::priceChanged, this, &HistoryFeature::priceChanged);
}

HistoryFeature::~HistoryFeature()
{
    closeWindow();
}

void HistoryFeature::start()
{
    if (!m_services.keepHistory) {
        return;
    }
    report(m_store.open(m_services.programFolder));
    // A file that cannot be used now is tried again at the end of every cycle.
    Monitor& monitor = m_services.monitor;
    connect(&monitor, &Monitor::pageRead, this, [this](const QString& itemNumber, const ItemPageReading& reading) {
        m_store.record(itemNumber, reading, m_services.clock.now());
    });
    connect(&monitor, &Monitor::cycleEnded, this, [this] { report(m_store.write()); });
}

void HistoryFeature::report(const std::optional<HistoryError>& error)
{
    const bool failed = error && error->cause != HistoryError::Cause::Replaced;
    if (error && !(failed && m_failing)) {
        m_services.messages.show(historyMessage(*error));
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

// The first price an item shows after start-up, or after the grid was cleared, is news to
// the grid but no change to tell the user about.
void HistoryFeature::priceChanged(const QString& itemNumber, const QString& oldPrice, const QString& newPrice)
{
    if (m_services.actions.notification()->isChecked() && !oldPrice.isEmpty()) {
        m_services.tray.notify(QStringLiteral("Item #") + itemNumber,
                               QStringLiteral("Price changed from ") + oldPrice + QStringLiteral(" to ") + newPrice);
    }
}
