#include "core/AppState.h"
#include "core/ResultsGrid.h"
#include "core/SiteHost.h"
#include "tests/support/Fakes.h"
#include "tests/support/TestMain.h"
#include "ui/main/ResultsGridView.h"

#include <QHeaderView>
#include <QScrollBar>
#include <cmath>
#include <memory>

class ResultsGridViewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void headerOnlyWidthsInPixels();
    void widthsFollowTheFont();
    void currentCellIsShown();
    void mouse_data();
    void mouse();
    void doubleClickWithWorkingCellOutside();

private:
    void fillThreeItems();
    QPoint cellCentre(int gridRow, int col) const;

    CycleState cycle;
    RecordingShell shell;
    std::unique_ptr<ResultsGrid> grid;
    std::unique_ptr<ResultsGridView> view;
};

void ResultsGridViewTest::init()
{
    cycle = CycleState{};
    shell = RecordingShell{};
    grid = std::make_unique<ResultsGrid>();
    QFont font = QApplication::font();
    font.setPointSizeF(8.25);
    font.setBold(true);
    view = std::make_unique<ResultsGridView>(*grid, cycle, shell, QStringLiteral("auction.test"), font);
    view->resize(640, 240);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    grid->ResetGrid();
}

void ResultsGridViewTest::cleanup()
{
    view.reset();
    grid.reset();
}

// The cycle's doing: three items, the working cell on the second item's price.
void ResultsGridViewTest::fillThreeItems()
{
    grid->setRows(5);
    const QStringList items = {"1001", "1002", "1003"};
    for (int i = 0; i < items.size(); ++i) {
        grid->setText(i + 1, 0, items[i]);
        grid->setText(i + 1, 3, QStringLiteral("$%1.00").arg(i + 5));
    }
    cycle.CurrentRow = 2;
    cycle.CurrentCol = 3;
    grid->setRow(2);
    grid->setCol(3);
}

QPoint ResultsGridViewTest::cellCentre(int gridRow, int col) const
{
    return view->visualRect(grid->index(gridRow - 1, col)).center();
}

void ResultsGridViewTest::headerOnlyWidthsInPixels()
{
    QCOMPARE(view->model()->rowCount(), 0);
    int right = 0;
    double twips = 0;
    for (int c = 0; c < ResultsGrid::ColumnCount; ++c) {
        const double exact = grid->columnWidth(c) / 15.0;
        QVERIFY2(std::abs(view->columnWidth(c) - exact) <= 1.0, qPrintable(QString::number(c)));
        right += view->columnWidth(c);
        twips += grid->columnWidth(c);
    }
    QCOMPARE(right, qRound(twips / 15.0));
    // The header texts are narrower than the grid, so the columns were widened to fill it,
    // without a horizontal scroll bar.
    QVERIFY(std::abs(right - view->viewport()->width()) <= 1);
    QVERIFY(!view->horizontalScrollBar()->isVisible());
}

void ResultsGridViewTest::widthsFollowTheFont()
{
    // A text wider than the grid: its column is exactly as wide as its text plus 150 twips,
    // measured in the window's font, and nothing is widened.
    const QString wide(120, QLatin1Char('W'));
    grid->setRows(2);
    grid->setText(1, 2, wide);
    grid->FitGridColumns();
    const double measured = QFontMetricsF(view->font(), view.get()).horizontalAdvance(wide) * 15.0;
    QCOMPARE(grid->columnWidth(2), static_cast<int>(std::lround(measured + ResultsGrid::CellPadding)));
    QVERIFY(std::abs(view->columnWidth(2) - grid->columnWidth(2) / 15.0) <= 1.0);
}

void ResultsGridViewTest::currentCellIsShown()
{
    fillThreeItems();
    QCOMPARE(view->currentIndex(), grid->index(1, 3));
    grid->setRow(3);
    grid->setCol(0);
    QCOMPARE(view->currentIndex(), grid->index(2, 0));
    QCOMPARE(view->selectionModel()->selectedIndexes(), QModelIndexList{grid->index(2, 0)});
    // The header row is no cell of the view: nothing is highlighted.
    grid->setRow(0);
    QVERIFY(view->selectionModel()->selectedIndexes().isEmpty());
}

void ResultsGridViewTest::mouse_data()
{
    QTest::addColumn<bool>("twice");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("opened"); // the item whose page opens
    QTest::newRow("click another item") << false << 3 << 1 << "";
    QTest::newRow("click the working row") << false << 2 << 6 << "";
    QTest::newRow("click the working cell") << false << 2 << 3 << "";
    QTest::newRow("click the blank row") << false << 4 << 0 << "";
    QTest::newRow("double-click first item, price") << true << 1 << 3 << "1001";
    QTest::newRow("double-click third item, item number") << true << 3 << 0 << "1003";
    QTest::newRow("double-click the working row") << true << 2 << 5 << "1002";
    QTest::newRow("double-click the blank row") << true << 4 << 2 << "";
}

void ResultsGridViewTest::mouse()
{
    QFETCH(bool, twice);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, opened);
    fillThreeItems();
    // While a page downloads, the parser may have moved the grid elsewhere; a click puts it back.
    grid->setRow(1);
    grid->setCol(7);
    if (twice) {
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cellCentre(row, col));
    } else {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellCentre(row, col));
    }
    QCOMPARE(shell.opened, opened.isEmpty() ? QStringList() : QStringList{itemPageUrl("auction.test", opened)});
    QCOMPARE(grid->row(), 2);
    QCOMPARE(grid->col(), 3);
    QCOMPARE(view->currentIndex(), grid->index(1, 3));
    QCOMPARE(view->selectionModel()->selectedIndexes(), QModelIndexList{grid->index(1, 3)});
}

void ResultsGridViewTest::doubleClickWithWorkingCellOutside()
{
    fillThreeItems();
    // The list shrank and the grid was reset while the working row still named an old row.
    grid->setRows(2);
    cycle.CurrentRow = 3;
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cellCentre(1, 0));
    QVERIFY(shell.opened.isEmpty());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cellCentre(1, 0));
    QCOMPARE(grid->rows(), 2);
}

BIDORRA_WIDGET_TEST_MAIN(ResultsGridViewTest)
#include "tst_resultsgridview.moc"
