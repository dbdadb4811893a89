#include "tests/support/TestMain.h"
#include "ui/main/Announcer.h"

#include <QAccessible>

namespace {
// What a screen reader finds said, oldest first.
QStringList said(Announcer& announcer)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(&announcer);
    QStringList texts;
    for (int child = 0; child < interface->childCount(); ++child) {
        texts << interface->child(child)->text(QAccessible::Name);
    }
    return texts;
}
} // namespace

class TestAnnouncer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The first text of a burst is said at once; the rest together once the while is over, in
    // full up to three, else the first two and a count.
    void burstIsGathered_data()
    {
        QTest::addColumn<QStringList>("burst");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one") << QStringList{"a"} << QStringList{"a"};
        QTest::newRow("two") << QStringList{"a", "b"} << QStringList{"a", "b"};
        QTest::newRow("three held") << QStringList{"a", "b", "c", "d"} << QStringList{"a", "b; c; d"};
        QTest::newRow("five held") << QStringList{"a", "b", "c", "d", "e", "f"} << QStringList{"a", "b; c; and 3 more"};
    }
    void burstIsGathered()
    {
        QFETCH(QStringList, burst);
        QFETCH(QStringList, expected);
        Announcer announcer;
        for (const QString& text : burst) {
            announcer.announce(text);
        }
        QCOMPARE(said(announcer), QStringList{burst.first()});
        QTRY_COMPARE(said(announcer), expected);
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestAnnouncer)
#include "tst_announcer.moc"
