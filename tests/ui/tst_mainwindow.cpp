#include "core/AppState.h"
#include "core/ResultsGrid.h"
#include "tests/support/Fakes.h"
#include "tests/support/TestMain.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultsGridView.h"

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <memory>

namespace {
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

    void namedControls();
    void toolbarAtStartUp_data();
    void toolbarAtStartUp();
    void menuAtStartUp_data();
    void menuAtStartUp();
    void commandPatterns_data();
    void commandPatterns();
    void disabledCommandsDoNothing();
    void alertChosenTwice_data();
    void alertChosenTwice();
    void alertOnFromSettings_data();
    void alertOnFromSettings();
    void separatorsDoNothing();
    void dispatchByKey_data();
    void dispatchByKey();
    void menuEntriesRunTheirCommands_data();
    void menuEntriesRunTheirCommands();
    void helpOpensTheHelpPage();
    void statusPanels();
    void showLogWindowUsesTheLogCommand();
    void gridPlacement_data();
    void gridPlacement();
    void gridFollowsTheWindow();
    void minimisingLeavesTheGrid();
    void gridWidthKnownBeforeShow();

private:
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
    cycle = CycleState{};
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

void MainWindowTest::namedControls()
{
    QCOMPARE(window->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Bidorra"));
    QVERIFY(window->findChild<QToolBar*>(QStringLiteral("Toolbar1")));
    QVERIFY(window->findChild<ResultsGridView*>(QStringLiteral("MSFlexGrid1")));
    QVERIFY(window->findChild<QStatusBar*>(QStringLiteral("StatusBar1")));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap().size(), QSize(16, 16));
    QCOMPARE(window->findChild<QMenu*>(QStringLiteral("PopMenu"))->title(), QStringLiteral("Auction"));
}

void MainWindowTest::toolbarAtStartUp_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<bool>("enabled");
    const auto separator = [](int position) {
        QTest::addRow("%d separator", position) << position << QString() << QString() << true;
    };
    QTest::newRow("1 Start") << 1 << "Start"
                             << "Start Monitoring" << true;
    QTest::newRow("2 Stop") << 2 << "Stop"
                            << "Stop Monitoring" << false;
    separator(3);
    QTest::newRow("4 Save") << 4 << "Save"
                            << "Save Grid Contents" << true;
    QTest::newRow("5 Log") << 5 << "Log"
                           << "Show Auction  Log" << true;
    QTest::newRow("6 Setup") << 6 << "Setup"
                             << "Program Setup" << true;
    separator(7);
    QTest::newRow("8 Sound") << 8 << "Sound"
                             << "Set Sound Notification" << true;
    QTest::newRow("9 Window") << 9 << "Window"
                              << "Set Pop-up Window Notification" << true;
    separator(10);
    QTest::newRow("11 Help") << 11 << "Help"
                             << "Open Help" << true;
    QTest::newRow("12 About") << 12 << "About"
                              << "About Bidorra" << true;
    separator(13);
    QTest::newRow("14 Exit") << 14 << "Exit"
                             << "Exit Program" << true;
    separator(15);
}

void MainWindowTest::toolbarAtStartUp()
{
    QFETCH(int, position);
    QFETCH(QString, key);
    QFETCH(QString, tooltip);
    QFETCH(bool, enabled);
    QAction* button = window->toolbarButton(position);
    QVERIFY(button);
    QCOMPARE(button->isSeparator(), key.isEmpty());
    QCOMPARE(button->objectName(), key);
    if (!key.isEmpty()) {
        QCOMPARE(button->toolTip(), tooltip);
        QCOMPARE(button->isEnabled(), enabled);
        QVERIFY(!button->isChecked());
        QVERIFY(!window->MixedState(position));
    }
}

void MainWindowTest::menuAtStartUp_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    const QList<std::tuple<const char*, const char*, bool>> entries = {
        {"mnexit", "Exit", true},
        {"sep1", nullptr, true},
        {"mnabout", "About", true},
        {"mnhelp", "Help", true},
        {"sep2", nullptr, true},
        {"mnwindow", "Pop-up Window Notification", true},
        {"mnsound", "Sound Notification", true},
        {"sep3", nullptr, true},
        {"mnsetup", "Setup", true},
        {"mnlog", "Auction Log", true},
        {"sep4", nullptr, true},
        {"mnstop", "Stop", false},
        {"mngo", "Go", true},
    };
    for (int i = 0; i < entries.size(); ++i) {
        const auto& [name, text, enabled] = entries[i];
        QTest::newRow(name) << i << QString::fromLatin1(name) << (text ? QString::fromLatin1(text) : QString())
                            << enabled;
    }
}

void MainWindowTest::menuAtStartUp()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    const QList<QAction*> entries = window->popMenu()->actions();
    QCOMPARE(entries.size(), 13);
    QAction* entry = entries.at(index);
    QCOMPARE(entry->objectName(), name);
    QCOMPARE(entry->isSeparator(), text.isEmpty());
    if (!text.isEmpty()) {
        QCOMPARE(entry->text(), text);
        QCOMPARE(entry->isEnabled(), enabled);
        QVERIFY(!entry->isChecked());
    }
}

void MainWindowTest::commandPatterns_data()
{
    QTest::addColumn<bool>("monitoring");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("menuName");
    QTest::addColumn<bool>("enabled");
    struct Row
    {
        const char* key;
        int position;
        const char* menu;
        bool whenStopped;
        bool whenMonitoring;
    };
    const Row rows[] = {
        {"Start", 1, "mngo", true, false},     {"Stop", 2, "mnstop", false, true},
        {"Save", 4, "", true, false},          {"Log", 5, "mnlog", true, true},
        {"Setup", 6, "mnsetup", true, false},  {"Sound", 8, "mnsound", true, true},
        {"Window", 9, "mnwindow", true, true}, {"Help", 11, "mnhelp", true, true},
        {"About", 12, "mnabout", true, true},  {"Exit", 14, "mnexit", true, false},
    };
    for (const Row& row : rows) {
        QTest::addRow("stopped %s", row.key) << false << row.position << row.menu << row.whenStopped;
        QTest::addRow("monitoring %s", row.key) << true << row.position << row.menu << row.whenMonitoring;
    }
}

void MainWindowTest::commandPatterns()
{
    QFETCH(bool, monitoring);
    QFETCH(int, position);
    QFETCH(QString, menuName);
    QFETCH(bool, enabled);
    // Come from the other state, as Start and Stop do.
    window->setMonitoringCommands(!monitoring);
    window->setMonitoringCommands(monitoring);
    QCOMPARE(window->toolbarButton(position)->isEnabled(), enabled);
    if (!menuName.isEmpty()) {
        QCOMPARE(window->menuEntry(menuName)->isEnabled(), enabled);
    }
}

void MainWindowTest::disabledCommandsDoNothing()
{
    window->setMonitoringCommands(true);
    window->toolbarButton(14)->trigger();
    window->menuEntry(QStringLiteral("mnexit"))->trigger();
    window->toolbarButton(1)->trigger();
    QVERIFY(ran.isEmpty());

    window->setMonitoringCommands(false);
    window->toolbarButton(2)->trigger();
    QVERIFY(ran.isEmpty());
    window->menuEntry(QStringLiteral("mnexit"))->trigger();
    QCOMPARE(ran, QStringList{"Exit"});
}

void MainWindowTest::alertChosenTwice_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("viaMenu");
    QTest::addColumn<bool>("initially");
    for (const char* key : {"Sound", "Window"}) {
        for (bool viaMenu : {false, true}) {
            for (bool initially : {false, true}) {
                QTest::addRow("%s via %s, starting %s", key, viaMenu ? "menu" : "toolbar", initially ? "on" : "off")
                    << QString::fromLatin1(key) << viaMenu << initially;
            }
        }
    }
}

void MainWindowTest::alertChosenTwice()
{
    QFETCH(QString, key);
    QFETCH(bool, viaMenu);
    QFETCH(bool, initially);
    const bool sound = key == QLatin1String("Sound");
    const int position = sound ? 8 : 9;
    QAction* button = window->toolbarButton(position);
    QAction* entry = window->menuEntry(sound ? QStringLiteral("mnsound") : QStringLiteral("mnwindow"));
    bool& flag = sound ? app.PlayWave : app.OpenWindow;
    flag = initially;
    sound ? window->setSoundIndicator(initially) : window->setWindowIndicator(initially);
    QAction* chosen = viaMenu ? entry : button;

    chosen->trigger();
    QCOMPARE(flag, !initially);
    QCOMPARE(window->MixedState(position), !initially);
    QCOMPARE(button->isChecked(), !initially);
    QCOMPARE(entry->isChecked(), !initially);

    chosen->trigger();
    QCOMPARE(flag, initially);
    QCOMPARE(window->MixedState(position), initially);
    QCOMPARE(button->isChecked(), initially);
    QCOMPARE(entry->isChecked(), initially);
    QVERIFY(ran.isEmpty());
}

void MainWindowTest::alertOnFromSettings_data()
{
    QTest::addColumn<bool>("sound");
    QTest::newRow("PlayWave") << true;
    QTest::newRow("OpenWindow") << false;
}

void MainWindowTest::alertOnFromSettings()
{
    QFETCH(bool, sound);
    const int position = sound ? 8 : 9;
    QAction* entry = window->menuEntry(sound ? QStringLiteral("mnsound") : QStringLiteral("mnwindow"));
    bool& flag = sound ? app.PlayWave : app.OpenWindow;
    // What the settings reader does for a "=True" line.
    flag = true;
    sound ? window->setSoundIndicator(true) : window->setWindowIndicator(true);
    QVERIFY(window->toolbarButton(position)->isChecked());
    QVERIFY(window->MixedState(position));
    QVERIFY(entry->isChecked());

    window->dispatch(sound ? QStringLiteral("Sound") : QStringLiteral("Window"));
    QVERIFY(!flag);
    QVERIFY(!window->toolbarButton(position)->isChecked());
    QVERIFY(!window->MixedState(position));
    QVERIFY(!entry->isChecked());
}

void MainWindowTest::separatorsDoNothing()
{
    for (int position : {3, 7, 10, 13, 15}) {
        window->toolbarButton(position)->trigger();
    }
    for (const char* name : {"sep1", "sep2", "sep3", "sep4"}) {
        window->menuEntry(QLatin1String(name))->trigger();
    }
    QVERIFY(ran.isEmpty());
    QVERIFY(shell.opened.isEmpty());
    QVERIFY(!app.PlayWave);
    QVERIFY(!app.OpenWindow);
    QVERIFY(!window->toolbarButton(8)->isChecked());
    QVERIFY(!window->toolbarButton(9)->isChecked());
}

void MainWindowTest::dispatchByKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("expected");
    for (const QString& key : ExternalCommands) {
        QTest::newRow(qPrintable(key)) << key << QStringList{key};
    }
    QTest::newRow("lower case") << "start" << QStringList{};
    QTest::newRow("upper case") << "EXIT" << QStringList{};
    QTest::newRow("trailing blank") << "Stop " << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("menu name") << "mngo" << QStringList{};
}

void MainWindowTest::dispatchByKey()
{
    QFETCH(QString, key);
    QFETCH(QStringList, expected);
    window->dispatch(key);
    QCOMPARE(ran, expected);
    QVERIFY(shell.opened.isEmpty());
    QVERIFY(!app.PlayWave);
    QVERIFY(!app.OpenWindow);
}

void MainWindowTest::menuEntriesRunTheirCommands_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("command");
    QTest::newRow("mnexit") << "mnexit"
                            << "Exit";
    QTest::newRow("mnabout") << "mnabout"
                             << "About";
    QTest::newRow("mnsetup") << "mnsetup"
                             << "Setup";
    QTest::newRow("mnlog") << "mnlog"
                           << "Log";
    QTest::newRow("mngo") << "mngo"
                          << "Start";
}

void MainWindowTest::menuEntriesRunTheirCommands()
{
    QFETCH(QString, name);
    QFETCH(QString, command);
    window->menuEntry(name)->trigger();
    QCOMPARE(ran, QStringList{command});

    // The toolbar twin runs the same command.
    ran.clear();
    for (int position = 1; position <= 15; ++position) {
        if (window->toolbarButton(position)->objectName() == command) {
            window->toolbarButton(position)->trigger();
        }
    }
    QCOMPARE(ran, QStringList{command});
}

void MainWindowTest::helpOpensTheHelpPage()
{
    window->toolbarButton(11)->trigger();
    window->menuEntry(QStringLiteral("mnhelp"))->trigger();
    const QString page = QStringLiteral("/prog/help/Bidorra_help.htm");
    QCOMPARE(shell.opened, (QStringList{page, page}));
}

void MainWindowTest::statusPanels()
{
    QVERIFY(window->statusText().isEmpty());
    window->setStatusText(QStringLiteral("Retrieving Item #123"));
    window->setCountdownText(QStringLiteral("::12"));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("statusPanel"))->text(), QStringLiteral("Retrieving Item #123"));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("countdownText"))->text(), QStringLiteral("::12"));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("datePanel"))->text(),
             QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    QCOMPARE(window->findChild<QWidget*>(QStringLiteral("countdownPanel"))->width(), 96);
}

void MainWindowTest::showLogWindowUsesTheLogCommand()
{
    window->showLogWindow();
    QCOMPARE(ran, QStringList{"Log"});
}

void MainWindowTest::gridPlacement_data()
{
    QTest::addColumn<int>("clientWidth");
    QTest::addColumn<int>("clientHeight");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    // Toolbar 885 and status bar 375 high throughout.
    QTest::newRow("designed size") << 8880 << 5190 << 890 << 8875 << 3920;
    QTest::newRow("exactly toolbar + status bar + 10") << 8880 << 1270 << 890 << 8875 << 0;
    QTest::newRow("one twip more") << 8880 << 1271 << 890 << 8875 << 1;
    QTest::newRow("lower than the bars") << 8880 << 900 << 890 << 8875 << 0;
    QTest::newRow("width exactly 5") << 5 << 5190 << 890 << 0 << 3920;
    QTest::newRow("narrower than 5") << 3 << 5190 << 890 << 0 << 3920;
}

void MainWindowTest::gridPlacement()
{
    QFETCH(int, clientWidth);
    QFETCH(int, clientHeight);
    QFETCH(int, top);
    QFETCH(int, width);
    QFETCH(int, height);
    const auto placement = MainWindow::gridPlacement(clientWidth, clientHeight, 885, 375);
    QCOMPARE(placement.top, top);
    QCOMPARE(placement.width, width);
    QCOMPARE(placement.height, height);
}

void MainWindowTest::gridFollowsTheWindow()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // The designed client area, 8880 x 5190 twips.
    QCOMPARE(window->size(), QSize(592, 346));
    window->resize(700, 420);
    const int toolbar = window->findChild<QToolBar*>()->height();
    const int statusBar = window->statusBar()->height();
    ResultsGridView* grid = window->gridView();
    QTRY_COMPARE(grid->mapTo(window.get(), QPoint(0, 0)), QPoint(0, qRound((twips(toolbar) + 5) / 15.0)));
    const auto placement = MainWindow::gridPlacement(twips(700), twips(420), twips(toolbar), twips(statusBar));
    QCOMPARE(grid->width(), qRound(placement.width / 15.0));
    QCOMPARE(grid->height(), qRound(placement.height / 15.0));
    // Nothing of the grid hides under the status bar.
    QVERIFY(grid->mapTo(window.get(), QPoint(0, grid->height())).y() <= window->statusBar()->y());
}

void MainWindowTest::minimisingLeavesTheGrid()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QRect before = window->gridView()->geometry();

    window->showMinimized();
    QVERIFY(window->isMinimized());
    window->resize(300, 200);
    window->LayoutMainWindow();
    QCOMPARE(window->gridView()->geometry(), before);

    // Restored, the grid is laid out for the size the window has now.
    window->showNormal();
    QTRY_VERIFY(!window->isMinimized());
    window->resize(500, 300);
    QTRY_COMPARE(window->gridView()->width(), 500);
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
