#pragma once

#include <QStatusBar>
#include <QTimer>

class TextPanel;

// The main window's status bar: the date, the status text and the countdown with its picture.
// Each panel is read by screen readers as its name and its current text. A cycle on a fast site
// changes the status for every item, thousands of times a second: no eye can follow that, and
// each change costs a repaint and a message to screen readers. The first change after a quiet
// while shows at once; later ones are held, and the latest shows when the while is over.
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
    // How long a status shown stays before the next one shows.
    static constexpr int StatusPaceMs = 250;

    void showDate();
    void showHeldStatus();

    TextPanel* m_date;
    TextPanel* m_status;
    TextPanel* m_countdown;
    QTimer m_midnight;
    QString m_heldStatus;
    QTimer m_statusPace;
};
