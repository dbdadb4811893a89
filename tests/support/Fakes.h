#pragma once

#include "core/MonitorPorts.h"
#include "platform/Clock.h"
#include "platform/ConnectionProbe.h"
#include "platform/Messages.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

#include <QDateTime>
#include <QStringList>
#include <optional>
#include <vector>

// A clock that tests move by hand.
class FakeClock final : public Clock
{
public:
    QDateTime current = QDateTime(QDate(2026, 12, 5), QTime(10, 0, 0));
    QDateTime now() const override { return current; }
    void advance(int seconds) { current = current.addSecs(seconds); }
};

class FakeConnectionProbe final : public ConnectionProbe
{
public:
    std::optional<quint32> flags = LanFlag;
    int calls = 0;
    std::optional<quint32> connectionFlags() override
    {
        ++calls;
        return flags;
    }
};

// Records every message box instead of blocking on it.
class RecordingMessages final : public Messages
{
public:
    struct Shown
    {
        QString text;
        QString title;
        Icon icon;
    };
    std::vector<Shown> shown;
    void show(const QString& text, const QString& title, Icon icon) override { shown.push_back({text, title, icon}); }
};

class RecordingSound final : public Sound
{
public:
    QStringList played;
    int beeps = 0;
    // Each event in order: "wave" or "beep"; tests read it beside other events.
    QStringList* events = nullptr;
    int playWave(const QString& path) override
    {
        played << path;
        if (events) {
            *events << QStringLiteral("wave");
        }
        return 1;
    }
    void beep() override
    {
        ++beeps;
        if (events) {
            *events << QStringLiteral("beep");
        }
    }
};

class RecordingShell final : public Shell
{
public:
    QStringList opened;
    QStringList started;
    bool startSucceeds = true;
    void open(const QString& target) override { opened << target; }
    bool startProgram(const QString& path) override
    {
        started << path;
        return startSucceeds;
    }
};

// The main window as the cycle sees it, recording what it was told.
class RecordingView final : public MonitorView
{
public:
    QStringList statusTexts;
    QString countdownText;
    std::optional<bool> monitoringCommands;
    int logWindowShown = 0;
    QStringList* events = nullptr;
    void setStatusText(const QString& text) override { statusTexts << text; }
    void setCountdownText(const QString& text) override { countdownText = text; }
    void setMonitoringCommands(bool monitoring) override { monitoringCommands = monitoring; }
    void showLogWindow() override
    {
        ++logWindowShown;
        if (events) {
            *events << QStringLiteral("window");
        }
    }
};

class ListItems final : public ItemListSource
{
public:
    QStringList items;
    int ListCount() override { return static_cast<int>(items.size()); }
    QString List(int index) override { return items.at(index); }
};

class RecordingLog final : public LogSink
{
public:
    QStringList lines;
    void appendLogLine(const QString& line) override { lines << line; }
};

// The alert indicators of the main window, remembering what each was last set to.
class RecordingIndicators final : public AlertIndicators
{
public:
    std::optional<bool> sound;
    std::optional<bool> window;
    void setSoundIndicator(bool on) override { sound = on; }
    void setWindowIndicator(bool on) override { window = on; }
};
