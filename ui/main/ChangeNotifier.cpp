#include "ui/main/ChangeNotifier.h"

#include "core/Settings.h"
#include "ui/main/TrayIcon.h"

#include <utility>

ChangeNotifier::ChangeNotifier(const Settings& settings, TrayIcon& tray, QObject* parent)
    : QObject(parent), m_settings(settings), m_tray(tray)
{}

void ChangeNotifier::cycleStarted()
{
    m_changes.clear();
}

void ChangeNotifier::priceChanged(const QString& itemNumber, const QString& oldPrice, const QString& newPrice)
{
    if (!oldPrice.isEmpty()) {
        m_changes << tr("#%1 %2 (was %3)").arg(itemNumber, newPrice, oldPrice);
    }
}

void ChangeNotifier::cycleEnded()
{
    const QStringList changes = std::exchange(m_changes, {});
    if (changes.isEmpty() || !m_settings.desktopNotification()) {
        return;
    }
    const auto count = changes.size();
    m_tray.notify(count == 1 ? tr("1 price changed") : tr("%1 prices changed").arg(count), changes.join(u", "));
}
