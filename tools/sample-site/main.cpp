// The sample auction site: invented items whose bids rise while you watch them.
//   bidorra-sample-site [--port N] [--seed N] [--any-item]
// Prints "listening on 127.0.0.1:PORT" once it accepts connections.

#include "Auctions.h"
#include "SampleSite.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QRandomGenerator>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("bidorra-sample-site"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A small auction site of invented items, on 127.0.0.1."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Port to listen on; 0 picks a free one (default 8080)."),
                                        QStringLiteral("N"), QStringLiteral("8080"));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Seed of the random bidding (default: a new one each run)."),
                                        QStringLiteral("N"));
    const QCommandLineOption anyItemOption(
        QStringLiteral("any-item"),
        QStringLiteral("Benchmark mode: every item number without a page of its own gets an ordinary item, made "
                       "up from the number and the seed, and every request for an item places one more bid on it."));
    parser.addOptions({portOption, seedOption, anyItemOption});
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    bool portValid = false;
    const uint port = parser.value(portOption).toUInt(&portValid);
    if (!portValid || port > 65535) {
        err << "bidorra-sample-site: --port wants a number from 0 to 65535\n";
        return 2;
    }
    bool seedValid = true;
    const quint32 seed =
        parser.isSet(seedOption) ? parser.value(seedOption).toUInt(&seedValid) : QRandomGenerator::global()->generate();
    if (!seedValid) {
        err << "bidorra-sample-site: --seed wants a whole number from 0 to 4294967295\n";
        return 2;
    }

    Auctions auctions(seed, QDateTime::currentDateTimeUtc(), parser.isSet(anyItemOption));
    SampleSite site(auctions);
    if (!site.listen(static_cast<quint16>(port))) {
        err << "bidorra-sample-site: cannot listen on 127.0.0.1:" << port << ": " << site.errorString() << Qt::endl;
        return 1;
    }
    err << "seed " << seed << Qt::endl;
    out << "listening on 127.0.0.1:" << site.port() << Qt::endl;
    return app.exec();
}
