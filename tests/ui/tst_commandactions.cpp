#include "core/Settings.h"
#include "tests/support/TestMain.h"
#include "ui/main/CommandActions.h"

#include <QAction>

class TestCommandActions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
