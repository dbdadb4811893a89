#include "ui/main/TrayIcon.h"

#include "ui/Icons.h"

#include <QAction>
#include <QCloseEvent>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QMenu>
#include <QWidget>

namespace {
const QString NotificationService = QStringLiteral("org.freedesktop.Notifications");
const QString NotificationPath = QStringLiteral("/org/freedesktop/Notifications");
const QString DefaultAction = QStringLiteral("default");
constexpr int NotificationMs = 10000;
} // namespace

TrayIcon::TrayIcon(QWidget& window, QMenu& menu, Activation activation, QObject* parent)
    : QObject(parent), m_window(window), m_activation(activation),
      m_trayAvailable(QSystemTrayIcon::isSystemTrayAvailable())
{
    m_icon.setIcon(Icons::program());
    m_icon.setToolTip(QStringLiteral("Bidorra"));
    // The way back to the window heads the command menu.
    auto* showWindow = new QAction(tr("Show &Bidorra"), this);
    showWindow->setObjectName(QStringLiteral("showWindowAction"));
    const QList<QAction*> commands = menu.actions();
    menu.insertAction(commands.value(0), showWindow);
    menu.insertSeparator(commands.value(0));
    connect(showWindow, &QAction::triggered, this, &TrayIcon::windowWanted);
    m_icon.setContextMenu(&menu);
    connect(&m_icon, &QSystemTrayIcon::activated, this, &TrayIcon::activated);
    connect(&m_icon, &QSystemTrayIcon::messageClicked, this, &TrayIcon::windowWanted);
    QDBusConnection::sessionBus().connect(NotificationService, NotificationPath, NotificationService,
                                          QStringLiteral("ActionInvoked"), this,
                                          SLOT(notificationAction(uint, QString)));
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
    Q_EMIT notified(title, text);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        m_icon.showMessage(title, text, Icons::program(), NotificationMs);
        return;
    }
    // Qt's own notifications carry no action, so a click on them would do nothing: ask the server
    // directly, with the default action that a click invokes. Nothing waits for its answer.
    QDBusMessage call = QDBusMessage::createMethodCall(NotificationService, NotificationPath, NotificationService,
                                                       QStringLiteral("Notify"));
    call << QStringLiteral("Bidorra") << m_notificationId << QStringLiteral("org.bidorra.bidorra") << title << text
         << QStringList{DefaultAction, tr("Show Bidorra")}
         << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("org.bidorra.bidorra")}} << NotificationMs;
    auto* answer = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this, title, text](QDBusPendingCallWatcher* watcher) {
        const QDBusPendingReply<uint> reply = *watcher;
        watcher->deleteLater();
        if (reply.isValid()) {
            m_notificationId = reply.value();
        } else {
            m_icon.showMessage(title, text, Icons::program(), NotificationMs); // no notification server
        }
    });
}

void TrayIcon::notificationAction(uint id, const QString& action)
{
    if (id != 0 && id == m_notificationId && action == DefaultAction) {
        Q_EMIT windowWanted();
    }
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
