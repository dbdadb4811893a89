#pragma once

#include "platform/Clock.h"
#include "platform/Connectivity.h"
#include "platform/Messages.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

#include <QDateTime>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <functional>

// A clock that tests move by hand.
class FakeClock final : public Clock
{
public:
    QDateTime current = QDateTime(QDate(2026, 12, 5), QTime(10, 0, 0));
    QDateTime now() const override { return current; }
    void advance(int seconds) { current = current.addSecs(seconds); }
};

class FakeConnectivity final : public Connectivity
{
public:
    bool online = true;
    bool isOnline() override { return online; }
};

// Records every message box; the user closes each one on the next turn of the event loop,
// unless the test holds them to close them itself.
class RecordingMessages final : public Messages
{
public:
    QList<Message> shown;
    bool holdOpen = false;
    // Every message, sound and window in the order they happened, for tests that need the order.
    QStringList* events = nullptr;

    void show(const Message& message, const QObject* context, std::function<void()> closed) override
    {
        shown << message;
        if (events) {
            *events << QStringLiteral("message: ") + message.title;
        }
        m_open << Open{QPointer<const QObject>(context), context != nullptr, std::move(closed)};
        if (!holdOpen) {
            QTimer::singleShot(0, &m_lifetime, [this] { closeOne(); });
        }
    }
    bool closeOne()
    {
        if (m_open.isEmpty()) {
            return false;
        }
        const Open open = m_open.takeFirst();
        if (open.closed && (!open.hasContext || open.context)) {
            open.closed();
        }
        return true;
    }
    int openCount() const { return static_cast<int>(m_open.size()); }

private:
    struct Open
    {
        QPointer<const QObject> context;
        bool hasContext = false;
        std::function<void()> closed;
    };
    QList<Open> m_open;
    QObject m_lifetime; // no queued close outlives the recorder
};

class RecordingSound final : public Sound
{
public:
    QStringList played;
    int beeps = 0;
    QStringList* events = nullptr;
    void play(const QString& file) override
    {
        played << file;
        if (events) {
            *events << QStringLiteral("sound");
        }
    }
    void beep() override { ++beeps; }
};

class RecordingShell final : public Shell
{
public:
    QList<QUrl> opened;
    void openUrl(const QUrl& url) override { opened << url; }
};
