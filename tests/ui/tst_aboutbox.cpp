#include "tests/support/FakeRegistry.h"
#include "tests/support/Fakes.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include "ui/dialogs/AboutBox.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

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
} // namespace

class TestAboutBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openingTwiceShowsOneBox();
    void closedBoxIsCreatedAnew_data();
    void closedBoxIsCreatedAnew();
    void labelsTakeNoFocus();
    void sysInfoButtonKeepsTheBoxOpen();
    void startSysInfo_data();
    void startSysInfo();
    void desktopToolWhenRegistryHasNone();
    void getKeyValue_data();
    void getKeyValue();

private:
    FakeRegistry m_registry;
    RecordingShell m_shell;
    RecordingMessages m_messages;
};

void TestAboutBox::openingTwiceShowsOneBox()
{
    AboutHost host(m_registry, m_shell, m_messages);
    host.ShowAboutBox();
    AboutBox* first = host.box();
    QVERIFY(first);
    host.ShowAboutBox();
    QCOMPARE(host.box(), first);
    QCOMPARE(visibleAboutBoxes(), 1);
    QCOMPARE(first->windowTitle(), QStringLiteral("About Bidorra"));
    QCOMPARE(first->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 1.0.0"));
    QCOMPARE(first->findChild<QLabel*>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Bidorra"));
}

void TestAboutBox::closedBoxIsCreatedAnew_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK button") << QStringLiteral("click");
    QTest::newRow("Enter") << QStringLiteral("enter");
    QTest::newRow("Escape") << QStringLiteral("escape");
    QTest::newRow("title bar") << QStringLiteral("close");
}

void TestAboutBox::closedBoxIsCreatedAnew()
{
    QFETCH(QString, how);
    AboutHost host(m_registry, m_shell, m_messages);
    host.ShowAboutBox();
    QPointer<AboutBox> first = host.box();
    QVERIFY(QTest::qWaitForWindowActive(first));
    auto* version = first->findChild<QLabel*>(QStringLiteral("lblVersion"));
    version->setText(QString()); // shows whether the next box sets its texts again

    if (how == QLatin1String("click")) {
        QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    } else if (how == QLatin1String("enter")) {
        QTest::keyClick(first, Qt::Key_Return);
    } else if (how == QLatin1String("escape")) {
        QTest::keyClick(first, Qt::Key_Escape);
    } else {
        first->close();
    }
    QVERIFY(!host.box());
    QTRY_VERIFY(first.isNull());

    host.ShowAboutBox();
    QVERIFY(host.box());
    QCOMPARE(host.box()->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 1.0.0"));
    QCOMPARE(visibleAboutBoxes(), 1);
}

void TestAboutBox::labelsTakeNoFocus()
{
    AboutHost host(m_registry, m_shell, m_messages);
    host.ShowAboutBox();
    const auto labels = host.box()->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 5);
    for (const QLabel* label : labels) {
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
}

void TestAboutBox::sysInfoButtonKeepsTheBoxOpen()
{
    AboutHost host(m_registry, m_shell, m_messages);
    host.sysInfo().setDesktopTools({});
    m_messages.shown.clear();
    host.ShowAboutBox();
    QTest::mouseClick(host.box()->findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
    QCOMPARE(m_messages.shown.size(), size_t(1));
    QCOMPARE(m_messages.shown[0].text, Unavailable);
    QCOMPARE(m_messages.shown[0].title, QStringLiteral("Bidorra"));
    QCOMPARE(m_messages.shown[0].icon, Messages::Icon::None);
    QVERIFY(host.box());
}

void TestAboutBox::startSysInfo_data()
{
    QTest::addColumn<QString>("pathValue"); // the "PATH" value; empty: not in the registry
    QTest::addColumn<bool>("msinfoFolder"); // the "MSINFO" value names a folder
    QTest::addColumn<bool>("exeInFolder");  // ... that holds MSINFO32.EXE
    QTest::addColumn<bool>("startSucceeds");
    QTest::addColumn<bool>("started");
    QTest::addColumn<bool>("message");
    QTest::addColumn<int>("reads");

    QTest::newRow("PATH value") << "/opt/tools/msinfo32" << true << true << true << true << false << 1;
    QTest::newRow("PATH names a missing file") << "/no/such/msinfo32" << false << false << false << true << true << 1;
    QTest::newRow("folder without the program") << "" << true << false << true << false << true << 2;
    QTest::newRow("folder with the program") << "" << true << true << true << true << false << 2;
    QTest::newRow("program does not start") << "" << true << true << false << true << true << 2;
}

void TestAboutBox::startSysInfo()
{
    QFETCH(QString, pathValue);
    QFETCH(bool, msinfoFolder);
    QFETCH(bool, exeInFolder);
    QFETCH(bool, startSucceeds);
    QFETCH(bool, started);
    QFETCH(bool, message);
    QFETCH(int, reads);

    TempProgramFolder folder;
    if (exeInFolder) {
        folder.write(QStringLiteral("MSINFO32.EXE"), "MZ");
    }
    FakeRegistry registry;
    if (!pathValue.isEmpty()) {
        registry.set(MsinfoKey, QStringLiteral("PATH"), pathValue);
    }
    if (msinfoFolder) {
        registry.set(LocationKey, QStringLiteral("MSINFO"), folder.path());
    }
    RecordingShell shell;
    shell.startSucceeds = startSucceeds;
    RecordingMessages messages;
    SysInfoLauncher launcher(registry, shell, messages);
    launcher.setDesktopTools({});

    launcher.StartSysInfo();

    QCOMPARE(registry.reads.size(), reads);
    QCOMPARE(registry.reads.first(), FakeRegistry::path(MsinfoKey, QStringLiteral("PATH")));
    QCOMPARE(!shell.started.isEmpty(), started);
    if (started) {
        QCOMPARE(shell.started.first(), pathValue.isEmpty() ? folder.file(QStringLiteral("MSINFO32.EXE")) : pathValue);
    }
    QCOMPARE(messages.shown.size(), size_t(message ? 1 : 0));
    if (message) {
        QCOMPARE(messages.shown[0].text, Unavailable);
    }
}

void TestAboutBox::desktopToolWhenRegistryHasNone()
{
    TempProgramFolder tools;
    tools.write(QStringLiteral("hardinfo"), "#!/bin/sh\n");
    QVERIFY(QFile::setPermissions(tools.file(QStringLiteral("hardinfo")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    FakeRegistry registry;
    RecordingShell shell;
    RecordingMessages messages;
    SysInfoLauncher launcher(registry, shell, messages);
    launcher.setDesktopTools(SysInfoLauncher::DesktopTools, {tools.path()});

    launcher.StartSysInfo();
    QCOMPARE(shell.started, QStringList{tools.file(QStringLiteral("hardinfo"))});
    QVERIFY(messages.shown.empty());

    // Without any tool on the search path the user is told.
    launcher.setDesktopTools(SysInfoLauncher::DesktopTools, {tools.file(QStringLiteral("empty"))});
    shell.started.clear();
    launcher.StartSysInfo();
    QVERIFY(shell.started.isEmpty());
    QCOMPARE(messages.shown.size(), size_t(1));
}

void TestAboutBox::getKeyValue_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "C:\\Tools" << true << "C:\\Tools";
    QTest::newRow("stored terminating zero dropped") << QStringLiteral("abc") + QChar(0) << true << "abc";
    QTest::newRow("1023 characters fit") << QString(1023, QLatin1Char('x')) << true << QString(1023, QLatin1Char('x'));
    QTest::newRow("1024 characters are too long") << QString(1024, QLatin1Char('x')) << false << "";
}

void TestAboutBox::getKeyValue()
{
    QFETCH(QString, stored);
    QFETCH(bool, found);
    QFETCH(QString, expected);

    FakeRegistry registry;
    registry.set(QStringLiteral("K"), QStringLiteral("V"), stored);
    QString value = QStringLiteral("left over");
    QCOMPARE(GetKeyValue(registry, Registry::LocalMachine, QStringLiteral("K"), QStringLiteral("V"), value), found);
    QCOMPARE(value, expected);

    QVERIFY(!GetKeyValue(registry, Registry::LocalMachine, QStringLiteral("K"), QStringLiteral("other"), value));
    QVERIFY(value.isEmpty());
}

BIDORRA_WIDGET_TEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
