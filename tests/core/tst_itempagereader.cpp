#include "core/DecimalText.h"
#include "core/ItemPageReader.h"
#include "tests/support/ItemPages.h"

#include <QTest>

namespace {
// Every value as price|quantity|bids|time left|ends|seller|high bidder, "-" for
// one not read.
QString valuesOf(const ItemPageReading& reading)
{
    QStringList values;
    for (const std::optional<QString>& value : reading.values) {
        values << value.value_or(QStringLiteral("-"));
    }
    return values.join(u'|');
}

void row(const char* name, const QString& page, const char* values, const char* failure = "")
{
    QTest::newRow(name) << page << QString(values) << QString(failure);
}
} // namespace

using ItemPages::labelled;
using ItemPages::priceLine;

class TestItemPageReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reading_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("values");
        QTest::addColumn<QString>("failure");

        const QString classic = ItemPages::classicLine();
        const char* all = "$2.00|1|4|2 days 3 hours|Dec-05-26 10:00:00 PST|bob (12)|joe (3)";
        const char* none = "-|-|-|-|-|-|-";
        row("every value", classic, all);
        row("first line with Currently, later lines unread", "<p>x</p>\r\n" + classic + "\r\n" + priceLine("$9", {}),
            all);
        row("bare line feeds keep one line", "<html>\n<body>\n" + classic + "\n</body>", all);
        row("no price line", "<html>Price: $2</html>", none);
        row("Dutch auction", priceLine("$5", labelled("Quantity", "3") + labelled("High bid", "joe")),
            "$5|3|||||Dutch Auction");
        row("quantity with thousands", priceLine("$5", labelled("Quantity", "1,000")), "$5|1,000|||||Dutch Auction");
        row("no quantity is no high bidder", priceLine("$5", labelled("High bid", "joe")), "$5||||||Dutch Auction");
        row("label only before the previous value",
            priceLine("$5", labelled("Ends", "today") + labelled("Quantity", "1") + labelled("Time left", "2 days")),
            "$5|1||2 days|||");
        row("value keeps blanks and entities", priceLine(" US $1&nbsp;000 ", labelled("Quantity", " 1 ")),
            " US $1&nbsp;000 | 1 |||||");
        row("line feed and tag before a value", priceLine("$5", "Quantity\n<b>1</b>Seller (Rating)plain<"),
            "$5|1||||plain|");
        row("line feed without a tag is dropped", priceLine("$5", "Quantity\n1<"), "$5|1|||||");
        // The price starts 41 characters after the "C": a line that ends there holds none.
        row("price line ends before the price", "Currently" + QString(32, u'.'), none,
            "Price not found after 'Currently'");
        row("no tag after the price", "Currently" + QString(32, u'.') + "$5", none,
            "No tag after the price that follows 'Currently'");
        row("no tag after a value", priceLine("$5", labelled("Quantity", "1") + "# of bids</td><td><b>4"),
            "$5|1|-|-|-|-|-", "No tag after the value of '# of bids'");
        row("unclosed tag before a value", priceLine("$5", "Quantity<b"), "$5|-|-|-|-|-|-",
            "Unclosed tag after 'Quantity'");
        row("quantity no number",
            priceLine("$5", labelled("Quantity", "1e999999") + labelled("Seller (Rating)", "bob")),
            "$5|1e999999||||bob|-", "Quantity '1e999999' is not a number");
    }

    void reading()
    {
        QFETCH(QString, page);
        QFETCH(QString, values);
        QFETCH(QString, failure);

        const ItemPageReading reading = readItemPage(page);
        QCOMPARE(valuesOf(reading), values);
        QCOMPARE(reading.failure.value_or(QString()), failure);
    }

    void decimals_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("floor");   // "none": no number, or out of the int range
        QTest::addColumn<QString>("grouped"); // read with thousands: "none", "one" or "number"

        // text|floor|grouped
        for (const char* row :
             {"7|7|number", " 1 |1|one", "01.00|1|one", "1.01|1|number", "2.7|2|number", "-1.5|-2|number",
              "-1|-1|number", ".|none|none", "1e3|none|none", "2147483647|2147483647|number", "2147483648|none|number",
              "-2147483648|-2147483648|number", "-2147483648.5|none|number", "1,000|none|number",
              "12,345,678|none|number", "1,00|none|none", "1,0000|none|none", "1000,000|none|none", ",100|none|none"}) {
            const QStringList fields = QString::fromLatin1(row).split(u'|');
            QTest::newRow(row) << fields[0] << fields[1] << fields[2];
        }
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
