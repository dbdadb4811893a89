#include "core/AppState.h"
#include "core/ResultsGrid.h"
#include "tests/support/Fakes.h"
#include "tests/support/TestMain.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultsGridView.h"

#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <memory>

Q_DECLARE_METATYPE(MainWindow::GridPlacement)

namespace {
// Every command as the user meets it: toolbar position and tooltip, pop-up menu slot and text
// (-1: no menu entry), and whether it can be chosen while stopped and while monitoring.
struct CommandRow
{
    const char* key;
    int position;
    const char* tooltip;
    int menuIndex;
    const char* menuName;
    const char* menuText;
    bool whenStopped;
    bool whenMonitoring;
};
const CommandRow CommandRows[] = {
    {"Start", 1, "Start Monitoring", 12, "mngo", "Go", true, false},
    {"Stop", 2, "Stop Monitoring", 11, "mnstop", "Stop", false, true},
    {"Save", 4, "Save Grid Contents", -1, "", "", true, false},
    {"Log", 5, "Show Auction  Log", 9, "mnlog", "Auction Log", true, true},
    {"Setup", 6, "Program Setup", 8, "mnsetup", "Setup", true, false},
    {"Sound", 8, "Set Sound Notification", 6, "mnsound", "Sound Notification", true, true},
    {"Window", 9, "Set Pop-up Window Notification", 5, "mnwindow", "Pop-up Window Notification", true, true},
    {"Help", 11, "Open Help", 3, "mnhelp", "Help", true, true},
    {"About", 12, "About Bidorra", 2, "mnabout", "About", true, true},
    {"Exit", 14, "Exit Program", 0, "mnexit", "Exit", true, false},
};
const QStringList ExternalCommands = {"Start", "Stop", "Save", "Log", "Setup", "About", "Exit"};

int twips(int pixels)
{
    return pixels * 15; // the tests run at 96 dots per inch
}
} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startUpState_data();
    void startUpState();
    void startAndStopPatterns_data() { startUpState_data(); }
    void startAndStopPatterns();
    void buttonAndEntryRunTheCommand_data();
    void buttonAndEntryRunTheCommand();
    void separatorsDoNothing();
    void alertChosenTwice_data();
    void alertChosenTwice();
    void windowAlertUsesTheLogCommand();
    void gridPlacement_data();
    void gridPlacement();
    void gridFollowsTheWindowButNotWhenMinimised();
    void gridWidthKnownBeforeShow();

private:
    const CommandRow& fetchCommand();
    QAction* menuSlot(int index) const { return window->popMenu()->actions().at(index); }

    QStringList ran;
    AppState app;
    CycleState cycle;
    std::unique_ptr<ResultsGrid> grid;
    RecordingShell shell;
    std::unique_ptr<MainWindow> window;
};

void MainWindowTest::init()
{
    ran.clear();
    app = AppState{};
    shell = RecordingShell{};
    grid = std::make_unique<ResultsGrid>();
    window =
        std::make_unique<MainWindow>(app, cycle, *grid, shell, QStringLiteral("/prog"), QStringLiteral("auction.test"));
    for (const QString& key : ExternalCommands) {
        window->setCommandHandler(key, [this, key] { ran << key; });
    }
}

void MainWindowTest::cleanup()
{
    window.reset();
    grid.reset();
}

const CommandRow& MainWindowTest::fetchCommand()
{
    QFETCH(int, row);
    return CommandRows[row];
}

void MainWindowTest::startUpState_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(CommandRows)); ++row) {
        QTest::newRow(CommandRows[row].key) << row;
    }
}

void MainWindowTest::startUpState()
{
    const CommandRow& command = fetchCommand();
    QAction* button = window->toolbarButton(command.position);
    QCOMPARE(button->objectName(), QString(command.key));
    QCOMPARE(button->toolTip(), QString(command.tooltip));
    QCOMPARE(button->isEnabled(), command.whenStopped);
    QVERIFY(!button->isChecked());
    QVERIFY(!window->MixedState(command.position));
    // Screen readers name the button by its key and describe it by its tooltip.
    const QWidget* widget = window->findChild<QToolBar*>()->widgetForAction(button);
    QCOMPARE(widget->accessibleName(), QString(command.key));
    QCOMPARE(widget->accessibleDescription(), QString(command.tooltip));
    if (command.menuIndex >= 0) {
        QAction* entry = menuSlot(command.menuIndex);
        QCOMPARE(entry->objectName(), QString(command.menuName));
        QCOMPARE(entry->text(), QString(command.menuText));
        QCOMPARE(entry->isEnabled(), command.whenStopped);
        QVERIFY(!entry->isChecked());
    }
}

void MainWindowTest::startAndStopPatterns()
{
    const CommandRow& command = fetchCommand();
    // Start, then Stop.
    for (const bool monitoring : {true, false}) {
        window->setMonitoringCommands(monitoring);
        const bool enabled = monitoring ? command.whenMonitoring : command.whenStopped;
        QCOMPARE(window->toolbarButton(command.position)->isEnabled(), enabled);
        if (command.menuIndex >= 0) {
            QCOMPARE(menuSlot(command.menuIndex)->isEnabled(), enabled);
        }
    }
}

void MainWindowTest::buttonAndEntryRunTheCommand_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(CommandRows)); ++row) {
        if (ExternalCommands.contains(CommandRows[row].key) || qstrcmp(CommandRows[row].key, "Help") == 0) {
            QTest::newRow(CommandRows[row].key) << row;
        }
    }
}

void MainWindowTest::buttonAndEntryRunTheCommand()
{
    const CommandRow& command = fetchCommand();
    window->setMonitoringCommands(!command.whenStopped);
    window->toolbarButton(command.position)->trigger();
    if (command.menuIndex >= 0) {
        menuSlot(command.menuIndex)->trigger();
    }
    const int times = command.menuIndex >= 0 ? 2 : 1;
    if (qstrcmp(command.key, "Help") == 0) {
        QCOMPARE(shell.opened, QStringList(times, QStringLiteral("/prog/help/Bidorra_help.htm")));
        QVERIFY(ran.isEmpty());
    } else {
        QCOMPARE(ran, QStringList(times, QString(command.key)));
    }
}

void MainWindowTest::separatorsDoNothing()
{
    for (const int position : {3, 7, 10, 13, 15}) {
        QVERIFY(window->toolbarButton(position)->isSeparator());
        window->toolbarButton(position)->trigger();
    }
    QCOMPARE(window->popMenu()->actions().size(), 13);
    for (const int index : {1, 4, 7, 10}) {
        QVERIFY(menuSlot(index)->isSeparator());
        menuSlot(index)->trigger();
    }
    QVERIFY(ran.isEmpty());
    QVERIFY(shell.opened.isEmpty());
    QVERIFY(!app.PlayWave);
    QVERIFY(!app.OpenWindow);
}

void MainWindowTest::alertChosenTwice_data()
{
    QTest::addColumn<bool>("sound");
    QTest::addColumn<bool>("viaMenu");
    QTest::addColumn<bool>("fromSettings"); // the settings file said True, so it starts on
    QTest::newRow("Sound button") << true << false << false;
    QTest::newRow("Sound menu entry") << true << true << false;
    QTest::newRow("Window button") << false << false << false;
    QTest::newRow("Window menu entry") << false << true << false;
    QTest::newRow("PlayWave=True") << true << false << true;
    QTest::newRow("OpenWindow=True") << false << true << true;
}

void MainWindowTest::alertChosenTwice()
{
    QFETCH(bool, sound);
    QFETCH(bool, viaMenu);
    QFETCH(bool, fromSettings);
    const int position = sound ? 8 : 9;
    QAction* button = window->toolbarButton(position);
    QAction* entry = window->menuEntry(sound ? QStringLiteral("mnsound") : QStringLiteral("mnwindow"));
    bool& flag = sound ? app.PlayWave : app.OpenWindow;
    if (fromSettings) {
        flag = true;
        sound ? window->setSoundIndicator(true) : window->setWindowIndicator(true);
    }
    // The flag, the button's pressed look, its check mark and the menu entry's check mark.
    const auto shown = [&] {
        return QList<bool>{flag, window->MixedState(position), button->isChecked(), entry->isChecked()};
    };
    QAction* chosen = viaMenu ? entry : button;
    QCOMPARE(shown(), QList<bool>(4, fromSettings));
    chosen->trigger();
    QCOMPARE(shown(), QList<bool>(4, !fromSettings));
    chosen->trigger();
    QCOMPARE(shown(), QList<bool>(4, fromSettings));
    QVERIFY(ran.isEmpty());
}

void MainWindowTest::windowAlertUsesTheLogCommand()
{
    window->showLogWindow();
    QCOMPARE(ran, QStringList{"Log"});
}

void MainWindowTest::gridPlacement_data()
{
    QTest::addColumn<int>("clientWidth");
    QTest::addColumn<int>("clientHeight");
    QTest::addColumn<MainWindow::GridPlacement>("expected");
    // Toolbar 885 and status bar 375 twips high throughout.
    QTest::newRow("designed size") << 8880 << 5190 << MainWindow::GridPlacement{890, 8875, 3920};
    QTest::newRow("exactly toolbar + status bar + 10") << 8880 << 1270 << MainWindow::GridPlacement{890, 8875, 0};
    QTest::newRow("one twip more") << 8880 << 1271 << MainWindow::GridPlacement{890, 8875, 1};
    QTest::newRow("lower than the bars") << 8880 << 900 << MainWindow::GridPlacement{890, 8875, 0};
    QTest::newRow("narrower than the gap") << 3 << 5190 << MainWindow::GridPlacement{890, 0, 3920};
}

void MainWindowTest::gridPlacement()
{
    QFETCH(int, clientWidth);
    QFETCH(int, clientHeight);
    QFETCH(MainWindow::GridPlacement, expected);
    const auto placement = MainWindow::gridPlacement(clientWidth, clientHeight, 885, 375);
    QCOMPARE(QList<int>({placement.top, placement.width, placement.height}),
             QList<int>({expected.top, expected.width, expected.height}));
}

void MainWindowTest::gridFollowsTheWindowButNotWhenMinimised()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->size(), QSize(592, 346)); // the designed client area, 8880 x 5190 twips
    window->resize(700, 420);
    ResultsGridView* view = window->gridView();
    const int toolbar = window->findChild<QToolBar*>()->height();
    const auto placement =
        MainWindow::gridPlacement(twips(700), twips(420), twips(toolbar), twips(window->statusBar()->height()));
    const QRect expected(0, qRound(placement.top / 15.0), qRound(placement.width / 15.0),
                         qRound(placement.height / 15.0));
    QTRY_COMPARE(QRect(view->mapTo(window.get(), QPoint(0, 0)), view->size()), expected);
    // Nothing of the grid hides under the status bar.
    QVERIFY(view->mapTo(window.get(), QPoint(0, view->height())).y() <= window->statusBar()->y());

    const QRect before = view->geometry();
    window->showMinimized();
    QVERIFY(window->isMinimized());
    window->resize(300, 200);
    window->LayoutMainWindow();
    QCOMPARE(view->geometry(), before);
    // Restored, the grid is laid out for the size the window has now.
    window->showNormal();
    QTRY_VERIFY(!window->isMinimized());
    window->resize(500, 300);
    QTRY_COMPARE(view->width(), 500);
}

void MainWindowTest::gridWidthKnownBeforeShow()
{
    // Start-up resets the grid before the window is first shown; the columns must already
    // fill the grid then.
    grid->ResetGrid();
    int total = 0;
    for (int c = 0; c < ResultsGrid::ColumnCount; ++c) {
        total += grid->columnWidth(c);
    }
    QVERIFY(grid->gridWidthTwips() > twips(500));
    QVERIFY(total >= grid->gridWidthTwips() - ResultsGrid::ColumnCount);
}

BIDORRA_WIDGET_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
