#include "core/ResultsModel.h"
#include "core/Settings.h"
#include "tests/support/TestMain.h"
#include "ui/main/CommandActions.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QSignalSpy>

using ActionOf = QAction* (CommandActions::*)() const;
Q_DECLARE_METATYPE(ActionOf)

class TestCommandActions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every command's key reaches it exactly when its button is enabled.
    void shortcuts_data()
    {
        QTest::addColumn<ActionOf>("action");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<bool>("whenStopped");
        QTest::addColumn<bool>("whenMonitoring");

        QTest::newRow("Start") << &CommandActions::start << QKeySequence(Qt::Key_F5) << true << false;
        QTest::newRow("Stop") << &CommandActions::stop << QKeySequence(Qt::SHIFT | Qt::Key_F5) << false << true;
        QTest::newRow("Save") << &CommandActions::save << QKeySequence(Qt::CTRL | Qt::Key_S) << true << false;
        QTest::newRow("Log") << &CommandActions::log << QKeySequence(Qt::CTRL | Qt::Key_L) << true << true;
        QTest::newRow("History") << &CommandActions::history << QKeySequence(Qt::CTRL | Qt::Key_H) << true << true;
        QTest::newRow("Setup") << &CommandActions::setup << QKeySequence(Qt::CTRL | Qt::Key_Comma) << true << false;
        QTest::newRow("Help") << &CommandActions::help << QKeySequence(Qt::Key_F1) << true << true;
        QTest::newRow("Exit") << &CommandActions::exit << QKeySequence(Qt::CTRL | Qt::Key_Q) << true << false;
    }

    void shortcuts()
    {
        QFETCH(ActionOf, action);
        QFETCH(QKeySequence, keys);
        QFETCH(bool, whenStopped);
        QFETCH(bool, whenMonitoring);

        Settings settings;
        ResultsModel results;
        CommandActions actions(settings);
        MainWindow window(actions, results);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QAction* command = (actions.*action)();
        QVERIFY(command->toolTip().endsWith(u'(' + keys.toString(QKeySequence::NativeText) + u')'));

        QSignalSpy triggered(command, &QAction::triggered);
        QTest::keySequence(&window, keys);
        QCOMPARE(triggered.size(), whenStopped ? 1 : 0);
        actions.setMonitoring(true);
        QTest::keySequence(&window, keys);
        QCOMPARE(triggered.size(), (whenStopped ? 1 : 0) + (whenMonitoring ? 1 : 0));
        QCOMPARE(command->isEnabled(), whenMonitoring);
    }

    // The two toggles and the settings always agree, whichever side changes.
    void alertToggles()
    {
        Settings settings;
        settings.setPlaySound(true);
        CommandActions actions(settings);
        QVERIFY(actions.sound()->isChecked());
        QVERIFY(!actions.window()->isChecked());

        actions.sound()->trigger();
        QVERIFY(!settings.playSound());
        actions.sound()->trigger();
        QVERIFY(settings.playSound());
        settings.setPopUpLog(true);
        QVERIFY(actions.window()->isChecked());
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestCommandActions)
#include "tst_commandactions.moc"
