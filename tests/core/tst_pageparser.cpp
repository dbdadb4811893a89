#include "core/Failure.h"
#include "core/PageParser.h"
#include "core/ResultsGrid.h"
#include "tests/support/Fakes.h"
#include "tests/support/ItemPages.h"

#include <QTest>

using ItemPages::classicLine;
using ItemPages::labelled;
using ItemPages::priceLine;

namespace {
const QStringList OldRow = {"1234",     "old seller", "old bidder", "old price",
                            "old ends", "old left",   "old qty",    "old bids"};
const QString Dutch = QStringLiteral("Dutch Auction");

// Columns 0..7 of a row: item, seller, bidder, price, ends, time left, quantity, bids.
QStringList row(const QString& price, const QString& seller, const QString& bidder, const QString& ends,
                const QString& left, const QString& quantity, const QString& bids)
{
    return {QStringLiteral("1234"), seller, bidder, price, ends, left, quantity, bids};
}

ItemPages::Item withQuantity(const QString& quantity)
{
    ItemPages::Item item;
    item.quantity = quantity;
    return item;
}

// The row the classic line gives, with the bidder the quantity decides.
QStringList classicRow(const QString& quantity, const QString& bidder)
{
    const ItemPages::Item item;
    return row(item.price, item.seller, bidder, item.ends, item.timeLeft, quantity, item.bids);
}

// A parser working on row 1 of a three-row grid whose item row holds itemRow.
struct Rig
{
    CycleState cycle;
    ResultsGrid grid;
    RecordingLog log;
    FakeClock clock;
    PageParser parser{cycle, grid, log, clock};

    explicit Rig(const QStringList& itemRow = OldRow)
    {
        grid.setRows(3);
        for (int c = 0; c < ResultsGrid::ColumnCount; ++c) {
            grid.setText(1, c, itemRow.at(c));
        }
        cycle.CurrentRow = 1;
        cycle.PageParsed = false;
    }

    QStringList itemRow() const
    {
        QStringList texts;
        for (int c = 0; c < ResultsGrid::ColumnCount; ++c) {
            texts << grid.text(1, c);
        }
        return texts;
    }

    // The failure's description, or empty text when the line parsed.
    QString parse(const QString& line)
    {
        try {
            parser.ParsePageLine(line);
        } catch (const Failure& failure) {
            return failure.description();
        }
        return {};
    }
};
} // namespace

class TestPageParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void markupBeforeAValue_data();
    void markupBeforeAValue();
    void parse_data();
    void parse();
    void priceComparison_data();
    void priceComparison();
    void firstObservationIsLogged();
};

void TestPageParser::markupBeforeAValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("remaining"); // the running text afterwards: the next label is searched there

    // Only tags and line feeds right after the label are skipped.
    QTest::newRow("tag, line feed, tag") << "Qty<td>\n<b>3</b>"
                                         << "3"
                                         << "3</b>";
    QTest::newRow("lone line feed dropped") << "Qty\n3<br>"
                                            << "3"
                                            << "3<br>";
    QTest::newRow("tag at second char needs line feed") << "Qty:<b>3</b>"
                                                        << ":"
                                                        << ":<b>3</b>";
}

void TestPageParser::markupBeforeAValue()
{
    QFETCH(QString, text);
    QString running = text;
    QTEST(PageParser::ExtractLabelledValue(QStringLiteral("Qty"), running), "value");
    QTEST(running, "remaining");
}

void TestPageParser::parse_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("expected"); // the item row afterwards; empty when it is gone
    QTest::addColumn<QString>("failure");

    QTest::newRow("lower-case label") << QString("currently" + QString(40, u'x') + "<b>") << OldRow << "";
    QTest::newRow("broken values, no price label") << "Quantity<b>3x</b># of bids 4" << OldRow << "";
    QTest::newRow("quantity 1: high bidder") << classicLine() << classicRow("1", "joe (3)") << "";
    QTest::newRow("quantity missing: Dutch auction")
        << classicLine().replace("Quantity", "Qty") << classicRow("", Dutch) << "";
    // "Ends" appears only before the value of "Time left", so the search after it fails.
    QTest::newRow("label before previous value")
        << priceLine("$2.00", labelled("Quantity", "1") + labelled("Ends", "Dec-05") + labelled("# of bids", "4") +
                                  labelled("Time left", "2 days") + labelled("Seller (Rating)", "bob (12)") +
                                  labelled("High bid", "joe (3)"))
        << row("$2.00", "bob (12)", "joe (3)", "", "2 days", "1", "4") << "";
    QTest::newRow("labels missing") << priceLine("$2.00", labelled("Quantity", "1") + labelled("High bid", "joe"))
                                    << row("$2.00", "", "joe", "", "", "1", "") << "";
    QTest::newRow("blanks and entities kept")
        << priceLine("&nbsp;US $1.00 ", labelled("Seller (Rating)", " bob&amp;co&nbsp;(5) "))
        << row("&nbsp;US $1.00 ", " bob&amp;co&nbsp;(5) ", Dutch, "", "", "", "") << "";
    QTest::newRow("line feed and bold tag skipped") << priceLine("$2.00", "Time left\n<b>2 days</b> Ends Dec-05<br>")
                                                    << row("$2.00", "", Dutch, " Dec-05", "2 days", "", "") << "";
    // The label inside other text is taken as the price label all the same, 41 characters skipped blindly.
    QTest::newRow("label inside other text")
        << "<p>Items Currently on view are listed below, please<br>" << row("e", "", Dutch, "", "", "", "") << "";

    // Only a quantity that is the number 1 names the high bidder; text that is no number fails
    // after everything before the bidder is written.
    const auto quantityRow = [](const char* name, const QString& quantity, const QString& bidder,
                                const QString& failure = {}) {
        QTest::newRow(name) << classicLine(withQuantity(quantity)) << classicRow(quantity, bidder) << failure;
    };
    const QString high = QStringLiteral("joe (3)");
    const QString old = QStringLiteral("old bidder");
    quantityRow("quantity 1 with blanks", " 1 ", high);
    quantityRow("quantity 001.000", "001.000", high);
    quantityRow("quantity 3: Dutch auction", "3", Dutch);
    quantityRow("quantity -1", "-1", Dutch);
    quantityRow("quantity just above 1", "1.000000000000000000001", Dutch);
    quantityRow("quantity blank", " ", Dutch);
    quantityRow("quantity 3x", "3x", old, "Quantity '3x' is not a number");
    quantityRow("quantity 1e0", "1e0", old, "Quantity '1e0' is not a number");
    quantityRow("quantity 1,000", "1,000", old, "Quantity '1,000' is not a number");
    quantityRow("long quantity shortened", QString(50, u'z'), old,
                "Quantity '" + QString(40, u'z') + "...' is not a number");

    // Each failure leaves the values written before it.
    QTest::newRow("41 characters from the label")
        << QString("<td>Currently" + QString(32, u'x')) << OldRow << "Price not found after 'Currently'";
    QTest::newRow("no tag after the price") << QString("Currently" + QString(32, u'x') + "$2.00") << OldRow
                                            << "No tag after the price that follows 'Currently'";
    QStringList written = OldRow;
    written[3] = "$2.00";
    QTest::newRow("no tag after quantity")
        << priceLine("$2.00", "Quantity<b>1") << written << "No tag after the value of 'Quantity'";
    written[6] = "1";
    written[7] = "";
    QTest::newRow("unclosed tag after time left")
        << priceLine("$2.00", labelled("Quantity", "1") + "Time left<b") << written << "Unclosed tag after 'Time left'";
    written[5] = "2 days";
    written[4] = "";
    written[1] = "";
    QTest::newRow("no tag after high bid")
        << priceLine("$2.00", labelled("Quantity", "1") + labelled("Time left", "2 days") + "High bid joe") << written
        << "No tag after the value of 'High bid'";
    QTest::newRow("item row gone after a reset")
        << classicLine() << QStringList() << "Grid row 1 of the item no longer exists (the grid was reset)";
}

void TestPageParser::parse()
{
    QFETCH(QString, line);
    QFETCH(QStringList, expected);
    QFETCH(QString, failure);
    Rig rig;
    if (expected.isEmpty()) {
        rig.grid.setRows(1);
    }
    QCOMPARE(rig.parse(line), failure);
    // Only a line without the price label leaves the row alone without failing.
    QCOMPARE(rig.cycle.PageParsed.value_or(true), expected != OldRow || !failure.isEmpty());
    if (!expected.isEmpty()) {
        QCOMPARE(rig.itemRow(), expected);
    }
}

void TestPageParser::priceComparison_data()
{
    QTest::addColumn<QString>("price");
    QTest::addColumn<bool>("changed");

    // The row shows "US $1.00".
    QTest::newRow("same price") << "US $1.00" << false;
    QTest::newRow("new price") << "US $1.50" << true;
    QTest::newRow("letter case") << "us $1.00" << true;
    QTest::newRow("leading blank") << " US $1.00" << true;
    QTest::newRow("trailing blank") << "US $1.00 " << true;
}

void TestPageParser::priceComparison()
{
    QFETCH(QString, price);
    QFETCH(bool, changed);
    QStringList before = OldRow;
    before[3] = QStringLiteral("US $1.00");
    Rig rig(before);
    rig.cycle.ChangeCount = 5;
    ItemPages::Item item;
    item.price = price;
    QCOMPARE(rig.parse(classicLine(item)), QString());
    QCOMPARE(rig.grid.text(1, 3), price);
    QCOMPARE(rig.cycle.ChangeCount, qint16(changed ? 6 : 5));
    QCOMPARE(rig.log.lines.size(), changed ? 1 : 0);
}

void TestPageParser::firstObservationIsLogged()
{
    Rig rig;
    rig.grid.setTextMeasure([](const QString& text) { return 100.0 * text.size(); });
    rig.grid.setRows(1);
    rig.grid.setRows(3); // a fresh row, as after a reset
    rig.grid.setText(1, 0, "98765");
    rig.clock.current = QDateTime(QDate(2026, 12, 5), QTime(21, 5, 9));
    ItemPages::Item item;
    item.price = QStringLiteral("US $12.50");
    item.seller = QStringLiteral("a seller with a long name (1234)");

    QCOMPARE(rig.parse(classicLine(item)), QString());
    QCOMPARE(rig.cycle.ChangeCount, qint16(1));
    QCOMPARE(rig.log.lines, QStringList{"At 21:05:09 : Item #98765 Price= US $12.50"});
    // The columns are fitted to the new values.
    QCOMPARE(rig.grid.columnWidth(1), int(100 * item.seller.size()) + ResultsGrid::CellPadding);

    rig.clock.advance(60);
    QCOMPARE(rig.parse(classicLine(item)), QString());
    QCOMPARE(rig.cycle.ChangeCount, qint16(1));
    QCOMPARE(rig.log.lines.size(), 1);
}

QTEST_GUILESS_MAIN(TestPageParser)
#include "tst_pageparser.moc"
