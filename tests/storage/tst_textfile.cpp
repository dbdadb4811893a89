#include "storage/TextFile.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

class TestTextFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsLinesAtCrAndCrLf_data();
    void readsLinesAtCrAndCrLf();
    void writesEveryLineWithCrLf_data();
    void writesEveryLineWithCrLf();
    void everyByteSurvivesReadAndWrite();
    void writeReplacesLongerContent();
    void readFailures_data();
    void readFailures();
    void writeToMissingFolderFails();
    void writeOverFolderKeepsIt();
    void failedWriteKeepsOldFile();
    void errorTextHasHeadlineTwoCrsAndNumber();
};

void TestTextFile::readsLinesAtCrAndCrLf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("CR LF endings") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("CR endings") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("last line without ending") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("bare LF stays inside") << QByteArray("a\nb\r\n") << QStringList{"a\nb"};
    QTest::newRow("trailing bare LF stays") << QByteArray("a\n") << QStringList{"a\n"};
    QTest::newRow("LF before CR belongs to the line") << QByteArray("a\n\rb") << QStringList{"a\n", "b"};
    QTest::newRow("CR then CR LF is an empty line") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("lone CR LF is one empty line") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("blank line kept") << QByteArray("  \r\n") << QStringList{"  "};
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

void TestTextFile::writesEveryLineWithCrLf_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("no lines") << QStringList() << QByteArray();
    QTest::newRow("one empty line") << QStringList{""} << QByteArray("\r\n");
    QTest::newRow("two lines") << QStringList{"a", "b c"} << QByteArray("a\r\nb c\r\n");
    QTest::newRow("outside Latin-1") << QStringList{QStringLiteral("x\u20ACy")} << QByteArray("x?y\r\n");
}

void TestTextFile::writesEveryLineWithCrLf()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, bytes);
    TempProgramFolder folder;

    QVERIFY(!writeLines(folder.file("f.txt"), lines));

    QVERIFY(folder.exists("f.txt"));
    QCOMPARE(folder.read("f.txt"), bytes);
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

void TestTextFile::writeReplacesLongerContent()
{
    TempProgramFolder folder;
    folder.write("f.txt", "first\r\nsecond\r\nthird\r\n");

    QVERIFY(!writeLines(folder.file("f.txt"), {"new"}));

    QCOMPARE(folder.read("f.txt"), QByteArray("new\r\n"));
}

void TestTextFile::readFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");

    QTest::newRow("missing file") << "missing.txt" << 53;
    QTest::newRow("missing folder") << "nowhere/missing.txt" << 76;
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

void TestTextFile::writeToMissingFolderFails()
{
    TempProgramFolder folder;
    folder.write("plain.txt", "keep\r\n");

    const auto error = writeLines(folder.file("plain.txt/f.txt"), {"a"});

    QVERIFY(error);
    QCOMPARE(error->number, 76);
    QCOMPARE(folder.read("plain.txt"), QByteArray("keep\r\n"));
}

void TestTextFile::writeOverFolderKeepsIt()
{
    TempProgramFolder folder;
    QVERIFY(QDir(folder.path()).mkdir("target"));
    folder.write("target/inside.txt", "keep\r\n");

    const auto error = writeLines(folder.file("target"), {"a"});

    QVERIFY(error);
    QVERIFY(QFileInfo(folder.file("target")).isDir());
    QCOMPARE(folder.read("target/inside.txt"), QByteArray("keep\r\n"));
    // No half-written temporary file is left beside it.
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"target"});
}

void TestTextFile::failedWriteKeepsOldFile()
{
#ifdef Q_OS_UNIX
    // A file-size limit makes the write fail part-way even for root, like a full disk would.
    TempProgramFolder folder;
    folder.write("f.txt", "old\r\n");
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);

    const auto error = writeLines(folder.file("f.txt"), QStringList(100, QString(100, QLatin1Char('x'))));

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(error);
    QCOMPARE(error->number, 57);
    QCOMPARE(folder.read("f.txt"), QByteArray("old\r\n"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"f.txt"});
#else
    QSKIP("needs a file-size limit to make a write fail");
#endif
}

void TestTextFile::errorTextHasHeadlineTwoCrsAndNumber()
{
    QCOMPARE(fileErrorText("Head", {53, "File not found"}), QString("Head\r\rError 53: File not found"));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
