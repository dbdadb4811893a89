#pragma once

#include "core/MonitorPorts.h"

#include <QObject>
#include <QPointer>

class LogWindow;

// Owns the one log window. Lines go into it whether or not it is on screen; it is created,
// hidden, by the first line and shown only by ShowLogWindow().
class LogWindowHost : public QObject, public LogSink
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~LogWindowHost() override;

    // LogSink: never shows or activates the window.
    void appendLogLine(const QString& line) override;
    // Shows the window without blocking and brings it to the front, creating it if needed.
    void ShowLogWindow();
    // Destroys the window and its lines; the exit sequence calls it.
    void destroy();

    // The window, or nullptr while there is none.
    LogWindow* window() const;

private:
    LogWindow& ensureWindow();

    QPointer<LogWindow> m_window;
};
