#include "core/Settings.h"
#include "tests/support/TestMain.h"
#include "ui/dialogs/SetupDialog.h"
#include "ui/dialogs/TimeFieldArrows.h"
#include "ui/dialogs/UpDownArrows.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTabWidget>
#include <QToolButton>

namespace {
template <typename Widget> Widget* child(QWidget& parent, const char* name)
{
    return parent.findChild<Widget*>(QLatin1String(name));
}
} // namespace

class TestSetupDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void arrows_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("up");
        QTest::addColumn<QString>("down");

        QTest::newRow("23 hours wraps") << "23" << 23 << "0"
                                        << "22";
        QTest::newRow("22 hours") << "22" << 23 << "23"
                                  << "21";
        QTest::newRow("59 minutes wraps") << "59" << 59 << "0"
                                          << "58";
        QTest::newRow("typed past the limit") << "75" << 59 << "0"
                                              << "74";
        QTest::newRow("30 typed as hours") << "30" << 23 << "0"
                                           << "29";
        QTest::newRow("empty") << "" << 59 << "1"
                               << "0";
        QTest::newRow("zero stays") << "0" << 59 << "1"
                                    << "0";
        QTest::newRow("fraction stays") << "2.5" << 59 << "3.5"
                                        << "1.5";
        QTest::newRow("negative") << "-3" << 59 << "-2"
                                  << "0";
        QTest::newRow("letters first") << "abc" << 59 << "1"
                                       << "0";
        QTest::newRow("number then letters") << " 7min" << 59 << "8"
                                             << "6";
    }

    void arrows()
    {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QString, up);
        QFETCH(QString, down);
        QCOMPARE(TimeFieldArrows::up(text, limit), up);
        QCOMPARE(TimeFieldArrows::down(text), down);
    }

    // The arrows act on the time field that last had the focus, wherever the focus is now.
    void arrowsFollowTheLastTimeField()
    {
        Settings settings;
        settings.setInterval({23, 4, 59});
        SetupDialog dialog(settings, {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* arrows = child<UpDownArrows>(dialog, "timeArrows");
        Q_EMIT arrows->upPressed();
        QCOMPARE(child<QLineEdit>(dialog, "hoursField")->text(), "0");
        child<QLineEdit>(dialog, "secondsField")->setFocus();
        child<QPushButton>(dialog, "okButton")->setFocus();
        Q_EMIT arrows->upPressed();
        QCOMPARE(child<QLineEdit>(dialog, "secondsField")->text(), "0");
        QCOMPARE(dialog.activeTimeField(), SetupDialog::TimeField::Seconds);
        QCOMPARE(child<QLineEdit>(dialog, "minutesField")->text(), "4");
    }

    void editingTheList()
    {
        Settings settings;
        SetupDialog dialog(settings, {QStringLiteral("1001")});
        auto* field = child<QLineEdit>(dialog, "itemField");
        auto* add = child<QPushButton>(dialog, "addButton");
        auto* list = child<QListView>(dialog, "itemList");
        const auto items = [list] { return static_cast<QStringListModel*>(list->model())->stringList(); };

        add->click();
        QCOMPARE(items(), QStringList{"1001"});
        for (int time = 0; time < 2; ++time) {
            field->setText(QStringLiteral(" 7 "));
            add->click();
            QCOMPARE(field->text(), QString());
        }
        QCOMPARE(items(), (QStringList{"1001", " 7 ", " 7 "}));

        child<QPushButton>(dialog, "removeButton")->click();
        QCOMPARE(items().size(), 3);
        list->setCurrentIndex(list->model()->index(0, 0));
        child<QPushButton>(dialog, "removeButton")->click();
        child<QPushButton>(dialog, "removeButton")->click();
        QCOMPARE(items(), (QStringList{" 7 ", " 7 "}));
        list->setCurrentIndex(list->model()->index(1, 0));
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(items(), QStringList{" 7 "});
    }

    void okHandsOnWhatWasTyped()
    {
        Settings settings;
        settings.setPlaySound(true);
        SetupDialog dialog(settings, {QStringLiteral("1001")});
        QSignalSpy confirmed(&dialog, &SetupDialog::confirmed);
        child<QToolButton>(dialog, "popUpToggle")->click();
        QVERIFY(settings.popUpLog()); // at once, before OK
        child<QLineEdit>(dialog, "hoursField")->setText(QStringLiteral("2.7"));
        child<QLineEdit>(dialog, "minutesField")->clear();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(confirmed.isEmpty());

        child<QPushButton>(dialog, "okButton")->click();
        QCOMPARE(confirmed.size(), 1);
        QCOMPARE(confirmed.first().at(0).toStringList(), QStringList{"1001"});
        const auto texts = confirmed.first().at(1).value<SettingsTexts>();
        QVERIFY(texts.playSound && texts.popUpLog);
        QCOMPARE(texts.hours, "2.7");
        QCOMPARE(texts.minutes, QString());
        QCOMPARE(texts.seconds, "0");
    }

    void tabOrderFollowsTheScreen()
    {
        Settings settings;
        SetupDialog dialog(settings, {});
        QStringList order;
        QWidget* widget = dialog.findChild<QTabWidget*>()->tabBar();
        for (int step = 0; step < 13; ++step) {
            order << widget->objectName();
            widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus) || widget->objectName().isEmpty()) {
                widget = widget->nextInFocusChain();
            }
        }
        QCOMPARE(order.mid(1),
                 (QStringList{"hoursField", "minutesField", "secondsField", "timeArrows", "soundToggle", "popUpToggle",
                              "itemField", "removeButton", "addButton", "itemList", "okButton", "cancelButton"}));
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestSetupDialog)
#include "tst_setupdialog.moc"
