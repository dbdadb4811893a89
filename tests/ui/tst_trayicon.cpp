#include "tests/support/TestMain.h"
#include "ui/main/TrayIcon.h"

#include <QMenu>
#include <QSignalSpy>
#include <QWidget>

using Activation = TrayIcon::Activation;
using Reason = QSystemTrayIcon::ActivationReason;
Q_DECLARE_METATYPE(Activation)

class TestTrayIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A tray that reports double-clicks brings the window back on one; a tray that reports
    // single activations only brings it back on those.
    void activation_data()
    {
        QTest::addColumn<Activation>("activation");
        QTest::addColumn<Reason>("reason");
        QTest::addColumn<bool>("windowWanted");

        QTest::newRow("classic: double-click") << Activation::DoubleClick << QSystemTrayIcon::DoubleClick << true;
        QTest::newRow("classic: single click") << Activation::DoubleClick << QSystemTrayIcon::Trigger << false;
        QTest::newRow("notifier: activation") << Activation::SingleClick << QSystemTrayIcon::Trigger << true;
        QTest::newRow("notifier: middle button") << Activation::SingleClick << QSystemTrayIcon::MiddleClick << false;
        QTest::newRow("any: context menu") << Activation::SingleClick << QSystemTrayIcon::Context << false;
    }

    void activation()
    {
        QFETCH(Activation, activation);
        QFETCH(Reason, reason);
        QFETCH(bool, windowWanted);

        QWidget window;
        QMenu menu;
        TrayIcon tray(window, menu, activation);
        QSignalSpy wanted(&tray, &TrayIcon::windowWanted);
        Q_EMIT tray.icon().activated(reason);
        QCOMPARE(wanted.size(), windowWanted ? 1 : 0);
        // A click on a notification balloon brings the window back on any tray.
        Q_EMIT tray.icon().messageClicked();
        QCOMPARE(wanted.size(), windowWanted ? 2 : 1);
    }

    // Closing hides the window while the icon is in a tray, minimises it where there is none,
    // and closes it for good once the icon is removed.
    void closing()
    {
        QWidget window;
        QMenu menu;
        TrayIcon tray(window, menu, Activation::DoubleClick);
        tray.setTrayAvailable(true);
        tray.show();
        window.show();
        QVERIFY(!window.close());
        QVERIFY(window.isHidden());

        tray.setTrayAvailable(false);
        window.show();
        QVERIFY(!window.close());
        QVERIFY(window.isMinimized());

        tray.remove();
        QVERIFY(window.close());
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestTrayIcon)
#include "tst_trayicon.moc"
