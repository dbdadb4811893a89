#include "tests/support/Fakes.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include "ui/dialogs/AboutBox.h"

#include <QFile>
#include <QLabel>

class TestAboutBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsTheVersion()
    {
        RecordingMessages messages;
        AboutBox box(messages);
        QCOMPARE(box.findChild<QLabel*>(QStringLiteral("versionLabel"))->text(), "Version 1.0.0");
    }

    void systemInfoStartsTheFirstToolFound()
    {
        TempProgramFolder tools;
        tools.write(QStringLiteral("sysinfo"), "#!/bin/sh\ntouch \"$(dirname \"$0\")/started\"\n");
        QFile::setPermissions(tools.file(QStringLiteral("sysinfo")), QFile::ReadOwner | QFile::ExeOwner);
        RecordingMessages messages;
        AboutBox box(messages);
        box.setSystemInfoTools({QStringLiteral("missing"), QStringLiteral("sysinfo")}, {tools.path()});
        box.startSystemInfo();
        QTRY_VERIFY(tools.exists(QStringLiteral("started")));
        QVERIFY(messages.shown.isEmpty());
    }

    void noToolSaysSo()
    {
        TempProgramFolder empty;
        RecordingMessages messages;
        AboutBox box(messages);
        box.setSystemInfoTools({QStringLiteral("sysinfo")}, {empty.path()});
        box.startSystemInfo();
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().text, "System Information Is Unavailable At This Time");
        QCOMPARE(messages.shown.first().title, "Bidorra");
        QCOMPARE(messages.shown.first().icon, Message::Icon::None);
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
