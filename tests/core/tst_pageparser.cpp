#include "core/Failure.h"
#include "core/PageParser.h"
#include "core/ResultsGrid.h"
#include "tests/support/Fakes.h"

#include <QTest>
#include <iterator>

namespace {

// What the item page puts between "Currently" and the price.
constexpr char16_t PriceMarkup[] = u"</font></td> <td width=\"50%\"><b>";
static_assert(std::size(PriceMarkup) - 1 == 32);

QString priceMarkup()
{
    return QString::fromUtf16(PriceMarkup);
}

// The price line in the site's layout: "Currently", the fixed markup, the price and a tag,
// then whatever else the line holds.
QString pageLine(const QString& price, const QString& tail = {})
{
    return QStringLiteral("<tr><td>Currently") + priceMarkup() + price + QStringLiteral("</b></td></tr>") + tail;
}

// A label row of the page's table, its value in bold.
QString labelled(const QString& label, const QString& value)
{
    return QStringLiteral("<tr><td>") + label + QStringLiteral("</td><td><b>") + value +
           QStringLiteral("</b></td></tr>");
}

QString classicTail(const QString& quantity)
{
    return labelled(QStringLiteral("Quantity"), quantity) + labelled(QStringLiteral("# of bids"), QStringLiteral("4")) +
           labelled(QStringLiteral("Time left"), QStringLiteral("2 days 3 hours")) +
           labelled(QStringLiteral("Ends"), QStringLiteral("Dec-05-26 10:00:00 PST")) +
           labelled(QStringLiteral("Seller (Rating)"), QStringLiteral("bob (12)")) +
           labelled(QStringLiteral("High bid"), QStringLiteral("joe (3)"));
}

const QStringList OldRow = {QStringLiteral("1234"),      QStringLiteral("old seller"), QStringLiteral("old bidder"),
                            QStringLiteral("old price"), QStringLiteral("old ends"),   QStringLiteral("old left"),
                            QStringLiteral("old qty"),   QStringLiteral("old bids")};

// Columns 0..7 of a row: item, seller, bidder, price, ends, time left, quantity, bids.
QStringList row(const QString& price, const QString& seller, const QString& bidder, const QString& ends,
                const QString& left, const QString& quantity, const QString& bids)
{
    return {QStringLiteral("1234"), seller, bidder, price, ends, left, quantity, bids};
}

QStringList classicRow(const QString& quantity, const QString& bidder)
{
    return row(QStringLiteral("$2.00"), QStringLiteral("bob (12)"), bidder, QStringLiteral("Dec-05-26 10:00:00 PST"),
               QStringLiteral("2 days 3 hours"), quantity, QStringLiteral("4"));
}

// A parser working on row 1 of a three-row grid whose item row holds OldRow.
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
    void extractLabelledValue_data();
    void extractLabelledValue();
    void linesWithoutPriceAreIgnored_data();
    void linesWithoutPriceAreIgnored();
    void values_data();
    void values();
    void quantity_data();
    void quantity();
    void failures_data();
    void failures();
    void priceComparison_data();
    void priceComparison();
    void firstObservationIsLogged();
};

void TestPageParser::extractLabelledValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("remaining"); // the running text afterwards
    QTest::addColumn<QString>("failure");

    const QString none;
    QTest::newRow("label missing") << "Quantity is not here<b>3</b>"
                                   << ""
                                   << "Quantity is not here<b>3</b>" << none;
    QTest::newRow("label is case-sensitive") << "quantity<b>3</b>"
                                             << ""
                                             << "quantity<b>3</b>" << none;
    QTest::newRow("value right after label") << "x Qty 3 <b>4</b>"
                                             << " 3 "
                                             << " 3 <b>4</b>" << none;
    QTest::newRow("tags skipped") << "Qty</td><td><b>3</b>"
                                  << "3"
                                  << "3</b>" << none;
    QTest::newRow("line feed and bold tag") << "Qty\n<b>3</b>"
                                            << "3"
                                            << "3</b>" << none;
    QTest::newRow("tag, line feed, tag") << "Qty<td>\n<b>3</b>"
                                         << "3"
                                         << "3</b>" << none;
    QTest::newRow("lone line feed dropped") << "Qty\n3<br>"
                                            << "3"
                                            << "3<br>" << none;
    QTest::newRow("line feeds before tag") << "Qty\n\n<b>3</b>"
                                           << "3"
                                           << "3</b>" << none;
    QTest::newRow("tag at second char needs line feed") << "Qty:<b>3</b>"
                                                        << ":"
                                                        << ":<b>3</b>" << none;
    QTest::newRow("blanks and entities kept") << "Qty<b> &nbsp;3&amp; </b>"
                                              << " &nbsp;3&amp; "
                                              << " &nbsp;3&amp; </b>" << none;
    QTest::newRow("first occurrence") << "Qty<b>1</b> Qty<b>2</b>"
                                      << "1"
                                      << "1</b> Qty<b>2</b>" << none;
    QTest::newRow("empty value before tag") << "Qty <b>"
                                            << " "
                                            << " <b>" << none;
    QTest::newRow("closing bracket is text") << "Qty>3<b>"
                                             << ">3"
                                             << ">3<b>" << none;
    QTest::newRow("no tag after value") << "Qty 3" << none << none << "No tag after the value of 'Qty'";
    QTest::newRow("label ends the text") << "text Qty" << none << none << "No tag after the value of 'Qty'";
    QTest::newRow("only tags after label") << "Qty<b></b>" << none << none << "No tag after the value of 'Qty'";
    QTest::newRow("unclosed tag") << "Qty<b" << none << none << "Unclosed tag after 'Qty'";
    QTest::newRow("line feed, unclosed tag") << "Qty\n<b" << none << none << "Unclosed tag after 'Qty'";
    QTest::newRow("closed tag, unclosed tag") << "Qty<b><i" << none << none << "Unclosed tag after 'Qty'";
}

void TestPageParser::extractLabelledValue()
{
    QFETCH(QString, text);
    QFETCH(QString, value);
    QFETCH(QString, remaining);
    QFETCH(QString, failure);

    QString running = text;
    try {
        const QString extracted = PageParser::ExtractLabelledValue(QStringLiteral("Qty"), running);
        QVERIFY2(failure.isEmpty(), "expected a failure");
        QCOMPARE(extracted, value);
        QCOMPARE(running, remaining);
    } catch (const Failure& caught) {
        QCOMPARE(caught.description(), failure);
    }
}

void TestPageParser::linesWithoutPriceAreIgnored_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("empty") << "";
    QTest::newRow("lower case") << QString("currently" + QString(40, u'x') + "<b>");
    QTest::newRow("cut label") << "Currentl y<b>";
    QTest::newRow("broken values, no price label") << "Quantity<b>3x</b># of bids 4";
}

// Only the price line is parsed; any line before it leaves everything as it was.
void TestPageParser::linesWithoutPriceAreIgnored()
{
    QFETCH(QString, line);
    Rig rig;
    QCOMPARE(rig.parse(line), QString());
    QCOMPARE(rig.cycle.PageParsed.value_or(true), false);
    QCOMPARE(rig.itemRow(), OldRow);
    QCOMPARE(rig.cycle.ChangeCount, qint16(0));
}

void TestPageParser::values_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("expected");

    const QString dutch = QStringLiteral("Dutch Auction");
    QTest::newRow("quantity 1: high bidder") << pageLine("$2.00", classicTail("1")) << classicRow("1", "joe (3)");
    QTest::newRow("quantity 3: Dutch auction") << pageLine("$2.00", classicTail("3")) << classicRow("3", dutch);
    QTest::newRow("quantity missing: Dutch auction")
        << pageLine("$2.00", classicTail("1").replace("Quantity", "Qty")) << classicRow("", dutch);
    // "Ends" appears only before the value of "Time left", so the search after it fails.
    QTest::newRow("label before previous value")
        << pageLine("$2.00", labelled("Quantity", "1") + labelled("Ends", "Dec-05") + labelled("# of bids", "4") +
                                 labelled("Time left", "2 days") + labelled("Seller (Rating)", "bob (12)") +
                                 labelled("High bid", "joe (3)"))
        << row("$2.00", "bob (12)", "joe (3)", "", "2 days", "1", "4");
    QTest::newRow("labels missing") << pageLine("$2.00", labelled("Quantity", "1") + labelled("High bid", "joe"))
                                    << row("$2.00", "", "joe", "", "", "1", "");
    QTest::newRow("only the price") << pageLine("$2.00") << row("$2.00", "", dutch, "", "", "", "");
    QTest::newRow("blanks and entities kept")
        << pageLine("&nbsp;US $1.00 ", labelled("Seller (Rating)", " bob&amp;co&nbsp;(5) "))
        << row("&nbsp;US $1.00 ", " bob&amp;co&nbsp;(5) ", dutch, "", "", "", "");
    QTest::newRow("line feed and bold tag skipped") << pageLine("$2.00", "Time left\n<b>2 days</b> Ends Dec-05<br>")
                                                    << row("$2.00", "", dutch, " Dec-05", "2 days", "", "");
    QTest::newRow("line ends at the price's tag")
        << QString("Currently" + priceMarkup() + "<") << row("", "", dutch, "", "", "", "");
    // The label inside other text is taken as the price label all the same, 41 characters skipped blindly.
    QTest::newRow("label inside other text")
        << "<p>Items Currently on view are listed below, please<br>" << row("e", "", dutch, "", "", "", "");
}

void TestPageParser::values()
{
    QFETCH(QString, line);
    QFETCH(QStringList, expected);
    Rig rig;
    QCOMPARE(rig.parse(line), QString());
    QCOMPARE(rig.cycle.PageParsed.value_or(false), true);
    QCOMPARE(rig.itemRow(), expected);
    QCOMPARE(rig.cycle.CurrentCol, qint16(2)); // the bidder column is written last
}

void TestPageParser::quantity_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("bidder"); // empty when the parse fails
    QTest::addColumn<QString>("failure");

    const QString high = QStringLiteral("joe (3)");
    const QString dutch = QStringLiteral("Dutch Auction");
    QTest::newRow("1") << "1" << high << "";
    QTest::newRow("blanks around 1") << " 1 " << high << "";
    QTest::newRow("leading zeros, fraction") << "001.000" << high << "";
    QTest::newRow("plus sign") << "+1" << high << "";
    QTest::newRow("point without fraction") << "1." << high << "";
    QTest::newRow("3") << "3" << dutch << "";
    QTest::newRow("10") << "10" << dutch << "";
    QTest::newRow("minus 1") << "-1" << dutch << "";
    QTest::newRow("fraction") << "1.5" << dutch << "";
    QTest::newRow("tiny fraction") << "1.000000000000000000001" << dutch << "";
    QTest::newRow("point five") << ".5" << dutch << "";
    QTest::newRow("blank") << " " << dutch << "";
    QTest::newRow("letters after digit") << "3x"
                                         << ""
                                         << "Quantity '3x' is not a number";
    QTest::newRow("word") << "one"
                          << ""
                          << "Quantity 'one' is not a number";
    QTest::newRow("entity") << "&nbsp;1"
                            << ""
                            << "Quantity '&nbsp;1' is not a number";
    QTest::newRow("grouping") << "1,000"
                              << ""
                              << "Quantity '1,000' is not a number";
    QTest::newRow("exponent") << "1e0"
                              << ""
                              << "Quantity '1e0' is not a number";
    QTest::newRow("sign alone") << "+"
                                << ""
                                << "Quantity '+' is not a number";
    QTest::newRow("point alone") << "."
                                 << ""
                                 << "Quantity '.' is not a number";
    QTest::newRow("two points") << "1.0.0"
                                << ""
                                << "Quantity '1.0.0' is not a number";
    QTest::newRow("blank inside") << "1 0"
                                  << ""
                                  << "Quantity '1 0' is not a number";
    QTest::newRow("long text shortened") << QString(50, u'z') << ""
                                         << QString("Quantity '" + QString(40, u'z') + "...' is not a number");
}

void TestPageParser::quantity()
{
    QFETCH(QString, quantity);
    QFETCH(QString, bidder);
    QFETCH(QString, failure);
    Rig rig;
    const QString caught = rig.parse(pageLine("$2.00", classicTail(quantity)));
    if (failure.isEmpty()) {
        QCOMPARE(caught, QString());
        QCOMPARE(rig.itemRow(), classicRow(quantity, bidder));
    } else {
        QCOMPARE(caught, failure);
        // Everything before the bidder is written; the bidder keeps its old text.
        QCOMPARE(rig.itemRow(), classicRow(quantity, "old bidder"));
    }
}

void TestPageParser::failures_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("gridRows");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QStringList>("expected"); // the item row afterwards; empty when it is gone

    const QString noPrice = QStringLiteral("Price not found after 'Currently'");
    QTest::newRow("41 characters from the label") << QString("<td>Currently" + priceMarkup()) << 3 << noPrice << OldRow;
    QTest::newRow("label near the end") << "<td>Currently</td></tr>" << 3 << noPrice << OldRow;
    QTest::newRow("no tag after the price") << QString("Currently" + priceMarkup() + "$2.00") << 3
                                            << "No tag after the price that follows 'Currently'" << OldRow;

    QStringList written = OldRow;
    written[3] = "$2.00";
    QTest::newRow("no tag after quantity")
        << pageLine("$2.00", "Quantity<b>1") << 3 << "No tag after the value of 'Quantity'" << written;
    written[6] = "1";
    QTest::newRow("no tag after bids") << pageLine("$2.00", QString(labelled("Quantity", "1") + "# of bids 4")) << 3
                                       << "No tag after the value of '# of bids'" << written;
    written[7] = "";
    QTest::newRow("unclosed tag after time left")
        << pageLine("$2.00", QString(labelled("Quantity", "1") + "Time left<b")) << 3
        << "Unclosed tag after 'Time left'" << written;
    written[5] = "2 days";
    QTest::newRow("line feed, unclosed tag after ends")
        << pageLine("$2.00", labelled("Quantity", "1") + labelled("Time left", "2 days") + "Ends\n<b") << 3
        << "Unclosed tag after 'Ends'" << written;
    written[4] = "Dec-05";
    QTest::newRow("no tag after seller") << pageLine("$2.00", labelled("Quantity", "1") +
                                                                  labelled("Time left", "2 days") +
                                                                  labelled("Ends", "Dec-05") + "Seller (Rating) bob")
                                         << 3 << "No tag after the value of 'Seller (Rating)'" << written;
    written[1] = "bob";
    QTest::newRow("no tag after high bid")
        << pageLine("$2.00", labelled("Quantity", "1") + labelled("Time left", "2 days") + labelled("Ends", "Dec-05") +
                                 labelled("Seller (Rating)", "bob") + "High bid joe")
        << 3 << "No tag after the value of 'High bid'" << written;
    QTest::newRow("quantity not a number") << pageLine("$2.00", classicTail("3x")) << 3
                                           << "Quantity '3x' is not a number" << classicRow("3x", "old bidder");
    QTest::newRow("item row gone after a reset")
        << pageLine("$2.00", classicTail("1")) << 1 << "Grid row 1 of the item no longer exists (the grid was reset)"
        << QStringList();
}

// A failure leaves the values written before it, and the price line counts as handled.
void TestPageParser::failures()
{
    QFETCH(QString, line);
    QFETCH(int, gridRows);
    QFETCH(QString, failure);
    QFETCH(QStringList, expected);
    Rig rig;
    rig.grid.setRows(gridRows);
    QCOMPARE(rig.parse(line), failure);
    QCOMPARE(rig.cycle.PageParsed.value_or(false), true);
    if (!expected.isEmpty()) {
        QCOMPARE(rig.itemRow(), expected);
    }
}

void TestPageParser::priceComparison_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("price");
    QTest::addColumn<bool>("changed");

    QTest::newRow("empty cell") << ""
                                << "$1.00" << true;
    QTest::newRow("same price") << "US $1.00"
                                << "US $1.00" << false;
    QTest::newRow("new price") << "US $1.00"
                               << "US $1.50" << true;
    QTest::newRow("letter case") << "US $1.00"
                                 << "us $1.00" << true;
    QTest::newRow("leading blank") << "US $1.00"
                                   << " US $1.00" << true;
    QTest::newRow("trailing blank") << "US $1.00"
                                    << "US $1.00 " << true;
    QTest::newRow("entity for blank") << "US $1.00"
                                      << "US&nbsp;$1.00" << true;
}

void TestPageParser::priceComparison()
{
    QFETCH(QString, shown);
    QFETCH(QString, price);
    QFETCH(bool, changed);
    QStringList before = OldRow;
    before[3] = shown;
    Rig rig(before);
    rig.cycle.ChangeCount = 5;
    QCOMPARE(rig.parse(pageLine(price, classicTail("1"))), QString());
    QCOMPARE(rig.grid.text(1, 3), price);
    QCOMPARE(rig.cycle.ChangeCount, qint16(changed ? 6 : 5));
    const QStringList expectedLog = changed ? QStringList{"At 10:00:00 : Item #1234 Price= " + price} : QStringList{};
    QCOMPARE(rig.log.lines, expectedLog);
    QCOMPARE(rig.grid.textColor(), 0u);
}

void TestPageParser::firstObservationIsLogged()
{
    Rig rig;
    rig.grid.setTextMeasure([](const QString& text) { return 100.0 * text.size(); });
    rig.grid.setRows(1);
    rig.grid.setRows(3); // a fresh row, as after a reset
    rig.grid.setText(1, 0, "98765");
    rig.clock.current = QDateTime(QDate(2026, 12, 5), QTime(21, 5, 9));
    const QString seller = QStringLiteral("a seller with a long name (1234)");
    const QString line = pageLine("US $12.50", labelled("Quantity", "1") + labelled("Seller (Rating)", seller) +
                                                   labelled("High bid", "joe"));

    QCOMPARE(rig.parse(line), QString());
    QCOMPARE(rig.cycle.ChangeCount, qint16(1));
    QCOMPARE(rig.log.lines, QStringList{"At 21:05:09 : Item #98765 Price= US $12.50"});
    // The columns are fitted to the new values.
    QCOMPARE(rig.grid.columnWidth(1), int(100 * seller.size()) + ResultsGrid::CellPadding);

    rig.clock.advance(60);
    QCOMPARE(rig.parse(line), QString());
    QCOMPARE(rig.cycle.ChangeCount, qint16(1));
    QCOMPARE(rig.log.lines.size(), 1);
}

QTEST_GUILESS_MAIN(TestPageParser)
#include "tst_pageparser.moc"
