#include "core/ResultsModel.h"
#include "storage/GridExport.h"
#include "tests/support/TempProgramFolder.h"

#include <QTest>

class TestGridExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headerOnlyWritesNothing()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Grid Data.csv"), "older");
        ResultsModel results;
        QVERIFY(!exportGrid(results, folder.file(QStringLiteral("Grid Data.csv"))));
        QCOMPARE(folder.read(QStringLiteral("Grid Data.csv")), QByteArray("older"));
    }

    void everyRowCommaLedAndUnquoted()
    {
        TempProgramFolder folder;
        ResultsModel results;
        results.setItemCount(2);
        results.setText(0, ResultsModel::ItemNumber, QStringLiteral("1001"));
        results.setText(0, ResultsModel::Price, QStringLiteral("$1,200.00"));
        results.setText(1, ResultsModel::Bids, QStringLiteral("3"));
        const QString path = folder.file(QStringLiteral("Grid Data.csv"));
        for (int time = 0; time < 2; ++time) {
            QVERIFY(!exportGrid(results, path));
        }
        QCOMPARE(folder.read(QStringLiteral("Grid Data.csv")),
                 QByteArray(",Item #,Seller,Highest Bidder,Current $,Time Ends,Time Left,Quantity,# of bids\r\n"
                            ",1001,,,$1,200.00,,,,\r\n"
                            ",,,,,,,,3\r\n"
                            ",,,,,,,,\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestGridExport)
#include "tst_gridexport.moc"
