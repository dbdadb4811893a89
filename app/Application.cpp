#include "app/Application.h"

#include "app/HistoryFeature.h"
#include "core/AuctionSite.h"
#include "core/Monitor.h"
#include "platform/Clock.h"
#include "platform/Connectivity.h"
#include "platform/qt/DesktopShell.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/ModuleSound.h"
#include "storage/GridExport.h"
#include "storage/ItemListFile.h"
#include "storage/SaveFile.h"
#include "storage/SettingsFile.h"
#include "ui/RepaintPacer.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/LogWindow.h"
#include "ui/dialogs/SetupDialog.h"
#include "ui/main/Announcer.h"
#include "ui/main/ChangeNotifier.h"
#include "ui/main/CommandActions.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultsView.h"
#include "ui/main/StatusPanels.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <cerrno>

namespace {
// The caller's implementation, or the real one, made and kept.
template <typename Interface, typename Real> Interface& chosen(Interface* given, std::unique_ptr<Interface>& own)
{
    if (!given) {
        own = std::make_unique<Real>();
        return *own;
    }
    return *given;
}

const QString NotificationKey = QStringLiteral("alerts/desktopNotification");
const QString ReportKey = QStringLiteral("Monitoring/ReportWithoutInterrupting");
const QString ColumnWidthsKey = QStringLiteral("mainWindow/columnWidths");
const char* const OpenErrorTitle = QT_TRANSLATE_NOOP("FileError", "Error Opening File");
const char* const SaveErrorTitle = QT_TRANSLATE_NOOP("FileError", "Error Saving File");

Message fileMessage(const char* headline, const char* title, const FileError& error)
{
    return {fileErrorText(QCoreApplication::translate("FileError", headline), error),
            QCoreApplication::translate("FileError", title), Message::Icon::Critical};
}

// A file is missing until the first OK writes it: nothing of it goes unseen.
std::optional<FileError> unreadPart(const std::optional<FileError>& error)
{
    return error && error->number != ENOENT ? error : std::nullopt;
}
} // namespace

Application::Application(const Environment& environment) : Application(environment, Platform{}) {}

Application::Application(const Environment& environment, const Platform& platform)
    : m_environment(environment), m_messages(chosen<Messages, MessageBoxes>(platform.messages, m_ownMessages)),
      m_connectivity(chosen<Connectivity, SystemConnectivity>(platform.connectivity, m_ownConnectivity)),
      m_sound(chosen<Sound, ModuleSound>(platform.sound, m_ownSound)),
      m_shell(chosen<Shell, DesktopShell>(platform.shell, m_ownShell)),
      m_clock(chosen<const Clock, SystemClock>(platform.clock, m_ownClock)),
      m_preferences(environment.preferencesFile, QSettings::IniFormat)
{
    keepPreferences();
    m_monitor = std::make_unique<Monitor>(Monitor::Services{
        m_settings, m_items, m_results, m_connectivity, m_clock, m_sound, m_messages, m_environment.siteHost,
        QDir(m_environment.dataFolder).absoluteFilePath(QStringLiteral("Auction Sound.wav")), platform.limits});
    qApp->installEventFilter(new RepaintPacer(this));
    m_actions = std::make_unique<CommandActions>(m_settings);
    m_window = std::make_unique<MainWindow>(*m_actions, m_results);
    m_menu = new QMenu(tr("Auction"), m_window.get());
    m_menu->setObjectName(QStringLiteral("commandMenu"));
    m_actions->fillMenu(*m_menu);
    m_tray =
        std::make_unique<TrayIcon>(*m_window, *m_menu, platform.trayActivation.value_or(TrayIcon::desktopActivation()));
    m_notifier = std::make_unique<ChangeNotifier>(m_settings, *m_tray);
    m_history = std::make_unique<HistoryFeature>(HistoryFeature::Services{
        *m_monitor, m_messages, m_clock, m_preferences, m_environment.programFolder, platform.keepHistory});
    wire();
    keepColumnWidths();
}

// The widths the user gave the grid's columns (0 for a fitted one), written as they change.
void Application::keepColumnWidths()
{
    ResultsView* grid = m_window->resultsView();
    QList<int> widths;
    for (const QVariant& width : m_preferences.value(ColumnWidthsKey).toList()) {
        widths << width.toInt();
    }
    grid->setKeptWidths(widths);
    connect(grid, &ResultsView::keptWidthsChanged, this, [this, grid] {
        QVariantList kept;
        for (const int width : grid->keptWidths()) {
            kept << width;
        }
        m_preferences.setValue(ColumnWidthsKey, kept);
    });
}

// The options beyond the settings file live in the preferences, off until the user turns them
// on, and are written the moment they change.
void Application::keepPreferences()
{
    m_settings.setDesktopNotification(m_preferences.value(NotificationKey, false).toBool());
    m_settings.setReportWithoutInterrupting(m_preferences.value(ReportKey, false).toBool());
    connect(&m_settings, &Settings::desktopNotificationChanged, this,
            [this](bool on) { m_preferences.setValue(NotificationKey, on); });
    connect(&m_settings, &Settings::reportWithoutInterruptingChanged, this,
            [this](bool on) { m_preferences.setValue(ReportKey, on); });
}

Application::~Application()
{
    delete m_setup.data();
    delete m_log.data();
    delete m_about.data();
}

void Application::wire()
{
    const auto listChanged = [this] { m_window->setListedItems(m_items.rowCount()); };
    connect(&m_items, &QAbstractItemModel::modelReset, this, listChanged);
    connect(&m_items, &QAbstractItemModel::rowsInserted, this, listChanged);
    connect(&m_items, &QAbstractItemModel::rowsRemoved, this, listChanged);
    connect(m_actions->start(), &QAction::triggered, m_monitor.get(), &Monitor::start);
    connect(m_actions->stop(), &QAction::triggered, m_monitor.get(), &Monitor::stop);
    connect(m_actions->save(), &QAction::triggered, this, &Application::saveGrid);
    connect(m_actions->log(), &QAction::triggered, this, [this] { logWindowMade().present(); });
    connect(m_actions->history(), &QAction::triggered, this,
            [this] { m_history->showItem(m_window->resultsView()->currentItemNumber()); });
    connect(m_actions->setup(), &QAction::triggered, this, &Application::showSetup);
    connect(m_actions->help(), &QAction::triggered, this, &Application::openHelp);
    connect(m_actions->about(), &QAction::triggered, this, &Application::showAbout);
    connect(m_actions->exit(), &QAction::triggered, this, &Application::exit);

    StatusPanels* panels = m_window->statusPanels();
    connect(m_monitor.get(), &Monitor::monitoringChanged, m_actions.get(), &CommandActions::setMonitoring);
    connect(m_monitor.get(), &Monitor::statusChanged, panels, &StatusPanels::setStatusText);
    connect(m_monitor.get(), &Monitor::countdownChanged, panels, &StatusPanels::setCountdownText);
    connect(m_monitor.get(), &Monitor::logLine, this,
            [this](const QString& line) { logWindowMade().appendLine(line); });
    connect(m_monitor.get(), &Monitor::logWindowWanted, this, [this] { logWindowMade().popUp(); });
    connect(m_window->resultsView(), &ResultsView::itemActivated, this, &Application::openItem);

    Announcer* announcer = m_window->announcer();
    connect(m_monitor.get(), &Monitor::priceChanged, announcer, &Announcer::priceChanged);
    connect(m_monitor.get(), &Monitor::problemMet, announcer, &Announcer::problemMet);
    connect(m_monitor.get(), &Monitor::cycleStarted, m_notifier.get(), &ChangeNotifier::cycleStarted);
    connect(m_monitor.get(), &Monitor::priceChanged, m_notifier.get(), &ChangeNotifier::priceChanged);
    connect(m_monitor.get(), &Monitor::cycleEnded, m_notifier.get(), &ChangeNotifier::cycleEnded);
    connect(m_tray.get(), &TrayIcon::windowWanted, m_window.get(), &MainWindow::bringBack);
}

QString Application::programFile(const char* name) const
{
    return QDir(m_environment.programFolder).filePath(QLatin1String(name));
}

void Application::start()
{
    // The program lives in the tray: hiding or closing its last window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(m_window->windowIcon());
    m_results.reset();
    removeLeftoverSaves(m_environment.programFolder);
    loadFiles();
    m_history->start();
    m_actions->setMonitoring(false);
    m_tray->show();
    if (!m_window->restoreGeometry(m_preferences.value(QStringLiteral("mainWindow/geometry")).toByteArray())) {
        m_window->resize(m_window->defaultSize());
    }
    m_window->show();
}

void Application::loadFiles()
{
    const SettingsRead read = loadSettings(programFile(SettingsFileName));
    m_settings.setPlaySound(read.values.playSound);
    m_settings.setPopUpLog(read.values.popUpLog);
    m_settings.setInterval(read.values.interval);
    m_settingsUnread = unreadPart(read.error);
    if (read.error) {
        m_messages.show(fileMessage(SettingsErrorHeadline, OpenErrorTitle, *read.error));
    }
    reloadItemList();
}

void Application::reloadItemList()
{
    const ItemListRead read = loadItemList(programFile(ItemListFileName));
    m_items.setStringList(read.items);
    m_listUnread = unreadPart(read.error);
    if (read.error) {
        m_messages.show(fileMessage(ItemListErrorHeadline, OpenErrorTitle, *read.error));
    }
}

void Application::exit()
{
    if (m_monitor->isMonitoring()) {
        m_monitor->stop();
    }
    m_preferences.setValue(QStringLiteral("mainWindow/geometry"), m_window->saveGeometry());
    delete m_setup.data();
    delete m_log.data();
    delete m_about.data();
    m_history->closeWindow();
    m_tray->remove();
    m_window->close();
    Q_EMIT exited();
    QCoreApplication::exit(0);
}

void Application::report(const Message& message)
{
    m_messages.show(message);
}

LogWindow& Application::logWindowMade()
{
    if (!m_log) {
        m_log = new LogWindow;
        m_log->restoreGeometry(m_preferences.value(QStringLiteral("logWindow/geometry")).toByteArray());
        m_log->installEventFilter(this);
        connect(m_log, &LogWindow::itemWanted, m_history.get(), &HistoryFeature::showItem);
    }
    return *m_log;
}

bool Application::eventFilter(QObject* watched, QEvent* event)
{
    // The log window keeps its place between runs; it is noted whenever the window goes away.
    if (event->type() == QEvent::Hide) {
        // A window being destroyed is no log window any more, and has no place worth keeping.
        if (const auto* log = qobject_cast<LogWindow*>(watched)) {
            m_preferences.setValue(QStringLiteral("logWindow/geometry"), log->saveGeometry());
        }
    }
    return QObject::eventFilter(watched, event);
}

void Application::showSetup()
{
    if (!m_setup) {
        // Every new Setup dialog starts from the list as the file holds it.
        reloadItemList();
        m_setup = new SetupDialog(m_settings, m_items.stringList(), m_messages);
        connect(m_setup, &SetupDialog::confirmed, this, &Application::setupConfirmed);
    }
    m_setup->show();
    m_setup->raise();
    m_setup->activateWindow();
}

void Application::setupConfirmed(const QStringList& items, const SettingsTexts& texts)
{
    replaceFile(ItemListFileName, ItemListErrorHeadline, m_listUnread,
                [&items](const QString& path) { return saveItemList(path, items); });
    replaceFile(SettingsFileName, SettingsErrorHeadline, m_settingsUnread,
                [&texts](const QString& path) { return saveSettings(path, texts); });
    // A field that holds no number counts as 0, as an empty one does.
    m_settings.setInterval({wholeNumberDown(texts.hours).value_or(0), wholeNumberDown(texts.minutes).value_or(0),
                            wholeNumberDown(texts.seconds).value_or(0)});
    m_items.setStringList(items);
    m_results.reset();
}

// A file that did not load whole is kept beside the new one under a name that says so, and the
// user is told; when it cannot be moved aside it is not replaced either.
void Application::replaceFile(const char* name, const char* headline, std::optional<FileError>& unread,
                              const std::function<std::optional<FileError>(const QString&)>& write)
{
    const QString path = programFile(name);
    if (unread) {
        const SetAside kept = setAside(path, m_clock.now());
        if (kept.error) {
            m_messages.show(fileMessage(headline, SaveErrorTitle, *kept.error));
            return;
        }
        unread.reset();
        if (!kept.path.isEmpty()) {
            m_messages.show({tr("%1 could not be read whole, so Setup did not write over it: it is kept as %2, "
                                "and a new %1 holds what Setup showed.\r\rCopy what you still need from the "
                                "kept file into Setup, then delete it.")
                                 .arg(QLatin1String(name), QFileInfo(kept.path).fileName()),
                             tr("Old File Kept"), Message::Icon::Information});
        }
    }
    if (const auto error = write(path)) {
        m_messages.show(fileMessage(headline, SaveErrorTitle, *error));
    }
}

void Application::showAbout()
{
    if (!m_about) {
        m_about = new AboutBox(m_messages);
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void Application::saveGrid()
{
    if (const auto error = exportGrid(m_results, programFile(GridExportFileName))) {
        m_messages.show(fileMessage(GridExportErrorHeadline, SaveErrorTitle, *error));
    }
}

void Application::openHelp()
{
    m_shell.openUrl(
        QUrl::fromLocalFile(QDir(m_environment.dataFolder).absoluteFilePath(QStringLiteral("help/Bidorra_help.htm"))));
}

void Application::openItem(const QString& itemNumber)
{
    m_shell.openUrl(QUrl(itemPageUrl(m_environment.siteHost, itemNumber), QUrl::TolerantMode));
}
