#pragma once

#include "core/AppState.h"
#include "core/ResultsGrid.h"

#include <QObject>
#include <QString>
#include <chrono>
#include <memory>

class AboutHost;
class Clock;
class ConnectionProbe;
class HttpTransfer;
class LogWindowHost;
class MainWindow;
class Messages;
class Monitor;
class PageParser;
class QNetworkAccessManager;
class Registry;
class Retriever;
class SetupHost;
class Shell;
class Sound;
class TrayIntegration;

// Creates everything, owns the one instance of each window, runs start-up and ExitProgram.
// The program folder and the auction site's host are handed in: main() gives the executable's
// folder and the real site, the tests and the sample-site launcher give their own.
class Application : public QObject
{
    Q_OBJECT
public:
    // What a test may put in place of the real platform; what it leaves null is the real one.
    struct Platform
    {
        Messages* messages = nullptr;
        ConnectionProbe* probe = nullptr;
        Sound* sound = nullptr;
        Shell* shell = nullptr;
        Registry* registry = nullptr;
        const Clock* clock = nullptr;
        std::chrono::milliseconds timeout = std::chrono::seconds(60);
    };

    explicit Application(const QString& programFolder, const QString& siteHost = defaultSiteHost());
    Application(const QString& programFolder, const QString& siteHost, const Platform& platform);
    ~Application() override;

    static QString defaultSiteHost();

    // Start-up: loads the files, puts the window into its stopped state, shows it and the tray icon.
    void start();
    // The Exit command: cancels the transfer, unloads the windows and ends the event loop.
    void ExitProgram();

    AppState& state() { return m_state; }
    CycleState& cycle() { return m_cycle; }
    ResultsGrid& grid() { return m_grid; }
    MainWindow& mainWindow() { return *m_window; }
    Monitor& monitor() { return *m_monitor; }
    LogWindowHost& log() { return *m_log; }
    SetupHost& setup() { return *m_setup; }
    AboutHost& about() { return *m_about; }
    TrayIntegration& tray() { return *m_tray; }

Q_SIGNALS:
    void exited();

private:
    void LoadSettings();
    void saveGrid();
    void wireCommands();

    QString m_programFolder;
    QString m_siteHost;

    // The real platform, for whatever the caller did not replace.
    std::unique_ptr<Messages> m_ownMessages;
    std::unique_ptr<ConnectionProbe> m_ownProbe;
    std::unique_ptr<Sound> m_ownSound;
    std::unique_ptr<Shell> m_ownShell;
    std::unique_ptr<Registry> m_ownRegistry;
    std::unique_ptr<const Clock> m_ownClock;
    Messages& m_messages;
    ConnectionProbe& m_probe;
    Sound& m_sound;
    Shell& m_shell;
    Registry& m_registry;
    const Clock& m_clock;

    AppState m_state;
    CycleState m_cycle;
    ResultsGrid m_grid;
    std::unique_ptr<QNetworkAccessManager> m_network;
    std::unique_ptr<HttpTransfer> m_transfer;
    std::unique_ptr<LogWindowHost> m_log;
    std::unique_ptr<PageParser> m_parser;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<SetupHost> m_setup;
    std::unique_ptr<Retriever> m_retriever;
    std::unique_ptr<Monitor> m_monitor;
    std::unique_ptr<TrayIntegration> m_tray;
    std::unique_ptr<AboutHost> m_about;
};
