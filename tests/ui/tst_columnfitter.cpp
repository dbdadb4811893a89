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

    void roomIsSharedOutEvenly()
    {
        const std::array<int, 8> widths = {10, 20, 30, 40, 50, 60, 70, 80};
        const ColumnFitter::KeptWidths none{};
        QCOMPARE(ColumnFitter::shareOut(widths, none, 360), widths);
        QCOMPARE(ColumnFitter::shareOut(widths, none, 352), widths);
        QCOMPARE(ColumnFitter::shareOut(widths, none, 375), (std::array<int, 8>{11, 21, 31, 41, 51, 61, 71, 81}));
        // A kept width takes no share, wider or narrower than its text.
        ColumnFitter::KeptWidths kept{};
        kept[1] = 100;
        kept[7] = 5;
        QCOMPARE(ColumnFitter::shareOut(widths, kept, 377), (std::array<int, 8>{12, 100, 32, 42, 52, 62, 72, 5}));
    }
};

QTEST_GUILESS_MAIN(TestColumnFitter)
#include "tst_columnfitter.moc"
