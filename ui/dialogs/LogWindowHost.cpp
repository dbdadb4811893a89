#include "ui/dialogs/LogWindowHost.h"

#include "ui/dialogs/LogWindow.h"

LogWindowHost::~LogWindowHost()
{
    destroy();
}

LogWindow& LogWindowHost::ensureWindow()
{
    if (!m_window) {
        m_window = new LogWindow;
        // The close box deletes the window later; from now on the next line needs a new one.
        connect(m_window, &LogWindow::closing, this, [this, closed = m_window.data()] {
            if (m_window == closed) {
                m_window = nullptr;
            }
        });
    }
    return *m_window;
}

void LogWindowHost::appendLogLine(const QString& line)
{
    ensureWindow().appendLine(line);
}

void LogWindowHost::ShowLogWindow()
{
    LogWindow& window = ensureWindow();
    window.show();
    window.raise();
    window.activateWindow();
}

void LogWindowHost::destroy()
{
    delete m_window.data();
    m_window = nullptr;
}

LogWindow* LogWindowHost::window() const
{
    return m_window;
}
