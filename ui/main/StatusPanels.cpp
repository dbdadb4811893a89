#include "ui/main/StatusPanels.h"

#include "ui/Icons.h"
#include "ui/main/TextPanel.h"

#include <QDateTime>
#include <QLocale>
#include <algorithm>

namespace {
// A screen reader reads a panel's name; it carries what the panel is and what it says now.
void setPanelText(TextPanel* panel, const QString& what, const QString& text)
{
    panel->setText(text, text.isEmpty() ? what : what + QStringLiteral(": ") + text);
}
} // namespace

StatusPanels::StatusPanels(QWidget* parent)
    : QStatusBar(parent), m_date(new TextPanel(QStringLiteral("datePanel"), {}, this)),
      m_status(new TextPanel(QStringLiteral("statusPanel"), {}, this)),
      m_countdown(new TextPanel(QStringLiteral("countdownPanel"), Icons::countdown(), this))
{
    setObjectName(QStringLiteral("statusPanels"));
    setSizeGripEnabled(true);
    const int side = fontMetrics().height();
    const int panelWidth = fontMetrics().horizontalAdvance(QStringLiteral("00:00:0000")) + 2 * side;
    for (TextPanel* panel : {m_date, m_status, m_countdown}) {
        panel->setMinimumWidth(panelWidth);
    }
    addWidget(m_date);
    addWidget(m_status, 1);
    addPermanentWidget(m_countdown);

    setPanelText(m_status, tr("Status"), QString());
    setPanelText(m_countdown, tr("Countdown"), QString());
    m_statusPace.setSingleShot(true);
    m_statusPace.setInterval(StatusPaceMs);
    connect(&m_statusPace, &QTimer::timeout, this, &StatusPanels::showHeldStatus);
    m_midnight.setSingleShot(true);
    connect(&m_midnight, &QTimer::timeout, this, &StatusPanels::showDate);
    showDate();
}

QString StatusPanels::statusText() const
{
    return m_status->text();
}

QString StatusPanels::countdownText() const
{
    return m_countdown->text();
}

void StatusPanels::setStatusText(const QString& text)
{
    m_heldStatus = text;
    if (!m_statusPace.isActive()) {
        showHeldStatus();
    }
}

void StatusPanels::showHeldStatus()
{
    if (m_heldStatus == m_status->text()) {
        return;
    }
    setPanelText(m_status, tr("Status"), m_heldStatus);
    m_statusPace.start();
}

void StatusPanels::setCountdownText(const QString& text)
{
    setPanelText(m_countdown, tr("Countdown"), text);
}

// The date panel keeps itself current: it looks again just after midnight, and at least hourly
// should the clock be set meanwhile.
void StatusPanels::showDate()
{
    const QDateTime now = QDateTime::currentDateTime();
    setPanelText(m_date, tr("Date"), QLocale().toString(now.date(), QLocale::ShortFormat));
    const QDateTime nextDay(now.date().addDays(1), QTime(0, 0));
    m_midnight.start(static_cast<int>(std::min<qint64>(now.msecsTo(nextDay) + 500, 3'600'000)));
}
