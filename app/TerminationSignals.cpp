#include "app/TerminationSignals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr std::array<int, 4> Handled = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

// [0] is written by the handler, [1] read by the notifier; -1 while no instance exists.
int s_pair[2] = {-1, -1};

// Async-signal-safe: one write, errno kept for whatever the signal interrupted. The socket does
// not block, so a burst of signals that fills it loses bytes rather than hanging the handler.
void onSignal(int number)
{
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(s_pair[0], &byte, 1);
    errno = saved;
}
} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    Q_ASSERT(s_pair[0] < 0);
    // Without the pair the signals keep their usual meaning, which still ends the program.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, s_pair) != 0) {
        s_pair[0] = s_pair[1] = -1;
        return;
    }
    m_notifier = new QSocketNotifier(s_pair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPending);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Handled.size(); ++i) {
        ::sigaction(Handled[i], &action, &m_previous[i]);
    }
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier) {
        return;
    }
    for (std::size_t i = 0; i < Handled.size(); ++i) {
        ::sigaction(Handled[i], &m_previous[i], nullptr);
    }
    delete m_notifier;
    ::close(s_pair[0]);
    ::close(s_pair[1]);
    s_pair[0] = s_pair[1] = -1;
}

void TerminationSignals::readPending()
{
    unsigned char numbers[16];
    ssize_t got = 0;
    while ((got = ::read(s_pair[1], numbers, sizeof numbers)) > 0) {
        for (ssize_t i = 0; i < got; ++i) {
            Q_EMIT received(numbers[i]);
        }
    }
}
