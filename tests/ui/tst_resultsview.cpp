#include "core/ResultsModel.h"
#include "storage/GridExport.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include "ui/main/ResultsView.h"

#include <QHeaderView>

class TestResultsView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A click on a header sorts the view by the column's values, a second one the other way
    // round, a third brings back the list's order; empty cells and the blank row stay last. The
    // results keep the list's order throughout.
    void headerClicksSortTheView_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("cells"); // of items 1 to 4
        QTest::addColumn<QString>("ascending"); // the items in the view's order, _ for the blank row
        QTest::addColumn<QString>("descending");

        QTest::newRow("counts") << int(ResultsModel::Bids) << QStringList{"12", "1,024", "3", ""} << "3124_"
                                << "2134_";
        QTest::newRow("prices") << int(ResultsModel::Price) << QStringList{"US $1,234.56", "$99.00", "US $150.00", "--"}
                                << "2314_"
                                << "1324_";
        QTest::newRow("end times, in their zones") << int(ResultsModel::EndTime)
                                                   << QStringList{"Dec-14-26 21:36:10 PST", "Apr-02-27 08:00:00 PDT",
                                                                  "Dec-14-26 23:00:00 EST", "Dec-09-26 23:59:59 PST"}
                                                   << "4312_"
                                                   << "2134_";
        QTest::newRow("time left") << int(ResultsModel::TimeLeft)
                                   << QStringList{"9 days 0 hours +", "3 hours 5 mins +", "Auction has ended.",
                                                  "45 mins 10 secs"}
                                   << "3421_"
                                   << "1243_";
        QTest::newRow("names, regardless of case")
            << int(ResultsModel::Seller) << QStringList{"bob (12)", "Alice (3)", "alfred (40)", ""} << "3214_"
            << "1234_";
    }

    void headerClicksSortTheView()
    {
        QFETCH(int, column);
        QFETCH(QStringList, cells);
        QFETCH(QString, ascending);
        QFETCH(QString, descending);

        ResultsModel results;
        results.setItemCount(4);
        for (int row = 0; row < 4; ++row) {
            results.setText(row, ResultsModel::ItemNumber, QString::number(row + 1));
            results.setText(row, column, cells[row]);
        }
        ResultsView view(results);
        view.resize(900, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        TempProgramFolder folder;
        const QString csv = folder.file(QString::fromLatin1(GridExportFileName));
        QVERIFY(!exportGrid(results, csv));
        const QByteArray listOrder = folder.read(QString::fromLatin1(GridExportFileName));
        QHeaderView* header = view.horizontalHeader();
        const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                            header->height() / 2);
        for (const QString& expected : {ascending, descending, QStringLiteral("1234_")}) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
            QString order;
            for (int row = 0; row < 5; ++row) {
                order += view.model()->index(row, ResultsModel::ItemNumber).data().toString().leftJustified(1, u'_');
            }
            QCOMPARE(order, expected);
            // The results, and so the file Save writes, keep the list's order.
            QVERIFY(!exportGrid(results, csv));
            QCOMPARE(folder.read(QString::fromLatin1(GridExportFileName)), listOrder);
        }
        // The current row is the item it shows.
        header->setSortIndicator(column, Qt::DescendingOrder);
        view.setCurrentIndex(view.model()->index(0, column));
        QCOMPARE(view.currentItemNumber(), descending.first(1));
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestResultsView)
#include "tst_resultsview.moc"
