#include "storage/SettingsFile.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {
const QString FileName = QStringLiteral("Setup.ini");
const QByteArray Written = "PlayWave=True\r\nOpenWindow=False\r\nHours=0\r\nMinutes=5\r\nSeconds=30\r\n";
const QString Mismatch = QStringLiteral("Erro with Setup.ini File\r\rError 13: Type mismatch");
} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void load_data();
    void load();
    void save_data();
    void save();
    void failedSaveKeepsTheOldFile();
};

void TestSettingsFile::load_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file
    QTest::addColumn<bool>("playWave");
    QTest::addColumn<bool>("openWindow");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("message"); // the message the failure shows; empty when none

    QTest::newRow("missing file") << QByteArray() << false << false << 0 << 0 << 0
                                  << "Erro with Setup.ini File\r\rError 53: File not found";
    QTest::newRow("as written") << Written << true << false << 0 << 5 << 30 << "";
    QTest::newRow("lower-case key") << QByteArray("playwave=True\r\n") << false << false << 0 << 0 << 0 << "";
    QTest::newRow("upper-case value") << QByteArray("PlayWave=TRUE\r\n") << false << false << 0 << 0 << 0 << "";
    QTest::newRow("blanks around equals") << QByteArray("OpenWindow = True\r\n") << false << false << 0 << 0 << 0 << "";
    QTest::newRow("fraction rounds down") << QByteArray("Hours=2.7\r\n") << false << false << 2 << 0 << 0 << "";
    QTest::newRow("negative rounds down") << QByteArray("Hours=-1.5\r\n") << false << false << -2 << 0 << 0 << "";
    QTest::newRow("no range limit") << QByteArray("Minutes=75\r\n") << false << false << 0 << 75 << 0 << "";
    QTest::newRow("empty value stops") << QByteArray("PlayWave=True\r\nHours=\r\nMinutes=5\r\nSeconds=7\r\n") << true
                                       << false << 0 << 0 << 0 << Mismatch;
    QTest::newRow("letters stop") << QByteArray("Seconds=9\r\nOpenWindow=True\r\nHours=abc\r\nMinutes=5\r\n") << false
                                  << true << 0 << 0 << 9 << Mismatch;
    QTest::newRow("decimal comma stops") << QByteArray("Seconds=1,5\r\n") << false << false << 0 << 0 << 0 << Mismatch;
    QTest::newRow("blank before key") << QByteArray(" Hours=5\r\n") << false << false << 0 << 0 << 0 << Mismatch;
    QTest::newRow("too large") << QByteArray("Hours=3000000000\r\nPlayWave=True\r\n") << false << false << 0 << 0 << 0
                               << "Erro with Setup.ini File\r\rError 6: Overflow";
    QTest::newRow("other order") << QByteArray("Seconds=10\r\nPlayWave=True\r\nMinutes=2\r\nHours=1\r\n") << true
                                 << false << 1 << 2 << 10 << "";
    QTest::newRow("blank and other lines")
        << QByteArray("\r\n[Setup]\r\n   \r\nPlayWave=True\r\n; note\r\n\r\n") << true << false << 0 << 0 << 0 << "";
}

void TestSettingsFile::load()
{
    QFETCH(QByteArray, content);
    TempProgramFolder folder;
    if (!content.isNull()) {
        folder.write(FileName, content);
    }

    const SettingsRead read = LoadSettings(folder.path());

    QTEST(read.values.PlayWave, "playWave");
    QTEST(read.values.OpenWindow, "openWindow");
    QTEST(read.values.Hours, "hours");
    QTEST(read.values.Minutes, "minutes");
    QTEST(read.values.Seconds, "seconds");
    QTEST(read.error ? fileErrorText(SettingsErrorHeadline, *read.error) : QString(), "message");
}

void TestSettingsFile::save_data()
{
    QTest::addColumn<bool>("playSound");
    QTest::addColumn<bool>("popUpWindow");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("the five lines") << true << false << "0"
                                    << "5"
                                    << "30" << Written;
    QTest::newRow("empty fields") << false << true << ""
                                  << ""
                                  << ""
                                  << QByteArray(
                                         "PlayWave=False\r\nOpenWindow=True\r\nHours=0\r\nMinutes=0\r\nSeconds=0\r\n");
    QTest::newRow("as typed")
        << false << false << "abc"
        << " 5 "
        << "-1.5" << QByteArray("PlayWave=False\r\nOpenWindow=False\r\nHours=abc\r\nMinutes= 5 \r\nSeconds=-1.5\r\n");
}

// Saving replaces an older, longer file as a whole.
void TestSettingsFile::save()
{
    QFETCH(bool, playSound);
    QFETCH(bool, popUpWindow);
    QFETCH(QString, hours);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    TempProgramFolder folder;
    folder.write(FileName, Written + "Comment=added by hand and much longer than the rest\r\n");

    QVERIFY(!SaveSettings(folder.path(), playSound, popUpWindow, hours, minutes, seconds));

    QTEST(folder.read(FileName), "content");
}

void TestSettingsFile::failedSaveKeepsTheOldFile()
{
#ifdef Q_OS_UNIX
    // A file-size limit makes the write fail part-way even for root, like a full disk would.
    TempProgramFolder folder;
    folder.write(FileName, Written);
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);

    const auto error = SaveSettings(folder.path(), false, true, "1", "2", "3");

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(error);
    QCOMPARE(folder.read(FileName), Written);
    // No half-written file is left beside it.
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{FileName});
#else
    QSKIP("needs a file-size limit to make a write fail");
#endif
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
