#include "core/PageParser.h"
#include "core/ResultsGrid.h"
#include "tests/support/Fakes.h"
#include "tests/support/ItemPages.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QTest>
#include <cmath>
#include <vector>

namespace {

// A deterministic font: every character is 100 twips wide.
double hundredPerChar(const QString& text)
{
    return 100.0 * static_cast<double>(text.size());
}

// Widths with fractions that depend on the characters, so that rounding shows and equally long texts differ.
double byCharacter(const QString& text)
{
    double width = 0;
    for (QChar c : text) {
        width += 3.1 + 17.29 * (c.unicode() % 13);
    }
    return width;
}

using Measure = double (*)(const QString&);
const Measure Measures[] = {hundredPerChar, byCharacter};

// The widths the grid must have: every cell of every row measured afresh.
std::vector<int> bruteForceWidths(const ResultsGrid& grid, Measure measure)
{
    std::vector<int> widths;
    int total = 0;
    for (int c = 0; c < ResultsGrid::ColumnCount; ++c) {
        double width = 0;
        for (int r = 0; r < grid.rows(); ++r) {
            const double result = measure(grid.text(r, c)) + ResultsGrid::CellPadding;
            if (result > width) {
                width = static_cast<double>(std::lround(result));
            }
        }
        widths.push_back(static_cast<int>(width));
        total += widths.back();
    }
    if (total < grid.gridWidthTwips()) {
        const int extra = (grid.gridWidthTwips() - total) / ResultsGrid::ColumnCount;
        for (int& width : widths) {
            width += extra;
        }
    }
    return widths;
}

std::vector<int> gridWidths(const ResultsGrid& grid)
{
    std::vector<int> widths;
    for (int c = 0; c < ResultsGrid::ColumnCount; ++c) {
        widths.push_back(grid.columnWidth(c));
    }
    return widths;
}

} // namespace

class TestResultsGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headerOnlyWidths_data();
    void headerOnlyWidths();
    void resetMakesNextPriceAChange();
    void widthCacheMatchesMeasuringEveryCell_data();
    void widthCacheMatchesMeasuringEveryCell();
};

void TestResultsGrid::headerOnlyWidths_data()
{
    QTest::addColumn<int>("gridWidth");
    QTest::addColumn<int>("extra"); // added to every column

    // The headers measure 6, 6, 14, 9, 9, 9, 8 and 9 characters: 8200 twips with padding.
    QTest::newRow("no width yet") << 0 << 0;
    QTest::newRow("grid exactly as wide") << 8200 << 0;
    QTest::newRow("7 twips to spare") << 8207 << 0;
    QTest::newRow("8 twips to spare") << 8208 << 1;
    QTest::newRow("1000 twips to spare") << 9200 << 125;
}

void TestResultsGrid::headerOnlyWidths()
{
    QFETCH(int, gridWidth);
    QFETCH(int, extra);
    ResultsGrid grid;
    grid.setTextMeasure(hundredPerChar);
    grid.setGridWidthTwips(gridWidth);
    grid.setRows(4);
    grid.setText(2, 2, QStringLiteral("a text wider than its header"));
    grid.ResetGrid();

    QCOMPARE(grid.rows(), 1);
    const std::vector<int> expected = {750 + extra,  750 + extra,  1550 + extra, 1050 + extra,
                                       1050 + extra, 1050 + extra, 950 + extra,  1050 + extra};
    QCOMPARE(gridWidths(grid), expected);
}

void TestResultsGrid::resetMakesNextPriceAChange()
{
    CycleState cycle;
    ResultsGrid grid;
    RecordingLog log;
    FakeClock clock;
    PageParser parser(cycle, grid, log, clock);
    cycle.CurrentRow = 1;
    for (int pass = 0; pass < 2; ++pass) {
        grid.ResetGrid();
        grid.setRows(3);
        grid.setText(1, 0, QStringLiteral("777"));
        parser.ParsePageLine(ItemPages::classicLine());
        parser.ParsePageLine(ItemPages::classicLine()); // the same price again, no change
    }
    QCOMPARE(log.lines, QStringList(2, QStringLiteral("At 10:00:00 : Item #777 Price= $2.00")));
}

void TestResultsGrid::widthCacheMatchesMeasuringEveryCell_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("measure");
    QTest::addColumn<int>("gridWidth");

    QTest::newRow("whole widths, narrow grid") << 1u << 0 << 0;
    QTest::newRow("per-character widths, narrow grid") << 2u << 1 << 3000;
    QTest::newRow("per-character widths, wide grid") << 3u << 1 << 40000;
}

// The grid only measures cells whose text changed; the widths must still be those of
// measuring every cell, whatever mix of writes, shrinks, resets and font changes came before.
void TestResultsGrid::widthCacheMatchesMeasuringEveryCell()
{
    QFETCH(quint32, seed);
    QFETCH(int, measure);
    QFETCH(int, gridWidth);

    const QStringList pool = {
        "",   "a", "bb", "Item #", "US $1.00", "a much longer text for one cell", "bc", "Dutch Auction", "\u00e9\u00fc",
        "ccc"};
    QRandomGenerator random(seed);
    ResultsGrid grid;
    QAbstractItemModelTester tester(&grid, QAbstractItemModelTester::FailureReportingMode::QtTest);
    Measure current = Measures[measure];
    grid.setTextMeasure(current);
    grid.setGridWidthTwips(gridWidth);
    grid.ResetGrid();
    grid.setRows(6);

    for (int step = 0; step < 600; ++step) {
        const quint32 action = random.bounded(100u);
        if (action < 75) {
            const int row = random.bounded(grid.rows());
            const int col = random.bounded(ResultsGrid::ColumnCount);
            grid.setText(row, col, pool.at(random.bounded(static_cast<int>(pool.size()))));
        } else if (action < 90) {
            grid.setRows(1 + random.bounded(8));
        } else if (action < 94) {
            grid.ResetGrid();
        } else if (action < 97) {
            current = Measures[random.bounded(2)];
            grid.setTextMeasure(current);
        } else {
            grid.setGridWidthTwips(random.bounded(30000));
        }
        grid.FitGridColumns();
        const std::vector<int> expected = bruteForceWidths(grid, current);
        if (gridWidths(grid) != expected) {
            QFAIL(qPrintable(QStringLiteral("widths differ after step %1").arg(step)));
        }
    }
}

QTEST_GUILESS_MAIN(TestResultsGrid)
#include "tst_resultsgrid.moc"
