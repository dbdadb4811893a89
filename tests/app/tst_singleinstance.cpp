#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// What a run that crashed leaves: a socket file that nobody listens on.
bool leaveDeadSocket(const QString& path)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return bound && QFile::exists(path);
}
} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void laterStartHandsOver_data()
    {
        QTest::addColumn<bool>("crashedBefore");
        QTest::newRow("first run") << false;
        QTest::newRow("after a crash") << true;
    }

    void laterStartHandsOver()
    {
        QFETCH(bool, crashedBefore);
        QTemporaryDir runtime;
        const QString name = runtime.filePath(QStringLiteral("bidorra-test"));
        if (crashedBefore) {
            QVERIFY(leaveDeadSocket(name));
        }
        SingleInstance first(name);
        QSignalSpy firstRuns(&first, &SingleInstance::running);
        QSignalSpy windowWanted(&first, &SingleInstance::windowWanted);
        first.start();
        QVERIFY(firstRuns.wait());

        SingleInstance later(name);
        QSignalSpy handedOver(&later, &SingleInstance::handedOver);
        QSignalSpy laterRuns(&later, &SingleInstance::running);
        later.start();
        QVERIFY(handedOver.wait());
        QCOMPARE(windowWanted.size(), 1);
        QCOMPARE(laterRuns.size(), 0);
    }

    // Only a socket is taken over; a folder or file at its path stays and is reported.
    void somethingElseAtTheSocketPathIsReported_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("folder") << true;
        QTest::newRow("file") << false;
    }

    void somethingElseAtTheSocketPathIsReported()
    {
        QFETCH(bool, folder);
        QTemporaryDir runtime;
        const QString name = runtime.filePath(QStringLiteral("bidorra-test"));
        if (folder) {
            QVERIFY(QDir(runtime.path()).mkdir(QStringLiteral("bidorra-test")));
        } else {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("kept") == 4);
        }
        SingleInstance instance(name);
        QSignalSpy runs(&instance, &SingleInstance::running);
        instance.start();
        QVERIFY(runs.wait());
        QCOMPARE(instance.problem(), name + " is in the way: it is not a socket.");
        QCOMPARE(QFileInfo(name).isDir(), folder);
        QCOMPARE(QFileInfo(name).size() == 4, !folder);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
