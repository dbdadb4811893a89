#include "app/Application.h"
#include "app/Translations.h"
#include "tests/support/Fakes.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include "ui/main/CommandActions.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

namespace {
// The application with all its windows open, in the language installed at the time.
struct Program
{
    TempProgramFolder folder;
    RecordingMessages messages;
    RecordingSound sound;
    std::unique_ptr<Application> application;

    Program()
    {
        Application::Platform platform;
        platform.messages = &messages;
        platform.sound = &sound;
        application = std::make_unique<Application>(
            Environment{folder.path(), folder.path(), QStringLiteral("127.0.0.1:9"), folder.file("bidorra.conf")},
            platform);
        application->start();
        CommandActions& actions = application->actions();
        for (QAction* command : {actions.setup(), actions.log(), actions.history(), actions.about()}) {
            command->trigger();
        }
    }
};

enum class Texts {
    Lettered, // those that carry an Alt letter: a menu's entries; a window's buttons, fields' labels,
              // tabs and menu bar
    All,      // and everything else a window shows
};

QStringList windowTexts(const QWidget& window, Texts which)
{
    QStringList found;
    const auto* menu = qobject_cast<const QMenu*>(&window);
    const QMenuBar* bar = window.findChild<QMenuBar*>();
    for (const QAction* action : menu ? menu->actions() : bar ? bar->actions() : QList<QAction*>()) {
        found << action->text();
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        found << button->text();
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        found << (label->buddy() ? label->text() : QString());
    }
    for (const QTabBar* tabs : window.findChildren<QTabBar*>()) {
        for (int tab = 0; tab < tabs->count(); ++tab) {
            found << tabs->tabText(tab);
        }
    }
    if (which == Texts::All) {
        found << window.windowTitle();
        for (const QObject* object : window.findChildren<QObject*>()) {
            for (const char* property : {"text", "title", "toolTip"}) {
                found << object->property(property).toString().section(QStringLiteral(" ("), 0, 0);
            }
            if (const auto* child = qobject_cast<const QMenu*>(object)) {
                found << windowTexts(*child, Texts::Lettered);
            }
        }
        for (const QHeaderView* header : window.findChildren<QHeaderView*>()) {
            for (int column = 0; column < header->count(); ++column) {
                found << header->model()->headerData(column, header->orientation()).toString();
            }
        }
    }
    found.removeAll(QString());
    return found;
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { removeTranslations(); }

    void windows_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("expected"); // texts shown to the letter, without the Alt letters' marks
        const QString english =
            // the main window, its menu, the tray's, the toolbar and the grid
            "Bidorra|Auction|Exit|About|Help|Pop-up Window Notification|Sound Notification|Setup|Auction Log|Stop|"
            "Go|Show Bidorra|Start|Save|Log|Sound|Window|Start Monitoring|Show Auction  Log|Save Grid Contents|"
            "Set Pop-up Window Notification|Exit Program|Item #|Highest Bidder|Current $|Time Ends|# of bids|"
            // Setup, the log window and the about box
            "Notification|Auction List|OK|Cancel|Timer|Check Auction(s) Every|Alert Me By|Play Sound|"
            "Pop-up Window|<< Remove Item|Add Item >>|Clear Log|About Bidorra|System Info...|Version 1.0.0";
        QTest::newRow("C") << QLocale::c() << english;
        QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << english;
        QTest::newRow("fr_FR, which we do not have") << QLocale(QLocale::French, QLocale::France) << english;
        QTest::newRow("de_AT") << QLocale(QLocale::German, QLocale::Austria)
                               << "Auktion|Beenden|Über|Hilfe|Benachrichtigung per Fenster|Einrichten|Stopp|"
                                  "Auktionsprotokoll|Bidorra anzeigen|Überwachung starten|Artikelnr.|Abbrechen";
    }

    // Every button, tab, labelled field and menu entry has an Alt letter that no other in its window
    // or menu has, in every language; what screen readers read has no '&' in it. The windows speak
    // German in German, and otherwise say what they always said.
    void windows()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, expected);
        installTranslations(QStringLiteral(BIDORRA_TRANSLATIONS), locale);
        const Program program;
        int windows = 0;
        QStringList shown;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QStringList letters;
            for (const QString& text : windowTexts(*window, Texts::Lettered)) {
                const QString letter = QKeySequence::mnemonic(text).toString();
                QVERIFY2(!letter.isEmpty() && !letters.contains(letter), qPrintable(text));
                letters << letter;
            }
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
                QVERIFY(!QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).contains(u'&'));
            }
            windows += letters.isEmpty() ? 0 : 1;
            shown << windowTexts(*window, Texts::All).replaceInStrings(QStringLiteral("&"), QString());
        }
        QVERIFY(windows >= 7); // main, its menu, the tray's menu, Setup, log, history, About
        for (const QString& text : expected.split(u'|')) {
            QVERIFY2(shown.contains(text), qPrintable(text));
        }
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
