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
    void emptyListSavesEmptyFile();
    void saveReplacesLongerList();
};

void TestItemListFile::load_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("empty line skipped") << QByteArray("1001\r\n\r\n1002\r\n") << QStringList{"1001", "1002"};
    QTest::newRow("blank line kept") << QByteArray("1001\r\n   \r\n") << QStringList{"1001", "   "};
    QTest::newRow("duplicates kept") << QByteArray("7\r\n7\r\n") << QStringList{"7", "7"};
    QTest::newRow("order kept") << QByteArray("3\r\n1\r\n2\r\n") << QStringList{"3", "1", "2"};
    QTest::newRow("CR endings, no final ending") << QByteArray("5\r6") << QStringList{"5", "6"};
    QTest::newRow("only empty lines") << QByteArray("\r\n\r\r\n") << QStringList();
    QTest::newRow("text kept as it stands") << QByteArray(" 12 ab\t\r\n") << QStringList{" 12 ab\t"};
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

    QTest::newRow("one") << QStringList{"1001"} << QByteArray("1001\r\n");
    QTest::newRow("order, blanks and duplicates")
        << QStringList{"300", "100", " 7 ", "100"} << QByteArray("300\r\n100\r\n 7 \r\n100\r\n");
}

void TestItemListFile::saveAndLoadKeepEntries()
{
    QFETCH(QStringList, items);
    TempProgramFolder folder;

    QVERIFY(!SaveItemList(folder.path(), items));
    QTEST(folder.read("list.ini"), "content");

    const ItemListRead read = LoadItemList(folder.path());
    QVERIFY(!read.error);
    QCOMPARE(read.items, items);
}

void TestItemListFile::emptyListSavesEmptyFile()
{
    TempProgramFolder folder;

    QVERIFY(!SaveItemList(folder.path(), {}));

    QVERIFY(folder.exists("list.ini"));
    QCOMPARE(folder.read("list.ini"), QByteArray());
    const ItemListRead read = LoadItemList(folder.path());
    QVERIFY(!read.error);
    QVERIFY(read.items.isEmpty());
}

void TestItemListFile::saveReplacesLongerList()
{
    TempProgramFolder folder;
    folder.write("list.ini", "1\r\n2\r\n3\r\n");

    QVERIFY(!SaveItemList(folder.path(), {"2"}));

    QCOMPARE(LoadItemList(folder.path()).items, QStringList{"2"});
}

QTEST_GUILESS_MAIN(TestItemListFile)
#include "tst_itemlistfile.moc"
