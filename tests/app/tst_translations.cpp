#include "app/Application.h"
#include "app/Translations.h"
#include "tests/support/Fakes.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include "ui/main/CommandActions.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

namespace {
// What carries an Alt letter in a window or menu: a menu's entries; buttons, fields' labels, tabs
// and the menu bar.
QStringList letteredTexts(const QWidget& window)
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
        QTest::addColumn<QString>("expected"); // texts with an Alt letter, without its mark
        const QString english = "Auction|Exit|About|Help|Pop-up Window Notification|Setup|Auction Log|Stop|"
                                "Show Bidorra|Auction List|Cancel|Check Auction(s) Every|Clear Log";
        QTest::newRow("C") << QLocale::c() << english;
        QTest::newRow("fr_FR, which we do not have") << QLocale(QLocale::French, QLocale::France) << english;
        QTest::newRow("de_AT") << QLocale(QLocale::German, QLocale::Austria)
                               << "Auktion|Beenden|Über|Hilfe|Benachrichtigung per Fenster|Einrichten|Stopp|"
                                  "Auktionsprotokoll|Bidorra anzeigen|Auktionsliste|Abbrechen";
    }

    // Every button, tab, labelled field and menu entry has an Alt letter that no other in its window
    // or menu has, in every language; what screen readers read has no '&' in it. The windows speak
    // German in German, and otherwise say what they always said.
    void windows()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, expected);
        installTranslations(QStringLiteral(BIDORRA_TRANSLATIONS), locale);
        TempProgramFolder folder;
        RecordingMessages messages;
        RecordingSound sound;
        Application::Platform platform;
        platform.messages = &messages;
        platform.sound = &sound;
        Application application(
            Environment{folder.path(), folder.path(), QStringLiteral("127.0.0.1:9"), folder.file("bidorra.conf")},
            platform);
        application.start();
        for (QAction* command : {application.actions().setup(), application.actions().log(),
                                 application.actions().history(), application.actions().about()}) {
            command->trigger();
        }
        int windows = 0;
        QStringList shown;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QStringList letters;
            for (const QString& text : letteredTexts(*window)) {
                const QString letter = QKeySequence::mnemonic(text).toString();
                QVERIFY2(!letter.isEmpty() && !letters.contains(letter), qPrintable(text));
                letters << letter;
                shown << text;
            }
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
                QVERIFY(!QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).contains(u'&'));
            }
            windows += letters.isEmpty() ? 0 : 1;
        }
        QVERIFY(windows >= 7); // main, its menu, the tray's menu, Setup, log, history, About
        shown.replaceInStrings(QStringLiteral("&"), QString());
        for (const QString& text : expected.split(u'|')) {
            QVERIFY2(shown.contains(text), qPrintable(text));
        }
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
