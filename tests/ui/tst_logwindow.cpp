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
    void init();
    void cleanup();

    void firstLineCreatesItHidden();
    void okThenMoreLinesThenLog();
    void closeBoxThenLogShowsAnEmptyList();
    void lineAfterCloseBoxGoesIntoANewWindow();
    void showAfterOkShowsAgain();
    void showingAShownWindowKeepsItsLines();
    void clearLog();
    void enterAndEscapeAreNotBound_data();
    void enterAndEscapeAreNotBound();
    void layout_data();
    void layout();
    void tabOrder();
    void destroyForExit();

private:
    QStringList shownLines() const;
    QPushButton* button(const char* name) const;

    std::unique_ptr<LogWindowHost> host;
};

void LogWindowTest::init()
{
    host = std::make_unique<LogWindowHost>();
}

void LogWindowTest::cleanup()
{
    host.reset();
}

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
    QVERIFY(host->window());
    QVERIFY(!host->window()->isVisible());

    host->ShowLogWindow();
    QVERIFY(host->window()->isVisible());
    QCOMPARE(host->window()->windowTitle(), QStringLiteral("Auction Log"));
    QCOMPARE(shownLines(), QStringList{"At 10:00:01 : Item #1001 Price= $5.00"});
}

void LogWindowTest::okThenMoreLinesThenLog()
{
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

void LogWindowTest::closeBoxThenLogShowsAnEmptyList()
{
    host->appendLogLine(QStringLiteral("one"));
    host->ShowLogWindow();
    QPointer<LogWindow> closed = host->window();
    QVERIFY(closed->close());
    // Log right away, before the closed window is gone.
    host->ShowLogWindow();
    QVERIFY(host->window() != closed.data());
    QVERIFY(host->window()->isVisible());
    QVERIFY(shownLines().isEmpty());
    QTRY_VERIFY(closed.isNull());
    QVERIFY(host->window());
}

void LogWindowTest::lineAfterCloseBoxGoesIntoANewWindow()
{
    host->appendLogLine(QStringLiteral("old"));
    host->ShowLogWindow();
    host->window()->close();
    host->appendLogLine(QStringLiteral("new"));
    QVERIFY(!host->window()->isVisible());
    host->ShowLogWindow();
    QCOMPARE(shownLines(), QStringList{"new"});
}

void LogWindowTest::showAfterOkShowsAgain()
{
    host->ShowLogWindow();
    button("OKButton")->click();
    QVERIFY(!host->window()->isVisible());
    host->ShowLogWindow();
    QVERIFY(host->window()->isVisible());
}

void LogWindowTest::showingAShownWindowKeepsItsLines()
{
    host->appendLogLine(QStringLiteral("one"));
    host->ShowLogWindow();
    LogWindow* window = host->window();
    host->appendLogLine(QStringLiteral("two"));
    host->ShowLogWindow();
    QCOMPARE(host->window(), window);
    QCOMPARE(shownLines(), (QStringList{"one", "two"}));
}

void LogWindowTest::clearLog()
{
    host->ShowLogWindow();
    button("reset_but")->click();
    QVERIFY(shownLines().isEmpty());
    host->appendLogLine(QStringLiteral("one"));
    host->appendLogLine(QStringLiteral("two"));
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
    LogWindow* window = host->window();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* target = window->findChild<QWidget*>(focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QVERIFY(window->isVisible());
    QCOMPARE(shownLines(), QStringList{"kept"});
    QVERIFY(!button("OKButton")->isDefault());
    QVERIFY(!button("reset_but")->isDefault());
}

void LogWindowTest::layout_data()
{
    // The designed twips at 96 dots per inch: 15 twips to a pixel.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::newRow("OKButton") << "OKButton" << QRect(304, 184, 81, 25) << "OK";
    QTest::newRow("List1") << "List1" << QRect(16, 8, 369, 164) << "";
    QTest::newRow("reset_but") << "reset_but" << QRect(208, 184, 81, 25) << "Clear Log";
}

void LogWindowTest::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    host->ShowLogWindow();
    LogWindow* window = host->window();
    QCOMPARE(window->objectName(), QStringLiteral("Dialog"));
    QCOMPARE(window->size(), QSize(402, 213));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    auto* widget = window->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    if (auto* push = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(push->text(), text);
    }
}

void LogWindowTest::tabOrder()
{
    host->ShowLogWindow();
    LogWindow* window = host->window();
    QVERIFY(QTest::qWaitForWindowActive(window));
    button("OKButton")->setFocus();
    QTest::keyClick(window, Qt::Key_Tab);
    QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("List1"));
    QTest::keyClick(window, Qt::Key_Tab);
    QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("reset_but"));
    QTest::keyClick(window, Qt::Key_Tab);
    QCOMPARE(window->focusWidget()->objectName(), QStringLiteral("OKButton"));
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
