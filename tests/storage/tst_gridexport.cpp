#include "core/ResultsModel.h"
#include "storage/GridExport.h"
#include "tests/support/TempProgramFolder.h"

#include <QTest>

class TestGridExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A grid without rows writes nothing; one with rows writes each, comma led and unquoted.
    void writesEveryRowOrNothing()
    {
        TempProgramFolder folder;
        folder.write(QStringLiteral("Grid Data.csv"), "older");
        const QString path = folder.file(QStringLiteral("Grid Data.csv"));
        ResultsModel results;
        QVERIFY(!exportGrid(results, path));
        QCOMPARE(folder.read(QStringLiteral("Grid Data.csv")), QByteArray("older"));
        results.setItemCount(2);
        results.setText(0, ResultsModel::ItemNumber, QStringLiteral("1001"));
        results.setText(0, ResultsModel::Price, QStringLiteral("$1,200.00"));
        results.setText(1, ResultsModel::Bids, QStringLiteral("3"));
        QVERIFY(!exportGrid(results, path));
        QCOMPARE(folder.read(QStringLiteral("Grid Data.csv")),
                 QByteArray(",Item #,Seller,Highest Bidder,Current $,Time Ends,Time Left,Quantity,# of bids\r\n"
                            ",1001,,,$1,200.00,,,,\r\n"
                            ",,,,,,,,3\r\n"
                            ",,,,,,,,\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestGridExport)
#include "tst_gridexport.moc"
