#include "storage/FileMessages.h"
#include "storage/ItemListFile.h"
#include "tests/support/Fakes.h"
#include "tests/support/TempProgramFolder.h"

#include <QTest>

class TestItemListFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void load_data();
    void load();
    void missingFileGivesEmptyListAndMessage();
    void saveAndLoadKeepEntries_data();
    void saveAndLoadKeepEntries();
};

void TestItemListFile::load_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("empty line skipped") << QByteArray("1001\r\n\r\n1002\r\n") << QStringList{"1001", "1002"};
    QTest::newRow("blank line kept") << QByteArray("1001\r\n   \r\n") << QStringList{"1001", "   "};
    QTest::newRow("duplicates kept") << QByteArray("7\r\n7\r\n") << QStringList{"7", "7"};
    QTest::newRow("only empty lines") << QByteArray("\r\n\r\r\n") << QStringList();
}

void TestItemListFile::load()
{
    QFETCH(QByteArray, content);
    TempProgramFolder folder;
    folder.write("list.ini", content);

    const ItemListRead read = LoadItemList(folder.path());

    QVERIFY(!read.error);
    QTEST(read.items, "items");
}

void TestItemListFile::missingFileGivesEmptyListAndMessage()
{
    TempProgramFolder folder;

    const ItemListRead read = LoadItemList(folder.path());

    QVERIFY(read.error);
    QVERIFY(read.items.isEmpty());
    RecordingMessages messages;
    reportFileError(messages, ItemListErrorHeadline, OpenFileErrorTitle, *read.error);
    QCOMPARE(messages.shown.size(), 1u);
    QCOMPARE(messages.shown[0].text, QString("Error with List.ini File\r\rError 53: File not found"));
    QCOMPARE(messages.shown[0].title, QString("Error Opening File"));
    QCOMPARE(messages.shown[0].icon, Messages::Icon::Critical);
}

void TestItemListFile::saveAndLoadKeepEntries_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("order, blanks and duplicates")
        << QStringList{"300", "100", " 7 ", "100"} << QByteArray("300\r\n100\r\n 7 \r\n100\r\n");
    QTest::newRow("empty list") << QStringList() << QByteArray("");
}

void TestItemListFile::saveAndLoadKeepEntries()
{
    QFETCH(QStringList, items);
    TempProgramFolder folder;

    QVERIFY(!SaveItemList(folder.path(), items));
    QVERIFY(folder.exists("list.ini"));
    QTEST(folder.read("list.ini"), "content");

    const ItemListRead read = LoadItemList(folder.path());
    QVERIFY(!read.error);
    QCOMPARE(read.items, items);
}

QTEST_GUILESS_MAIN(TestItemListFile)
#include "tst_itemlistfile.moc"
