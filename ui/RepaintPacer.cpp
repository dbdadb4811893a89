#include "ui/RepaintPacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <utility>

namespace {
constexpr qint64 FrameMs = 16;
}

RepaintPacer::RepaintPacer(QObject* parent) : QObject(parent)
{
    m_frameEnd.setSingleShot(true);
    connect(&m_frameEnd, &QTimer::timeout, this, &RepaintPacer::paintHeld);
}

bool RepaintPacer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::UpdateRequest || m_releasing || !watched->isWidgetType()) {
        return false;
    }
    if (!m_frameEnd.isActive() && (!m_lastPaint.isValid() || m_lastPaint.elapsed() >= FrameMs)) {
        m_lastPaint.start();
        return false;
    }
    // The widget's repaint manager asks no more until this request is answered, so the changes
    // of the rest of the frame gather in its dirty region.
    auto* widget = static_cast<QWidget*>(watched);
    if (!m_held.contains(widget)) {
        m_held << widget;
    }
    if (!m_frameEnd.isActive()) {
        m_frameEnd.start(static_cast<int>(std::max<qint64>(FrameMs - m_lastPaint.elapsed(), 1)));
    }
    return true;
}

void RepaintPacer::paintHeld()
{
    m_lastPaint.start();
    m_releasing = true;
    for (const QPointer<QWidget>& widget : std::exchange(m_held, {})) {
        if (widget) {
            QEvent request(QEvent::UpdateRequest);
            QCoreApplication::sendEvent(widget, &request);
        }
    }
    m_releasing = false;
}
