#include "ui/main/CommandActions.h"

#include "core/Settings.h"
#include "ui/Icons.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

CommandActions::CommandActions(Settings& settings, QObject* parent) : QObject(parent)
{
    // The menus' texts and the toolbar's carry Alt letters of their own: each letter is taken
    // once in the menu and once among the window's buttons and its menu bar.
    m_start = make(tr("&Go"), tr("&Start"), tr("Start Monitoring"), QStringLiteral("start"));
    m_stop = make(tr("St&op"), tr("S&top"), tr("Stop Monitoring"), QStringLiteral("stop"));
    m_save = make(QString(), tr("Sa&ve"), tr("Save Grid Contents"), QStringLiteral("save"));
    m_log = make(tr("Auction &Log"), tr("&Log"), tr("Show Auction  Log"), QStringLiteral("log"));
    m_history = make(tr("Price His&tory"), tr("&History"), tr("Show Price History"), QStringLiteral("history"));
    m_setup = make(tr("S&etup"), tr("S&etup"), tr("Program Setup"), QStringLiteral("setup"));
    m_sound = make(tr("&Sound Notification"), tr("S&ound"), tr("Set Sound Notification"), QStringLiteral("sound"));
    m_window = make(tr("&Pop-up Window Notification"), tr("&Window"), tr("Set Pop-up Window Notification"),
                    QStringLiteral("window"));
    m_notification =
        make(tr("&Desktop Notification"), tr("Notify"), tr("Set Desktop Notification"), QStringLiteral("notify"));
    m_report = make(tr("&Report Problems Without Interrupting"), tr("Quietly"),
                    tr("Report problems in the grid and the log, without a message box"), QStringLiteral("problem"));
    m_report->setObjectName(QStringLiteral("reportAction"));
    m_report->setIcon(QIcon()); // a menu entry only: its check mark shows better without a picture
    m_help = make(tr("&Help"), tr("Hel&p"), tr("Open Help"), QStringLiteral("help"));
    m_about = make(tr("&About"), tr("A&bout"), tr("About Bidorra"), QStringLiteral("about"));
    m_exit = make(tr("E&xit"), tr("E&xit"), tr("Exit Program"), QStringLiteral("exit"));

    m_start->setShortcut(Qt::Key_F5);
    m_stop->setShortcut(Qt::SHIFT | Qt::Key_F5);
    m_save->setShortcut(QKeySequence::Save);
    m_log->setShortcut(Qt::CTRL | Qt::Key_L);
    m_history->setShortcut(Qt::CTRL | Qt::Key_H);
    m_setup->setShortcut(Qt::CTRL | Qt::Key_Comma);
    m_help->setShortcut(Qt::Key_F1);
    m_exit->setShortcut(Qt::CTRL | Qt::Key_Q);
    for (QAction* action : {m_start, m_stop, m_save, m_log, m_history, m_setup, m_help, m_exit}) {
        action->setToolTip(action->toolTip() + QStringLiteral(" (") +
                           action->shortcut().toString(QKeySequence::NativeText) + u')');
    }

    m_sound->setCheckable(true);
    m_window->setCheckable(true);
    m_notification->setCheckable(true);
    m_report->setCheckable(true);
    m_sound->setChecked(settings.playSound());
    m_window->setChecked(settings.popUpLog());
    m_notification->setChecked(settings.desktopNotification());
    m_report->setChecked(settings.reportWithoutInterrupting());
    connect(m_sound, &QAction::toggled, &settings, &Settings::setPlaySound);
    connect(m_window, &QAction::toggled, &settings, &Settings::setPopUpLog);
    connect(m_notification, &QAction::toggled, &settings, &Settings::setDesktopNotification);
    connect(m_report, &QAction::toggled, &settings, &Settings::setReportWithoutInterrupting);
    connect(&settings, &Settings::playSoundChanged, m_sound, &QAction::setChecked);
    connect(&settings, &Settings::popUpLogChanged, m_window, &QAction::setChecked);
    connect(&settings, &Settings::desktopNotificationChanged, m_notification, &QAction::setChecked);
    connect(&settings, &Settings::reportWithoutInterruptingChanged, m_report, &QAction::setChecked);

    setMonitoring(false);
}

QAction* CommandActions::make(const QString& menuText, const QString& toolText, const QString& tooltip,
                              const QString& icon)
{
    auto* action = new QAction(Icons::command(icon), menuText.isEmpty() ? toolText : menuText, this);
    action->setObjectName(icon + QStringLiteral("Action"));
    action->setIconText(toolText);
    action->setToolTip(tooltip);
    return action;
}

void CommandActions::setMonitoring(bool monitoring)
{
    for (QAction* action : {m_start, m_save, m_setup, m_exit}) {
        action->setEnabled(!monitoring);
    }
    m_stop->setEnabled(monitoring);
}

void CommandActions::fillToolBar(QToolBar& toolBar) const
{
    toolBar.addActions({m_start, m_stop});
    toolBar.addSeparator();
    toolBar.addActions({m_save, m_log, m_history, m_setup});
    toolBar.addSeparator();
    toolBar.addActions({m_sound, m_window});
    toolBar.addSeparator();
    toolBar.addActions({m_help, m_about});
    toolBar.addSeparator();
    toolBar.addAction(m_exit);
    toolBar.addSeparator();
}

void CommandActions::fillMenu(QMenu& menu) const
{
    menu.addAction(m_exit);
    menu.addSeparator();
    menu.addActions({m_about, m_help});
    menu.addSeparator();
    menu.addActions({m_window, m_sound, m_notification, m_report});
    menu.addSeparator();
    menu.addActions({m_setup, m_log, m_history});
    menu.addSeparator();
    menu.addActions({m_stop, m_start});
}
