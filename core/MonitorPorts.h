#pragma once

#include <QString>

// What the monitoring core needs from the world around it. The application wires the real
// windows in; tests wire in small fakes.

// The main window as the cycle sees it.
class MonitorView
{
public:
    virtual ~MonitorView() = default;
    virtual void setStatusText(const QString& text) = 0;
    virtual void setCountdownText(const QString& text) = 0;
    // Enables the commands of the monitoring pattern (true) or of the stopped one (false).
    virtual void setMonitoringCommands(bool monitoring) = 0;
    // Shows the log window without blocking, or brings it to the front.
    virtual void showLogWindow() = 0;
};

// The working item list, read by index. Reading it may have to create the setup dialog
// that holds it, so the count can change between two readings.
class ItemListSource
{
public:
    virtual ~ItemListSource() = default;
    virtual int ListCount() = 0;
    virtual QString List(int index) = 0;
};

// Fetches and parses the page at CycleState::ItemUrl.
class Retrieval
{
public:
    virtual ~Retrieval() = default;
    virtual void RetrieveItemPage() = 0;
    // Ends the transfer in progress, if any.
    virtual void cancelTransfer() = 0;
};

// The page parser hands its log lines here.
class LogSink
{
public:
    virtual ~LogSink() = default;
    virtual void appendLogLine(const QString& line) = 0;
};

// The two indicators of each alert flag: the menu check mark and the toolbar button's pressed
// look. Every writer of a flag sets both in the same step.
class AlertIndicators
{
public:
    virtual ~AlertIndicators() = default;
    virtual void setSoundIndicator(bool on) = 0;
    virtual void setWindowIndicator(bool on) = 0;
};
