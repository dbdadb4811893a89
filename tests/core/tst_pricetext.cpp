#include "core/PriceText.h"

#include <QTest>

class TestPriceText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void amounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("amount"); // negative: no amount
        QTest::addColumn<QString>("currency");

        // text=amount=currency; currency letters or signs before or after, commas between groups of three
        for (const char* row : {"$2.00=2=$", "US $1,234.56=1234.56=US $", "EUR 12.50=12.5=EUR", "\u00a33.20=3.2=\u00a3",
                                "1,000,000 USD=1000000=USD", "$7=7=$", "  $0.99 =0.99=$", "12=12="}) {
            const QStringList fields = QString::fromUtf8(row).split(u'=');
            QTest::newRow(row) << fields[0] << fields[1].toDouble() << fields[2];
        }
        // none: a decimal comma, points between groups, a group of four, a comma first, a point
        // without cents, words, a sign inside, a minus, no digits, nothing, digits of another script
        for (const char* text : {"EUR 12,50", "1.234,56", "$1,2345.00", "$,100", "$2.", "no bids 3", "$1 $2", "-$5.00",
                                 "--", "", "$\u0663"}) {
            QTest::addRow("'%s'", text) << QString::fromUtf8(text) << -1.0 << QString();
        }
    }

    void amounts()
    {
        QFETCH(QString, text);
        QFETCH(double, amount);
        QFETCH(QString, currency);
        QCOMPARE(priceCurrency(text), currency);
        const std::optional<double> read = priceAmount(text);
        QCOMPARE(read.has_value(), amount >= 0);
        if (read) {
            QCOMPARE(*read, amount);
        }
    }
};

QTEST_APPLESS_MAIN(TestPriceText)
#include "tst_pricetext.moc"
