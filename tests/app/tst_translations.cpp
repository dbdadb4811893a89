#include "app/Application.h"
#include "app/Translations.h"
#include "core/Settings.h"
#include "tests/support/Fakes.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include "ui/main/CommandActions.h"
#include "ui/main/MainWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <algorithm>

namespace {
// The application with every window of it made, in the language installed at the time.
struct Program
{
    TempProgramFolder folder;
    RecordingMessages messages;
    FakeConnectivity connectivity;
    RecordingSound sound;
    RecordingShell shell;
    std::unique_ptr<Application> application;

    Program()
    {
        Application::Platform platform;
        platform.messages = &messages;
        platform.connectivity = &connectivity;
        platform.sound = &sound;
        platform.shell = &shell;
        platform.trayActivation = TrayIcon::Activation::DoubleClick;
        application = std::make_unique<Application>(
            Environment{folder.path(), folder.path(), QStringLiteral("127.0.0.1:9"), folder.file("bidorra.conf")},
            platform);
        application->start();
        CommandActions& actions = application->actions();
        for (QAction* command : {actions.setup(), actions.log(), actions.history(), actions.about()}) {
            command->trigger();
        }
    }
    QWidget* window(const QString& name) const
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto found = std::find_if(windows.cbegin(), windows.cend(),
                                        [&name](const QWidget* window) { return window->objectName() == name; });
        return found == windows.cend() ? nullptr : *found;
    }
};

// The texts that carry an Alt letter: a menu's entries; a window's buttons, fields' labels, tabs and
// menu bar.
QStringList lettered(const QWidget& window)
{
    QStringList texts;
    if (const auto* menu = qobject_cast<const QMenu*>(&window)) {
        for (const QAction* action : menu->actions()) {
            texts << action->text();
        }
        texts.removeAll(QString());
        return texts;
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        texts << button->text();
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        texts << (label->buddy() ? label->text() : QString());
    }
    for (const QTabBar* tabs : window.findChildren<QTabBar*>()) {
        for (int tab = 0; tab < tabs->count(); ++tab) {
            texts << tabs->tabText(tab);
        }
    }
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) {
        for (const QAction* action : bar->actions()) {
            texts << action->text();
        }
    }
    texts.removeAll(QString());
    return texts;
}

// Every text a window shows, with the Alt letters' marks taken out.
QStringList shownTexts(const QWidget& window)
{
    QStringList texts = lettered(window) << window.windowTitle();
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        texts << button->toolTip().section(QStringLiteral(" ("), 0, 0);
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        texts << label->text();
    }
    for (const QGroupBox* box : window.findChildren<QGroupBox*>()) {
        texts << box->title();
    }
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        texts << menu->title() << lettered(*menu);
    }
    for (const QHeaderView* header : window.findChildren<QHeaderView*>()) {
        for (int column = 0; column < header->count(); ++column) {
            texts << header->model()->headerData(column, header->orientation()).toString();
        }
    }
    for (QString& text : texts) {
        text.remove(u'&');
    }
    return texts;
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { removeTranslations(); }

    void englishTexts_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("texts");
        QTest::newRow("main") << "mainWindow"
                              << "Bidorra|Auction|Exit|About|Help|Pop-up Window Notification|Sound Notification|"
                                 "Setup|Auction Log|Stop|Go|Start|Save|Log|Sound|Window|Start Monitoring|"
                                 "Show Auction  Log|Save Grid Contents|Set Pop-up Window Notification|Exit Program|"
                                 "Item #|Highest Bidder|Current $|Time Ends|# of bids";
        QTest::newRow("setup") << "setupDialog"
                               << "Setup|Notification|Auction List|OK|Cancel|Timer|Check Auction(s) Every|"
                                  "Alert Me By|Play Sound|Pop-up Window|Item #|<< Remove Item|Add Item >>";
        QTest::newRow("log") << "logWindow"
                             << "Auction Log|OK|Clear Log";
        QTest::newRow("about") << "aboutBox"
                               << "About Bidorra|OK|System Info...|Version 1.0.0";
    }

    // With no translation installed, the program speaks its own English, to the letter.
    void englishTexts()
    {
        QFETCH(QString, window);
        QFETCH(QString, texts);
        const Program program;
        QWidget* shown = program.window(window);
        QVERIFY(shown);
        const QStringList found = shownTexts(*shown);
        for (const QString& text : texts.split(u'|')) {
            QVERIFY2(found.contains(text), qPrintable(text));
        }
    }

    void languageChosen_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("german");
        QTest::newRow("de_AT") << QLocale(QLocale::German, QLocale::Austria) << true;
        QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << false;
        QTest::newRow("C") << QLocale::c() << false;
        QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France) << false;
    }

    // In German every command of the main window says itself and its tooltip in German.
    void languageChosen()
    {
        QFETCH(QLocale, locale);
        QFETCH(bool, german);
        Settings settings;
        installTranslations(QStringLiteral(BIDORRA_TRANSLATIONS), locale);
        const CommandActions shown(settings);
        removeTranslations();
        const CommandActions source(settings);
        QMenu shownMenu;
        QMenu sourceMenu;
        shown.fillMenu(shownMenu);
        source.fillMenu(sourceMenu);
        for (qsizetype entry = 0; entry < sourceMenu.actions().size(); ++entry) {
            const QAction* action = shownMenu.actions().at(entry);
            if (!action->isSeparator()) {
                QCOMPARE(action->text() != sourceMenu.actions().at(entry)->text(), german);
                QCOMPARE(action->toolTip() != sourceMenu.actions().at(entry)->toolTip(), german);
            }
        }
    }

    void altLettersUniquePerWindow_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("English") << QLocale::c();
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    }

    // Every button, tab, labelled field and menu entry has an Alt letter that no other in its window
    // or menu has; what screen readers read has no '&' in it.
    void altLettersUniquePerWindow()
    {
        QFETCH(QLocale, locale);
        installTranslations(QStringLiteral(BIDORRA_TRANSLATIONS), locale);
        const Program program;
        int windows = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QStringList letters;
            for (const QString& text : lettered(*window)) {
                const QString letter = QKeySequence::mnemonic(text).toString();
                QVERIFY2(!letter.isEmpty() && !letters.contains(letter),
                         qPrintable(window->objectName() + u": " + text));
                letters << letter;
            }
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
                QVERIFY(!QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).contains(u'&'));
            }
            windows += letters.isEmpty() ? 0 : 1;
        }
        QVERIFY(windows >= 7); // main, its menu, the tray's menu, Setup, log, history, About
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
