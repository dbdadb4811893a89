#include "tests/support/FakeRegistry.h"
#include "tests/support/Fakes.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include "ui/dialogs/AboutBox.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>

namespace {
const QString MsinfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString LocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

int visibleAboutBoxes()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += widget->objectName() == QLatin1String("frmAbout") && widget->isVisible() ? 1 : 0;
    }
    return count;
}

// What the registry and the disk hold, and which tool is started: "PATH", "folder", "tool" or none.
struct SysInfoCase
{
    const char* name;
    const char* pathValue; // the "PATH" value; empty: not in the registry
    bool msinfoFolder;     // the "MSINFO" value names a folder...
    bool exeInFolder;      // ... that holds MSINFO32.EXE
    bool desktopTool;      // a desktop tool is installed
    bool startSucceeds;
    const char* started;
    int reads;
};
const SysInfoCase SysInfoCases[] = {
    {"PATH value", "/opt/tools/msinfo32", true, true, true, true, "PATH", 1},
    {"PATH names a missing file", "/no/such/msinfo32", true, true, true, false, "PATH", 1},
    {"folder without the program", "", true, false, true, true, "", 2},
    {"folder with the program", "", true, true, false, true, "folder", 2},
    {"program does not start", "", true, true, false, false, "folder", 2},
    {"registry names nothing: desktop tool", "", false, false, true, true, "tool", 2},
    {"registry names nothing, no desktop tool", "", false, false, false, true, "", 2},
};

QLabel* versionLabel(AboutHost& host)
{
    return host.box()->findChild<QLabel*>(QStringLiteral("lblVersion"));
}
} // namespace

class TestAboutBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openingTwiceShowsOneBoxThatSysInfoLeavesOpen();
    void closedBoxIsCreatedAnew_data();
    void closedBoxIsCreatedAnew();
    void startSysInfo_data();
    void startSysInfo();

private:
    FakeRegistry m_registry;
    RecordingShell m_shell;
    RecordingMessages m_messages;
};

void TestAboutBox::openingTwiceShowsOneBoxThatSysInfoLeavesOpen()
{
    AboutHost host(m_registry, m_shell, m_messages);
    host.sysInfo().setDesktopTools({});
    m_messages.shown.clear();
    host.ShowAboutBox();
    AboutBox* first = host.box();
    QVERIFY(first);
    host.ShowAboutBox();
    QCOMPARE(host.box(), first);
    QCOMPARE(visibleAboutBoxes(), 1);
    QCOMPARE(first->windowTitle(), QStringLiteral("About Bidorra"));
    QCOMPARE(versionLabel(host)->text(), QStringLiteral("Version 1.0.0"));

    QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
    QCOMPARE(m_messages.shown.size(), std::size_t(1));
    QCOMPARE(m_messages.shown[0].title, QStringLiteral("Bidorra"));
    QCOMPARE(m_messages.shown[0].icon, Messages::Icon::None);
    QCOMPARE(host.box(), first);
}

void TestAboutBox::closedBoxIsCreatedAnew_data()
{
    QTest::addColumn<int>("key"); // 0: the OK button is clicked, -1: the close box
    QTest::newRow("OK button") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("close box") << -1;
}

void TestAboutBox::closedBoxIsCreatedAnew()
{
    QFETCH(int, key);
    AboutHost host(m_registry, m_shell, m_messages);
    host.ShowAboutBox();
    QPointer<AboutBox> first = host.box();
    QVERIFY(QTest::qWaitForWindowActive(first));
    versionLabel(host)->clear(); // shows whether the next box sets its texts again

    if (key == 0) {
        QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    } else if (key > 0) {
        QTest::keyClick(first, Qt::Key(key));
    } else {
        first->close();
    }
    QVERIFY(!host.box());
    QTRY_VERIFY(first.isNull());

    host.ShowAboutBox();
    QCOMPARE(versionLabel(host)->text(), QStringLiteral("Version 1.0.0"));
    QCOMPARE(visibleAboutBoxes(), 1);
}

void TestAboutBox::startSysInfo_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(SysInfoCases)); ++row) {
        QTest::newRow(SysInfoCases[row].name) << row;
    }
}

void TestAboutBox::startSysInfo()
{
    QFETCH(int, row);
    const auto& [name, pathValue, msinfoFolder, exeInFolder, desktopTool, startSucceeds, started, reads] =
        SysInfoCases[row];
    TempProgramFolder folder;
    if (exeInFolder) {
        folder.write(QStringLiteral("MSINFO32.EXE"), "MZ");
    }
    if (desktopTool) {
        folder.write(QStringLiteral("hardinfo"), "#!/bin/sh\n");
        QVERIFY(QFile::setPermissions(folder.file(QStringLiteral("hardinfo")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    FakeRegistry registry;
    if (*pathValue) {
        registry.set(MsinfoKey, QStringLiteral("PATH"), QString(pathValue));
    }
    if (msinfoFolder) {
        registry.set(LocationKey, QStringLiteral("MSINFO"), folder.path());
    }
    RecordingShell shell;
    shell.startSucceeds = startSucceeds;
    RecordingMessages messages;
    SysInfoLauncher launcher(registry, shell, messages);
    launcher.setDesktopTools({QStringLiteral("hardinfo")}, {folder.path()});

    launcher.StartSysInfo();

    QCOMPARE(registry.reads.size(), qsizetype(reads));
    QCOMPARE(registry.reads.first(), FakeRegistry::path(MsinfoKey, QStringLiteral("PATH")));
    const QMap<QString, QString> paths = {{QStringLiteral("PATH"), QString(pathValue)},
                                          {QStringLiteral("folder"), folder.file(QStringLiteral("MSINFO32.EXE"))},
                                          {QStringLiteral("tool"), folder.file(QStringLiteral("hardinfo"))}};
    QCOMPARE(shell.started, *started ? QStringList{paths.value(QString(started))} : QStringList());
    const bool told = !*started || !startSucceeds;
    QCOMPARE(messages.shown.size(), std::size_t(told ? 1 : 0));
    if (told) {
        QCOMPARE(messages.shown[0].text, Unavailable);
    }
}

BIDORRA_WIDGET_TEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
