#pragma once

#include "core/HttpGet.h"
#include "core/ResultsModel.h"
#include "core/Settings.h"
#include "platform/Messages.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/LogWindow.h"
#include "ui/dialogs/SetupDialog.h"
#include "ui/main/TrayIcon.h"

#include <QObject>
#include <QPointer>
#include <QSettings>
#include <QStringListModel>
#include <functional>
#include <memory>
#include <optional>

class ChangeNotifier;
class Clock;
class CommandActions;
class Connectivity;
class HistoryFeature;
class MainWindow;
class Messages;
class Monitor;
class QMenu;
class Shell;
class Sound;

// Where the program keeps and finds its files.
struct Environment
{
    QString programFolder;   // Setup.ini, list.ini and Grid Data.csv
    QString dataFolder;      // the help page and the alert sound
    QString siteHost;        // the auction site
    QString preferencesFile; // window places and the options that the two settings files do not hold
};

// Creates and wires everything: it owns the settings, the item list, the results and the one
// instance of each window, and runs start-up and Exit.
class Application : public QObject
{
    Q_OBJECT
public:
    // What a test may put in place of the real platform; what it leaves empty is the real one.
    struct Platform
    {
        Messages* messages = nullptr;
        Connectivity* connectivity = nullptr;
        Sound* sound = nullptr;
        Shell* shell = nullptr;
        const Clock* clock = nullptr;
        HttpGet::Limits limits;
        std::optional<TrayIcon::Activation> trayActivation;
        // Off: no history.sqlite is opened and the cycles record nothing (for measuring its cost).
        bool keepHistory = true;
    };

    explicit Application(const Environment& environment);
    Application(const Environment& environment, const Platform& platform);
    ~Application() override;

    // Start-up: reads both files, puts the commands into their stopped state and shows the
    // window and the tray icon.
    void start();
    // The Exit command: ends the transfer, puts the windows away and ends the event loop.
    void exit();
    // Shows a message about something outside the windows (the boxes come one at a time).
    void report(const Message& message);

    Settings& settings() { return m_settings; }
    QStringListModel& items() { return m_items; }
    ResultsModel& results() { return m_results; }
    Monitor& monitor() { return *m_monitor; }
    CommandActions& actions() { return *m_actions; }
    MainWindow& mainWindow() { return *m_window; }
    TrayIcon& tray() { return *m_tray; }
    QMenu& menu() { return *m_menu; }
    LogWindow* logWindow() const { return m_log; }
    SetupDialog* setupDialog() const { return m_setup; }
    AboutBox* aboutBox() const { return m_about; }
    HistoryFeature& history() { return *m_history; }

Q_SIGNALS:
    void exited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString programFile(const char* name) const;
    void loadFiles();
    void reloadItemList();
    LogWindow& logWindowMade();
    void showSetup();
    void setupConfirmed(const QStringList& items, const SettingsTexts& texts);
    void replaceFile(const char* name, const char* headline, std::optional<FileError>& unread,
                     const std::function<std::optional<FileError>(const QString&)>& write);
    void showAbout();
    void saveGrid();
    void openHelp();
    void openItem(const QString& itemNumber);
    void keepPreferences();
    void keepColumnWidths();
    void wire();

    Environment m_environment;
    std::unique_ptr<Messages> m_ownMessages;
    std::unique_ptr<Connectivity> m_ownConnectivity;
    std::unique_ptr<Sound> m_ownSound;
    std::unique_ptr<Shell> m_ownShell;
    std::unique_ptr<const Clock> m_ownClock;
    Messages& m_messages;
    Connectivity& m_connectivity;
    Sound& m_sound;
    Shell& m_shell;
    const Clock& m_clock;

    QSettings m_preferences;
    Settings m_settings;
    QStringListModel m_items;
    ResultsModel m_results;
    std::unique_ptr<Monitor> m_monitor;
    std::unique_ptr<CommandActions> m_actions;
    std::unique_ptr<MainWindow> m_window;
    QMenu* m_menu = nullptr;
    std::unique_ptr<TrayIcon> m_tray;
    std::unique_ptr<ChangeNotifier> m_notifier;
    std::unique_ptr<HistoryFeature> m_history;
    QPointer<LogWindow> m_log;
    QPointer<SetupDialog> m_setup;
    QPointer<AboutBox> m_about;
    // Why Setup.ini and list.ini did not load whole when last read: Setup's OK then keeps the
    // file aside instead of replacing what nobody has seen.
    std::optional<FileError> m_settingsUnread;
    std::optional<FileError> m_listUnread;
};
