// What a user pays for a cycle: the real program, its main window shown on the X server the
// caller gives, monitoring a list of N items on a site at HOST. It prints one line per cycle:
// the number of items and the wall time from Start to "Timer ON...".
//   bench_cycle HOST ITEMS CYCLES [--history-off]
// With --history-off the program keeps no price history, to measure what keeping it costs.
#include "app/Application.h"
#include "core/Monitor.h"
#include "tests/support/TempProgramFolder.h"
#include "ui/main/CommandActions.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

namespace {
// Runs the cycles one after another: each Start, once the cycle is done, a Stop.
class CycleRunner : public QObject
{
public:
    CycleRunner(Application& application, int cycles) : m_application(application), m_cycles(cycles)
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
        QTextStream(stdout) << m_application.items().rowCount() << ' ' << m_clock.nsecsElapsed() / 1e9
                            << " first item after " << m_first / 1e6 << " ms, slowest item " << m_slowest / 1e6 << " ms"
                            << Qt::endl;
        m_slowest = 0;
        m_first = -1;
        m_application.actions().stop()->trigger();
        if (--m_cycles > 0) {
            // Back to the event loop first, as a user's next click would be.
            QTimer::singleShot(0, this, &CycleRunner::start);
        } else {
            QCoreApplication::exit(0);
        }
    }

    Application& m_application;
    int m_cycles;
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
        QTextStream(stderr) << "usage: bench_cycle HOST ITEMS CYCLES [--history-off]\n";
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
    CycleRunner runner(application, arguments[3].toInt());
    QTimer::singleShot(500, &runner, &CycleRunner::start);
    return QApplication::exec();
}
