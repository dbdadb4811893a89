#include "core/Failure.h"
#include "core/Monitor.h"
#include "core/PageParser.h"
#include "core/ResultsGrid.h"
#include "tests/support/Fakes.h"
#include "tests/support/TempProgramFolder.h"

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

// Widths with fractions, so that the rounding of each cell shows.
double fractionalPerChar(const QString& text)
{
    return 91.37 * static_cast<double>(text.size());
}

// Widths that depend on the characters, so that equally long texts differ.
double byCharacter(const QString& text)
{
    double width = 0;
    for (QChar c : text) {
        width += 3.1 + 17.29 * (c.unicode() % 13);
    }
    return width;
}

using Measure = double (*)(const QString&);
const Measure Measures[] = {hundredPerChar, fractionalPerChar, byCharacter};

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

// The price line in the site's layout: "Currently", 32 characters of markup, the price.
QString pageLine(const QString& price)
{
    return QStringLiteral("<td>Currently</font></td> <td width=\"50%\"><b>") + price +
           QStringLiteral("</b></td><td>Quantity</td><td>1</td><td>High bid</td><td>joe</td>");
}

// Hands each item its own page, as the retrieval would after fetching it.
class PageRetrieval final : public Retrieval
{
public:
    PageRetrieval(CycleState& cycle, ResultsGrid& grid, PageParser& parser)
        : m_cycle(cycle), m_grid(grid), m_parser(parser)
    {}
    std::vector<int> rowsSeen;
    void RetrieveItemPage() override
    {
        rowsSeen.push_back(m_grid.rows());
        const QString item = m_cycle.ItemUrl.section(QLatin1Char('='), -1);
        m_parser.ParsePageLine(pageLine(QStringLiteral("US $") + item));
    }
    void cancelTransfer() override {}

private:
    CycleState& m_cycle;
    ResultsGrid& m_grid;
    PageParser& m_parser;
};

} // namespace

class TestResultsGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headerOnlyWidths_data();
    void headerOnlyWidths();
    void setRowsKeepsContents();
    void threeItemsGiveFiveRows();
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
    QTest::newRow("grid narrower than columns") << 5000 << 0;
    QTest::newRow("grid exactly as wide") << 8200 << 0;
    QTest::newRow("7 twips to spare") << 8207 << 0;
    QTest::newRow("8 twips to spare") << 8208 << 1;
    QTest::newRow("15 twips to spare") << 8215 << 1;
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
    for (int c = 0; c < ResultsGrid::ColumnCount; ++c) {
        QCOMPARE(grid.text(0, c), ResultsGrid::Headers[c]);
    }
    const std::vector<int> expected = {750 + extra,  750 + extra,  1550 + extra, 1050 + extra,
                                       1050 + extra, 1050 + extra, 950 + extra,  1050 + extra};
    QCOMPARE(gridWidths(grid), expected);
    // Fitting leaves the current cell on the last cell.
    QCOMPARE(grid.row(), 0);
    QCOMPARE(grid.col(), ResultsGrid::ColumnCount - 1);
}

void TestResultsGrid::setRowsKeepsContents()
{
    ResultsGrid grid;
    QAbstractItemModelTester tester(&grid, QAbstractItemModelTester::FailureReportingMode::QtTest);
    grid.ResetGrid();
    grid.setRows(4);
    for (int r = 1; r < 4; ++r) {
        grid.setText(r, 0, QString::number(r));
    }
    grid.setRow(3);

    grid.setRows(2);
    QCOMPARE(grid.rows(), 2);
    QCOMPARE(grid.rowCount(), 1); // the view's rows: the header is not one of them
    QCOMPARE(grid.text(0, 0), QStringLiteral("Item #"));
    QCOMPARE(grid.text(1, 0), QStringLiteral("1"));
    QCOMPARE(grid.row(), 1); // the current row stays inside the grid

    grid.setRows(4);
    QCOMPARE(grid.text(1, 0), QStringLiteral("1"));
    QCOMPARE(grid.text(2, 0), QString());
    QCOMPARE(grid.text(3, 0), QString());
    QVERIFY_THROWS_EXCEPTION(Failure, grid.setRows(0));
    QVERIFY_THROWS_EXCEPTION(Failure, grid.setRow(4));
}

void TestResultsGrid::threeItemsGiveFiveRows()
{
    AppState app;
    CycleState cycle;
    ResultsGrid grid;
    RecordingLog log;
    FakeClock clock;
    PageParser parser(cycle, grid, log, clock);
    PageRetrieval retrieval(cycle, grid, parser);
    ListItems items;
    items.items = QStringList{QStringLiteral("11"), QStringLiteral("22"), QStringLiteral("33")};
    FakeConnectionProbe probe;
    RecordingSound sound;
    RecordingView view;
    TempProgramFolder folder;
    grid.ResetGrid();
    Monitor monitor({app, cycle, grid, items, retrieval, probe, clock, sound, view, folder.path(), "localhost"});

    monitor.StartMonitoring();

    QCOMPARE(retrieval.rowsSeen, (std::vector<int>{5, 5, 5}));
    QCOMPARE(grid.rows(), 5);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(grid.text(i + 1, 0), items.items[i]);
        QCOMPARE(grid.text(i + 1, 3), QStringLiteral("US $") + items.items[i]);
    }
    for (int c = 0; c < ResultsGrid::ColumnCount; ++c) {
        QCOMPARE(grid.text(4, c), QString());
    }
    QCOMPARE(cycle.ChangeCount, qint16(3));
    QCOMPARE(log.lines.size(), 3);
    monitor.StopMonitoring();
}

void TestResultsGrid::resetMakesNextPriceAChange()
{
    CycleState cycle;
    ResultsGrid grid;
    RecordingLog log;
    FakeClock clock;
    PageParser parser(cycle, grid, log, clock);
    const auto prepareRow = [&] {
        grid.setRows(3);
        grid.setRow(1);
        grid.setCol(0);
        grid.setCellText(QStringLiteral("777"));
        cycle.CurrentRow = 1;
    };
    grid.ResetGrid();
    prepareRow();

    parser.ParsePageLine(pageLine(QStringLiteral("$5.00")));
    parser.ParsePageLine(pageLine(QStringLiteral("$5.00")));
    QCOMPARE(cycle.ChangeCount, qint16(1));

    grid.ResetGrid();
    prepareRow();
    parser.ParsePageLine(pageLine(QStringLiteral("$5.00")));
    QCOMPARE(cycle.ChangeCount, qint16(2));
    QCOMPARE(log.lines, QStringList(2, QStringLiteral("At 10:00:00 : Item #777 Price= $5.00")));
}

void TestResultsGrid::widthCacheMatchesMeasuringEveryCell_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("measure");
    QTest::addColumn<int>("gridWidth");

    QTest::newRow("whole widths, narrow grid") << 1u << 0 << 0;
    QTest::newRow("fractional widths, narrow grid") << 2u << 1 << 3000;
    QTest::newRow("per-character widths, wide grid") << 3u << 2 << 40000;
    QTest::newRow("fractional widths, wide grid") << 4u << 1 << 25000;
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
            current = Measures[random.bounded(3)];
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
