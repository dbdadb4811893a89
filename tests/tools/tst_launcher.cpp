#include "tests/support/TempProgramFolder.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

class TestLauncher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The window places are never written through a link in the program folder.
    void linkAtThePreferencesIsRefused()
    {
        TempProgramFolder folder;
        TempProgramFolder outside;
        outside.write(QStringLiteral("elsewhere.conf"), "kept\n");
        QVERIFY(
            QFile::link(outside.file(QStringLiteral("elsewhere.conf")), folder.file(QStringLiteral("bidorra.conf"))));
        QProcess launcher;
        // The launcher makes its application before it looks at its files: it needs no screen.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        launcher.setProcessEnvironment(environment);
        QSignalSpy finished(&launcher, &QProcess::finished);
        launcher.start(QStringLiteral(LAUNCHER), {folder.path(), QStringLiteral("127.0.0.1:9")});
        QVERIFY(finished.wait(20000));
        QCOMPARE(launcher.exitCode(), 2);
        QVERIFY(launcher.readAllStandardError().contains("bidorra.conf: not a regular file"));
        QCOMPARE(outside.read(QStringLiteral("elsewhere.conf")), "kept\n");
    }
};

QTEST_GUILESS_MAIN(TestLauncher)
#include "tst_launcher.moc"
