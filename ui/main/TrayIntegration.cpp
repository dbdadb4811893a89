#include "ui/main/TrayIntegration.h"

#include "ui/main/MainWindow.h"
#include "ui/main/Resources.h"

#include <QIcon>

TrayIntegration::TrayIntegration(MainWindow& window, QObject* parent) : QObject(parent), m_window(&window)
{
    initResources();
    m_icon.setObjectName(QStringLiteral("axsTrayIt1"));
    m_icon.setIcon(QIcon(QStringLiteral(":/icons/bidorra.svg")));
    m_icon.setToolTip(QStringLiteral("Bidorra"));
    m_icon.setContextMenu(window.popMenu());
    connect(&m_icon, &QSystemTrayIcon::activated, this, &TrayIntegration::activated);
}

TrayIntegration::~TrayIntegration()
{
    UnhookMainWindow();
    m_icon.hide();
}

void TrayIntegration::HookMainWindow()
{
    if (m_window) {
        m_window->setCloseHandler([this] { return keepWindowOnClose(); });
    }
}

void TrayIntegration::UnhookMainWindow()
{
    if (m_window) {
        m_window->setCloseHandler({});
    }
}

void TrayIntegration::add()
{
    m_icon.show();
}

void TrayIntegration::remove()
{
    m_icon.hide();
}

TrayIntegration::CloseAction TrayIntegration::closeAction() const
{
    const bool available = m_trayAvailable.value_or(QSystemTrayIcon::isSystemTrayAvailable());
    return available && m_icon.isVisible() ? CloseAction::Hide : CloseAction::Minimise;
}

bool TrayIntegration::keepWindowOnClose()
{
    if (closeAction() == CloseAction::Hide) {
        m_window->hide();
    } else {
        m_window->showMinimized();
    }
    return true;
}

void TrayIntegration::restoreWindow()
{
    if (!m_window) {
        return;
    }
    m_window->showNormal();
    m_window->raise();
    m_window->activateWindow();
    m_window->update();
}

void TrayIntegration::activated(QSystemTrayIcon::ActivationReason reason)
{
    // The right button's menu is the icon's context menu; a single click does nothing.
    if (reason == QSystemTrayIcon::DoubleClick) {
        restoreWindow();
    }
}
