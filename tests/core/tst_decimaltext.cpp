#include "core/DecimalText.h"

#include <QTest>
#include <limits>

// The one reader of plain decimal numbers: the settings file's interval values and the
// page's quantity both go through it.
class TestDecimalText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<QVariant>("floor"); // rounded toward minus infinity; invalid: does not fit an int
        QTest::addColumn<bool>("isOne");

        const QVariant noFit;
        QTest::newRow("whole") << "5" << true << QVariant(5) << false;
        QTest::newRow("blanks and tabs around") << " \t7 " << true << QVariant(7) << false;
        QTest::newRow("fraction rounds down") << "2.7" << true << QVariant(2) << false;
        QTest::newRow("negative fraction rounds down") << "-1.5" << true << QVariant(-2) << false;
        QTest::newRow("long fraction does not round up") << "2.99999999999999999999" << true << QVariant(2) << false;
        QTest::newRow("point only after") << "5." << true << QVariant(5) << false;
        QTest::newRow("point only before") << ".5" << true << QVariant(0) << false;
        QTest::newRow("leading zeros, one") << "+001.000" << true << QVariant(1) << true;
        QTest::newRow("largest int") << "2147483647" << true << QVariant(2147483647) << false;
        QTest::newRow("smallest int") << "-2147483648" << true << QVariant(std::numeric_limits<int>::min()) << false;
        QTest::newRow("past the largest") << "2147483648" << true << noFit << false;
        QTest::newRow("far past") << "99999999999999999999" << true << noFit << false;
        QTest::newRow("minus one is not one") << "-1" << true << QVariant(-1) << false;
        QTest::newRow("one and a bit is not one") << "1.0001" << true << QVariant(1) << false;
        QTest::newRow("empty") << "" << false << QVariant(0) << false;
        QTest::newRow("blank") << "  " << false << QVariant(0) << false;
        QTest::newRow("sign alone") << "-" << false << QVariant(0) << false;
        QTest::newRow("point alone") << "." << false << QVariant(0) << false;
        QTest::newRow("exponent") << "1e3" << false << QVariant(0) << false;
        QTest::newRow("hexadecimal") << "0x10" << false << QVariant(0) << false;
        QTest::newRow("decimal comma") << "2,5" << false << QVariant(0) << false;
        QTest::newRow("blank inside") << "1 0" << false << QVariant(0) << false;
        QTest::newRow("line feed after") << "5\n" << false << QVariant(0) << false;
        QTest::newRow("text after the key") << "=5" << false << QVariant(0) << false;
    }

    void read()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(QVariant, floor);
        QFETCH(bool, isOne);

        const std::optional<DecimalText> number = scanDecimal(text);
        QCOMPARE(number.has_value(), isNumber);
        if (!number) {
            return;
        }
        const std::optional<int> value = number->floorToInt();
        QCOMPARE(value.has_value(), floor.isValid());
        if (value) {
            QCOMPARE(*value, floor.toInt());
        }
        QCOMPARE(number->isOne(), isOne);
    }
};

QTEST_APPLESS_MAIN(TestDecimalText)
#include "tst_decimaltext.moc"
