// Measures what a user pays for a cycle: wall time for 100 and 1,000 items against a local
// server beside one curl process fetching the same pages, the CPU spent while a request waits
// for a slow answer, and what an endless page costs in bytes and memory.
#include "tests/support/ItemPages.h"
#include "tests/support/NetworkRig.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetricsF>
#include <QProcess>
#include <QTemporaryFile>
#include <QTextStream>
#include <QTimer>
#include <sys/resource.h>

namespace {
constexpr int PageCount = 1000;

// About 8 KB with the price line after 6,000 bytes of markup.
QByteArray itemPage(int item)
{
    ItemPages::Item values;
    values.price = QStringLiteral("US $%1.00").arg(10 + item % 90);
    values.bids = QString::number(item % 17);
    values.seller = QStringLiteral("seller%1 (42)").arg(item % 31);
    values.highBid = QStringLiteral("bidder%1 (7)").arg(item);
    return ItemPages::page(values, 6000) + ItemPages::filler(2000);
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The monitor against a local server holding the pages of items 0 to 999, its grid measuring
// texts in the application's bold font.
struct Rig : NetworkRig
{
    Rig() : NetworkRig(std::chrono::seconds(60))
    {
        for (int i = 0; i < PageCount; ++i) {
            server.script(ItemPages::target(QString::number(i)),
                          ScriptedHttpServer::Response::page("HTTP/1.1 200 OK", itemPage(i)));
        }
        QFont font = QApplication::font();
        font.setBold(true);
        const QFontMetricsF metrics(font);
        grid.setTextMeasure([metrics](const QString& text) { return metrics.horizontalAdvance(text) * 15.0; });
        grid.ResetGrid();
    }
};

double curlSeconds(const ScriptedHttpServer& server, int count)
{
    QTemporaryFile config;
    config.open();
    QTextStream out(&config);
    for (int i = 0; i < count; ++i) {
        out << "url = \"" << server.url(QString::fromLatin1(ItemPages::target(QString::number(i))))
            << "\"\noutput = \"/dev/null\"\n";
    }
    out.flush();
    QProcess curl;
    QElapsedTimer timer;
    timer.start();
    curl.start(QStringLiteral("curl"), {QStringLiteral("-s"), QStringLiteral("--config"), config.fileName()});
    curl.waitForStarted();
    QEventLoop loop;
    QObject::connect(&curl, &QProcess::finished, &loop, &QEventLoop::quit);
    loop.exec();
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// One cycle of count items, then the same pages fetched by curl from the same server.
QPair<double, double> cycleSeconds(int count)
{
    Rig rig;
    for (int i = 0; i < count; ++i) {
        rig.items.items << QString::number(i);
    }
    QElapsedTimer timer;
    timer.start();
    rig.monitor.StartMonitoring();
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    if (rig.log.lines.size() != count || !rig.messages.shown.empty()) {
        qFatal("cycle of %d items logged %lld lines and showed %zu messages", count,
               static_cast<long long>(rig.log.lines.size()), rig.messages.shown.size());
    }
    rig.monitor.StopMonitoring(); // no countdown tick may start another cycle while curl runs
    return {seconds, curlSeconds(rig.server, count)};
}
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTextStream out(stdout);

    out << "| measure | Bidorra | one curl process |\n|---|---|---|\n";
    QList<double> cycles;
    for (const int count : {100, PageCount}) {
        const auto [ours, curl] = cycleSeconds(count);
        cycles << ours;
        out << "| one cycle of " << count << " items | " << QString::number(ours, 'f', 3) << " s | "
            << QString::number(curl, 'f', 3) << " s |\n";
        out.flush();
    }

    {
        Rig rig;
        ScriptedHttpServer::Response slow = ScriptedHttpServer::Response::page("HTTP/1.1 200 OK", itemPage(1));
        slow.pauseBeforeHeadMs = 10000;
        rig.server.script("/slow", slow);
        const double before = cpuSeconds();
        QElapsedTimer timer;
        timer.start();
        rig.retrieve(rig.server.url(QStringLiteral("/slow")));
        out << "| CPU time while one request waits " << QString::number(timer.elapsed() / 1000.0, 'f', 1)
            << " s for its answer | " << QString::number((cpuSeconds() - before) * 1000.0, 'f', 1) << " ms | |\n";
    }

    {
        Rig rig;
        rig.server.script("/endless", ScriptedHttpServer::Response::endless());
        const long peakBefore = peakKilobytes();
        rig.retrieve(rig.server.url(QStringLiteral("/endless")));
        QEventLoop settle; // let the server notice the client went away
        QTimer::singleShot(200, &settle, &QEventLoop::quit);
        settle.exec();
        out << "| endless page: bytes kept in the page file | " << rig.pageFile().size() << " | |\n";
        out << "| endless page: bytes the server got to send | " << rig.server.bytesWritten() << " | |\n";
        out << "| peak resident memory before / after the endless page | " << peakBefore << " / " << peakKilobytes()
            << " KiB | |\n";
    }
    out << "\n1,000 items cost " << QString::number(cycles[1] / cycles[0], 'f', 1) << " times 100 items.\n";
    return 0;
}
