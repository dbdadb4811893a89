#include "core/ResultsModel.h"
#include "ui/main/ColumnFitter.h"

#include <QTest>

namespace {
// Ten pixels a character and five of padding, so widths are easy to follow.
int measure(const QString& text)
{
    return static_cast<int>(text.size()) * 10 + 5;
}
} // namespace

class TestColumnFitter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void widestTextOfEachColumn()
    {
        ResultsModel results;
        ColumnFitter fitter(
            results, [](int, const QString& text) { return measure(text); }, measure);
        QCOMPARE(fitter.widths()[ResultsModel::Quantity], 85); // "Quantity" alone

        results.setItemCount(2);
        results.setText(0, ResultsModel::Quantity, QStringLiteral("a much longer text"));
        QCOMPARE(fitter.widths()[ResultsModel::Quantity], 185);
        results.setText(1, ResultsModel::Quantity, QStringLiteral("shorter text"));
        results.setText(0, ResultsModel::Quantity, QStringLiteral("1"));
        QCOMPARE(fitter.widths()[ResultsModel::Quantity], 125);
        results.setItemCount(0);
        QCOMPARE(fitter.widths()[ResultsModel::Quantity], 85);
        results.setItemCount(1);
        results.setText(0, ResultsModel::Seller, QStringLiteral("a seller with a long name"));
        results.reset();
        QCOMPARE(fitter.widths()[ResultsModel::Seller], 65);
    }
};

QTEST_GUILESS_MAIN(TestColumnFitter)
#include "tst_columnfitter.moc"
