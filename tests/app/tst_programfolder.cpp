#include "app/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

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
        QTemporaryDir scratch;
        const QDir root(scratch.path());
        QVERIFY(root.mkpath(QStringLiteral("usr/bin")) && root.mkpath(QStringLiteral("copy")));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("usr/bin")), root.filePath(QStringLiteral("link"))));
        const QString user = root.filePath(QStringLiteral("home/.local/share/bidorra"));
        if (!listBefore.isNull()) {
            QVERIFY(root.mkpath(user));
            QFile list(user + QStringLiteral("/list.ini"));
            QVERIFY(list.open(QIODevice::WriteOnly) && list.write(listBefore) == listBefore.size());
        }

        const Folders folders = chooseFolders({root.filePath(executable), root.filePath(QStringLiteral("usr/bin")),
                                               root.filePath(QStringLiteral("usr/share/bidorra")), user});

        const QString own = root.filePath(executable);
        QCOMPARE(folders.programFolder, installed ? user : own);
        QCOMPARE(folders.dataFolder, installed ? root.filePath(QStringLiteral("usr/share/bidorra")) : own);
        QCOMPARE(QDir(user).entryList(QDir::Files, QDir::Name), filesAfter);
        QCOMPARE(contents(user + QStringLiteral("/Setup.ini")), setupAfter);
        // The list a first run makes is empty; one the user has stays as it was.
        QCOMPARE(contents(user + QStringLiteral("/list.ini")), listBefore);
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
