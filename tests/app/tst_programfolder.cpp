#include "app/ProgramFolder.h"
#include "tests/support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestProgramFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choice_data()
    {
        QTest::addColumn<QString>("executable");    // the folder it runs from, below a scratch root
        QTest::addColumn<QByteArray>("listBefore"); // the user folder's list.ini; null: no user folder
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QStringList>("filesAfter"); // in the user folder
        QTest::addColumn<QByteArray>("setupAfter");

        const QByteArray defaults = "PlayWave=True\r\nOpenWindow=True\r\nHours=0\r\nMinutes=5\r\nSeconds=0\r\n";
        QTest::newRow("portable copy") << "copy" << QByteArray() << false << QStringList() << QByteArray();
        QTest::newRow("installed, first run")
            << "usr/bin" << QByteArray() << true << QStringList{"Setup.ini", "list.ini"} << defaults;
        QTest::newRow("installed, run through a link")
            << "link" << QByteArray() << true << QStringList{"Setup.ini", "list.ini"} << defaults;
        QTest::newRow("installed, user folder without Setup.ini")
            << "usr/bin" << QByteArray("42\r\n") << true << QStringList{"list.ini"} << QByteArray();
    }

    void choice()
    {
        QFETCH(QString, executable);
        QFETCH(QByteArray, listBefore);
        QFETCH(bool, installed);
        QFETCH(QStringList, filesAfter);
        QFETCH(QByteArray, setupAfter);
        TempProgramFolder scratch;
        const QDir root(scratch.path());
        QVERIFY(root.mkpath(QStringLiteral("usr/bin")) && root.mkpath(QStringLiteral("copy")));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("usr/bin")), root.filePath(QStringLiteral("link"))));
        const QString user = QStringLiteral("home/.local/share/bidorra");
        if (!listBefore.isNull()) {
            QVERIFY(root.mkpath(user));
            scratch.write(user + QStringLiteral("/list.ini"), listBefore);
        }

        const Folders folders = chooseFolders({root.filePath(executable), root.filePath(QStringLiteral("usr/bin")),
                                               root.filePath(QStringLiteral("usr/share/bidorra")),
                                               root.filePath(QStringLiteral("usr/lib/bidorra")), scratch.file(user)});

        const QString own = root.filePath(executable);
        QCOMPARE(folders.programFolder, installed ? scratch.file(user) : own);
        QCOMPARE(folders.dataFolder, installed ? root.filePath(QStringLiteral("usr/share/bidorra")) : own);
        QCOMPARE(folders.moduleFolder,
                 installed ? root.filePath(QStringLiteral("usr/lib/bidorra")) : own + QStringLiteral("/modules"));
        QCOMPARE(QDir(scratch.file(user)).entryList(QDir::Files, QDir::Name), filesAfter);
        QCOMPARE(scratch.read(user + QStringLiteral("/Setup.ini")), setupAfter);
        // The list a first run makes is empty; one the user has stays as it was.
        QCOMPARE(scratch.read(user + QStringLiteral("/list.ini")), listBefore);
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
