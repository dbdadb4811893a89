#include "core/AppState.h"
#include "core/ResultsGrid.h"
#include "tests/support/Fakes.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include "ui/dialogs/SetupDialog.h"
#include "ui/dialogs/SetupHost.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <functional>

namespace {
// Records message boxes; one of them can run some of the program while it waits, as a real
// box lets events run.
class ScriptedMessages final : public Messages
{
public:
    std::vector<RecordingMessages::Shown> shown;
    std::size_t actAt = 0;
    std::function<void()> action;
    void show(const QString& text, const QString& title, Icon icon) override
    {
        shown.push_back({text, title, icon});
        if (shown.size() == actAt) {
            action();
        }
    }
};

// One program's worth of what the dialog works with, around a fresh program folder. A folder
// that does not exist can be neither read nor written.
struct Program
{
    TempProgramFolder folder;
    AppState app;
    ResultsGrid grid;
    RecordingIndicators indicators;
    ScriptedMessages messages;
    SetupHost host;

    explicit Program(const QByteArray& list = "111\r\n222\r\n", bool folderExists = true)
        : host(app, grid, indicators, messages, folderExists ? folder.path() : folder.file(QStringLiteral("gone")))
    {
        folder.write(QStringLiteral("list.ini"), list);
    }
    template <typename T> T* control(const char* name) { return host.ensure()->findChild<T*>(QLatin1String(name)); }
    QLineEdit* field(const char* name) { return control<QLineEdit>(name); }
    // Presses a button whether or not its tab is in front.
    void press(const char* name) { control<QAbstractButton>(name)->click(); }
    void clickArrow(bool up) { QTest::mouseClick(control<QToolButton>(up ? "upArrow" : "downArrow"), Qt::LeftButton); }
    void showTab(int index) { control<QTabWidget>("SSTab1")->setCurrentIndex(index); }
    bool showAndWait()
    {
        host.ShowSetupDialog();
        return QTest::qWaitForWindowActive(host.dialog());
    }
    QStringList entries()
    {
        QStringList texts;
        for (int i = 0; i < host.ListCount(); ++i) {
            texts << host.List(i);
        }
        return texts;
    }
};

} // namespace

class TestSetupDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void layoutAndTabOrder();
    void arrows_data();
    void arrows();
    void arrowsActOnHoursRightAfterShowing();
    void arrowsKeepActingOnSeconds_data();
    void arrowsKeepActingOnSeconds();
    void add_data();
    void add();
    void remove();
    void ok_data();
    void ok();
    void unreadableFolderIsReportedAndOkCarriesOn();
    void leavingWithoutOk_data();
    void leavingWithoutOk();
    void enterAndEscapeDoNothing();
    void creationStepsAndShowingLater();
    void eventsWhileAMessageWaits_data();
    void eventsWhileAMessageWaits();
};

void TestSetupDialog::cleanup()
{
    // Closed dialogs delete themselves through the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestSetupDialog::layoutAndTabOrder()
{
    Program program;
    // Drawn in pixels at 96 dots per inch, as the tests run.
    QCOMPARE(program.host.ensure()->size(), QSize(499, 214));
    QCOMPARE(program.control<QWidget>("SSTab1")->geometry(), QRect(8, 8, 481, 169));
    QCOMPARE(program.field("sec_txt")->geometry(), QRect(216, 80, 25, 19));
    QCOMPARE(program.control<QWidget>("Label1")->geometry(), QRect(8, 56, 153, 25));

    const QStringList order = {"Hour_txt", "min_txt", "sec_txt",    "UpDown1",  "sound_chk", "windows_chk",
                               "Item_txt", "Add_btn", "Remove_btn", "item_lst", "Ok_btn",    "Cancel_btn"};
    QStringList chain;
    QWidget* widget = program.field("Hour_txt");
    do {
        if (order.contains(widget->objectName()) && widget->focusPolicy() & Qt::TabFocus) {
            chain << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != program.field("Hour_txt"));
    QCOMPARE(chain, order);
}

void TestSetupDialog::arrows_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    struct Row
    {
        const char* name;
        const char* field;
        bool up;
        const char* text;
        const char* expected;
    };
    const Row rows[] = {
        {"up: 23 hours wrap", "Hour_txt", true, "23", "0"},
        {"up: 22 hours", "Hour_txt", true, "22", "23"},
        {"up: 59 minutes wrap", "min_txt", true, "59", "0"},
        {"up: 59 seconds wrap", "sec_txt", true, "59", "0"},
        {"up: empty", "Hour_txt", true, "", "1"},
        {"up: fraction stays", "Hour_txt", true, "2.5", "3.5"},
        {"up: negative", "min_txt", true, "-3", "-2"},
        {"up: 30 typed in hours", "Hour_txt", true, "30", "0"},
        {"up: letters", "sec_txt", true, "abc", "1"},
        {"up: blanks, number, text", "min_txt", true, "  7 min", "8"},
        {"up: second point ends the number", "min_txt", true, "1.2.3", "2.2"},
        {"up: sign alone", "sec_txt", true, "-", "1"},
        {"down: 0 stays", "Hour_txt", false, "0", "0"},
        {"down: empty", "sec_txt", false, "", "0"},
        {"down: 1", "min_txt", false, "1", "0"},
        {"down: 75 typed in minutes", "min_txt", false, "75", "74"},
        {"down: fraction", "Hour_txt", false, "2.5", "1.5"},
        {"down: half goes to 0", "sec_txt", false, "0.5", "0"},
        {"down: letters", "Hour_txt", false, "x9", "0"},
    };
    for (const Row& row : rows) {
        QTest::newRow(row.name) << row.field << row.up << row.text << row.expected;
    }
}

void TestSetupDialog::arrows()
{
    QFETCH(QString, field);
    QFETCH(bool, up);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    Program program;
    QVERIFY(program.showAndWait());
    QLineEdit* edit = program.field(qPrintable(field));
    edit->setText(text);
    edit->setFocus();
    program.clickArrow(up);
    QCOMPARE(edit->text(), expected);
}

void TestSetupDialog::arrowsActOnHoursRightAfterShowing()
{
    Program program;
    program.app.Hours = 4;
    program.app.Minutes = 5;
    program.app.ActiveTimeField = QStringLiteral("Min");
    // Before the window manager has activated the window and the focus has arrived.
    program.host.ShowSetupDialog();
    program.press("upArrow");
    QCOMPARE(program.field("Hour_txt")->text(), QStringLiteral("5"));
    QCOMPARE(program.field("min_txt")->text(), QStringLiteral("5"));
}

void TestSetupDialog::arrowsKeepActingOnSeconds_data()
{
    QTest::addColumn<QString>("focusMovesTo");
    QTest::newRow("check box") << "sound_chk";
    QTest::newRow("button") << "Cancel_btn";
    QTest::newRow("the arrows") << "UpDown1";
    QTest::newRow("other tab") << "Item_txt";
}

void TestSetupDialog::arrowsKeepActingOnSeconds()
{
    QFETCH(QString, focusMovesTo);
    Program program;
    QVERIFY(program.showAndWait());
    program.field("sec_txt")->setText(QStringLiteral("10"));
    program.field("sec_txt")->setFocus();
    if (focusMovesTo == QLatin1String("Item_txt")) {
        program.showTab(1);
    }
    QWidget* target = program.control<QWidget>(qPrintable(focusMovesTo));
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    // Coming back to the first tab gives no time field the focus.
    program.showTab(0);
    QVERIFY(!qobject_cast<QLineEdit*>(QApplication::focusWidget()));

    program.clickArrow(true);
    program.clickArrow(true);
    QCOMPARE(program.field("sec_txt")->text(), QStringLiteral("12"));
}

void TestSetupDialog::add_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("same number twice") << QStringList{"333", "333"} << QStringList{"111", "222", "333", "333"};
    QTest::newRow("blanks") << QStringList{"   "} << QStringList{"111", "222", "   "};
    QTest::newRow("empty") << QStringList{""} << QStringList{"111", "222"};
    QTest::newRow("taken unchanged") << QStringList{" 12ab "} << QStringList{"111", "222", " 12ab "};
}

void TestSetupDialog::add()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    Program program;
    QVERIFY(program.showAndWait());
    program.showTab(1);
    for (const QString& text : typed) {
        program.field("Item_txt")->setText(text);
        QTest::mouseClick(program.control<QPushButton>("Add_btn"), Qt::LeftButton);
        QVERIFY(program.field("Item_txt")->text().isEmpty());
    }
    // The cycle reads the list through the host and sees the additions before OK saves them.
    QCOMPARE(program.entries(), expected);
}

void TestSetupDialog::remove()
{
    Program program("111\r\n222\r\n333\r\n");
    QVERIFY(program.showAndWait());
    program.showTab(1);
    auto* removeButton = program.control<QPushButton>("Remove_btn");
    QTest::mouseClick(removeButton, Qt::LeftButton);
    QCOMPARE(program.entries(), (QStringList{"111", "222", "333"}));

    auto* list = program.control<QListWidget>("item_lst");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(list->selectedItems().size(), 1);
    QTest::mouseClick(removeButton, Qt::LeftButton);
    QCOMPARE(program.entries(), (QStringList{"111", "333"}));
    QTest::mouseClick(removeButton, Qt::LeftButton);
    QCOMPARE(program.entries(), (QStringList{"111", "333"}));
}

void TestSetupDialog::ok_data()
{
    QTest::addColumn<QStringList>("typed");   // hours, minutes, seconds
    QTest::addColumn<QByteArray>("interval"); // the last three lines of the settings file
    QTest::addColumn<QList<int>>("taken");    // Hours, Minutes, Seconds
    QTest::newRow("empty minutes") << QStringList{"1", "", "30"} << QByteArray("Hours=1\r\nMinutes=0\r\nSeconds=30\r\n")
                                   << QList<int>{1, 0, 30};
    QTest::newRow("fraction written as typed, taken rounded down")
        << QStringList{"2.7", "5", "0"} << QByteArray("Hours=2.7\r\nMinutes=5\r\nSeconds=0\r\n") << QList<int>{2, 5, 0};
    QTest::newRow("negative fraction") << QStringList{"0", "-1.5", "0"}
                                       << QByteArray("Hours=0\r\nMinutes=-1.5\r\nSeconds=0\r\n")
                                       << QList<int>{0, -2, 0};
    QTest::newRow("letters count as 0") << QStringList{"abc", "75", ""}
                                        << QByteArray("Hours=abc\r\nMinutes=75\r\nSeconds=0\r\n")
                                        << QList<int>{0, 75, 0};
}

void TestSetupDialog::ok()
{
    QFETCH(QStringList, typed);
    QFETCH(QByteArray, interval);
    QFETCH(QList<int>, taken);
    Program program;
    program.grid.setRows(4);
    QVERIFY(program.showAndWait());
    program.field("Hour_txt")->setText(typed[0]);
    program.field("min_txt")->setText(typed[1]);
    program.field("sec_txt")->setText(typed[2]);
    program.press("windows_chk");
    program.field("Item_txt")->setText(QStringLiteral("444"));
    program.press("Add_btn");
    QPointer<SetupDialog> dialog = program.host.dialog();

    QTest::mouseClick(program.control<QPushButton>("Ok_btn"), Qt::LeftButton);

    QVERIFY(!program.host.dialog());
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(program.folder.read(QStringLiteral("list.ini")), QByteArray("111\r\n222\r\n444\r\n"));
    QCOMPARE(program.folder.read(QStringLiteral("Setup.ini")),
             QByteArray("PlayWave=False\r\nOpenWindow=True\r\n") + interval);
    QCOMPARE((QList<int>{*program.app.Hours, *program.app.Minutes, *program.app.Seconds}), taken);
    QCOMPARE(program.grid.rows(), 1);
    QVERIFY(program.messages.shown.empty());
}

void TestSetupDialog::unreadableFolderIsReportedAndOkCarriesOn()
{
    Program program("", false);
    program.host.ShowSetupDialog();
    QCOMPARE(program.messages.shown.size(), std::size_t(1));
    QVERIFY(program.messages.shown[0].text.startsWith(QLatin1String("Error with List.ini File\r\rError ")));
    QCOMPARE(program.messages.shown[0].title, QStringLiteral("Error Opening File"));
    QCOMPARE(program.messages.shown[0].icon, Messages::Icon::Critical);
    QVERIFY(program.host.dialog()->isVisible());
    program.grid.setRows(3);
    program.field("Hour_txt")->setText(QStringLiteral("3"));
    program.press("Ok_btn");

    QCOMPARE(program.messages.shown.size(), std::size_t(3));
    QVERIFY(program.messages.shown[1].text.startsWith(QLatin1String("Error with List.ini File\r\r")));
    QVERIFY(program.messages.shown[2].text.startsWith(QLatin1String("Erro with Setup.ini File\r\r")));
    QCOMPARE(program.messages.shown[2].icon, Messages::Icon::Critical);
    QCOMPARE(program.app.Hours, std::optional<int>(3));
    QCOMPARE(program.grid.rows(), 1);
    QVERIFY(!program.host.dialog());
}

void TestSetupDialog::leavingWithoutOk_data()
{
    QTest::addColumn<bool>("cancel"); // else the close box
    QTest::newRow("Cancel") << true;
    QTest::newRow("close box") << false;
}

void TestSetupDialog::leavingWithoutOk()
{
    QFETCH(bool, cancel);
    Program program;
    program.app.Minutes = 5;
    QVERIFY(program.showAndWait());
    QTest::mouseClick(program.control<QToolButton>("sound_chk"), Qt::LeftButton);
    program.field("min_txt")->setText(QStringLiteral("9"));
    program.field("Item_txt")->setText(QStringLiteral("999"));
    program.press("Add_btn");
    QCOMPARE(program.host.ListCount(), 3);

    if (cancel) {
        QTest::mouseClick(program.control<QPushButton>("Cancel_btn"), Qt::LeftButton);
    } else {
        program.host.dialog()->close();
    }

    QVERIFY(!program.host.dialog());
    // A check box acts at once and stays; the interval and the list edits are dropped.
    QVERIFY(program.app.PlayWave);
    QCOMPARE(program.indicators.sound, std::optional<bool>(true));
    QCOMPARE(program.app.Minutes, std::optional<int>(5));
    QVERIFY(!program.folder.exists(QStringLiteral("Setup.ini")));
    // The cycle's next reading of the list recreates the dialog, hidden, from the file.
    QCOMPARE(program.entries(), (QStringList{"111", "222"}));
    QVERIFY(!program.host.dialog()->isVisible());
}

void TestSetupDialog::enterAndEscapeDoNothing()
{
    Program program;
    QVERIFY(program.showAndWait());
    SetupDialog* dialog = program.host.dialog();
    for (const char* name : {"Hour_txt", "Ok_btn", "Cancel_btn"}) {
        QWidget* control = program.control<QWidget>(name);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Return);
        QTest::keyClick(control, Qt::Key_Escape);
        QCOMPARE(program.host.dialog(), dialog);
        QVERIFY(dialog->isVisible());
    }
    QVERIFY(!program.folder.exists(QStringLiteral("Setup.ini")));
}

void TestSetupDialog::creationStepsAndShowingLater()
{
    Program program("111\r\n\r\n222\r\n");
    program.app.PlayWave = true;
    program.app.Minutes = 5;
    program.host.ensure(); // hidden, as the cycle's reading of the list or the settings reader do
    // The check boxes follow the flags and the main window's indicators follow the boxes; the
    // time fields take the interval, its empty parts as empty text.
    QVERIFY(program.control<QToolButton>("sound_chk")->isChecked());
    QVERIFY(!program.control<QToolButton>("windows_chk")->isChecked());
    QCOMPARE(program.indicators.sound, std::optional<bool>(true));
    QCOMPARE(program.field("Hour_txt")->text(), QString());
    QCOMPARE(program.field("min_txt")->text(), QStringLiteral("5"));

    // Shown later, it keeps what it holds instead of reading the file again.
    program.field("Hour_txt")->setText(QStringLiteral("7"));
    program.folder.write(QStringLiteral("list.ini"), "555\r\n");
    QVERIFY(program.showAndWait());
    QCOMPARE(program.field("Hour_txt")->text(), QStringLiteral("7"));
    QCOMPARE(program.entries(), (QStringList{"111", "222"}));
    QCOMPARE(program.control<QTabWidget>("SSTab1")->currentIndex(), 0);
}

void TestSetupDialog::eventsWhileAMessageWaits_data()
{
    QTest::addColumn<bool>("unload"); // else the list is read
    QTest::addColumn<int>("actAt");   // during which message: 1 reports the read, 2 the write
    QTest::newRow("list read while creation reports") << false << 1;
    QTest::newRow("unloaded while creation reports") << true << 1;
    QTest::newRow("unloaded while OK reports") << true << 2;
}

void TestSetupDialog::eventsWhileAMessageWaits()
{
    QFETCH(bool, unload);
    QFETCH(int, actAt);
    Program program("", false);
    int countDuringMessage = -1;
    program.messages.actAt = actAt;
    program.messages.action = [&] {
        if (unload) {
            program.host.destroy();
        } else {
            countDuringMessage = program.host.ListCount();
        }
    };

    SetupDialog* dialog = program.host.ensure();
    if (actAt == 2) {
        dialog->findChild<QLineEdit*>(QStringLiteral("Hour_txt"))->setText(QStringLiteral("4"));
        dialog->findChild<QPushButton*>(QStringLiteral("Ok_btn"))->click();
        QVERIFY(!program.app.Hours); // the remaining steps belonged to the unloaded dialog
    } else {
        QCOMPARE(dialog == nullptr, unload);
    }
    QCOMPARE(program.messages.shown.size(), std::size_t(actAt));
    QCOMPARE(countDuringMessage, unload ? -1 : 0);
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto isSetup = [](const QWidget* widget) { return widget->objectName() == QLatin1String("Setup"); };
    QCOMPARE(std::count_if(windows.begin(), windows.end(), isSetup), std::ptrdiff_t(unload ? 0 : 1));
}

BIDORRA_WIDGET_TEST_MAIN(TestSetupDialog)
#include "tst_setupdialog.moc"
