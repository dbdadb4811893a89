#include "core/AppState.h"
#include "core/ResultsGrid.h"
#include "tests/support/Fakes.h"
#include "tests/support/TestMain.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultsGridView.h"
#include "ui/main/TrayIntegration.h"

#include <QMenu>
#include <memory>

class TrayTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void iconAndTooltip();
    void closeBoxHidesTheWindow();
    void closeBoxHidesWithTheRealTray();
    void closeBoxMinimisesWithoutATray();
    void closeBoxMinimisesWhenTheIconIsGone();
    void doubleClickBringsTheWindowBack_data();
    void doubleClickBringsTheWindowBack();
    void otherMouseActionsDoNothing_data();
    void otherMouseActionsDoNothing();
    void trayMenuWhileMonitoring();
    void exitClosesForGood();
    void unhookedCloseCloses();

private:
    QAction* trayEntry(const QString& text) const;

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
}

void TrayTest::cleanup()
{
    tray.reset();
    window.reset();
    grid.reset();
}

QAction* TrayTest::trayEntry(const QString& text) const
{
    for (QAction* entry : tray->icon().contextMenu()->actions()) {
        if (entry->text() == text) {
            return entry;
        }
    }
    return nullptr;
}

void TrayTest::iconAndTooltip()
{
    QCOMPARE(tray->icon().toolTip(), QStringLiteral("Bidorra"));
    QVERIFY(!tray->icon().icon().isNull());
    QVERIFY(tray->icon().isVisible());
    QCOMPARE(tray->icon().contextMenu(), window->popMenu());
}

void TrayTest::closeBoxHidesTheWindow()
{
    // The offscreen platform has no tray; pretend the desktop shows the icon.
    tray->setTrayAvailable(true);
    QCOMPARE(tray->closeAction(), TrayIntegration::CloseAction::Hide);
    QVERIFY(!window->close());
    QVERIFY(!window->isVisible());
    QVERIFY(!window->isMinimized());
    QVERIFY(tray->icon().isVisible());
}

void TrayTest::closeBoxHidesWithTheRealTray()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        QSKIP("This desktop has no system tray");
    }
    QVERIFY(!window->close());
    QVERIFY(!window->isVisible());
}

void TrayTest::closeBoxMinimisesWithoutATray()
{
    tray->setTrayAvailable(false);
    QCOMPARE(tray->closeAction(), TrayIntegration::CloseAction::Minimise);
    QVERIFY(!window->close());
    QVERIFY(window->isVisible());
    QVERIFY(window->isMinimized());
}

void TrayTest::closeBoxMinimisesWhenTheIconIsGone()
{
    tray->setTrayAvailable(true);
    tray->remove();
    QVERIFY(!tray->icon().isVisible());
    QVERIFY(!window->close());
    QVERIFY(window->isVisible());
    QVERIFY(window->isMinimized());
}

void TrayTest::doubleClickBringsTheWindowBack_data()
{
    QTest::addColumn<QString>("before");
    QTest::newRow("hidden by the close box") << "hidden";
    QTest::newRow("minimised") << "minimised";
    QTest::newRow("maximised") << "maximised";
}

void TrayTest::doubleClickBringsTheWindowBack()
{
    QFETCH(QString, before);
    tray->setTrayAvailable(true);
    if (before == QLatin1String("hidden")) {
        window->close();
    } else if (before == QLatin1String("minimised")) {
        window->showMinimized();
    } else {
        window->showMaximized();
    }
    Q_EMIT tray->icon().activated(QSystemTrayIcon::DoubleClick);
    QVERIFY(window->isVisible());
    QVERIFY(!window->isMinimized());
    QVERIFY(!window->isMaximized());
    // Laid out for the size it came back with.
    QTRY_COMPARE(window->gridView()->width(), window->width());
}

void TrayTest::otherMouseActionsDoNothing_data()
{
    QTest::addColumn<int>("reason");
    QTest::newRow("single click") << int(QSystemTrayIcon::Trigger);
    QTest::newRow("middle button") << int(QSystemTrayIcon::MiddleClick);
    QTest::newRow("context") << int(QSystemTrayIcon::Context);
    QTest::newRow("unknown") << int(QSystemTrayIcon::Unknown);
}

void TrayTest::otherMouseActionsDoNothing()
{
    QFETCH(int, reason);
    tray->setTrayAvailable(true);
    window->close();
    Q_EMIT tray->icon().activated(QSystemTrayIcon::ActivationReason(reason));
    QVERIFY(!window->isVisible());
}

void TrayTest::trayMenuWhileMonitoring()
{
    window->setMonitoringCommands(true);
    for (const char* text : {"Go", "Setup", "Exit"}) {
        QVERIFY2(trayEntry(QLatin1String(text)), text);
        QVERIFY2(!trayEntry(QLatin1String(text))->isEnabled(), text);
    }
    for (const char* text :
         {"Stop", "Auction Log", "About", "Help", "Sound Notification", "Pop-up Window Notification"}) {
        QVERIFY2(trayEntry(QLatin1String(text))->isEnabled(), text);
    }
    window->setMonitoringCommands(false);
    QVERIFY(trayEntry(QStringLiteral("Exit"))->isEnabled());
    QVERIFY(!trayEntry(QStringLiteral("Stop"))->isEnabled());
}

void TrayTest::exitClosesForGood()
{
    tray->setTrayAvailable(true);
    // The exit sequence: the icon leaves the notification area, then the window closes.
    tray->remove();
    QVERIFY(!tray->icon().isVisible());
    QVERIFY(window->closeForExit());
    QVERIFY(!window->isVisible());
}

void TrayTest::unhookedCloseCloses()
{
    tray->setTrayAvailable(true);
    tray->UnhookMainWindow();
    QVERIFY(window->close());
    QVERIFY(!window->isVisible());
}

BIDORRA_WIDGET_TEST_MAIN(TrayTest)
#include "tst_tray.moc"
