#include "platform/Modules.h"
#include "storage/HistoryStore.h"
#include "tests/support/Fakes.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include "ui/dialogs/HistoryTableModel.h"
#include "ui/dialogs/HistoryWindow.h"
#include "ui/dialogs/PriceChartView.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <ctime>

namespace {
const QDateTime Noon(QDate(2026, 12, 5), QTime(12, 0, 0), Qt::UTC);

// A history file and what a window on it needs.
struct History
{
    TempProgramFolder folder;
    HistoryStore store;
    RecordingMessages messages;
    FakeClock clock;
    History() { store.open(folder.path()); }
    HistoryWindow* window() { return new HistoryWindow(store, messages, clock, folder.path()); }
    // Stores one row for each price, a minute apart.
    void storePrices(const QString& itemNumber, int first, int count)
    {
        for (int price = first; price < first + count; ++price) {
            ItemPageReading page;
            page.values[0] = QStringLiteral("$%1.00").arg(price);
            store.record(itemNumber, page, Noon.addSecs(qint64{60} * price));
        }
        store.write();
    }
};

QString shownPrice(const HistoryTableModel& model, int row)
{
    return model.index(row, HistoryTableModel::Price).data().toString();
}
} // namespace

class TestHistoryWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A zone with summer time; the other tests do not mind which.
    void initTestCase()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    // Without its chart module the window says why and still shows the stored rows.
    void withoutTheChartModule()
    {
        History history;
        history.storePrices(QStringLiteral("1001"), 1, 3);
        Modules::setFolder(history.folder.path());
        std::unique_ptr<HistoryWindow> window(history.window());
        Modules::setFolder(QStringLiteral(BIDORRA_BUILD_MODULES));
        window->showItem(QStringLiteral("1001"));
        QVERIFY(!window->chart());
        const auto* missing = window->findChild<QLabel*>(QStringLiteral("chartMissing"));
        QVERIFY(missing->isVisible() && missing->text().startsWith(u"The price chart could not be loaded: "));
        QCOMPARE(window->table()->rowCount(), 3);
    }

    // Nothing stored yet: a sentence instead of empty axes. Then the table reads a page of rows
    // at a time, newest first, as the view scrolls to them, and rows stored while it shows come
    // in at the top.
    void tableReadsRowsAsTheyAreShown()
    {
        History history;
        std::unique_ptr<HistoryWindow> shown(history.window());
        HistoryWindow& window = *shown;
        window.showItem(QString());
        auto* nothing = window.findChild<QLabel*>(QStringLiteral("nothingRecorded"));
        QVERIFY(nothing->isVisible() && !window.chart()->widget()->isVisible());
        history.storePrices(QStringLiteral("1002"), 1, 5);
        history.storePrices(QStringLiteral("1001"), 1, 450);
        window.showItem(QStringLiteral("1001"));
        QVERIFY(window.chart()->widget()->isVisible() && !nothing->isVisible());
        HistoryTableModel& model = *window.table();
        QCOMPARE(model.rowCount(), HistoryTableModel::PageRows);
        QCOMPARE(shownPrice(model, 0), "$450.00");
        auto* view = window.findChild<QTableView*>(QStringLiteral("historyTable"));
        for (const int rows : {400, 450}) {
            view->scrollToBottom();
            QTRY_COMPARE(model.rowCount(), rows);
        }
        QVERIFY(!model.canFetchMore({}));
        QCOMPARE(shownPrice(model, 449), "$1.00");
        history.storePrices(QStringLiteral("1001"), 451, 2);
        QCOMPARE(model.rowCount(), 452);
        QCOMPARE(shownPrice(model, 0), "$452.00");
        const auto points = [&window] { return window.chart()->pricePoints(); };
        QTRY_VERIFY(!points().isEmpty() && qFuzzyCompare(points().last().y(), 452.0));
    }

    // Local times name their zone: the table's title as at the newest row, a time on the other
    // side of a change to or from summer time its own; the chart's time axis every name its span
    // has. The price axis names the currency when all prices share one.
    void timesNameTheirZone_data()
    {
        QTest::addColumn<QStringList>("rows");  // "date price", at noon UTC
        QTest::addColumn<QStringList>("shown"); // title, newest and oldest time, time and price axes

        QTest::newRow("winter") << QStringList{"2026-12-01 $5.00", "2026-12-02 $6.00"}
                                << QStringList{"Time (CET)", "2026-12-02 13:00:00", "2026-12-01 13:00:00", "Time (CET)",
                                               "Price ($)"};
        QTest::newRow("summer, then winter")
            << QStringList{"2026-10-20 US $5.00", "2026-11-02 EUR 6.00"}
            << QStringList{"Time (CET)", "2026-11-02 13:00:00", "2026-10-20 14:00:00 CEST", "Time (CEST/CET)", "Price"};
    }

    void timesNameTheirZone()
    {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, shown);

        History history;
        for (const QString& row : std::as_const(rows)) {
            ItemPageReading page;
            page.values[0] = row.section(u' ', 1);
            const QDate day = QDate::fromString(row.section(u' ', 0, 0), Qt::ISODate);
            history.store.record(QStringLiteral("1001"), page, QDateTime(day, QTime(12, 0), Qt::UTC));
        }
        history.store.write();
        history.clock.current = Noon;
        std::unique_ptr<HistoryWindow> window(history.window());
        window->showItem(QStringLiteral("1001"));
        QTRY_COMPARE(window->chart()->pricePoints().size(), 4); // read whole
        const HistoryTableModel& model = *window->table();
        const QChart* chart = window->findChild<QChartView*>()->chart();
        QCOMPARE((QStringList{model.headerData(HistoryTableModel::Time, Qt::Horizontal).toString(),
                              model.index(0, HistoryTableModel::Time).data().toString(),
                              model.index(1, HistoryTableModel::Time).data().toString(),
                              chart->axes(Qt::Horizontal).first()->titleText(),
                              chart->axes(Qt::Vertical).first()->titleText()}),
                 shown);
    }

    // An export goes on in slices; closing the window completes it, Cancel drops it and leaves
    // the file it would have replaced.
    void exportEndsWithTheWindow_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("window closed") << false;
        QTest::newRow("cancelled") << true;
    }

    void exportEndsWithTheWindow()
    {
        QFETCH(bool, cancel);

        History history;
        history.storePrices(QStringLiteral("1001"), 1, 3000);
        const TempProgramFolder& folder = history.folder;
        folder.write(QStringLiteral("h.csv"), "old\r\n");
        QPointer<HistoryWindow> window = history.window();
        window->showItem(QStringLiteral("1001"));
        window->exportTo(folder.file(QStringLiteral("h.csv")), HistoryWindow::ExportScope::ShownItem);
        QVERIFY(window->isExporting());
        if (cancel) {
            window->findChild<QPushButton*>(QStringLiteral("cancelExportButton"))->click();
            QVERIFY(!window->isExporting());
        }
        window->close();
        QTRY_VERIFY(!window);
        QCOMPARE(folder.read(QStringLiteral("h.csv")).count("\r\n"), cancel ? 1 : 1 + 3000);
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("*.csv*")}, QDir::Files | QDir::Hidden),
                 QStringList{"h.csv"});
        QVERIFY(history.messages.shown.isEmpty());
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestHistoryWindow)
#include "tst_historywindow.moc"
