#include "ui/main/TrayIcon.h"

#include "ui/Icons.h"

#include <QCloseEvent>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QMenu>
#include <QWidget>

TrayIcon::TrayIcon(QWidget& window, QMenu& menu, Activation activation, QObject* parent)
    : QObject(parent), m_window(window), m_activation(activation),
      m_trayAvailable(QSystemTrayIcon::isSystemTrayAvailable())
{
    m_icon.setIcon(Icons::program());
    m_icon.setToolTip(QStringLiteral("Bidorra"));
    m_icon.setContextMenu(&menu);
    connect(&m_icon, &QSystemTrayIcon::activated, this, &TrayIcon::activated);
    m_window.installEventFilter(this);
}

TrayIcon::~TrayIcon()
{
    m_window.removeEventFilter(this);
}

TrayIcon::Activation TrayIcon::desktopActivation()
{
    // Qt speaks StatusNotifierItem wherever a watcher for it runs, and always on Wayland.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        return Activation::SingleClick;
    }
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher")) ? Activation::SingleClick
                                                                                            : Activation::DoubleClick;
}

void TrayIcon::show()
{
    m_icon.show();
}

void TrayIcon::remove()
{
    m_removed = true;
    m_icon.hide();
}

bool TrayIcon::isShown() const
{
    return m_trayAvailable && m_icon.isVisible();
}

void TrayIcon::notify(const QString& title, const QString& text)
{
    m_icon.showMessage(title, text, Icons::program(), 10000);
    Q_EMIT notified(title, text);
}

bool TrayIcon::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && event->type() == QEvent::Close && !m_removed) {
        event->ignore();
        if (isShown()) {
            m_window.hide();
        } else {
            m_window.showMinimized();
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TrayIcon::activated(QSystemTrayIcon::ActivationReason reason)
{
    const bool wanted = reason == QSystemTrayIcon::DoubleClick ||
                        (reason == QSystemTrayIcon::Trigger && m_activation == Activation::SingleClick);
    if (wanted) {
        Q_EMIT windowWanted();
    }
}
