#pragma once

#include <QObject>
#include <QSystemTrayIcon>

class QMenu;
class QWidget;

// The program's icon in the tray, with the command menu on the right button and a way back to
// the main window. While the icon is there, closing the main window hides it; where there is no
// tray, closing minimises it instead. Only Exit ends the program.
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    enum class Activation {
        DoubleClick, // a classic (XEmbed) tray reports double-clicks: one brings the window back
        SingleClick, // a StatusNotifierItem tray reports single activations only
    };

    TrayIcon(QWidget& window, QMenu& menu, Activation activation, QObject* parent = nullptr);
    ~TrayIcon() override;

    // How the running desktop's tray reports clicks.
    static Activation desktopActivation();

    void show();
    // Takes the icon away and lets the window close for good.
    void remove();
    bool isShown() const;
    // Where no tray is available the window minimises on close; tests set this.
    void setTrayAvailable(bool available) { m_trayAvailable = available; }

    QSystemTrayIcon& icon() { return m_icon; }

    // A desktop notification: through the desktop's notification server where one runs, else as
    // a balloon beside the icon. Each one takes the place of the one before; clicking it brings
    // the window back.
    void notify(const QString& title, const QString& text);

Q_SIGNALS:
    void windowWanted();
    void notified(const QString& title, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    // The notification server reports a click (its default action) on a notification of anyone's.
    void notificationAction(uint id, const QString& action);

private:
    void activated(QSystemTrayIcon::ActivationReason reason);

    QWidget& m_window;
    QSystemTrayIcon m_icon;
    Activation m_activation;
    bool m_trayAvailable;
    bool m_removed = false;
    uint m_notificationId = 0; // the server's number for our latest notification; 0 before the first
};
