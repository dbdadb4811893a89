#include "core/DecimalText.h"
#include "core/ItemPageReader.h"
#include "tests/support/ItemPages.h"

#include <QTest>

namespace {
using Values = QStringList; // price, quantity, bids, time left, ends, seller, high bidder; "-" not read

Values valuesOf(const ItemPageReading& reading)
{
    Values values;
    for (const std::optional<QString>& value : reading.values) {
        values << value.value_or(QStringLiteral("-"));
    }
    return values;
}

QString line(const QString& price, const QString& rest)
{
    return ItemPages::priceLine(price, rest);
}

QString labelled(const char* label, const QString& value)
{
    return ItemPages::labelled(QLatin1String(label), value);
}
} // namespace

class TestItemPageReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reading_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<Values>("values");
        QTest::addColumn<QString>("failure");

        const ItemPages::Item item;
        const Values all = {item.price, item.quantity, item.bids, item.timeLeft, item.ends, item.seller, item.highBid};
        QTest::newRow("every value") << ItemPages::classicLine(item) << all << QString();
        QTest::newRow("first line with Currently, later lines unread")
            << "<p>no price</p>\r\n" + ItemPages::classicLine(item) + "\r\n" + line("$9.00", {}) << all << QString();
        QTest::newRow("bare line feeds keep one line")
            << "<html>\n<body>\n" + ItemPages::classicLine(item) + "\n</body>" << all << QString();
        QTest::newRow("no price line") << QStringLiteral("<html>Price: $2</html>") << Values(7, "-") << QString();
        QTest::newRow("Dutch auction") << line("$5", labelled("Quantity", "3") + labelled("High bid", "joe"))
                                       << Values{"$5", "3", "", "", "", "", "Dutch Auction"} << QString();
        QTest::newRow("quantity with thousands") << line("$5", labelled("Quantity", "1,000"))
                                                 << Values{"$5", "1,000", "", "", "", "", "Dutch Auction"} << QString();
        QTest::newRow("no quantity is no high bidder")
            << line("$5", labelled("High bid", "joe")) << Values{"$5", "", "", "", "", "", "Dutch Auction"}
            << QString();
        QTest::newRow("label only before the previous value")
            << line("$5", labelled("Ends", "today") + labelled("Quantity", "1") + labelled("Time left", "2 days"))
            << Values{"$5", "1", "", "2 days", "", "", ""} << QString();
        QTest::newRow("value keeps blanks and entities")
            << line(" US $1&nbsp;000 ", labelled("Quantity", " 1 "))
            << Values{" US $1&nbsp;000 ", " 1 ", "", "", "", "", ""} << QString();
        QTest::newRow("line feed and tag before a value") << line("$5", "Quantity\n<b>1</b>Seller (Rating)plain<")
                                                          << Values{"$5", "1", "", "", "", "plain", ""} << QString();
        QTest::newRow("line feed without a tag is dropped")
            << line("$5", "Quantity\n1<") << Values{"$5", "1", "", "", "", "", ""} << QString();
        QTest::newRow("price line too short")
            << QStringLiteral("Currently</b> $5<") << Values(7, "-") << "Price not found after 'Currently'";
        QTest::newRow("no tag after the price") << "Currently" + QString(32, u'.') + "$5" << Values(7, "-")
                                                << "No tag after the price that follows 'Currently'";
        QTest::newRow("no tag after a value")
            << line("$5", labelled("Quantity", "1") + "# of bids</td><td><b>4")
            << Values{"$5", "1", "-", "-", "-", "-", "-"} << "No tag after the value of '# of bids'";
        QTest::newRow("unclosed tag before a value")
            << line("$5", "Quantity<b") << Values{"$5", "-", "-", "-", "-", "-", "-"}
            << "Unclosed tag after 'Quantity'";
        QTest::newRow("quantity no number")
            << line("$5", labelled("Quantity", "1e999999") + labelled("Seller (Rating)", "bob"))
            << Values{"$5", "1e999999", "", "", "", "bob", "-"} << "Quantity '1e999999' is not a number";
    }

    void reading()
    {
        QFETCH(QString, page);
        QFETCH(Values, values);
        QFETCH(QString, failure);

        const ItemPageReading reading = readItemPage(page);
        QCOMPARE(valuesOf(reading), values);
        QCOMPARE(reading.failure.value_or(QString()), failure);
    }

    void missingLabels()
    {
        const ItemPageReading reading = readItemPage(line("$5", labelled("Quantity", "1") + labelled("Ends", "x")));
        QCOMPARE(reading.missingLabels,
                 (QList<PageField>{PageField::Bids, PageField::TimeLeft, PageField::Seller, PageField::HighBidder}));
    }

    void decimals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("floor");   // "none": no number, or out of the int range
        QTest::addColumn<QString>("grouped"); // read with thousands: "none", "one" or "number"

        QTest::newRow("plain") << "7"
                               << "7"
                               << "number";
        QTest::newRow("one with blanks") << " 1 "
                                         << "1"
                                         << "one";
        QTest::newRow("one with zero fraction") << "01.00"
                                                << "1"
                                                << "one";
        QTest::newRow("one and a bit") << "1.01"
                                       << "1"
                                       << "number";
        QTest::newRow("fraction rounds down") << "2.7"
                                              << "2"
                                              << "number";
        QTest::newRow("negative rounds down") << "-1.5"
                                              << "-2"
                                              << "number";
        QTest::newRow("minus one") << "-1"
                                   << "-1"
                                   << "number";
        QTest::newRow("point only") << "."
                                    << "none"
                                    << "none";
        QTest::newRow("exponent") << "1e3"
                                  << "none"
                                  << "none";
        QTest::newRow("largest int") << "2147483647"
                                     << "2147483647"
                                     << "number";
        QTest::newRow("too large") << "2147483648"
                                   << "none"
                                   << "number";
        QTest::newRow("smallest int") << "-2147483648"
                                      << "-2147483648"
                                      << "number";
        QTest::newRow("just below it") << "-2147483648.5"
                                       << "none"
                                       << "number";
        QTest::newRow("grouped thousand") << "1,000"
                                          << "none"
                                          << "number";
        QTest::newRow("grouped million") << "12,345,678"
                                         << "none"
                                         << "number";
        QTest::newRow("group too short") << "1,00"
                                         << "none"
                                         << "none";
        QTest::newRow("first group too long") << "1000,000"
                                              << "none"
                                              << "none";
        QTest::newRow("leading comma") << ",100"
                                       << "none"
                                       << "none";
    }

    void decimals()
    {
        QFETCH(QString, text);
        QFETCH(QString, floor);
        QFETCH(QString, grouped);

        const std::optional<DecimalText> plain = DecimalText::parse(text);
        const std::optional<int> whole = plain ? plain->floorToInt() : std::nullopt;
        QCOMPARE(whole ? QString::number(*whole) : QStringLiteral("none"), floor);
        const std::optional<DecimalText> thousands = DecimalText::parse(text, DecimalText::Grouping::Thousands);
        QCOMPARE(!thousands           ? QStringLiteral("none")
                 : thousands->isOne() ? QStringLiteral("one")
                                      : QStringLiteral("number"),
                 grouped);
    }
};

QTEST_APPLESS_MAIN(TestItemPageReader)
#include "tst_itempagereader.moc"
