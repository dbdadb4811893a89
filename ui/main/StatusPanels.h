#pragma once

#include <QStatusBar>
#include <QTimer>

class TextPanel;

// The main window's status bar: the date, the status text and the countdown with its picture.
// Each panel is read by screen readers as its name and its current text.
class StatusPanels : public QStatusBar
{
    Q_OBJECT
public:
    explicit StatusPanels(QWidget* parent = nullptr);

    QString statusText() const;
    QString countdownText() const;
    void setStatusText(const QString& text);
    void setCountdownText(const QString& text);

private:
    void showDate();

    TextPanel* m_date;
    TextPanel* m_status;
    TextPanel* m_countdown;
    QTimer m_midnight;
};
