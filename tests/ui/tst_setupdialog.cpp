#include "core/Settings.h"
#include "tests/support/Fakes.h"
#include "tests/support/TestMain.h"
#include "ui/dialogs/SetupDialog.h"
#include "ui/dialogs/TimeFieldArrows.h"

#include <QClipboard>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTabWidget>

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

    // A number already in the list is refused with a message and shown where it is.
    void editingTheList()
    {
        Settings settings;
        RecordingMessages messages;
        SetupDialog dialog(settings, {QStringLiteral("1001")}, messages);
        auto* field = child<QLineEdit>(dialog, "itemField");
        auto* add = child<QPushButton>(dialog, "addButton");
        auto* list = child<QListView>(dialog, "itemList");
        const auto items = [list] { return static_cast<QStringListModel*>(list->model())->stringList(); };

        add->click();
        QCOMPARE(items(), QStringList{"1001"});
        field->setText(QStringLiteral(" 7 "));
        add->click();
        QCOMPARE(field->text(), QString());
        for (const char* again : {"7", "1001"}) {
            field->setText(QLatin1String(again));
            add->click();
            QCOMPARE(field->text(), QLatin1String(again));
            QCOMPARE(messages.shown.last().text, "Item #" + QLatin1String(again) + " is already in the list.");
        }
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(items(), (QStringList{"1001", " 7 "}));
        QCOMPARE(list->currentIndex().row(), 0);

        list->setCurrentIndex(list->model()->index(0, 0));
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(items(), QStringList{" 7 "});
    }

    // An item page's address pasted into the field leaves its number there.
    void pastedAddressGivesItsNumber_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");

        // pasted|kept: the "item" field's number (the first address is longer than an entry may
        // be), the number that ends a path, or the text as it was
        for (const char* row : {"http://auctions.example/aw-cgi/eBayISAPI.dll?ViewItem&item=3141592601|3141592601",
                                "https://www.auctions.example/itm/Old-Lamp/3141592602?hash=x7|3141592602",
                                " www.auctions.example/itm/3141592603/ |3141592603",
                                "https://auctions.example/help|https://auctions.example/help", "3141592604|3141592604",
                                "item=12 |item=12 "}) {
            const QStringList fields = QString::fromLatin1(row).split(u'|');
            QTest::newRow(row) << fields[0] << fields[1];
        }
        QTest::newRow("too long to be an entry") << QString(65, u'7') << QString();
    }

    void pastedAddressGivesItsNumber()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        Settings settings;
        RecordingMessages messages;
        SetupDialog dialog(settings, {}, messages);
        auto* field = child<QLineEdit>(dialog, "itemField");
        QGuiApplication::clipboard()->setText(pasted);
        field->paste();
        QCOMPARE(field->text(), kept);
    }

    void keys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("Escape cancels") << "itemField" << Qt::Key_Escape << false << QStringList{"1"};
        QTest::newRow("Enter in Item # adds") << "itemField" << Qt::Key_Return << true << QStringList{"1", "42"};
        QTest::newRow("Enter elsewhere, no OK") << "hoursField" << Qt::Key_Return << true << QStringList{"1"};
    }

    // Escape is Cancel; Enter never stands for OK, and in the item field it adds the item.
    void keys()
    {
        QFETCH(QString, focus);
        QFETCH(Qt::Key, key);
        QFETCH(bool, open);
        QFETCH(QStringList, items);
        Settings settings;
        RecordingMessages messages;
        SetupDialog dialog(settings, {QStringLiteral("1")}, messages);
        QSignalSpy confirmed(&dialog, &SetupDialog::confirmed);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        child<QLineEdit>(dialog, "itemField")->setText(QStringLiteral("42"));
        dialog.findChild<QTabWidget*>()->setCurrentIndex(focus == u"itemField" ? 1 : 0);
        QWidget* field = child<QLineEdit>(dialog, focus.toLatin1().constData());
        field->setFocus();
        QTest::keyClick(field, key);
        QCOMPARE(dialog.isVisible(), open);
        QVERIFY(confirmed.isEmpty());
        QCOMPARE(qobject_cast<QStringListModel*>(child<QListView>(dialog, "itemList")->model())->stringList(), items);
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestSetupDialog)
#include "tst_setupdialog.moc"
