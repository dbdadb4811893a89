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

        QTest::newRow("dollars") << "$2.00" << 2.0;
        QTest::newRow("currency before, spaced") << "US $1,234.56" << 1234.56;
        QTest::newRow("letters, no sign") << "EUR 12.50" << 12.5;
        QTest::newRow("sign of another currency") << "\u00a33.20" << 3.2;
        QTest::newRow("currency after") << "1,000,000 USD" << 1000000.0;
        QTest::newRow("no cents") << "$7" << 7.0;
        QTest::newRow("blanks around") << "  $0.99 " << 0.99;
        QTest::newRow("decimal comma") << "EUR 12,50" << -1.0;
        QTest::newRow("points between groups") << "1.234,56" << -1.0;
        QTest::newRow("group of four") << "$1,2345.00" << -1.0;
        QTest::newRow("comma first") << "$,100" << -1.0;
        QTest::newRow("point without cents") << "$2." << -1.0;
        QTest::newRow("words") << "no bids 3" << -1.0;
        QTest::newRow("sign inside") << "$1 $2" << -1.0;
        QTest::newRow("minus") << "-$5.00" << -1.0;
        QTest::newRow("no digits") << "--" << -1.0;
        QTest::newRow("empty") << "" << -1.0;
        QTest::newRow("other digits") << "$\u0663" << -1.0;
    }

    void amounts()
    {
        QFETCH(QString, text);
        QFETCH(double, amount);
        const std::optional<double> read = priceAmount(text);
        QCOMPARE(read.has_value(), amount >= 0);
        if (read) {
            QCOMPARE(*read, amount);
        }
    }
};

QTEST_APPLESS_MAIN(TestPriceText)
#include "tst_pricetext.moc"
