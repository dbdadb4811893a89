#include "tests/support/TestMain.h"
#include "ui/dialogs/LogWindow.h"
#include "ui/dialogs/LogWindowHost.h"

#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <memory>

class LogWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { host = std::make_unique<LogWindowHost>(); }
    void cleanup() { host.reset(); }

    void firstLineCreatesItHidden();
    void okThenMoreLinesThenLog();
    void afterTheCloseBox_data();
    void afterTheCloseBox();
    void clearLog();
    void enterAndEscapeAreNotBound_data();
    void enterAndEscapeAreNotBound();
    void layoutAndTabOrder();
    void destroyForExit();

private:
    QStringList shownLines() const;
    QPushButton* button(const char* name) const;

    std::unique_ptr<LogWindowHost> host;
};

QStringList LogWindowTest::shownLines() const
{
    QStringList lines;
    const auto* list = host->window()->findChild<QListWidget*>(QStringLiteral("List1"));
    for (int i = 0; i < list->count(); ++i) {
        lines << list->item(i)->text();
    }
    return lines;
}

QPushButton* LogWindowTest::button(const char* name) const
{
    return host->window()->findChild<QPushButton*>(QLatin1String(name));
}

void LogWindowTest::firstLineCreatesItHidden()
{
    QVERIFY(!host->window());
    host->appendLogLine(QStringLiteral("At 10:00:01 : Item #1001 Price= $5.00"));
    QVERIFY(!host->window()->isVisible());

    host->ShowLogWindow();
    QVERIFY(host->window()->isVisible());
    QCOMPARE(host->window()->windowTitle(), QStringLiteral("Auction Log"));
    QCOMPARE(shownLines(), QStringList{"At 10:00:01 : Item #1001 Price= $5.00"});
}

void LogWindowTest::okThenMoreLinesThenLog()
{
    // The Log command and the window alert both show the window this way.
    host->appendLogLine(QStringLiteral("one"));
    host->ShowLogWindow();
    QPointer<LogWindow> first = host->window();
    QTest::mouseClick(button("OKButton"), Qt::LeftButton);
    QVERIFY(!first->isVisible());

    host->appendLogLine(QStringLiteral("two"));
    host->appendLogLine(QStringLiteral("three"));
    QVERIFY(!first->isVisible());
    host->ShowLogWindow();
    QCOMPARE(host->window(), first.data());
    QVERIFY(first->isVisible());
    QCOMPARE(shownLines(), (QStringList{"one", "two", "three"}));
}

void LogWindowTest::afterTheCloseBox_data()
{
    QTest::addColumn<QStringList>("linesAfter");
    QTest::newRow("Log right away") << QStringList{};
    QTest::newRow("a line, then Log") << QStringList{"new"};
}

void LogWindowTest::afterTheCloseBox()
{
    QFETCH(QStringList, linesAfter);
    host->appendLogLine(QStringLiteral("old"));
    host->ShowLogWindow();
    QPointer<LogWindow> closed = host->window();
    QVERIFY(closed->close());
    for (const QString& line : linesAfter) {
        host->appendLogLine(line);
        QVERIFY(!host->window()->isVisible());
    }
    // Log before the closed window is gone.
    host->ShowLogWindow();
    QVERIFY(host->window() != closed.data());
    QVERIFY(host->window()->isVisible());
    QCOMPARE(shownLines(), linesAfter);
    QTRY_VERIFY(closed.isNull());
    QVERIFY(host->window());
}

void LogWindowTest::clearLog()
{
    host->appendLogLine(QStringLiteral("one"));
    host->appendLogLine(QStringLiteral("two"));
    host->ShowLogWindow();
    QTest::mouseClick(button("reset_but"), Qt::LeftButton);
    QVERIFY(shownLines().isEmpty());
    QVERIFY(host->window()->isVisible());
    host->appendLogLine(QStringLiteral("three"));
    QCOMPARE(shownLines(), QStringList{"three"});
}

void LogWindowTest::enterAndEscapeAreNotBound_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focus");
    for (const char* focus : {"OKButton", "reset_but", "List1"}) {
        QTest::addRow("Escape on %s", focus) << int(Qt::Key_Escape) << QString::fromLatin1(focus);
        QTest::addRow("Enter on %s", focus) << int(Qt::Key_Return) << QString::fromLatin1(focus);
    }
}

void LogWindowTest::enterAndEscapeAreNotBound()
{
    QFETCH(int, key);
    QFETCH(QString, focus);
    host->appendLogLine(QStringLiteral("kept"));
    host->ShowLogWindow();
    QVERIFY(QTest::qWaitForWindowExposed(host->window()));
    auto* target = host->window()->findChild<QWidget*>(focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QVERIFY(host->window()->isVisible());
    QCOMPARE(shownLines(), QStringList{"kept"});
}

void LogWindowTest::layoutAndTabOrder()
{
    host->ShowLogWindow();
    LogWindow* window = host->window();
    QVERIFY(QTest::qWaitForWindowActive(window));
    // The designed twips at 96 dots per inch, 15 to a pixel; the size is fixed.
    QCOMPARE(window->minimumSize(), QSize(402, 213));
    QCOMPARE(window->maximumSize(), QSize(402, 213));
    QCOMPARE(button("OKButton")->geometry(), QRect(304, 184, 81, 25));
    QCOMPARE(window->findChild<QWidget*>(QStringLiteral("List1"))->geometry(), QRect(16, 8, 369, 164));
    QCOMPARE(button("reset_but")->geometry(), QRect(208, 184, 81, 25));

    button("OKButton")->setFocus();
    QStringList order;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(window, Qt::Key_Tab);
        order << window->focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{"List1", "reset_but", "OKButton"}));
}

void LogWindowTest::destroyForExit()
{
    host->appendLogLine(QStringLiteral("one"));
    QPointer<LogWindow> window = host->window();
    host->destroy();
    QVERIFY(window.isNull());
    QVERIFY(!host->window());
    host->destroy();
}

BIDORRA_WIDGET_TEST_MAIN(LogWindowTest)
#include "tst_logwindow.moc"
