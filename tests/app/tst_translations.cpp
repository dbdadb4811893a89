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
#include <QToolBar>

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

// Every text a window shows, with the Alt letters' marks taken out.
QStringList shownTexts(const QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        texts << button->text() << button->toolTip().section(QStringLiteral(" ("), 0, 0);
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        texts << label->text();
    }
    for (const QGroupBox* box : window.findChildren<QGroupBox*>()) {
        texts << box->title();
    }
    for (const QTabBar* tabs : window.findChildren<QTabBar*>()) {
        for (int tab = 0; tab < tabs->count(); ++tab) {
            texts << tabs->tabText(tab);
        }
    }
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        texts << menu->title();
        for (const QAction* action : menu->actions()) {
            texts << action->text();
        }
    }
    for (const QHeaderView* header : window.findChildren<QHeaderView*>(QString(), Qt::FindDirectChildrenOnly)) {
        for (int column = 0; column < header->count(); ++column) {
            texts << header->model()->headerData(column, header->orientation()).toString();
        }
    }
    for (QString& text : texts) {
        text.remove(u'&');
    }
    return texts;
}

// The Alt letter of a text, or an empty sequence.
QString altLetter(const QString& text)
{
    return QKeySequence::mnemonic(text).toString();
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
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("main") << "mainWindow"
                              << QStringList{"Bidorra",
                                             "Exit",
                                             "About",
                                             "Help",
                                             "Setup",
                                             "Pop-up Window Notification",
                                             "Auction Log",
                                             "Stop",
                                             "Sound Notification",
                                             "Go",
                                             "Start",
                                             "Save",
                                             "Log",
                                             "Sound",
                                             "Window",
                                             "Auction",
                                             "Start Monitoring",
                                             "Show Auction  Log",
                                             "Save Grid Contents",
                                             "Set Pop-up Window Notification",
                                             "Exit Program",
                                             "Item #",
                                             "Highest Bidder",
                                             "Current $",
                                             "Time Ends",
                                             "# of bids"};
        QTest::newRow("setup") << "setupDialog"
                               << QStringList{
                                      "Setup",  "Notification",           "Auction List", "OK",         "Cancel",
                                      "Timer",  "Check Auction(s) Every", "Alert Me By",  "Play Sound", "Pop-up Window",
                                      "Item #", "<< Remove Item",         "Add Item >>"};
        QTest::newRow("log") << "logWindow" << QStringList{"Auction Log", "OK", "Clear Log"};
        QTest::newRow("about") << "aboutBox" << QStringList{"About Bidorra", "OK", "System Info...", "Version 1.0.0"};
    }

    // With no translation installed, the program speaks its own English, to the letter.
    void englishTexts()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, texts);
        installTranslations(QStringLiteral(BIDORRA_TRANSLATIONS), QLocale(QLocale::English, QLocale::UnitedStates));
        const Program program;
        QWidget* shown = program.window(window);
        QVERIFY(shown);
        const QStringList found = shownTexts(*shown);
        for (const QString& text : texts) {
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

    // In German every command of the main window's menu says it and its tooltip in German.
    void languageChosen()
    {
        QFETCH(QLocale, locale);
        QFETCH(bool, german);
        installTranslations(QStringLiteral(BIDORRA_TRANSLATIONS), locale);
        const Program program;
        const QMenu* menu = program.application->mainWindow().menuBar()->actions().constFirst()->menu();
        const QList<QAction*> shown = menu->actions();
        removeTranslations();
        Settings settings;
        const CommandActions source(settings);
        QMenu english;
        source.fillMenu(english);
        QCOMPARE(shown.size(), english.actions().size());
        for (qsizetype entry = 0; entry < shown.size(); ++entry) {
            const QAction* action = english.actions().at(entry);
            if (!action->isSeparator()) {
                QCOMPARE(shown[entry]->text() != action->text(), german);
                QCOMPARE(shown[entry]->toolTip() != action->toolTip(), german);
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
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            QStringList texts;
            if (const auto* menu = qobject_cast<const QMenu*>(window)) {
                for (const QAction* action : menu->actions()) {
                    texts << (action->isSeparator() ? QString() : action->text());
                }
                texts.removeAll(QString());
            } else {
                for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
                    if (!button->text().isEmpty()) {
                        texts << button->text();
                        QVERIFY(!QAccessible::queryAccessibleInterface(const_cast<QAbstractButton*>(button))
                                     ->text(QAccessible::Name)
                                     .contains(u'&'));
                    }
                }
                for (const QLabel* label : window->findChildren<QLabel*>()) {
                    if (label->buddy()) {
                        texts << label->text();
                    }
                }
                for (const QTabBar* tabs : window->findChildren<QTabBar*>()) {
                    for (int tab = 0; tab < tabs->count(); ++tab) {
                        texts << tabs->tabText(tab);
                    }
                }
                for (const QMenuBar* bar : window->findChildren<QMenuBar*>()) {
                    for (const QAction* action : bar->actions()) {
                        texts << action->text();
                    }
                }
            }
            QStringList letters;
            for (const QString& text : std::as_const(texts)) {
                const QString letter = altLetter(text);
                QVERIFY2(!letter.isEmpty(), qPrintable(window->objectName() + u": " + text));
                QVERIFY2(!letters.contains(letter), qPrintable(window->objectName() + u": " + text));
                letters << letter;
            }
            windows += texts.isEmpty() ? 0 : 1;
        }
        QCOMPARE(windows, 7); // main, its menu, the tray's menu, Setup, log, history, About
    }
};

BIDORRA_WIDGET_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
