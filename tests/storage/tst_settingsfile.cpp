#include "storage/ItemListFile.h"
#include "storage/SettingsFile.h"

#include <QTest>
#include <cerrno>

// The settings file and the item list file, read and written as the user meets them.
class TestSettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void settings_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<StoredSettings>("values");
        QTest::addColumn<int>("error"); // errno, 0 for none

        const auto row = [](const char* name, const QByteArray& file, const StoredSettings& values, int error = 0) {
            QTest::newRow(name) << file << values << error;
        };
        row("as written", "PlayWave=True\r\nOpenWindow=False\r\nHours=0\r\nMinutes=5\r\nSeconds=30\r\n",
            {true, false, {0, 5, 30}});
        row("any order, other lines ignored", "Seconds=10\r\n\r\nnote\r\nPlayWave=True\r\nOpenWindow=True",
            {true, true, {0, 0, 10}});
        row("spelling and blanks matter", "playwave=True\r\nPlayWave=TRUE\r\nOpenWindow = True\r\n", {});
        row("rounded down, no range", "Hours=2.7\r\nMinutes=75\r\nSeconds=-1.5\r\n", {false, false, {2, 75, -2}});
        row("empty value stops, earlier lines stay", "PlayWave=True\r\nHours=\r\nMinutes=5\r\n", {true, false, {}},
            EINVAL);
        row("letters stop", "Minutes=4\r\nHours=abc\r\nOpenWindow=True\r\n", {false, false, {0, 4, 0}}, EINVAL);
        row("key not at the start", " Hours=5\r\n", {}, EINVAL);
        row("failing line changes nothing", "OpenWindow=True Hours=x\r\n", {}, EINVAL);
        row("too large", "Hours=99999999999\r\n", {}, ERANGE);
    }

    void settings()
    {
        QFETCH(QByteArray, file);
        const SettingsRead read = parseSettings(file);
        QTEST(read.values, "values");
        QTEST(read.error ? read.error->number : 0, "error");
    }

    void settingsAreWrittenAsTyped()
    {
        QCOMPARE(settingsLines({true, false, QStringLiteral("2.7"), QString(), QStringLiteral("abc")}),
                 (QStringList{"PlayWave=True", "OpenWindow=False", "Hours=2.7", "Minutes=0", "Seconds=abc"}));
    }

    void itemList_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("error");

        QTest::newRow("empty lines skipped") << QByteArray("1001\r\n\r\n1002\r\n") << QStringList{"1001", "1002"} << 0;
        QTest::newRow("blanks and duplicates stay") << QByteArray("  \r\n7\r\n7") << QStringList{"  ", "7", "7"} << 0;
        QTest::newRow("longest item") << "1001\r\n" + QByteArray(64, '9') << QStringList{"1001", QString(64, u'9')}
                                      << 0;
        QTest::newRow("overlong lines left out, by number")
            << "1001\r\n" + QByteArray(65, '9') + "\r\n\r\n" + QByteArray(70, 'x') + "\r\n1002\r\n"
            << QStringList{"1001", "1002"} << EOVERFLOW;
    }

    void itemList()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, items);
        QFETCH(int, error);

        const ItemListRead read = parseItemList(file);
        QCOMPARE(read.items, items);
        QCOMPARE(read.error ? read.error->number : 0, error);
        if (error) {
            QCOMPARE(read.error->description, "lines 2 and 4 are longer than 64 characters and were left out");
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
