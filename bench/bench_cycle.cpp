// Measures what a user pays for a cycle: wall time for 100 and 1,000 items against a local
// server beside one curl process fetching the same pages, the CPU spent while a request waits
// for a slow answer, and what an endless page costs in bytes and memory.
#include "core/Monitor.h"
#include "core/PageParser.h"
#include "core/ProgramFiles.h"
#include "core/ResultsGrid.h"
#include "core/Retriever.h"
#include "platform/QtHttpTransfer.h"
#include "tests/support/Fakes.h"
#include "tests/support/ScriptedHttpServer.h"
#include "tests/support/TempProgramFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetricsF>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QTemporaryFile>
#include <QTextStream>
#include <sys/resource.h>

namespace {
QByteArray itemPage(int item)
{
    QByteArray page = "<html><head><title>Item " + QByteArray::number(item) + "</title></head><body>\r\n";
    page += QByteArray(6000, 'x') + "\r\n";
    page += "<tr><td>Currently</font></td><td><font size=2><b>US $" + QByteArray::number(10 + item % 90) +
            ".00</b></td></tr><tr><td>Quantity</td><td><b>1</b></td><td># of bids</td><td><b>" +
            QByteArray::number(item % 17) + "</b></td><td>Time left</td><td><b>2 days 3 hours</b></td>" +
            "<td>Ends</td><td><b>Dec-12-26 18:30:00 PST</b></td><td>Seller (Rating)</td><td><b>seller" +
            QByteArray::number(item % 31) + " (42)</b></td><td>High bid</td><td><b>bidder" + QByteArray::number(item) +
            " (7)</b></td></tr>\r\n";
    page += QByteArray(2000, 'y') + "\r\n</body></html>\r\n";
    return page;
}

QString target(int item)
{
    return QStringLiteral("/aw-cgi/eBayISAPI.dll?ViewItem&item=") + QString::number(item);
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

// The monitoring core wired to a real network stack and fakes for the windows.
struct Rig
{
    TempProgramFolder folder;
    AppState app;
    CycleState cycle;
    ResultsGrid grid;
    ListItems items;
    RecordingView view;
    RecordingLog log;
    RecordingMessages messages;
    FakeConnectionProbe probe;
    FakeClock clock;
    RecordingSound sound;
    QNetworkAccessManager manager;
    QtHttpTransfer transfer{manager, std::chrono::seconds(60)};
    PageParser parser{cycle, grid, log, clock};
    Retriever retriever{Retriever::Ports{cycle, transfer, parser, messages, view, folder.path()}};
    Monitor monitor;

    explicit Rig(const QString& host)
        : monitor(Monitor::Ports{app, cycle, grid, items, retriever, probe, clock, sound, view, folder.path(), host})
    {
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
        out << "url = \"" << server.url(target(i)) << "\"\noutput = \"/dev/null\"\n";
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

double cycleSeconds(ScriptedHttpServer& server, int count)
{
    Rig rig(server.host());
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
    return seconds;
}
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTextStream out(stdout);

    ScriptedHttpServer server;
    for (int i = 0; i < 1000; ++i) {
        server.script(target(i).toLatin1(), ScriptedHttpServer::Response::page("HTTP/1.1 200 OK", itemPage(i)));
    }

    out << "| measure | Bidorra | one curl process |\n|---|---|---|\n";
    QList<double> cycles;
    for (const int count : {100, 1000}) {
        const double ours = cycleSeconds(server, count);
        const double curl = curlSeconds(server, count);
        cycles << ours;
        out << "| one cycle of " << count << " items | " << QString::number(ours, 'f', 3) << " s | "
            << QString::number(curl, 'f', 3) << " s |\n";
        out.flush();
    }

    {
        Rig rig(server.host());
        ScriptedHttpServer::Response slow = ScriptedHttpServer::Response::page("HTTP/1.1 200 OK", itemPage(1));
        slow.pauseBeforeHeadMs = 10000;
        server.script("/slow", slow);
        rig.cycle.ItemUrl = server.url(QStringLiteral("/slow"));
        rig.cycle.CurrentRow = 0;
        const double before = cpuSeconds();
        QElapsedTimer timer;
        timer.start();
        rig.retriever.RetrieveItemPage();
        out << "| CPU time while one request waits " << QString::number(timer.elapsed() / 1000.0, 'f', 1)
            << " s for its answer | " << QString::number((cpuSeconds() - before) * 1000.0, 'f', 1) << " ms | |\n";
    }

    {
        Rig rig(server.host());
        server.script("/endless", ScriptedHttpServer::Response::endless());
        rig.cycle.ItemUrl = server.url(QStringLiteral("/endless"));
        rig.cycle.CurrentRow = 0;
        const long peakBefore = peakKilobytes();
        const qint64 sentBefore = server.bytesWritten();
        rig.retriever.RetrieveItemPage();
        QEventLoop settle; // let the server notice the client went away
        QTimer::singleShot(200, &settle, &QEventLoop::quit);
        settle.exec();
        const qint64 pageBytes = QFile(ProgramFiles::path(rig.folder.path(), ProgramFiles::Page)).size();
        out << "| endless page: bytes kept in the page file | " << pageBytes << " | |\n";
        out << "| endless page: bytes the server got to send | " << (server.bytesWritten() - sentBefore) << " | |\n";
        out << "| peak resident memory before / after the endless page | " << peakBefore << " / " << peakKilobytes()
            << " KiB | |\n";
    }
    out << "\n1,000 items cost " << QString::number(cycles[1] / cycles[0], 'f', 1) << " times 100 items.\n";
    return 0;
}
