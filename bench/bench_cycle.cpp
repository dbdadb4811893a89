// What a user pays for a cycle: the real program, its main window shown on the X server the
// caller gives, monitoring a list of N items on a site at HOST. It prints one line per cycle:
// the number of items and the wall time from Start to "Timer ON...", then the process's peak
// resident memory and its own (anonymous) memory at the end ("peak memory KB, own KB").
//   bench_cycle HOST ITEMS CYCLES [--history-off] [--rest SECONDS]
// With --history-off the program keeps no price history, to measure what keeping it costs.
// With --rest it stays monitoring after the last cycle, waiting for the next, and prints the
// share of a core it used over SECONDS ("rest cpu PERCENT").
#include "app/Application.h"
#include "bench/ProcessStatus.h"
#include "core/Monitor.h"
#include "tests/support/TempProgramFolder.h"
#include "ui/main/CommandActions.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>
#include <sys/resource.h>

namespace {
double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the cycles one after another: each Start, once the cycle is done, a Stop.
class CycleRunner : public QObject
{
public:
    CycleRunner(Application& application, int cycles, int restSeconds)
        : m_application(application), m_cycles(cycles), m_restSeconds(restSeconds)
    {
        connect(&application.monitor(), &Monitor::statusChanged, this, [this](const QString& text) {
            if (text.startsWith(u"Retrieving")) {
                if (m_first < 0) {
                    m_first = m_clock.nsecsElapsed();
                }
                m_item.start();
            } else if (text == u"Stopped") {
                m_slowest = std::max(m_slowest, m_item.nsecsElapsed());
            } else if (text == u"Timer ON...") {
                cycleDone();
            }
        });
    }
    void start()
    {
        m_clock.start();
        m_application.actions().start()->trigger();
    }

private:
    void cycleDone()
    {
        QTextStream(stdout) << m_application.items().rowCount() << ' '
                            << static_cast<double>(m_clock.nsecsElapsed()) / 1e9 << " first item after "
                            << static_cast<double>(m_first) / 1e6 << " ms, slowest item "
                            << static_cast<double>(m_slowest) / 1e6 << " ms" << Qt::endl;
        m_slowest = 0;
        m_first = -1;
        if (--m_cycles == 0 && m_restSeconds > 0) {
            QTimer::singleShot(1000, this, &CycleRunner::rest); // once the last repaints are done
            return;
        }
        m_application.actions().stop()->trigger();
        if (m_cycles > 0) {
            // Back to the event loop first, as a user's next click would be.
            QTimer::singleShot(0, this, &CycleRunner::start);
        } else {
            finish();
        }
    }

    // Monitoring goes on: the countdown ticks towards the next cycle.
    void rest()
    {
        const double before = cpuSeconds();
        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(m_restSeconds * 1000, this, [this, before, clock] {
            const double share = (cpuSeconds() - before) / (static_cast<double>(clock.nsecsElapsed()) / 1e9);
            QTextStream(stdout) << "rest cpu " << share * 100 << " %" << Qt::endl;
            finish();
        });
    }

    void finish()
    {
        QTextStream(stdout) << "peak memory " << statusKb("VmHWM") << " KB, own " << statusKb("RssAnon") << " KB"
                            << Qt::endl;
        QCoreApplication::exit(0);
    }

    Application& m_application;
    int m_cycles;
    int m_restSeconds;
    QElapsedTimer m_clock;
    QElapsedTimer m_item;
    qint64 m_slowest = 0;
    qint64 m_first = -1;
};
} // namespace

int main(int argc, char* argv[])
{
    QApplication qt(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 4) {
        QTextStream(stderr) << "usage: bench_cycle HOST ITEMS CYCLES [--history-off] [--rest SECONDS]\n";
        return 2;
    }
    TempProgramFolder folder;
    QByteArray list;
    for (int item = 0; item < arguments[2].toInt(); ++item) {
        list += QByteArray::number(500000 + item) + "\r\n";
    }
    folder.write(QStringLiteral("list.ini"), list);
    // As a user keeps it: the log pops up; the sound is left off, as this machine has none.
    folder.write(QStringLiteral("Setup.ini"), "PlayWave=False\r\nOpenWindow=True\r\nMinutes=5\r\n");
    Application::Platform platform;
    platform.keepHistory = !arguments.contains(QStringLiteral("--history-off"));
    Application application({folder.path(), folder.path(), arguments[1], folder.file(QStringLiteral("prefs.conf"))},
                            platform);
    application.start();
    const qsizetype rest = arguments.indexOf(QStringLiteral("--rest"));
    CycleRunner runner(application, arguments[3].toInt(), rest > 0 ? arguments.value(rest + 1).toInt() : 0);
    QTimer::singleShot(500, &runner, &CycleRunner::start);
    return QApplication::exec();
}
