#include "tests/support/TestMain.h"
#include "ui/dialogs/LogWindow.h"

#include <QPointer>
#include <QPushButton>

class TestLogWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        QCOMPARE(log->lines(), (QStringList{"one", "two"}));

        log->findChild<QPushButton*>(QStringLiteral("clearButton"))->click();
        QVERIFY(log->lines().isEmpty());
        log->close();
        QTRY_VERIFY(!log);
    }

    void oldestLinesGoPastTheLimit()
    {
        LogWindow log;
        for (int line = 0; line < LogWindow::LineLimit + 3; ++line) {
            log.appendLine(QString::number(line));
        }
        QCOMPARE(log.lines().size(), LogWindow::LineLimit);
        QCOMPARE(log.lines().first(), "3");
        QCOMPARE(log.lines().last(), QString::number(LogWindow::LineLimit + 2));
    }

};

BIDORRA_WIDGET_TEST_MAIN(TestLogWindow)
#include "tst_logwindow.moc"
