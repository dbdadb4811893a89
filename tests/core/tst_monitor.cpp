#include "core/Monitor.h"
#include "core/ProgramFiles.h"
#include "core/ResultsGrid.h"
#include "tests/support/Fakes.h"
#include "tests/support/TempProgramFolder.h"

#include <QEventLoop>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {
// Stands in for the page retrieval: counts price changes as scripted and, when asked, waits
// in an event loop the way the real one waits for the network.
class ScriptedRetrieval final : public Retrieval
{
public:
    ScriptedRetrieval(CycleState& cycle, MonitorView& view) : m_cycle(cycle), m_view(view) {}

    QStringList urls;
    QList<int> changes;                  // price changes met by the n-th call
    std::function<void(int)> duringWait; // runs inside the n-th call's wait
    bool waitForCancel = false;
    bool reentered = false;
    QList<int> rowsSeen;

    void RetrieveItemPage() override
    {
        reentered = reentered || m_inside;
        m_inside = true;
        const int call = static_cast<int>(urls.size());
        urls << m_cycle.ItemUrl;
        rowsSeen << m_cycle.CurrentRow.value_or(-1);
        if (duringWait) {
            QEventLoop wait;
            m_wake = &wait;
            QTimer::singleShot(0, &wait, [this, call] { duringWait(call); });
            if (!waitForCancel) {
                QTimer::singleShot(0, &wait, &QEventLoop::quit);
            }
            wait.exec();
            m_wake = nullptr;
        }
        if (!m_cycle.AbortRequested) {
            m_cycle.ChangeCount = static_cast<qint16>(m_cycle.ChangeCount + changes.value(call));
        }
        m_view.setStatusText(QStringLiteral("Stopped"));
        m_inside = false;
    }

    void cancelTransfer() override
    {
        if (m_wake) {
            m_wake->quit();
        }
    }

private:
    CycleState& m_cycle;
    MonitorView& m_view;
    QEventLoop* m_wake = nullptr;
    bool m_inside = false;
};

struct Rig
{
    TempProgramFolder folder;
    AppState app;
    CycleState cycle;
    ResultsGrid grid;
    ListItems items;
    RecordingView view;
    ScriptedRetrieval retrieval{cycle, view};
    FakeConnectionProbe probe;
    FakeClock clock;
    RecordingSound sound;
    QStringList events;
    Monitor monitor{Monitor::Ports{app, cycle, grid, items, retrieval, probe, clock, sound, view, folder.path(),
                                   QStringLiteral("auctions.test")}};

    explicit Rig(const QStringList& list = {})
    {
        items.items = list;
        grid.ResetGrid();
        sound.events = &events;
        view.events = &events;
    }
};
} // namespace

class TestMonitor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyListRunsAnEmptyCycle()
    {
        Rig rig;
        rig.monitor.StartMonitoring();
        QCOMPARE(rig.grid.rows(), 2);
        QCOMPARE(rig.view.statusTexts.last(), QStringLiteral("Timer ON..."));
        QVERIFY(rig.monitor.Timer1().isActive());
        QVERIFY(!rig.monitor.Timer2().isActive());
        QCOMPARE(rig.view.monitoringCommands, std::optional<bool>(true));
    }

    void cycleWalksTheListInOrder()
    {
        Rig rig({"111", " 2 2", "111"});
        rig.monitor.StartMonitoring();
        QCOMPARE(rig.grid.rows(), 5);
        const QString page = QStringLiteral("http://auctions.test/aw-cgi/eBayISAPI.dll?ViewItem&item=");
        QCOMPARE(rig.retrieval.urls, QStringList({page + "111", page + " 2 2", page + "111"}));
        QCOMPARE(rig.retrieval.rowsSeen, QList<int>({1, 2, 3}));
        QCOMPARE(rig.grid.text(2, 0), QStringLiteral(" 2 2"));
        QVERIFY(rig.view.statusTexts.contains(QStringLiteral("Retrieving Item # 2 2")));
    }

    void alertsOncePerItemWithChanges_data()
    {
        QTest::addColumn<bool>("playWave");
        QTest::addColumn<bool>("openWindow");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("both") << true << true << QStringList({"wave", "window", "wave", "window"});
        QTest::newRow("sound only") << true << false << QStringList({"wave", "wave"});
        QTest::newRow("window only") << false << true << QStringList({"window", "window"});
        QTest::newRow("neither") << false << false << QStringList();
    }

    void alertsOncePerItemWithChanges()
    {
        Rig rig({"1", "2", "3"});
        QFETCH(bool, playWave);
        rig.app.PlayWave = playWave;
        QFETCH(bool, openWindow);
        rig.app.OpenWindow = openWindow;
        rig.retrieval.changes = {1, 0, 2};
        rig.monitor.StartMonitoring();
        QTEST(rig.events, "expected");
        if (playWave) {
            QCOMPARE(rig.sound.played.first(), ProgramFiles::path(rig.folder.path(), ProgramFiles::Sound));
        }
    }

    void pageFileIsDeletedAfterEachItem()
    {
        Rig rig({"1", "2"});
        QList<bool> presentAtNextItem;
        rig.retrieval.duringWait = [&rig, &presentAtNextItem](int call) {
            presentAtNextItem << rig.folder.exists(QString::fromLatin1(ProgramFiles::Page));
            if (call == 0) { // the second item gets no page, as after a 404
                rig.folder.write(QString::fromLatin1(ProgramFiles::Page), "<html>");
            }
        };
        rig.monitor.StartMonitoring();
        QCOMPARE(presentAtNextItem, QList<bool>({false, false}));
        QVERIFY(!rig.folder.exists(QString::fromLatin1(ProgramFiles::Page)));
        QCOMPARE(rig.view.statusTexts.last(), QStringLiteral("Timer ON..."));
    }

    void stopDuringRetrievalEndsTheCycle()
    {
        Rig rig({"1", "2"});
        rig.app.PlayWave = true;
        rig.app.OpenWindow = true;
        rig.retrieval.changes = {1, 1};
        rig.retrieval.waitForCancel = true;
        rig.retrieval.duringWait = [&rig](int) { rig.monitor.StopMonitoring(); };
        rig.monitor.StartMonitoring();

        QCOMPARE(rig.retrieval.urls.size(), 1);
        QVERIFY(rig.events.isEmpty());
        QVERIFY(!rig.monitor.Timer1().isActive());
        QVERIFY(!rig.monitor.Timer2().isActive());
        QCOMPARE(rig.view.statusTexts.last(), QStringLiteral("Stopped"));
        QCOMPARE(rig.view.monitoringCommands, std::optional<bool>(false));
    }

    void dueTicksDuringACycleStartNoSecondCycle()
    {
        Rig rig({"1", "2"});
        rig.app.Hours = 0;
        rig.app.Minutes = 0;
        rig.app.Seconds = 0; // every tick is due
        rig.retrieval.duringWait = [&rig](int) {
            rig.monitor.CountdownTick();
            rig.monitor.ConnectionWatchTick();
        };
        rig.monitor.StartMonitoring();
        QCOMPARE(rig.retrieval.urls.size(), 2);
        QVERIFY(!rig.retrieval.reentered);
    }

    void commandsDuringAStoppedRetrieval_data()
    {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<int>("retrievals");
        QTest::addColumn<bool>("countdown");

        // Start waits for the stopped cycle to return, then runs a whole cycle of its own.
        QTest::newRow("Stop, Start") << QStringList{"Stop", "Start"} << 3 << true;
        QTest::newRow("Stop, Start, Stop") << QStringList{"Stop", "Start", "Stop"} << 1 << false;
    }

    void commandsDuringAStoppedRetrieval()
    {
        QFETCH(QStringList, commands);
        Rig rig({"1", "2"});
        rig.retrieval.waitForCancel = true;
        rig.retrieval.duringWait = [&rig, commands](int call) {
            if (call > 0) {
                rig.retrieval.cancelTransfer(); // later calls just finish
                return;
            }
            for (const QString& command : commands) {
                command == QStringLiteral("Stop") ? rig.monitor.StopMonitoring() : rig.monitor.StartMonitoring();
            }
        };
        rig.monitor.StartMonitoring();
        QCOMPARE(rig.retrieval.urls.size(), 1); // the stopped cycle ended after its item
        QTest::qWait(50);
        QTEST(int(rig.retrieval.urls.size()), "retrievals");
        QVERIFY(!rig.retrieval.reentered);
        QTEST(rig.monitor.Timer1().isActive(), "countdown");
    }

    void dueCountdownOfflineRepeatsUntilTheConnectionIsBack()
    {
        Rig rig({"1"});
        rig.app.Seconds = 30;
        rig.monitor.StartMonitoring();
        QCOMPARE(rig.retrieval.urls.size(), 1);

        rig.probe.flags = std::nullopt; // the platform cannot tell: offline
        rig.monitor.CountdownTick();    // starts the countdown
        rig.clock.advance(30);
        rig.monitor.CountdownTick();
        rig.clock.advance(1);
        rig.monitor.CountdownTick();
        QCOMPARE(rig.sound.beeps, 2);
        QCOMPARE(rig.view.statusTexts.last(), QStringLiteral("Connection Closed"));
        QVERIFY(rig.monitor.Timer1().isActive());
        QVERIFY(rig.monitor.Timer2().isActive());

        rig.probe.flags = ConnectionProbe::ModemFlag;
        rig.clock.advance(1);
        rig.monitor.CountdownTick();
        QCOMPARE(rig.retrieval.urls.size(), 2);
        rig.monitor.ConnectionWatchTick(); // the watch stays on but has nothing to do
        QCOMPARE(rig.retrieval.urls.size(), 2);
    }

    void countdownKeepsFallingDueAcrossMidnight()
    {
        Rig rig;
        rig.app.Seconds = 30;
        rig.clock.current = QDateTime(QDate(2026, 12, 5), QTime(23, 59, 45));
        rig.monitor.StartMonitoring();
        rig.monitor.CountdownTick();
        rig.clock.advance(30);
        rig.monitor.CountdownTick();
        QCOMPARE(rig.view.statusTexts.count(QStringLiteral("Timer ON...")), 2);
    }

    void aListThatShrinksIsNotReadPastItsEnd()
    {
        Rig rig({"1", "2", "3"});
        rig.retrieval.duringWait = [&rig](int call) {
            if (call == 0) {
                rig.items.items = QStringList{"1"};
            }
        };
        rig.monitor.StartMonitoring();
        QCOMPARE(rig.retrieval.urls.size(), 1);
        QCOMPARE(rig.view.statusTexts.last(), QStringLiteral("Timer ON..."));
    }

    void aGridResetDuringACycleGetsItsRowsBack()
    {
        Rig rig({"1", "2"});
        rig.retrieval.duringWait = [&rig](int call) {
            if (call == 0) {
                rig.grid.ResetGrid();
            }
        };
        rig.monitor.StartMonitoring();
        QCOMPARE(rig.retrieval.urls.size(), 2);
        QCOMPARE(rig.grid.rows(), 4);
        QCOMPARE(rig.grid.text(2, 0), QStringLiteral("2"));
    }
};

QTEST_GUILESS_MAIN(TestMonitor)
#include "tst_monitor.moc"
