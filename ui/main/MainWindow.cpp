#include "ui/main/MainWindow.h"

#include "core/ProgramFiles.h"
#include "platform/Shell.h"
#include "ui/main/Resources.h"
#include "ui/main/ResultsGridView.h"
#include "ui/main/Twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace {
constexpr int ClientWidth = 8880;
constexpr int ClientHeight = 5190;
constexpr int ToolbarHeight = 885;
constexpr int StatusBarHeight = 375;
constexpr int PanelWidth = 1440;
constexpr int GridGap = 5;

QFont windowFont()
{
    QFont font = QApplication::font();
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

int roundedTwips(double twips)
{
    return static_cast<int>(std::lround(twips));
}
} // namespace

MainWindow::MainWindow(AppState& app, CycleState& cycle, ResultsGrid& grid, Shell& shell, QString programFolder,
                       QString siteHost, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_shell(shell), m_programFolder(std::move(programFolder))
{
    initResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Bidorra"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/bidorra.svg")));
    setFont(windowFont());

    m_toolbar = new QToolBar(this);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setAccessibleName(QStringLiteral("Commands"));
    m_toolbar->setIconSize(QSize(32, 32));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setMinimumHeight(Twips::toPixelsY(*this, ToolbarHeight));
    addToolBar(Qt::TopToolBarArea, m_toolbar);
    m_buttons = Commands::buildToolbar(*m_toolbar);
    // The button that shows the commands a narrow window has no room for.
    if (auto* more = m_toolbar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
        more->setAccessibleName(QStringLiteral("More commands"));
    }
    for (QAction* button : m_buttons) {
        connect(button, &QAction::triggered, this, [this, button] { dispatch(button->objectName()); });
    }

    m_popMenu = new QMenu(QStringLiteral("Auction"), this);
    m_popMenu->setObjectName(QStringLiteral("PopMenu"));
    m_menuEntries = Commands::buildMenu(*m_popMenu);
    for (std::size_t i = 0; i < m_menuEntries.size(); ++i) {
        if (const char* key = Commands::Menu[i].key) {
            connect(m_menuEntries[i], &QAction::triggered, this, [this, key] { dispatch(QLatin1String(key)); });
        }
    }
    for (const char* key : {"Sound", "Window"}) {
        toolbarButton(Commands::toolbarPosition(QLatin1String(key)))->setCheckable(true);
    }
    menuEntry(QStringLiteral("mnsound"))->setCheckable(true);
    menuEntry(QStringLiteral("mnwindow"))->setCheckable(true);

    m_dispatcher.setHandler(QStringLiteral("Sound"), [this] { ToggleSoundAlert(); });
    m_dispatcher.setHandler(QStringLiteral("Window"), [this] { ToggleWindowAlert(); });
    m_dispatcher.setHandler(QStringLiteral("Help"), [this] { OpenHelp(); });

    // The grid is placed by LayoutMainWindow, not by a layout, so that it keeps its gaps.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    m_gridView = new ResultsGridView(grid, cycle, shell, std::move(siteHost), font(), client);

    buildStatusBar();

    // The stopped state: only Stop waits for a Start.
    setMonitoringCommands(false);

    resize(Twips::toPixelsX(*this, ClientWidth), Twips::toPixelsY(*this, ClientHeight));
    // Lay the grid out now, so that its width is known before the first reset fits the columns.
    if (layout()) {
        layout()->activate();
    }
    LayoutMainWindow();
}

void MainWindow::buildStatusBar()
{
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setMinimumHeight(Twips::toPixelsY(*this, StatusBarHeight));
    setStatusBar(m_statusBar);

    const int panelWidth = Twips::toPixelsX(*this, PanelWidth);
    m_datePanel = new QLabel(m_statusBar);
    m_datePanel->setObjectName(QStringLiteral("datePanel"));
    m_datePanel->setFixedWidth(panelWidth);
    m_statusPanel = new QLabel(m_statusBar);
    m_statusPanel->setObjectName(QStringLiteral("statusPanel"));
    m_statusPanel->setMinimumWidth(panelWidth);

    auto* countdownPanel = new QFrame(m_statusBar);
    countdownPanel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    countdownPanel->setObjectName(QStringLiteral("countdownPanel"));
    countdownPanel->setFixedWidth(panelWidth);
    auto* picture = new QLabel(countdownPanel);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(QIcon(QStringLiteral(":/icons/countdown.svg")).pixmap(16, 16));
    picture->setFixedSize(16, 16);
    m_countdownText = new QLabel(countdownPanel);
    m_countdownText->setObjectName(QStringLiteral("countdownText"));
    auto* row = new QHBoxLayout(countdownPanel);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(4);
    row->addWidget(picture);
    row->addWidget(m_countdownText, 1);

    m_statusBar->setAccessibleName(QStringLiteral("Status bar"));
    m_datePanel->setAccessibleName(QStringLiteral("Date"));
    m_statusPanel->setAccessibleName(QStringLiteral("Status"));
    m_countdownText->setAccessibleName(QStringLiteral("Countdown"));
    picture->setAccessibleName(QStringLiteral("Countdown"));

    for (QFrame* panel : {static_cast<QFrame*>(m_datePanel), static_cast<QFrame*>(m_statusPanel)}) {
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    }
    m_statusBar->addWidget(m_datePanel);
    m_statusBar->addWidget(m_statusPanel, 1);
    m_statusBar->addPermanentWidget(countdownPanel);

    // The date panel keeps itself current: it looks again at every full minute.
    m_dateTimer.setSingleShot(true);
    connect(&m_dateTimer, &QTimer::timeout, this, &MainWindow::updateDate);
    updateDate();
}

void MainWindow::updateDate()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_datePanel->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
    const int msIntoMinute = now.time().second() * 1000 + now.time().msec();
    m_dateTimer.start(60'000 - msIntoMinute + 50);
}

MainWindow::GridPlacement MainWindow::gridPlacement(int clientWidth, int clientHeight, int toolbarHeight,
                                                    int statusBarHeight)
{
    GridPlacement placement;
    placement.width = std::max(0, clientWidth - GridGap);
    placement.top = toolbarHeight + GridGap;
    placement.height = std::max(0, clientHeight - toolbarHeight - statusBarHeight - 2 * GridGap);
    return placement;
}

void MainWindow::LayoutMainWindow()
{
    if (isMinimized()) {
        return;
    }
    const GridPlacement placement = gridPlacement(roundedTwips(Twips::fromPixelsX(*this, width())),
                                                  roundedTwips(Twips::fromPixelsY(*this, height())),
                                                  roundedTwips(Twips::fromPixelsY(*this, m_toolbar->height())),
                                                  roundedTwips(Twips::fromPixelsY(*this, m_statusBar->height())));
    const QPoint topLeft = centralWidget()->mapFrom(this, QPoint(0, Twips::toPixelsY(*this, placement.top)));
    m_gridView->setGeometry(
        QRect(topLeft, QSize(Twips::toPixelsX(*this, placement.width), Twips::toPixelsY(*this, placement.height))));
    m_gridView->updateGridWidth();
}

void MainWindow::MakeToolbarFlat()
{
    // Qt draws toolbar buttons flat already (they raise only under the mouse); what is left
    // of the classic look is the handle and the frame line below the bar, and both go here.
    m_toolbar->setMovable(false);
    m_toolbar->setStyleSheet(QStringLiteral("QToolBar { border: none; }"));
    for (auto* button : m_toolbar->findChildren<QToolButton*>()) {
        button->setAutoRaise(true);
    }
    m_toolbar->update();
}

void MainWindow::setCommandHandler(const QString& key, std::function<void()> handler)
{
    m_dispatcher.setHandler(key, std::move(handler));
}

void MainWindow::dispatch(const QString& key)
{
    m_dispatcher.dispatch(key);
}

QAction* MainWindow::toolbarButton(int position) const
{
    if (position < 1 || position > Commands::ToolbarPositions) {
        return nullptr;
    }
    return m_buttons[position - 1];
}

QAction* MainWindow::menuEntry(const QString& name) const
{
    for (QAction* entry : m_menuEntries) {
        if (entry->objectName() == name) {
            return entry;
        }
    }
    return nullptr;
}

QString MainWindow::statusText() const
{
    return m_statusPanel->text();
}

QString MainWindow::countdownText() const
{
    return m_countdownText->text();
}

bool MainWindow::MixedState(int position) const
{
    if (position == Commands::toolbarPosition(QStringLiteral("Sound"))) {
        return m_soundMixedState;
    }
    if (position == Commands::toolbarPosition(QStringLiteral("Window"))) {
        return m_windowMixedState;
    }
    return false;
}

void MainWindow::ToggleSoundAlert()
{
    // The button's look decides the direction; the flag agrees with it.
    const bool on = !m_soundMixedState;
    m_app.PlayWave = on;
    setSoundIndicator(on);
}

void MainWindow::ToggleWindowAlert()
{
    const bool on = !m_windowMixedState;
    m_app.OpenWindow = on;
    setWindowIndicator(on);
}

void MainWindow::OpenHelp()
{
    m_shell.open(ProgramFiles::path(m_programFolder, ProgramFiles::Help));
}

void MainWindow::setSoundIndicator(bool on)
{
    m_soundMixedState = on;
    showIndicator("Sound", on);
}

void MainWindow::setWindowIndicator(bool on)
{
    m_windowMixedState = on;
    showIndicator("Window", on);
}

void MainWindow::showIndicator(const char* key, bool on)
{
    const Commands::Command* command = Commands::find(QLatin1String(key));
    toolbarButton(Commands::toolbarPosition(QLatin1String(key)))->setChecked(on);
    menuEntry(QLatin1String(command->menuName))->setChecked(on);
}

void MainWindow::setStatusText(const QString& text)
{
    m_statusPanel->setText(text);
}

void MainWindow::setCountdownText(const QString& text)
{
    m_countdownText->setText(text);
}

void MainWindow::setMonitoringCommands(bool monitoring)
{
    for (const char* key : {"Start", "Save", "Setup", "Exit"}) {
        setCommandEnabled(key, !monitoring);
    }
    setCommandEnabled("Stop", monitoring);
    // Log, Sound, Window, Help and About are there in both states.
    for (const char* key : {"Log", "Sound", "Window", "Help", "About"}) {
        setCommandEnabled(key, true);
    }
}

void MainWindow::setCommandEnabled(const char* key, bool enabled)
{
    const QString name = QLatin1String(key);
    toolbarButton(Commands::toolbarPosition(name))->setEnabled(enabled);
    if (const char* entry = Commands::find(name)->menuName) {
        menuEntry(QLatin1String(entry))->setEnabled(enabled);
    }
}

void MainWindow::showLogWindow()
{
    dispatch(QStringLiteral("Log"));
}

bool MainWindow::closeForExit()
{
    m_closingForExit = true;
    return close();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    LayoutMainWindow();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    LayoutMainWindow();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Coming back from the task bar may bring no resize, but the grid must fit the window again.
    if (event->type() == QEvent::WindowStateChange) {
        LayoutMainWindow();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closingForExit && m_closeHandler && m_closeHandler()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

QMenu* MainWindow::createPopupMenu()
{
    // No menu for hiding the toolbar: the commands must stay reachable.
    return nullptr;
}
