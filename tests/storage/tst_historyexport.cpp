#include "storage/HistoryExport.h"
#include "tests/support/TempProgramFolder.h"

#include <QTest>

class TestHistoryExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyFieldQuotedLinesEndInCrLf()
    {
        Observation row{QDateTime(QDate(2026, 12, 5), QTime(9, 30, 5), Qt::OffsetFromUTC, 3600),
                        QStringLiteral("1001"),
                        {QStringLiteral("US $1,200.00"), QStringLiteral("1"), QStringLiteral("4"), std::nullopt,
                         QStringLiteral("Dec-07-26"), QStringLiteral("bob \"the\" seller"), QStringLiteral("a\nb")}};
        TempProgramFolder folder;
        QVERIFY(!exportHistory({row}, folder.file(QStringLiteral("h.csv"))));
        QCOMPARE(folder.read(QStringLiteral("h.csv")),
                 QByteArray("\"Time (UTC)\",\"Item #\",\"Price\",\"Quantity\",\"Bids\",\"Time Left\",\"Time Ends\","
                            "\"Seller\",\"High Bidder\"\r\n"
                            "\"2026-12-05T08:30:05Z\",\"1001\",\"US $1,200.00\",\"1\",\"4\",\"\",\"Dec-07-26\","
                            "\"bob \"\"the\"\" seller\",\"a\nb\"\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestHistoryExport)
#include "tst_historyexport.moc"
