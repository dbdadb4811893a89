#include "core/ResultsGrid.h"
#include "storage/GridExport.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {
const QString FileName = QStringLiteral("Grid Data.csv");
const QByteArray TwoItems = ",Item #,Seller,Highest Bidder,Current $,Time Ends,Time Left,Quantity,# of bids\r\n"
                            ",1001,anna,bob,$12.50,Mar-01-01 10:00:00 PST,2 days,1,4\r\n"
                            ",1002,carl,,$3.00,Mar-02-01 11:00:00 PST,3 days,2,0\r\n"
                            ",,,,,,,,\r\n";

// A grid after a cycle of two items, the current cell on the first item's bidder.
struct TwoItemGrid
{
    TwoItemGrid()
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
    TempProgramFolder folder;
    ResultsGrid grid;
};
} // namespace

class TestGridExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headerOnlyWritesNothing()
    {
        TempProgramFolder folder;
        ResultsGrid grid;
        grid.ResetGrid();
        QVERIFY(!ExportGrid(folder.path(), grid));
        QVERIFY(!folder.exists(FileName));

        folder.write(FileName, "from an earlier run\r\n");
        QVERIFY(!ExportGrid(folder.path(), grid));
        QCOMPARE(folder.read(FileName), QByteArray("from an earlier run\r\n"));
    }

    // Every row, the empty last one too; exporting again gives the same file, whatever was there.
    void writesEveryRow()
    {
        TwoItemGrid rig;
        rig.folder.write(FileName, TwoItems + TwoItems + TwoItems);
        QVERIFY(!ExportGrid(rig.folder.path(), rig.grid));
        QCOMPARE(rig.folder.read(FileName), TwoItems);
        QVERIFY(!ExportGrid(rig.folder.path(), rig.grid));
        QCOMPARE(rig.folder.read(FileName), TwoItems);
    }

    void commaInCellSplitsIt()
    {
        TwoItemGrid rig;
        rig.grid.setText(1, 3, "$1,250.00");
        QVERIFY(!ExportGrid(rig.folder.path(), rig.grid));
        QCOMPARE(rig.folder.read(FileName).split('\n').at(1),
                 QByteArray(",1001,anna,bob,$1,250.00,Mar-01-01 10:00:00 PST,2 days,1,4\r"));
    }

    void unwritableTargetLeavesGridAlone()
    {
        TwoItemGrid rig;
        // A folder where the file should be cannot be replaced, not even by root.
        QVERIFY(QDir(rig.folder.path()).mkdir(FileName));

        QVERIFY(ExportGrid(rig.folder.path(), rig.grid));

        QVERIFY(QFileInfo(rig.folder.file(FileName)).isDir());
        QCOMPARE(rig.grid.rows(), 4);
        QCOMPARE(rig.grid.text(1, 0), QString("1001"));
        QCOMPARE(rig.grid.row(), 1);
        QCOMPARE(rig.grid.col(), 2);
    }
};

QTEST_GUILESS_MAIN(TestGridExport)
#include "tst_gridexport.moc"
