// Takes screenshots of the real windows: the main window after two cycles ten seconds apart
// against a site, the Setup dialog and the about box, in the desktop's colours, a dark palette or
// a high-contrast one. On the sample site a few prices have moved by the second cycle, and item
// 3141592690, which the site does not have, shows its problem. "history" instead runs twenty
// cycles three seconds apart, then takes the main window sorted by price, highest first, with
// the item whose price changed most often chosen, and that item's price history.
//   bidorra-screenshots HOST OUTPUT_FOLDER [default|dark|contrast|history]
// QT_SCALE_FACTOR=2 gives the same at twice the size; LANGUAGE=de gives them in German.

#include "app/Application.h"
#include "app/HistoryFeature.h"
#include "app/Translations.h"
#include "core/Monitor.h"
#include "storage/HistoryStore.h"
#include "ui/dialogs/HistoryWindow.h"
#include "ui/main/CommandActions.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ResultsView.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QSet>
#include <QSettings>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {
QPalette dark()
{
    QPalette palette;
    const QColor window(45, 45, 48), base(30, 30, 30), text(220, 220, 220), highlight(38, 79, 120);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(110, 170, 255));
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    return palette;
}

QPalette highContrast()
{
    QPalette palette;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase}) {
        palette.setColor(role, Qt::black);
    }
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, Qt::white);
    }
    palette.setColor(QPalette::Highlight, Qt::yellow);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::Link, Qt::cyan);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(160, 160, 160));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(160, 160, 160));
    return palette;
}

void save(QWidget* widget, const QString& path)
{
    widget->grab().save(path);
    QTextStream(stdout) << path << Qt::endl;
}

// The grid sorted by price with the item whose price changed most often chosen, then its history.
void saveSortedAndHistory(Application& application, const QString& folder)
{
    ResultsView* grid = application.mainWindow().resultsView();
    grid->horizontalHeader()->setSortIndicator(ResultsModel::Price, Qt::DescendingOrder);
    qsizetype most = 0;
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        const QString item = grid->model()->index(row, ResultsModel::ItemNumber).data().toString();
        QSet<QString> prices;
        for (const Observation& seen : application.history().store().rowsBefore(item, 0, 1000).rows) {
            prices.insert(seen.value(PageField::Price).value_or(QString()));
        }
        if (!item.isEmpty() && prices.size() > most) {
            most = prices.size();
            grid->setCurrentIndex(grid->model()->index(row, 0));
        }
    }
    application.actions().stop()->trigger();
    QTimer::singleShot(300, &application, [&application, folder] {
        save(&application.mainWindow(), QDir(folder).filePath(QStringLiteral("sorted.png")));
        application.actions().history()->trigger();
        QTimer::singleShot(1500, &application, [&application, folder] {
            save(application.history().window(), QDir(folder).filePath(QStringLiteral("history.png")));
            QCoreApplication::exit(0);
        });
    });
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication qt(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 3) {
        QTextStream(stderr) << "usage: bidorra-screenshots HOST OUTPUT_FOLDER [default|dark|contrast|history]\n";
        return 2;
    }
    installTranslations(QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("translations")));
    const QString theme = arguments.value(3, QStringLiteral("default"));
    const bool history = theme == u"history";
    if (theme != u"default" && !history) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(theme == u"dark" ? dark() : highContrast());
    }
    const QString prefix = QDir(arguments[2]).filePath(theme + u'-');

    QTemporaryDir folder;
    QFile list(folder.filePath(QStringLiteral("list.ini")));
    list.open(QIODevice::WriteOnly);
    list.write("3141592601\r\n3141592602\r\n3141592603\r\n3141592604\r\n3141592605\r\n3141592606\r\n3141592607\r\n"
               "3141592608\r\n3141592609\r\n3141592610\r\n3141592690\r\n3141592611\r\n3141592612\r\n");
    list.close();
    QFile settings(folder.filePath(QStringLiteral("Setup.ini")));
    settings.open(QIODevice::WriteOnly);
    settings.write("PlayWave=True\r\nOpenWindow=False\r\nHours=0\r\nMinutes=5\r\nSeconds=0\r\n");
    settings.close();

    // The missing item is reported in its row, without a box to wait for.
    QSettings(folder.filePath(QStringLiteral("prefs.conf")), QSettings::IniFormat)
        .setValue(QStringLiteral("Monitoring/ReportWithoutInterrupting"), true);

    Application application({folder.path(), QApplication::applicationDirPath(), arguments[1],
                             folder.filePath(QStringLiteral("prefs.conf"))});
    application.start();
    int cycles = 0;
    QObject::connect(&application.monitor(), &Monitor::statusChanged, &application, [&](const QString& text) {
        if (text != Monitor::tr("Timer ON...")) {
            return;
        }
        if (++cycles < (history ? 20 : 2)) {
            QTimer::singleShot(history ? 3000 : 10000, &application, [&] {
                application.actions().stop()->trigger();
                application.actions().start()->trigger();
            });
            return;
        }
        if (history) {
            QTimer::singleShot(300, &application, [&] { saveSortedAndHistory(application, arguments[2]); });
            return;
        }
        QTimer::singleShot(300, &application, [&] {
            save(&application.mainWindow(), prefix + QStringLiteral("main.png"));
            application.actions().stop()->trigger();
            application.actions().setup()->trigger();
            QTimer::singleShot(300, &application, [&] {
                save(application.setupDialog(), prefix + QStringLiteral("setup.png"));
                application.setupDialog()->close();
                application.actions().about()->trigger();
                QTimer::singleShot(300, &application, [&] {
                    save(application.aboutBox(), prefix + QStringLiteral("about.png"));
                    QCoreApplication::exit(0);
                });
            });
        });
    });
    QTimer::singleShot(300, &application, [&] { application.actions().start()->trigger(); });
    return QApplication::exec();
}
