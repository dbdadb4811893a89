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
// unless the test holds them open to close them itself. As with the real boxes, closing one
// whose context is gone continues nothing.
class RecordingMessages final : public Messages
{
public:
    QList<Message> shown;
    bool holdOpen = false;

    void show(const Message& message, const QObject* context, std::function<void()> closed) override
    {
        shown << message;
        m_open << [context, guard = QPointer<const QObject>(context), closed = std::move(closed)] {
            if (closed && (!context || guard)) {
                closed();
            }
        };
        if (!holdOpen) {
            QTimer::singleShot(0, &m_lifetime, [this] { closeOne(); });
        }
    }
    void closeOne()
    {
        if (!m_open.isEmpty()) {
            m_open.takeFirst()();
        }
    }
    int openCount() const { return static_cast<int>(m_open.size()); }

private:
    QList<std::function<void()>> m_open;
    QObject m_lifetime; // no queued close outlives the recorder
};

class RecordingSound final : public Sound
{
public:
    QStringList played;
    int beeps = 0;
    void play(const QString& file) override { played << file; }
    void beep() override { ++beeps; }
};

class RecordingShell final : public Shell
{
public:
    QList<QUrl> opened;
    void openUrl(const QUrl& url) override { opened << url; }
};
