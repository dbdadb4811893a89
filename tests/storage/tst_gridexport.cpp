#include "core/ResultsGrid.h"
#include "storage/GridExport.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

class TestGridExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headerOnlyWritesNothing();
    void headerOnlyKeepsOlderFile();
    void writesEveryRow();
    void commaInCellSplitsIt();
    void exportingTwiceGivesSameFile();
    void unwritableTargetLeavesGridAlone();

private:
    static void fillTwoItems(ResultsGrid& grid);
};

namespace {
const QByteArray header = ",Item #,Seller,Highest Bidder,Current $,Time Ends,Time Left,Quantity,# of bids\r\n";
const QByteArray twoItems = header + ",1001,anna,bob,$12.50,Mar-01-01 10:00:00 PST,2 days,1,4\r\n" +
                            ",1002,carl,,$3.00,Mar-02-01 11:00:00 PST,3 days,2,0\r\n" + ",,,,,,,,\r\n";
} // namespace

void TestGridExport::fillTwoItems(ResultsGrid& grid)
{
    grid.ResetGrid();
    grid.setRows(4);
    const QStringList first = {"1001", "anna", "bob", "$12.50", "Mar-01-01 10:00:00 PST", "2 days", "1", "4"};
    const QStringList second = {"1002", "carl", "", "$3.00", "Mar-02-01 11:00:00 PST", "3 days", "2", "0"};
    for (int c = 0; c < ResultsGrid::ColumnCount; ++c) {
        grid.setText(1, c, first[c]);
        grid.setText(2, c, second[c]);
    }
    grid.setRow(1);
    grid.setCol(2);
}

void TestGridExport::headerOnlyWritesNothing()
{
    TempProgramFolder folder;
    ResultsGrid grid;
    grid.ResetGrid();

    QVERIFY(!ExportGrid(folder.path(), grid));

    QVERIFY(!folder.exists("Grid Data.csv"));
}

void TestGridExport::headerOnlyKeepsOlderFile()
{
    TempProgramFolder folder;
    folder.write("Grid Data.csv", "from an earlier run\r\n");
    ResultsGrid grid;
    grid.ResetGrid();

    QVERIFY(!ExportGrid(folder.path(), grid));

    QCOMPARE(folder.read("Grid Data.csv"), QByteArray("from an earlier run\r\n"));
}

void TestGridExport::writesEveryRow()
{
    TempProgramFolder folder;
    ResultsGrid grid;
    fillTwoItems(grid);

    QVERIFY(!ExportGrid(folder.path(), grid));

    QCOMPARE(folder.read("Grid Data.csv"), twoItems);
    QCOMPARE(grid.row(), 3);
    QCOMPARE(grid.col(), ResultsGrid::ColumnCount - 1);
}

void TestGridExport::commaInCellSplitsIt()
{
    TempProgramFolder folder;
    ResultsGrid grid;
    fillTwoItems(grid);
    grid.setText(1, 3, "$1,250.00");

    QVERIFY(!ExportGrid(folder.path(), grid));

    const QList<QByteArray> lines = folder.read("Grid Data.csv").split('\n');
    QCOMPARE(lines.at(1), QByteArray(",1001,anna,bob,$1,250.00,Mar-01-01 10:00:00 PST,2 days,1,4\r"));
    QCOMPARE(lines.at(1).split(',').size(), 10);
}

void TestGridExport::exportingTwiceGivesSameFile()
{
    TempProgramFolder folder;
    folder.write("Grid Data.csv", twoItems + twoItems + twoItems);
    ResultsGrid grid;
    fillTwoItems(grid);

    QVERIFY(!ExportGrid(folder.path(), grid));
    QVERIFY(!ExportGrid(folder.path(), grid));

    QCOMPARE(folder.read("Grid Data.csv"), twoItems);
}

void TestGridExport::unwritableTargetLeavesGridAlone()
{
    TempProgramFolder folder;
    // A folder where the file should be cannot be replaced, not even by root.
    QVERIFY(QDir(folder.path()).mkdir("Grid Data.csv"));
    ResultsGrid grid;
    fillTwoItems(grid);

    const auto error = ExportGrid(folder.path(), grid);

    QVERIFY(error);
    QVERIFY(QFileInfo(folder.file("Grid Data.csv")).isDir());
    QCOMPARE(grid.rows(), 4);
    QCOMPARE(grid.text(1, 0), QString("1001"));
    QCOMPARE(grid.row(), 1);
    QCOMPARE(grid.col(), 2);
}

QTEST_GUILESS_MAIN(TestGridExport)
#include "tst_gridexport.moc"
