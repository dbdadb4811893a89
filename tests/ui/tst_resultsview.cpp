#include "core/ResultsModel.h"
#include "storage/GridExport.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include "ui/main/ResultsView.h"

#include <QHeaderView>

namespace {
QString viewOrder(const QTableView& view)
{
    QStringList numbers;
    for (int row = 0; row < view.model()->rowCount(); ++row) {
        numbers << view.model()->index(row, ResultsModel::ItemNumber).data().toString();
    }
    return numbers.join(u',');
}
} // namespace

class TestResultsView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A click on a header sorts the view by the column's values, a second one the other way
    // round, a third brings back the list's order; empty cells and the blank row stay last. The
    // results and the exported grid keep the list's order throughout.
    void headerClicksSortTheView_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("cells"); // of items 1000 to 1003; all four for item numbers
        QTest::addColumn<QString>("ascending");
        QTest::addColumn<QString>("descending");

        QTest::newRow("item numbers as numbers")
            << int(ResultsModel::ItemNumber) << QStringList{"900", "10000", "95", "2000"} << "95,900,2000,10000,"
            << "10000,2000,900,95,";
        QTest::newRow("counts as numbers")
            << int(ResultsModel::Bids) << QStringList{"12", "1,024", "3", ""} << "1002,1000,1001,1003,"
            << "1001,1000,1002,1003,";
        QTest::newRow("prices by amount")
            << int(ResultsModel::Price) << QStringList{"US $1,234.56", "$99.00", "US $150.00", "--"}
            << "1001,1002,1000,1003,"
            << "1000,1002,1001,1003,";
        QTest::newRow("end times by time in their zones")
            << int(ResultsModel::EndTime)
            << QStringList{"Dec-14-26 21:36:10 PST", "Apr-02-27 08:00:00 PDT", "Dec-14-26 23:00:00 EST",
                           "Dec-09-26 23:59:59 PST"}
            << "1003,1002,1000,1001,"
            << "1001,1000,1002,1003,";
        QTest::newRow("time left by time")
            << int(ResultsModel::TimeLeft)
            << QStringList{"9 days 0 hours +", "3 hours 5 mins +", "Auction has ended.", "45 mins 10 secs"}
            << "1002,1003,1001,1000,"
            << "1000,1001,1003,1002,";
        QTest::newRow("names regardless of case")
            << int(ResultsModel::Seller) << QStringList{"bob (12)", "Alice (3)", "alfred (40)", ""}
            << "1002,1001,1000,1003,"
            << "1000,1001,1002,1003,";
    }

    void headerClicksSortTheView()
    {
        QFETCH(int, column);
        QFETCH(QStringList, cells);
        QFETCH(QString, ascending);
        QFETCH(QString, descending);

        ResultsModel results;
        results.setItemCount(4);
        QStringList listOrder;
        for (int row = 0; row < 4; ++row) {
            results.setText(row, ResultsModel::ItemNumber, QString::number(1000 + row));
            results.setText(row, column, cells[row]);
            listOrder << results.text(row, ResultsModel::ItemNumber);
        }
        listOrder << QString();
        const TempProgramFolder folder;
        const QString csv = folder.file(QStringLiteral("grid.csv"));
        QVERIFY(!exportGrid(results, csv));
        const QByteArray exported = folder.read(QStringLiteral("grid.csv"));

        ResultsView view(results);
        view.resize(900, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QHeaderView* header = view.horizontalHeader();
        const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                            header->height() / 2);
        for (const QString& expected : {ascending, descending, listOrder.join(u',')}) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
            QCOMPARE(viewOrder(view), expected);
            for (int row = 0; row < 5; ++row) {
                QCOMPARE(results.text(row, ResultsModel::ItemNumber), listOrder[row]);
            }
            QVERIFY(!exportGrid(results, csv));
            QCOMPARE(folder.read(QStringLiteral("grid.csv")), exported);
        }
        // The current row is the item it shows.
        header->setSortIndicator(column, Qt::DescendingOrder);
        view.setCurrentIndex(view.model()->index(0, column));
        QCOMPARE(view.currentItemNumber(), descending.section(u',', 0, 0));
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestResultsView)
#include "tst_resultsview.moc"
