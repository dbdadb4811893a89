#pragma once

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <optional>

class MainWindow;

// The program's icon in the notification area and the close-hides behaviour of the main
// window. The right button pops the main window's PopMenu up, a double-click brings the
// window back. Closing the window hides it while the icon offers the way back; where the
// desktop has no tray, closing minimises it instead, so that the task bar still does.
class TrayIntegration : public QObject
{
    Q_OBJECT
public:
    enum class CloseAction { Hide, Minimise };

    explicit TrayIntegration(MainWindow& window, QObject* parent = nullptr);
    ~TrayIntegration() override;

    // Makes the window's close requests hide (or minimise) it instead of closing it.
    void HookMainWindow();
    // Lets close requests close the window again.
    void UnhookMainWindow();
    // Puts the icon into the notification area.
    void add();
    // Takes the icon out of the notification area; the exit sequence calls it.
    void remove();

    // What a close request does now: hide where a tray shows the icon, else minimise.
    CloseAction closeAction() const;
    // Overrides what the platform reports about its tray; nothing restores the report.
    void setTrayAvailable(std::optional<bool> available) { m_trayAvailable = available; }

    // The double-click reaction: the window shows again, in its normal state, in front.
    void restoreWindow();

    QSystemTrayIcon& icon() { return m_icon; }

private:
    void activated(QSystemTrayIcon::ActivationReason reason);
    bool keepWindowOnClose();

    QPointer<MainWindow> m_window;
    QSystemTrayIcon m_icon;
    std::optional<bool> m_trayAvailable;
};
