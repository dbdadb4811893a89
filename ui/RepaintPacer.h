#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

// Windows repaint at most once a frame (60 times a second). A cycle changes a row and the status
// panel for every item, thousands of times a second on a fast site; painting each change on its
// own, each with a round trip to the display server, cost a third of a cycle. The first change
// after a quiet frame is painted at once; later ones within the frame are painted together at
// its end. Installed on the application, it sees every window's update requests.
class RepaintPacer : public QObject
{
    Q_OBJECT
public:
    explicit RepaintPacer(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintHeld();

    QElapsedTimer m_lastPaint;
    QTimer m_frameEnd;
    QList<QPointer<QWidget>> m_held;
    bool m_releasing = false;
};
