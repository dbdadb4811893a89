// What a Qt program with the libraries Bidorra maps at start-up costs before it does anything
// of its own: a main window shown with a table of ITEMS rows of eight cells, an icon in the
// tray, a SQLite database written once, Qt's network information and one page fetched from
// HOST. After a second it prints its peak resident memory ("peak memory KB"), the floor under
// the figure bench_cycle prints for the same number of items.
//   bench_floor HOST ITEMS
#include "bench/ProcessStatus.h"
#include "ui/Icons.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QNetworkInformation>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QSystemTrayIcon>
#include <QTableView>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication qt(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "usage: bench_floor HOST ITEMS\n";
        return 2;
    }
    constexpr int Columns = 8;
    QStandardItemModel cells(arguments[2].toInt(), Columns);
    for (int row = 0; row < cells.rowCount(); ++row) {
        for (int column = 0; column < Columns; ++column) {
            cells.setItem(row, column, new QStandardItem(QStringLiteral("US $%1.%2").arg(row).arg(column)));
        }
    }
    QMainWindow window;
    auto* table = new QTableView;
    table->setModel(&cells);
    window.setCentralWidget(table);
    window.resize(900, 400);
    window.show();
    QSystemTrayIcon tray(Icons::program());
    tray.show();

    const QTemporaryDir folder;
    QSqlDatabase history = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    history.setDatabaseName(QDir(folder.path()).filePath(QStringLiteral("floor.sqlite")));
    history.open();
    QSqlQuery(QStringLiteral("CREATE TABLE seen (item TEXT, price TEXT)"), history).exec();
    QSqlQuery(QStringLiteral("INSERT INTO seen VALUES ('1', 'US $1.00')"), history).exec();
    QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);

    QTcpSocket page;
    const QString host = arguments[1].section(u':', 0, 0);
    page.connectToHost(host, arguments[1].section(u':', 1).toUShort());
    page.write("GET /aw-cgi/eBayISAPI.dll?ViewItem&item=500000 HTTP/1.1\r\nHost: " + host.toLatin1() +
               "\r\nConnection: close\r\n\r\n");
    QObject::connect(&page, &QTcpSocket::readyRead, &page, [&page] { page.readAll(); });
    QTimer::singleShot(1000, &qt, [] {
        QTextStream(stdout) << "peak memory " << statusKb("VmHWM") << " KB" << Qt::endl;
        QCoreApplication::quit();
    });
    return QApplication::exec();
}
