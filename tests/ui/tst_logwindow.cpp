#include "tests/support/TestMain.h"
#include "ui/dialogs/LogWindow.h"

#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

class TestLogWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // OK and Escape put the window away and keep its lines; the close box destroys them.
    void okHidesAndKeepsTheLinesTheCloseBoxDestroysThem()
    {
        QPointer<LogWindow> log = new LogWindow;
        log->appendLine(QStringLiteral("one"));
        QVERIFY(!log->isVisible()); // appending never shows the window
        log->present();
        log->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        QVERIFY(log->isHidden());
        log->appendLine(QStringLiteral("two"));
        log->popUp();
        QVERIFY(log->isVisible());
        log->appendLine(QStringLiteral("three")); // shown a moment later while the window is open
        QTRY_COMPARE(log->findChild<QListView*>(QStringLiteral("logList"))->model()->rowCount(), 3);
        QCOMPARE(log->lines(), (QStringList{"one", "two", "three"}));
        QTest::keyClick(log->findChild<QListView*>(QStringLiteral("logList")), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(log && log->isHidden());
        QCOMPARE(log->lines().size(), 3);

        log->findChild<QPushButton*>(QStringLiteral("clearButton"))->click();
        QVERIFY(log->lines().isEmpty());
        log->close();
        QTRY_VERIFY(!log);
    }

    void enterOnALineAsksForTheItemsHistory_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QVariantList>("wanted"); // the signal's arguments, if it comes

        QTest::newRow("price change") << "At 09:05:00 : Item #3141592601 Price= US $1,000.00"
                                      << QVariantList{"3141592601"};
        QTest::newRow("problem") << "At 09:05:00 : Item #3141592690: The file, \"http://x/?a=1\" was not found!"
                                 << QVariantList{"3141592690"};
        QTest::newRow("other text") << "Item #1001 Price= $2.00" << QVariantList();
    }

    void enterOnALineAsksForTheItemsHistory()
    {
        QFETCH(QString, line);
        QFETCH(QVariantList, wanted);

        LogWindow log;
        log.appendLine(line);
        log.present();
        QVERIFY(QTest::qWaitForWindowActive(&log));
        QSignalSpy itemWanted(&log, &LogWindow::itemWanted);
        auto* view = log.findChild<QListView*>(QStringLiteral("logList"));
        view->setFocus();
        view->setCurrentIndex(view->model()->index(0, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(itemWanted.value(0), wanted);
        QVERIFY(itemWanted.size() <= 1);
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestLogWindow)
#include "tst_logwindow.moc"
