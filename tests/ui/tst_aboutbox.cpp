#include "tests/support/Fakes.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include "ui/dialogs/AboutBox.h"

#include <QFile>

class TestAboutBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // System Information starts the first tool found, and says so when there is none.
    void systemInfo()
    {
        TempProgramFolder tools;
        RecordingMessages messages;
        AboutBox box(messages);
        box.setSystemInfoTools({QStringLiteral("missing"), QStringLiteral("sysinfo")}, {tools.path()});
        box.startSystemInfo();
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().text, "System Information Is Unavailable At This Time");
        tools.write(QStringLiteral("sysinfo"), "#!/bin/sh\ntouch \"$(dirname \"$0\")/started\"\n");
        QFile::setPermissions(tools.file(QStringLiteral("sysinfo")), QFile::ReadOwner | QFile::ExeOwner);
        box.startSystemInfo();
        QTRY_VERIFY(tools.exists(QStringLiteral("started")));
        QCOMPARE(messages.shown.size(), 1);
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
