#include "storage/TextFile.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QTest>

class TestTextFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsLinesAtCrAndCrLf_data();
    void readsLinesAtCrAndCrLf();
    void everyByteSurvivesReadAndWrite();
    void readFailures_data();
    void readFailures();
};

// A line ends at CR or CR LF; a bare LF is part of the line.
void TestTextFile::readsLinesAtCrAndCrLf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CR LF endings") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("CR endings") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("last line without ending") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("bare LF stays inside") << QByteArray("a\nb\r\n") << QStringList{"a\nb"};
    QTest::newRow("LF before CR belongs to the line") << QByteArray("a\n\rb") << QStringList{"a\n", "b"};
    QTest::newRow("CR then CR LF is an empty line") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
}

void TestTextFile::readsLinesAtCrAndCrLf()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    TempProgramFolder folder;
    folder.write("f.txt", bytes);

    const TextRead read = readLines(folder.file("f.txt"));

    QVERIFY(!read.error);
    QCOMPARE(read.lines, lines);
}

void TestTextFile::everyByteSurvivesReadAndWrite()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all += char(b);
    }
    TempProgramFolder folder;
    folder.write("in.txt", all);

    const TextRead read = readLines(folder.file("in.txt"));
    QVERIFY(!read.error);
    // 0x0D ends the first line; the byte after it is no LF, so it starts the second.
    QCOMPARE(read.lines.size(), 2);
    QCOMPARE(read.lines[0].toLatin1(), all.left(0x0D));
    QCOMPARE(read.lines[1].toLatin1(), all.mid(0x0E));

    QVERIFY(!writeLines(folder.file("out.txt"), read.lines));
    QCOMPARE(folder.read("out.txt"), all.left(0x0D) + "\r\n" + all.mid(0x0E) + "\r\n");
}

void TestTextFile::readFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");

    QTest::newRow("folder, not a file") << "sub" << 75;
    QTest::newRow("below a plain file") << "plain.txt/f.txt" << 76;
}

void TestTextFile::readFailures()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    TempProgramFolder folder;
    QVERIFY(QDir(folder.path()).mkdir("sub"));
    folder.write("plain.txt", "x\r\n");

    const TextRead read = readLines(folder.file(name));

    QVERIFY(read.error);
    QCOMPARE(read.error->number, number);
    QVERIFY(!read.error->description.isEmpty());
    QVERIFY(read.lines.isEmpty());
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
