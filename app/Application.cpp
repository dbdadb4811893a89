#include "app/Application.h"

#include "core/Monitor.h"
#include "core/PageParser.h"
#include "core/Retriever.h"
#include "core/SiteHost.h"
#include "platform/Clock.h"
#include "platform/LinuxConnectionProbe.h"
#include "platform/NoRegistry.h"
#include "platform/QtHttpTransfer.h"
#include "platform/qt/QtMessages.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtSound.h"
#include "storage/FileMessages.h"
#include "storage/GridExport.h"
#include "storage/SettingsFile.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/LogWindowHost.h"
#include "ui/dialogs/SetupHost.h"
#include "ui/main/MainWindow.h"
#include "ui/main/TrayIntegration.h"

#include <QApplication>
#include <QNetworkAccessManager>

namespace {
// Takes the caller's implementation, or makes the real one and keeps it.
template <typename Interface, typename Real> Interface& chosen(Interface* given, std::unique_ptr<Interface>& own)
{
    if (given) {
        return *given;
    }
    own = std::make_unique<Real>();
    return *own;
}
} // namespace

Application::Application(const QString& programFolder, const QString& siteHost)
    : Application(programFolder, siteHost, Platform{})
{}

Application::Application(const QString& programFolder, const QString& siteHost, const Platform& platform)
    : m_programFolder(programFolder), m_siteHost(siteHost),
      m_messages(chosen<Messages, QtMessages>(platform.messages, m_ownMessages)),
      m_probe(chosen<ConnectionProbe, LinuxConnectionProbe>(platform.probe, m_ownProbe)),
      m_sound(chosen<Sound, QtSound>(platform.sound, m_ownSound)),
      m_shell(chosen<Shell, QtShell>(platform.shell, m_ownShell)),
      m_registry(chosen<Registry, NoRegistry>(platform.registry, m_ownRegistry)),
      m_clock(chosen<const Clock, SystemClock>(platform.clock, m_ownClock))
{
    m_network = std::make_unique<QNetworkAccessManager>();
    m_transfer = std::make_unique<QtHttpTransfer>(*m_network, platform.timeout);
    m_log = std::make_unique<LogWindowHost>();
    m_parser = std::make_unique<PageParser>(m_cycle, m_grid, *m_log, m_clock);
    m_window = std::make_unique<MainWindow>(m_state, m_cycle, m_grid, m_shell, m_programFolder, m_siteHost);
    m_setup = std::make_unique<SetupHost>(m_state, m_grid, *m_window, m_messages, m_programFolder);
    m_retriever = std::make_unique<Retriever>(
        Retriever::Ports{m_cycle, *m_transfer, *m_parser, m_messages, *m_window, m_programFolder});
    m_monitor = std::make_unique<Monitor>(Monitor::Ports{m_state, m_cycle, m_grid, *m_setup, *m_retriever, m_probe,
                                                         m_clock, m_sound, *m_window, m_programFolder, m_siteHost});
    m_tray = std::make_unique<TrayIntegration>(*m_window);
    m_about = std::make_unique<AboutHost>(m_registry, m_shell, m_messages);
    wireCommands();
}

Application::~Application()
{
    m_retriever->cancelTransfer();
    m_tray->UnhookMainWindow();
}

QString Application::defaultSiteHost()
{
    return QString::fromLatin1(DefaultSiteHost);
}

void Application::wireCommands()
{
    MainWindow& window = *m_window;
    window.setCommandHandler(QStringLiteral("Start"), [this] { m_monitor->StartMonitoring(); });
    window.setCommandHandler(QStringLiteral("Stop"), [this] { m_monitor->StopMonitoring(); });
    window.setCommandHandler(QStringLiteral("Save"), [this] { saveGrid(); });
    window.setCommandHandler(QStringLiteral("Log"), [this] { m_log->ShowLogWindow(); });
    window.setCommandHandler(QStringLiteral("Setup"), [this] { m_setup->ShowSetupDialog(); });
    window.setCommandHandler(QStringLiteral("About"), [this] { m_about->ShowAboutBox(); });
    window.setCommandHandler(QStringLiteral("Exit"), [this] { ExitProgram(); });
}

void Application::start()
{
    // The program lives in the tray: hiding or closing its last window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    // Every window of the program, the about box's picture included, shows the program icon.
    QApplication::setWindowIcon(m_window->windowIcon());

    // The timers were made with their one-second interval and are off.
    m_cycle.AbortRequested = false;
    m_grid.ResetGrid();
    LoadSettings();
    // Creating the setup dialog loads the item list into it.
    m_setup->ensure();
    m_window->MakeToolbarFlat();
    m_tray->HookMainWindow();
    m_window->setMonitoringCommands(false);
    m_tray->add();
    m_window->show();
}

void Application::LoadSettings()
{
    const SettingsRead read = ::LoadSettings(m_programFolder);
    m_state.PlayWave = read.values.PlayWave;
    m_state.OpenWindow = read.values.OpenWindow;
    m_state.Hours = read.values.Hours;
    m_state.Minutes = read.values.Minutes;
    m_state.Seconds = read.values.Seconds;
    m_window->setSoundIndicator(m_state.PlayWave);
    m_window->setWindowIndicator(m_state.OpenWindow);
    if (read.error) {
        reportFileError(m_messages, SettingsErrorHeadline, OpenFileErrorTitle, *read.error);
    }
}

void Application::saveGrid()
{
    if (const auto error = ExportGrid(m_programFolder, m_grid)) {
        reportFileError(m_messages, GridExportErrorHeadline, SaveFileErrorTitle, *error);
    }
}

void Application::ExitProgram()
{
    m_retriever->cancelTransfer();
    m_setup->destroy();
    m_log->destroy();
    m_about->destroy();
    m_tray->remove();
    m_tray->UnhookMainWindow();
    m_window->closeForExit();
    Q_EMIT exited();
    QCoreApplication::exit(0);
}
