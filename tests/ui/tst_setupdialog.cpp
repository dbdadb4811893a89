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
#include <functional>

namespace {
// One program's worth of what the dialog works with, around a fresh program folder.
struct Program
{
    TempProgramFolder folder;
    AppState app;
    ResultsGrid grid;
    RecordingIndicators indicators;
    RecordingMessages messages;
    SetupHost host{app, grid, indicators, messages, folder.path()};

    explicit Program(const QByteArray& list = "111\r\n222\r\n") { folder.write(QStringLiteral("list.ini"), list); }

    template <typename T> T* control(const char* name) { return host.ensure()->findChild<T*>(QLatin1String(name)); }
    QLineEdit* field(const char* name) { return control<QLineEdit>(name); }
    QListWidget* list() { return control<QListWidget>("item_lst"); }
    // Presses a button whether or not its tab is in front.
    void press(const char* name) { control<QAbstractButton>(name)->click(); }
    void up() { control<QToolButton>("upArrow")->click(); }
    void down() { control<QToolButton>("downArrow")->click(); }
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

// Message boxes that run some of the program while they wait, as a real one lets events run.
class WaitingMessages final : public Messages
{
public:
    int shown = 0;
    int actAt = 0;
    std::function<void()> action;
    void show(const QString&, const QString&, Icon) override
    {
        if (++shown == actAt) {
            action();
        }
    }
};

const char* fieldName(const QString& field)
{
    return field == QLatin1String("Hour") ? "Hour_txt" : field == QLatin1String("Min") ? "min_txt" : "sec_txt";
}
} // namespace

class TestSetupDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void controlsAndTabOrder();
    void arrowUp_data();
    void arrowUp();
    void arrowDown_data();
    void arrowDown();
    void arrowsActOnHoursRightAfterShowing();
    void arrowsDoNothingBeforeAnyTimeFieldHadTheFocus();
    void arrowsKeepActingOnSeconds_data();
    void arrowsKeepActingOnSeconds();
    void activeFieldOutlivesTheDialog();
    void add_data();
    void add();
    void remove();
    void ok_data();
    void ok();
    void okCarriesOnAfterFailedWrites();
    void cancelKeepsAlertsAndDropsListEdits();
    void closingOtherwiseDestroysTheDialog();
    void enterAndEscapeDoNothing();
    void listSeesUnsavedAdditions();
    void checkBoxesFollowFlagsOnCreation_data();
    void checkBoxesFollowFlagsOnCreation();
    void missingListFileIsReported();
    void showingHiddenDialogKeepsItsContent();
    void eventsWhileAMessageWaits_data();
    void eventsWhileAMessageWaits();
};

void TestSetupDialog::cleanup()
{
    // Closed dialogs delete themselves through the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestSetupDialog::controlsAndTabOrder()
{
    Program program;
    SetupDialog* dialog = program.host.ensure();
    QCOMPARE(dialog->objectName(), QStringLiteral("Setup"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Setup"));
    QCOMPARE(dialog->size(), QSize(499, 214));
    auto* tabs = program.control<QTabWidget>("SSTab1");
    QCOMPARE(tabs->geometry(), QRect(8, 8, 481, 169));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Notification"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Auction List"));
    QCOMPARE(program.field("sec_txt")->geometry(), QRect(216, 80, 25, 19));
    QCOMPARE(program.control<QWidget>("Label1")->geometry(), QRect(8, 56, 153, 25));
    QCOMPARE(program.control<QPushButton>("Remove_btn")->text(), QStringLiteral("<< Remove Item"));
    QCOMPARE(program.control<QToolButton>("windows_chk")->text(), QStringLiteral("Pop-up Window"));

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

void TestSetupDialog::arrowUp_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("23 hours wrap") << "Hour"
                                   << "23"
                                   << "0";
    QTest::newRow("22 hours") << "Hour"
                              << "22"
                              << "23";
    QTest::newRow("59 minutes wrap") << "Min"
                                     << "59"
                                     << "0";
    QTest::newRow("59 seconds wrap") << "Sec"
                                     << "59"
                                     << "0";
    QTest::newRow("58 seconds") << "Sec"
                                << "58"
                                << "59";
    QTest::newRow("empty") << "Hour"
                           << ""
                           << "1";
    QTest::newRow("fraction stays") << "Hour"
                                    << "2.5"
                                    << "3.5";
    QTest::newRow("negative") << "Min"
                              << "-3"
                              << "-2";
    QTest::newRow("30 typed in hours") << "Hour"
                                       << "30"
                                       << "0";
    QTest::newRow("letters") << "Sec"
                             << "abc"
                             << "1";
    QTest::newRow("blanks then number then text") << "Min"
                                                  << "  7 min"
                                                  << "8";
    QTest::newRow("second point ends the number") << "Min"
                                                  << "1.2.3"
                                                  << "2.2";
    QTest::newRow("sign alone") << "Sec"
                                << "-"
                                << "1";
}

void TestSetupDialog::arrowUp()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    Program program;
    QVERIFY(program.showAndWait());
    QLineEdit* edit = program.field(fieldName(field));
    edit->setText(text);
    edit->setFocus();
    QCOMPARE(program.app.ActiveTimeField, field);

    QTest::mouseClick(program.control<QToolButton>("upArrow"), Qt::LeftButton);
    QCOMPARE(edit->text(), expected);
}

void TestSetupDialog::arrowDown_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0 stays") << "Hour"
                             << "0"
                             << "0";
    QTest::newRow("empty") << "Sec"
                           << ""
                           << "0";
    QTest::newRow("1") << "Min"
                       << "1"
                       << "0";
    QTest::newRow("75 typed in minutes") << "Min"
                                         << "75"
                                         << "74";
    QTest::newRow("fraction") << "Hour"
                              << "2.5"
                              << "1.5";
    QTest::newRow("half goes to 0") << "Sec"
                                    << "0.5"
                                    << "0";
    QTest::newRow("letters") << "Hour"
                             << "x9"
                             << "0";
}

void TestSetupDialog::arrowDown()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    Program program;
    QVERIFY(program.showAndWait());
    QLineEdit* edit = program.field(fieldName(field));
    edit->setText(text);
    edit->setFocus();

    QTest::mouseClick(program.control<QToolButton>("downArrow"), Qt::LeftButton);
    QCOMPARE(edit->text(), expected);
}

void TestSetupDialog::arrowsActOnHoursRightAfterShowing()
{
    Program program;
    program.app.Hours = 4;
    program.app.Minutes = 5;
    program.app.ActiveTimeField = QStringLiteral("Min");
    QVERIFY(program.showAndWait());
    QCOMPARE(program.app.ActiveTimeField, QStringLiteral("Hour"));
    program.up();
    QCOMPARE(program.field("Hour_txt")->text(), QStringLiteral("5"));
    QCOMPARE(program.field("min_txt")->text(), QStringLiteral("5"));
}

void TestSetupDialog::arrowsDoNothingBeforeAnyTimeFieldHadTheFocus()
{
    Program program;
    program.app.Hours = 1;
    program.app.Minutes = 2;
    program.app.Seconds = 3;
    program.host.ensure(); // created hidden, as start-up does
    program.up();
    program.down();
    QCOMPARE(program.field("Hour_txt")->text(), QStringLiteral("1"));
    QCOMPARE(program.field("min_txt")->text(), QStringLiteral("2"));
    QCOMPARE(program.field("sec_txt")->text(), QStringLiteral("3"));
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
    auto* tabs = program.control<QTabWidget>("SSTab1");
    if (focusMovesTo == QLatin1String("Item_txt")) {
        tabs->setCurrentIndex(1);
    }
    QWidget* target = program.control<QWidget>(focusMovesTo.toLatin1().constData());
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    // Coming back to the first tab gives no time field the focus.
    tabs->setCurrentIndex(0);
    QVERIFY(!qobject_cast<QLineEdit*>(QApplication::focusWidget()));

    QTest::mouseClick(program.control<QToolButton>("upArrow"), Qt::LeftButton);
    QTest::mouseClick(program.control<QToolButton>("upArrow"), Qt::LeftButton);
    QCOMPARE(program.field("sec_txt")->text(), QStringLiteral("12"));
    QCOMPARE(program.app.ActiveTimeField, QStringLiteral("Sec"));
}

void TestSetupDialog::activeFieldOutlivesTheDialog()
{
    Program program;
    QVERIFY(program.showAndWait());
    program.field("sec_txt")->setFocus();
    program.press("Cancel_btn");
    QVERIFY(!program.host.dialog());

    program.host.ensure(); // recreated hidden by a reading of the list
    program.field("sec_txt")->setText(QStringLiteral("20"));
    program.up();
    QCOMPARE(program.field("sec_txt")->text(), QStringLiteral("21"));
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
    program.control<QTabWidget>("SSTab1")->setCurrentIndex(1);
    for (const QString& text : typed) {
        program.field("Item_txt")->setText(text);
        QTest::mouseClick(program.control<QPushButton>("Add_btn"), Qt::LeftButton);
        QVERIFY(program.field("Item_txt")->text().isEmpty());
    }
    QCOMPARE(program.entries(), expected);
}

void TestSetupDialog::remove()
{
    Program program("111\r\n222\r\n333\r\n");
    QVERIFY(program.showAndWait());
    program.control<QTabWidget>("SSTab1")->setCurrentIndex(1);
    auto* removeButton = program.control<QPushButton>("Remove_btn");

    QTest::mouseClick(removeButton, Qt::LeftButton);
    QCOMPARE(program.entries(), (QStringList{"111", "222", "333"}));

    QListWidget* list = program.list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QCOMPARE(list->selectedItems().size(), 1);
    QTest::mouseClick(removeButton, Qt::LeftButton);
    QCOMPARE(program.entries(), (QStringList{"111", "333"}));
    QVERIFY(list->selectedItems().isEmpty());

    QTest::mouseClick(removeButton, Qt::LeftButton);
    QCOMPARE(program.entries(), (QStringList{"111", "333"}));
}

void TestSetupDialog::ok_data()
{
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QByteArray>("interval"); // the last three lines of the settings file
    QTest::addColumn<int>("Hours");
    QTest::addColumn<int>("Minutes");
    QTest::addColumn<int>("Seconds");

    QTest::newRow("empty minutes") << "1"
                                   << ""
                                   << "30" << QByteArray("Hours=1\r\nMinutes=0\r\nSeconds=30\r\n") << 1 << 0 << 30;
    QTest::newRow("fraction written as typed, taken rounded down")
        << "2.7"
        << "5"
        << "0" << QByteArray("Hours=2.7\r\nMinutes=5\r\nSeconds=0\r\n") << 2 << 5 << 0;
    QTest::newRow("negative fraction") << "0"
                                       << "-1.5"
                                       << "0" << QByteArray("Hours=0\r\nMinutes=-1.5\r\nSeconds=0\r\n") << 0 << -2 << 0;
    QTest::newRow("letters count as 0") << "abc"
                                        << "75"
                                        << "" << QByteArray("Hours=abc\r\nMinutes=75\r\nSeconds=0\r\n") << 0 << 75 << 0;
}

void TestSetupDialog::ok()
{
    QFETCH(QString, hours);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(QByteArray, interval);
    QFETCH(int, Hours);
    QFETCH(int, Minutes);
    QFETCH(int, Seconds);
    Program program;
    program.grid.setRows(4);
    QVERIFY(program.showAndWait());
    program.field("Hour_txt")->setText(hours);
    program.field("min_txt")->setText(minutes);
    program.field("sec_txt")->setText(seconds);
    program.control<QToolButton>("windows_chk")->click();
    program.field("Item_txt")->setText(QStringLiteral("444"));
    program.press("Add_btn");
    QPointer<SetupDialog> dialog = program.host.dialog();

    QTest::mouseClick(program.control<QPushButton>("Ok_btn"), Qt::LeftButton);

    QVERIFY(!program.host.dialog());
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(program.folder.read(QStringLiteral("list.ini")), QByteArray("111\r\n222\r\n444\r\n"));
    QCOMPARE(program.folder.read(QStringLiteral("Setup.ini")),
             QByteArray("PlayWave=False\r\nOpenWindow=True\r\n") + interval);
    QCOMPARE(program.app.Hours, std::optional<int>(Hours));
    QCOMPARE(program.app.Minutes, std::optional<int>(Minutes));
    QCOMPARE(program.app.Seconds, std::optional<int>(Seconds));
    QCOMPARE(program.grid.rows(), 1);
    QVERIFY(program.messages.shown.empty());
}

void TestSetupDialog::okCarriesOnAfterFailedWrites()
{
    Program program;
    // A folder that does not exist can be neither read nor written.
    SetupHost host(program.app, program.grid, program.indicators, program.messages,
                   program.folder.file(QStringLiteral("gone")));
    host.ShowSetupDialog();
    QCOMPARE(program.messages.shown.size(), size_t(1));
    program.grid.setRows(3);
    host.dialog()->findChild<QLineEdit*>(QStringLiteral("Hour_txt"))->setText(QStringLiteral("3"));
    host.dialog()->findChild<QPushButton*>(QStringLiteral("Ok_btn"))->click();

    QCOMPARE(program.messages.shown.size(), size_t(3));
    QVERIFY(program.messages.shown[1].text.startsWith(QLatin1String("Error with List.ini File\r\r")));
    QVERIFY(program.messages.shown[2].text.startsWith(QLatin1String("Erro with Setup.ini File\r\r")));
    QCOMPARE(program.messages.shown[2].icon, Messages::Icon::Critical);
    QCOMPARE(program.app.Hours, std::optional<int>(3));
    QCOMPARE(program.grid.rows(), 1);
    QVERIFY(!host.dialog());
}

void TestSetupDialog::cancelKeepsAlertsAndDropsListEdits()
{
    Program program;
    program.app.Minutes = 5;
    QVERIFY(program.showAndWait());
    QTest::mouseClick(program.control<QToolButton>("sound_chk"), Qt::LeftButton);
    QVERIFY(program.app.PlayWave);
    QCOMPARE(program.indicators.sound, std::optional<bool>(true));
    program.field("min_txt")->setText(QStringLiteral("9"));
    program.field("Item_txt")->setText(QStringLiteral("999"));
    program.press("Add_btn");
    QCOMPARE(program.host.ListCount(), 3);

    QTest::mouseClick(program.control<QPushButton>("Cancel_btn"), Qt::LeftButton);

    QVERIFY(!program.host.dialog());
    QVERIFY(program.app.PlayWave);
    QCOMPARE(program.indicators.sound, std::optional<bool>(true));
    QCOMPARE(program.app.Minutes, std::optional<int>(5));
    QVERIFY(!program.folder.exists(QStringLiteral("Setup.ini")));
    // The next reading of the list recreates the dialog from the file.
    QCOMPARE(program.entries(), (QStringList{"111", "222"}));
    QVERIFY(program.host.dialog());
    QVERIFY(!program.host.dialog()->isVisible());
}

void TestSetupDialog::closingOtherwiseDestroysTheDialog()
{
    Program program;
    QVERIFY(program.showAndWait());
    program.field("Item_txt")->setText(QStringLiteral("999"));
    program.press("Add_btn");
    QPointer<SetupDialog> dialog = program.host.dialog();
    dialog->close();
    QVERIFY(!program.host.dialog());
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(program.host.ListCount(), 2);

    program.host.destroy();
    QVERIFY(!program.host.dialog());
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
        QCOMPARE(program.host.dialog(), dialog);
        QTest::keyClick(control, Qt::Key_Escape);
        QCOMPARE(program.host.dialog(), dialog);
        QVERIFY(dialog->isVisible());
    }
    QVERIFY(!program.folder.exists(QStringLiteral("Setup.ini")));
}

void TestSetupDialog::listSeesUnsavedAdditions()
{
    Program program;
    program.host.ensure();
    program.field("Item_txt")->setText(QStringLiteral("333"));
    program.press("Add_btn");
    QCOMPARE(program.host.ListCount(), 3);
    QCOMPARE(program.host.List(2), QStringLiteral("333"));
}

void TestSetupDialog::checkBoxesFollowFlagsOnCreation_data()
{
    QTest::addColumn<bool>("PlayWave");
    QTest::addColumn<bool>("OpenWindow");
    QTest::newRow("both off") << false << false;
    QTest::newRow("sound") << true << false;
    QTest::newRow("window") << false << true;
    QTest::newRow("both on") << true << true;
}

void TestSetupDialog::checkBoxesFollowFlagsOnCreation()
{
    QFETCH(bool, PlayWave);
    QFETCH(bool, OpenWindow);
    Program program;
    program.app.PlayWave = PlayWave;
    program.app.OpenWindow = OpenWindow;
    program.host.ensure();
    QCOMPARE(program.control<QToolButton>("sound_chk")->isChecked(), PlayWave);
    QCOMPARE(program.control<QToolButton>("windows_chk")->isChecked(), OpenWindow);
    QCOMPARE(program.app.PlayWave, PlayWave);
    QCOMPARE(program.app.OpenWindow, OpenWindow);
    QCOMPARE(program.indicators.sound.value_or(false), PlayWave);
    QCOMPARE(program.indicators.window.value_or(false), OpenWindow);
    // Creation takes the time fields from the interval, empty parts as empty text.
    QVERIFY(program.field("Hour_txt")->text().isEmpty());
}

void TestSetupDialog::missingListFileIsReported()
{
    Program program;
    QVERIFY(QFile::remove(program.folder.file(QStringLiteral("list.ini"))));
    QCOMPARE(program.host.ListCount(), 0);
    QCOMPARE(program.messages.shown.size(), size_t(1));
    QVERIFY(program.messages.shown[0].text.startsWith(QLatin1String("Error with List.ini File\r\rError ")));
    QCOMPARE(program.messages.shown[0].title, QStringLiteral("Error Opening File"));
    QCOMPARE(program.messages.shown[0].icon, Messages::Icon::Critical);
    QVERIFY(program.host.dialog());
}

void TestSetupDialog::showingHiddenDialogKeepsItsContent()
{
    Program program("111\r\n\r\n222\r\n");
    program.host.setHourField(7);
    program.folder.write(QStringLiteral("list.ini"), "555\r\n");
    QVERIFY(program.showAndWait());
    QCOMPARE(program.field("Hour_txt")->text(), QStringLiteral("7"));
    QCOMPARE(program.entries(), (QStringList{"111", "222"}));
    QCOMPARE(program.control<QTabWidget>("SSTab1")->currentIndex(), 0);
}

void TestSetupDialog::eventsWhileAMessageWaits_data()
{
    QTest::addColumn<bool>("unload");  // else the list is read
    QTest::addColumn<int>("actAt");    // during which message
    QTest::addColumn<int>("messages"); // shown in all
    QTest::newRow("list read while creation reports") << false << 1 << 1;
    QTest::newRow("unloaded while creation reports") << true << 1 << 1;
    QTest::newRow("unloaded while OK reports") << true << 2 << 2;
}

void TestSetupDialog::eventsWhileAMessageWaits()
{
    QFETCH(bool, unload);
    QFETCH(int, actAt);
    QFETCH(int, messages);
    TempProgramFolder folder;
    AppState app;
    ResultsGrid grid;
    RecordingIndicators indicators;
    WaitingMessages waiting;
    // The list file cannot be read or written in a folder that does not exist.
    SetupHost host(app, grid, indicators, waiting, folder.file(QStringLiteral("gone")));
    int countDuringMessage = -1;
    waiting.actAt = actAt;
    waiting.action = [&] {
        if (unload) {
            host.destroy();
        } else {
            countDuringMessage = host.ListCount();
        }
    };

    SetupDialog* dialog = host.ensure();
    if (actAt == 2) {
        QVERIFY(dialog);
        dialog->findChild<QLineEdit*>(QStringLiteral("Hour_txt"))->setText(QStringLiteral("4"));
        dialog->findChild<QPushButton*>(QStringLiteral("Ok_btn"))->click();
        QVERIFY(!app.Hours); // the remaining steps belonged to the unloaded dialog
    } else {
        QCOMPARE(dialog == nullptr, unload);
    }
    QCOMPARE(waiting.shown, messages);
    QCOMPARE(countDuringMessage, unload ? -1 : 0);
    int dialogs = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        dialogs += widget->objectName() == QLatin1String("Setup") ? 1 : 0;
    }
    QCOMPARE(dialogs, unload ? 0 : 1);
}

BIDORRA_WIDGET_TEST_MAIN(TestSetupDialog)
#include "tst_setupdialog.moc"
