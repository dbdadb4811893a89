#include "storage/FileMessages.h"
#include "storage/SettingsFile.h"
#include "tests/support/Fakes.h"
#include "tests/support/TempProgramFolder.h"

#include <QTest>
#include <limits>

class TestSettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void load_data();
    void load();
    void missingFileGivesDefaultsAndMessage();
    void wholeNumberDown_data();
    void wholeNumberDown();
    void save_data();
    void save();
    void savedNonNumberFailsNextLoad();
    void saveReplacesWholeFile();
    void saveIntoMissingFolderReportsError();
};

namespace {
constexpr int NoError = 0;
constexpr int TypeMismatch = 13;
constexpr int Overflow = 6;
} // namespace

void TestSettingsFile::load_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("playWave");
    QTest::addColumn<bool>("openWindow");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("errorNumber");

    QTest::newRow("as written") << QByteArray(
                                       "PlayWave=True\r\nOpenWindow=False\r\nHours=0\r\nMinutes=5\r\nSeconds=30\r\n")
                                << true << false << 0 << 5 << 30 << NoError;
    QTest::newRow("both flags") << QByteArray("PlayWave=True\r\nOpenWindow=True\r\n") << true << true << 0 << 0 << 0
                                << NoError;
    QTest::newRow("lower-case key") << QByteArray("playwave=True\r\n") << false << false << 0 << 0 << 0 << NoError;
    QTest::newRow("upper-case value") << QByteArray("PlayWave=TRUE\r\n") << false << false << 0 << 0 << 0 << NoError;
    QTest::newRow("blanks around equals")
        << QByteArray("OpenWindow = True\r\n") << false << false << 0 << 0 << 0 << NoError;
    QTest::newRow("fraction rounds down") << QByteArray("Hours=2.7\r\n") << false << false << 2 << 0 << 0 << NoError;
    QTest::newRow("negative rounds down") << QByteArray("Hours=-1.5\r\n") << false << false << -2 << 0 << 0 << NoError;
    QTest::newRow("no range limit") << QByteArray("Minutes=75\r\n") << false << false << 0 << 75 << 0 << NoError;
    QTest::newRow("empty value stops") << QByteArray("PlayWave=True\r\nHours=\r\nMinutes=5\r\nSeconds=7\r\n") << true
                                       << false << 0 << 0 << 0 << TypeMismatch;
    QTest::newRow("letters stop") << QByteArray("OpenWindow=True\r\nHours=abc\r\nMinutes=5\r\n") << false << true << 0
                                  << 0 << 0 << TypeMismatch;
    QTest::newRow("earlier interval stays")
        << QByteArray("Seconds=9\r\nMinutes=x\r\nHours=4\r\n") << false << false << 0 << 0 << 9 << TypeMismatch;
    QTest::newRow("blank before key") << QByteArray(" Hours=5\r\n") << false << false << 0 << 0 << 0 << TypeMismatch;
    QTest::newRow("failing line sets no flag")
        << QByteArray("Hours=2\r\nPlayWave=True Minutes=1\r\n") << false << false << 2 << 0 << 0 << TypeMismatch;
    QTest::newRow("too large") << QByteArray("Hours=3000000000\r\nPlayWave=True\r\n") << false << false << 0 << 0 << 0
                               << Overflow;
    QTest::newRow("other order") << QByteArray("Seconds=10\r\nPlayWave=True\r\nMinutes=2\r\nHours=1\r\n") << true
                                 << false << 1 << 2 << 10 << NoError;
    QTest::newRow("blank and other lines") << QByteArray("\r\n[Setup]\r\n   \r\nPlayWave=True\r\n; note\r\n\r\n")
                                           << true << false << 0 << 0 << 0 << NoError;
    QTest::newRow("later line wins") << QByteArray("Hours=1\r\nHours=3\r\n") << false << false << 3 << 0 << 0
                                     << NoError;
    QTest::newRow("CR endings, no final ending")
        << QByteArray("OpenWindow=True\rSeconds=4") << false << true << 0 << 0 << 4 << NoError;
    // With LF endings the whole file is one line, whose Hours value text is no number.
    QTest::newRow("LF endings are one line")
        << QByteArray("PlayWave=True\nHours=5\n") << false << false << 0 << 0 << 0 << TypeMismatch;
}

void TestSettingsFile::load()
{
    QFETCH(QByteArray, content);
    TempProgramFolder folder;
    folder.write("Setup.ini", content);

    const SettingsRead read = LoadSettings(folder.path());

    QTEST(read.values.PlayWave, "playWave");
    QTEST(read.values.OpenWindow, "openWindow");
    QTEST(read.values.Hours, "hours");
    QTEST(read.values.Minutes, "minutes");
    QTEST(read.values.Seconds, "seconds");
    QTEST(read.error ? read.error->number : NoError, "errorNumber");
}

void TestSettingsFile::missingFileGivesDefaultsAndMessage()
{
    TempProgramFolder folder;

    const SettingsRead read = LoadSettings(folder.path());

    QVERIFY(read.error);
    QVERIFY(!read.values.PlayWave);
    QVERIFY(!read.values.OpenWindow);
    QCOMPARE(read.values.Hours, 0);
    QCOMPARE(read.values.Minutes, 0);
    QCOMPARE(read.values.Seconds, 0);

    RecordingMessages messages;
    reportFileError(messages, SettingsErrorHeadline, OpenFileErrorTitle, *read.error);
    QCOMPARE(messages.shown.size(), 1u);
    QCOMPARE(messages.shown[0].text, QString("Erro with Setup.ini File\r\rError 53: File not found"));
    QCOMPARE(messages.shown[0].title, QString("Error Opening File"));
    QCOMPARE(messages.shown[0].icon, Messages::Icon::Critical);
}

void TestSettingsFile::wholeNumberDown_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("value");

    const std::optional<int> none;
    QTest::newRow("plain") << "30" << std::optional(30);
    QTest::newRow("plus sign") << "+3" << std::optional(3);
    QTest::newRow("blanks around") << " \t7 " << std::optional(7);
    QTest::newRow("small negative fraction") << "-0.5" << std::optional(-1);
    QTest::newRow("negative whole") << "-4.0" << std::optional(-4);
    QTest::newRow("point at end") << "5." << std::optional(5);
    QTest::newRow("point at start") << ".5" << std::optional(0);
    QTest::newRow("long fraction below next") << "2.99999999999999999999" << std::optional(2);
    QTest::newRow("largest") << "2147483647.9" << std::optional(std::numeric_limits<int>::max());
    QTest::newRow("smallest") << "-2147483648" << std::optional(std::numeric_limits<int>::min());
    QTest::newRow("above largest") << "2147483648" << none;
    QTest::newRow("below smallest") << "-2147483648.5" << none;
    QTest::newRow("huge") << "99999999999999999999999" << none;
    QTest::newRow("empty") << "" << none;
    QTest::newRow("only blanks") << "  " << none;
    QTest::newRow("only point") << "." << none;
    QTest::newRow("only sign") << "-" << none;
    QTest::newRow("blank after sign") << "- 5" << none;
    QTest::newRow("two signs") << "--5" << none;
    QTest::newRow("two points") << "1.2.3" << none;
    QTest::newRow("exponent") << "1e3" << none;
    QTest::newRow("decimal comma") << "1,5" << none;
    QTest::newRow("hexadecimal") << "0x10" << none;
    QTest::newRow("equals sign") << "=5" << none;
    QTest::newRow("line feed") << "5\n" << none;
}

void TestSettingsFile::wholeNumberDown()
{
    QFETCH(QString, text);
    QFETCH(std::optional<int>, value);

    QCOMPARE(::wholeNumberDown(text), value);
}

void TestSettingsFile::save_data()
{
    QTest::addColumn<bool>("playSound");
    QTest::addColumn<bool>("popUpWindow");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("typical") << true << false << "0"
                             << "5"
                             << "30"
                             << QByteArray(
                                    "PlayWave=True\r\nOpenWindow=False\r\nHours=0\r\nMinutes=5\r\nSeconds=30\r\n");
    QTest::newRow("flags swapped") << false << true << "1"
                                   << "2"
                                   << "3"
                                   << QByteArray(
                                          "PlayWave=False\r\nOpenWindow=True\r\nHours=1\r\nMinutes=2\r\nSeconds=3\r\n");
    QTest::newRow("empty fields") << false << false << ""
                                  << ""
                                  << ""
                                  << QByteArray(
                                         "PlayWave=False\r\nOpenWindow=False\r\nHours=0\r\nMinutes=0\r\nSeconds=0\r\n");
    QTest::newRow("as typed")
        << false << false << "abc"
        << " 5 "
        << "-1.5" << QByteArray("PlayWave=False\r\nOpenWindow=False\r\nHours=abc\r\nMinutes= 5 \r\nSeconds=-1.5\r\n");
}

void TestSettingsFile::save()
{
    QFETCH(bool, playSound);
    QFETCH(bool, popUpWindow);
    QFETCH(QString, hours);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    TempProgramFolder folder;

    QVERIFY(!SaveSettings(folder.path(), playSound, popUpWindow, hours, minutes, seconds));

    QTEST(folder.read("Setup.ini"), "content");
}

void TestSettingsFile::savedNonNumberFailsNextLoad()
{
    TempProgramFolder folder;
    QVERIFY(!SaveSettings(folder.path(), true, true, "abc", "5", "30"));

    const SettingsRead read = LoadSettings(folder.path());

    QVERIFY(read.error);
    QCOMPARE(read.error->number, TypeMismatch);
    QVERIFY(read.values.PlayWave);
    QVERIFY(read.values.OpenWindow);
    QCOMPARE(read.values.Minutes, 0);
    QCOMPARE(read.values.Seconds, 0);
}

void TestSettingsFile::saveReplacesWholeFile()
{
    TempProgramFolder folder;
    folder.write("Setup.ini", "PlayWave=True\r\nOpenWindow=True\r\nHours=9\r\nMinutes=9\r\nSeconds=9\r\n"
                              "Comment=added by hand and much longer than the rest\r\n");

    QVERIFY(!SaveSettings(folder.path(), false, false, "1", "2", "3"));

    QCOMPARE(folder.read("Setup.ini"),
             QByteArray("PlayWave=False\r\nOpenWindow=False\r\nHours=1\r\nMinutes=2\r\nSeconds=3\r\n"));
}

void TestSettingsFile::saveIntoMissingFolderReportsError()
{
    TempProgramFolder folder;

    const auto error = SaveSettings(folder.file("gone"), true, true, "1", "2", "3");

    QVERIFY(error);
    QVERIFY(!folder.exists("gone"));
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
