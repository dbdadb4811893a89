#include "core/AppState.h"
#include "core/ResultsGrid.h"
#include "tests/support/Fakes.h"
#include "tests/support/TestMain.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultsGridView.h"
#include "ui/main/TrayIntegration.h"

#include <QMenu>
#include <memory>

namespace {
enum class Ending { Closed, Hidden, Minimised };
}
Q_DECLARE_METATYPE(Ending)

class TrayTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void closing_data();
    void closing();
    void iconBringsTheWindowBack_data();
    void iconBringsTheWindowBack();
    void trayMenuWhileMonitoring();

private:
    AppState app;
    CycleState cycle;
    RecordingShell shell;
    std::unique_ptr<ResultsGrid> grid;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TrayIntegration> tray;
};

void TrayTest::init()
{
    grid = std::make_unique<ResultsGrid>();
    window =
        std::make_unique<MainWindow>(app, cycle, *grid, shell, QStringLiteral("/prog"), QStringLiteral("auction.test"));
    tray = std::make_unique<TrayIntegration>(*window);
    tray->HookMainWindow();
    tray->add();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // The offscreen platform has no tray; most cases pretend the desktop shows the icon.
    tray->setTrayAvailable(true);
}

void TrayTest::cleanup()
{
    tray.reset();
    window.reset();
    grid.reset();
}

void TrayTest::closing_data()
{
    QTest::addColumn<bool>("trayAvailable");
    QTest::addColumn<QString>("before"); // what happens before the close request
    QTest::addColumn<Ending>("ending");
    QTest::newRow("close box hides") << true << "" << Ending::Hidden;
    QTest::newRow("no tray: close box minimises") << false << "" << Ending::Minimised;
    QTest::newRow("icon removed: close box minimises") << true << "remove" << Ending::Minimised;
    QTest::newRow("exit closes for good") << true << "exit" << Ending::Closed;
    QTest::newRow("unhooked: close box closes") << true << "unhook" << Ending::Closed;
}

void TrayTest::closing()
{
    QFETCH(bool, trayAvailable);
    QFETCH(QString, before);
    QFETCH(Ending, ending);
    tray->setTrayAvailable(trayAvailable);
    if (before == QLatin1String("unhook")) {
        tray->UnhookMainWindow();
    } else if (before == QLatin1String("remove") || before == QLatin1String("exit")) {
        tray->remove(); // the exit sequence takes the icon away first
        QVERIFY(!tray->icon().isVisible());
    }
    const bool closed = before == QLatin1String("exit") ? window->closeForExit() : window->close();

    QCOMPARE(closed, ending == Ending::Closed);
    QCOMPARE(window->isVisible(), ending == Ending::Minimised);
    QCOMPARE(window->isMinimized(), ending == Ending::Minimised);
    // Hidden, the window keeps the icon as the way back. That the monitoring goes on
    // meanwhile is the application test's to show.
    if (ending == Ending::Hidden) {
        QVERIFY(tray->icon().isVisible());
    }
}

void TrayTest::iconBringsTheWindowBack_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("back");
    const int doubleClick = QSystemTrayIcon::DoubleClick;
    QTest::newRow("double-click, hidden by the close box") << "hidden" << doubleClick << true;
    QTest::newRow("double-click, minimised") << "minimised" << doubleClick << true;
    QTest::newRow("double-click, maximised") << "maximised" << doubleClick << true;
    QTest::newRow("single click") << "hidden" << int(QSystemTrayIcon::Trigger) << false;
    QTest::newRow("middle button") << "hidden" << int(QSystemTrayIcon::MiddleClick) << false;
    QTest::newRow("context") << "hidden" << int(QSystemTrayIcon::Context) << false;
}

void TrayTest::iconBringsTheWindowBack()
{
    QFETCH(QString, before);
    QFETCH(int, reason);
    QFETCH(bool, back);
    if (before == QLatin1String("hidden")) {
        window->close();
    } else if (before == QLatin1String("minimised")) {
        window->showMinimized();
    } else {
        window->showMaximized();
    }
    Q_EMIT tray->icon().activated(QSystemTrayIcon::ActivationReason(reason));
    QCOMPARE(window->isVisible(), back);
    if (back) {
        QVERIFY(!window->isMinimized());
        QVERIFY(!window->isMaximized());
        // Laid out for the size it came back with.
        QTRY_COMPARE(window->gridView()->width(), window->width());
    }
}

void TrayTest::trayMenuWhileMonitoring()
{
    window->setMonitoringCommands(true);
    QStringList enabled;
    QStringList disabled;
    for (const QAction* entry : tray->icon().contextMenu()->actions()) {
        if (!entry->isSeparator()) {
            (entry->isEnabled() ? enabled : disabled) << entry->text();
        }
    }
    QCOMPARE(disabled, (QStringList{"Exit", "Setup", "Go"}));
    QCOMPARE(enabled,
             (QStringList{"About", "Help", "Pop-up Window Notification", "Sound Notification", "Auction Log", "Stop"}));
}

BIDORRA_WIDGET_TEST_MAIN(TrayTest)
#include "tst_tray.moc"
