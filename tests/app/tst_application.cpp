#include "app/Application.h"
#include "app/HistoryFeature.h"
#include "core/Monitor.h"
#include "tests/support/Fakes.h"
#include "tests/support/ItemPages.h"
#include "tests/support/ScriptedHttpServer.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include "ui/dialogs/HistoryTableModel.h"
#include "ui/dialogs/LogWindow.h"
#include "ui/dialogs/SetupDialog.h"
#include "ui/main/Announcer.h"
#include "ui/main/CommandActions.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultsView.h"
#include "ui/main/StatusPanels.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace std::chrono_literals;

namespace {
// The real application on a temporary program folder, with a scripted site and stand-ins for
// what would block or reach outside.
struct Program
{
    TempProgramFolder folder;
    ScriptedHttpServer site;
    RecordingMessages messages;
    FakeConnectivity connectivity;
    RecordingSound sound;
    RecordingShell shell;
    FakeClock clock;
    std::unique_ptr<Application> application;

    // Starts on the given list.ini and Setup.ini; a null text writes no file.
    void start(const QByteArray& list = {}, const QByteArray& setup = {})
    {
        for (const auto& [name, bytes] : {std::pair{"list.ini", list}, std::pair{"Setup.ini", setup}}) {
            if (!bytes.isNull()) {
                folder.write(QLatin1String(name), bytes);
            }
        }
        Application::Platform platform;
        platform.messages = &messages;
        platform.connectivity = &connectivity;
        platform.sound = &sound;
        platform.shell = &shell;
        platform.clock = &clock;
        platform.limits.deadline = 2s;
        platform.trayActivation = TrayIcon::Activation::DoubleClick;
        application = std::make_unique<Application>(
            Environment{folder.path(), folder.path(), site.host(), folder.file(QStringLiteral("bidorra.conf"))},
            platform);
        application->start();
    }
    CommandActions& actions() { return application->actions(); }
    template <typename T> T* inSetup(const char* name)
    {
        return application->setupDialog()->findChild<T*>(QLatin1String(name));
    }
    void setupOk()
    {
        actions().setup()->trigger();
        inSetup<QPushButton>("okButton")->click();
    }
    QString status() { return application->mainWindow().statusPanels()->statusText(); }
    void serve(const QString& number, const QString& price, int pauseMs = 0)
    {
        ItemPages::Item item;
        item.price = price;
        ScriptedHttpServer::Response page =
            ScriptedHttpServer::Response::page("HTTP/1.1 200 OK", ItemPages::page(item));
        page.pieces.first().pauseBeforeMs = pauseMs;
        site.script(ItemPages::target(number), page);
    }
    // One cycle over a list of item 1001, which shows the price.
    void cycle(const char* price)
    {
        serve(QStringLiteral("1001"), QLatin1String(price));
        actions().start()->trigger();
        // The panel shows a new status at most every 250 ms: the last cycle's may still be there.
        QTRY_VERIFY(!application->monitor().isCycleRunning());
        QTRY_COMPARE(status(), "Timer ON...");
        actions().stop()->trigger();
    }
};
} // namespace

class TestApplication : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A file that did not load whole is not written over by Setup's OK: it is kept beside the
    // new one, once, and the user is told where.
    void fileNotReadWholeIsKeptAside_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown"); // how the message at start-up ends
        QTest::addColumn<QByteArray>("written");

        QTest::newRow("list over 1 MiB") << "list.ini" << QByteArray(1024 * 1024 + 1, '7') << "Error 27: File too large"
                                         << QByteArray();
        QTest::newRow("list line over 64 characters")
            << "list.ini"
            << "1001\r\n" + QByteArray(65, '9') + "\r\n1002\r\n"
            << "Error 75: line 2 is longer than 64 characters and was left out" << QByteArray("1001\r\n1002\r\n");
        QTest::newRow("settings line not read")
            << "Setup.ini" << QByteArray("PlayWave=True\r\nHours=abc\r\nSeconds=20\r\n") << "Error 22: Invalid argument"
            << QByteArray("PlayWave=True\r\nOpenWindow=False\r\nHours=0\r\nMinutes=0\r\nSeconds=0\r\n");
    }

    void fileNotReadWholeIsKeptAside()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QFETCH(QByteArray, written);

        Program program;
        program.folder.write(name, bytes);
        program.start(name == u"list.ini" ? bytes : "1001\r\n", name == u"Setup.ini" ? bytes : "Seconds=20\r\n");
        QVERIFY(program.messages.shown.first().text.endsWith(shown));
        for (int ok = 0; ok < 2; ++ok) {
            program.setupOk();
            QTRY_VERIFY(!program.application->setupDialog());
        }
        const QString kept = name + QStringLiteral(".unread-20261205-100000");
        QCOMPARE(program.folder.read(kept), bytes);
        QCOMPARE(program.folder.read(name), written);
        QCOMPARE(QDir(program.folder.path()).entryList({name + u'*'}), (QStringList{name, kept}));
        const auto told = std::find_if(program.messages.shown.cbegin(), program.messages.shown.cend(),
                                       [](const Message& message) { return message.title == u"Old File Kept"; });
        QVERIFY(told != program.messages.shown.cend() && told->text.contains(kept));
    }

    // A session: a save a kill cut short swept away at start, three cycles, Save, the history of the grid's current
    // item, its page and Exit. Item 1004 is missing: a box for it in the first two cycles, a log line once problems are
    // reported without interrupting. Each change and each problem is announced to screen readers
    // by a notification object, those of a moment together; the desktop notification sums up a cycle.
    void session()
    {
        Program program;
        program.folder.write(QStringLiteral(".list.ini.saving-a1B2c3"), "cut short by a kill");
        program.start("1001\r\n1004\r\n1002\r\n", "OpenWindow=True\r\nMinutes=5\r\n");
        QVERIFY(!QFile::exists(program.folder.file(QStringLiteral(".list.ini.saving-a1B2c3"))));
        ResultsView* grid = program.application->mainWindow().resultsView();
        // Before the first cycle the empty grid says the list is there and how to start.
        QCOMPARE(grid->emptyHint(), "Items listed: 3. Choose Start (F5) to watch them.");
        program.actions().notification()->trigger();
        QSignalSpy notified(&program.application->tray(), &TrayIcon::notified);
        QAccessibleInterface* announcer =
            QAccessible::queryAccessibleInterface(program.application->mainWindow().announcer());
        QStringList announced;
        for (const auto& [price, other] :
             {std::pair{"$4.00", "$7.00"}, std::pair{"$4.00", "$7.00"}, std::pair{"US $4,500.00", "$8.00"}}) {
            program.clock.advance(60);
            program.serve(QStringLiteral("1001"), QLatin1String(price));
            program.serve(QStringLiteral("1002"), QLatin1String(other));
            const int before = announcer->childCount();
            program.actions().start()->trigger();
            QTRY_VERIFY(!program.application->monitor().isCycleRunning());
            QTRY_COMPARE(program.status(), "Timer ON...");
            program.actions().stop()->trigger();
            program.actions().reportWithoutInterrupting()->setChecked(program.messages.shown.size() == 2);
            // A cycle's texts are said together, once the while after the one before is over.
            QTRY_COMPARE(announcer->childCount(), before + 1);
            announced << announcer->child(announcer->childCount() - 1)->text(QAccessible::Name);
        }
        QCOMPARE(announced, (QStringList{"Item #1004: File Not Found", "Item #1004: File Not Found",
                                         "Item #1001: price changed from $4.00 to US $4,500.00; Item #1004: File "
                                         "Not Found; Item #1002: price changed from $7.00 to $8.00"}));
        QVERIFY(program.application->logWindow()->isVisible());
        QCOMPARE(program.application->logWindow()->lines().size(), 5);
        QCOMPARE(program.messages.shown.size(), 2);
        QCOMPARE(notified.size(), 1);
        QCOMPARE(notified.first(),
                 (QVariantList{"2 prices changed", "#1001 US $4,500.00 (was $4.00), #1002 $8.00 (was $7.00)"}));
        program.actions().save()->trigger();
        QVERIFY(program.folder.read(QStringLiteral("Grid Data.csv")).contains(",1001,bob (12),joe (3),US $4,500.00,"));

        // The History command shows the item of the grid's current row.
        grid->setCurrentIndex(grid->model()->index(0, 0));
        program.actions().history()->trigger();
        HistoryWindow* window = program.application->history().window();
        QVERIFY(window->isVisible());
        QCOMPARE(window->itemNumber(), "1001");
        QCOMPARE(window->table()->rowCount(), 2);

        Q_EMIT grid->doubleClicked(grid->model()->index(0, 3));
        QCOMPARE(program.shell.opened,
                 QList<QUrl>{program.site.url(QString::fromLatin1(ItemPages::target(QStringLiteral("1001"))))});
        QSignalSpy exited(program.application.get(), &Application::exited);
        program.actions().exit()->trigger();
        QCOMPARE(exited.size(), 1);
        QVERIFY(!program.application->tray().icon().isVisible());
        QVERIFY(!program.application->mainWindow().isVisible());
    }

    // A column the user sized keeps its width in the next run, until a double-click on its edge
    // gives it back to the fitting.
    void columnWidthKeptAcrossRuns()
    {
        Program program;
        program.start();
        const auto header = [&program] { return program.application->mainWindow().resultsView()->horizontalHeader(); };
        header()->resizeSection(ResultsModel::Seller, 333); // as dragging its edge does
        program.application.reset();
        program.start();
        QCOMPARE(header()->sectionSize(ResultsModel::Seller), 333);
        const QPoint edge(header()->sectionViewportPosition(ResultsModel::Seller) + 332, header()->height() / 2);
        QTest::mouseDClick(header()->viewport(), Qt::LeftButton, {}, edge);
        QVERIFY(header()->sectionSize(ResultsModel::Seller) != 333);
        program.application.reset();
        program.start();
        QVERIFY(header()->sectionSize(ResultsModel::Seller) != 333);
    }

    // A lock another program holds on the history: one message for each run of failed cycles,
    // saying what is wrong and what to do, and what those cycles saw is stored once it is gone.
    void historyFailuresAreToldOnceAndTriedAgain()
    {
        Program program;
        program.start("1001\r\n", "Minutes=5\r\n");
        program.application->history().store().setLockWait(10ms);
        program.cycle("$1.00");
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(program.folder.file(QStringLiteral("history.sqlite")));
        QVERIFY(holder.open() && QSqlQuery(holder).exec(QStringLiteral("BEGIN IMMEDIATE")));
        program.cycle("$2.00");
        program.cycle("$3.00");
        QSqlQuery(holder).exec(QStringLiteral("ROLLBACK"));
        program.cycle("$4.00");
        QSqlQuery(holder).exec(QStringLiteral("BEGIN IMMEDIATE"));
        program.cycle("$5.00");
        holder.close();
        holder = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        program.cycle("$6.00");

        QCOMPARE(program.messages.shown.size(), 2);
        for (const Message& message : std::as_const(program.messages.shown)) {
            QVERIFY(message.text.contains(u"database is locked") && message.text.endsWith(u"monitoring goes on."));
        }
        QCOMPARE(program.application->history().store().rowsBefore(QString(), 0, 10).rows.size(), 6);
    }

    // Setup's OK clears the grid under a page on its way: monitoring goes on. The item's row comes
    // back for its values, unless the item has left its place in the list.
    void setupOkDuringADownload_data()
    {
        QTest::addColumn<bool>("replaced");    // another item takes the place of the one under way
        QTest::addColumn<QString>("firstRow"); // its number and price; empty for an empty grid

        QTest::newRow("list kept") << false << "1001 $2.00";
        QTest::newRow("item replaced") << true << QString();
    }

    void setupOkDuringADownload()
    {
        QFETCH(bool, replaced);
        QFETCH(QString, firstRow);

        Program program;
        program.serve(QStringLiteral("1001"), QStringLiteral("$2.00"), 300);
        program.start("1001\r\n", "Minutes=5\r\n");
        program.actions().setup()->trigger(); // Setup is off while monitoring; its dialog may be open
        if (replaced) {
            auto* list = program.inSetup<QListView>("itemList");
            list->setCurrentIndex(list->model()->index(0, 0));
            program.inSetup<QPushButton>("removeButton")->click();
            program.inSetup<QLineEdit>("itemField")->setText(QStringLiteral("1002"));
            program.inSetup<QPushButton>("addButton")->click();
        }
        program.actions().start()->trigger();
        QTRY_COMPARE(program.site.requests().size(), 1);
        program.inSetup<QPushButton>("okButton")->click();
        QTRY_VERIFY(!program.application->monitor().isCycleRunning());
        QTRY_COMPARE(program.status(), "Timer ON...");
        QVERIFY(program.messages.shown.isEmpty());
        QVERIFY(program.actions().stop()->isEnabled());
        const ResultsModel& results = program.application->results();
        QCOMPARE(results.rowCount(), firstRow.isEmpty() ? 0 : 2);
        QCOMPARE(
            QString(results.text(0, ResultsModel::ItemNumber) + u' ' + results.text(0, ResultsModel::Price)).trimmed(),
            firstRow);
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestApplication)
#include "tst_application.moc"
