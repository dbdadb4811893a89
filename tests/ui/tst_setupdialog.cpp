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

        // text|limit|up|down: past the limit the time wraps to 0, and it never goes below 0
        for (const char* row : {"23|23|0|22", "22|23|23|21", "59|59|0|58", "75|59|0|74", "30|23|0|29", "|59|1|0",
                                "0|59|1|0", "2.5|59|3.5|1.5", "-3|59|-2|0", "abc|59|1|0", " 7min|59|8|6"}) {
            const QStringList fields = QString::fromLatin1(row).split(u'|');
            QTest::newRow(row) << fields[0] << fields[1].toInt() << fields[2] << fields[3];
        }
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

    // An alert toggle acts at once; Escape and Enter neither cancel nor confirm.
    void togglesActAtOnceKeysDoNothing()
    {
        Settings settings;
        SetupDialog dialog(settings, {});
        dialog.show();
        QSignalSpy confirmed(&dialog, &SetupDialog::confirmed);
        child<QToolButton>(dialog, "popUpToggle")->click();
        QVERIFY(settings.popUpLog());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(confirmed.isEmpty() && dialog.isVisible());
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
