#include "ui/main/StatusPanels.h"

#include "ui/Icons.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <algorithm>

namespace {
QLabel* panel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return label;
}

// A screen reader reads a panel's name; it carries what the panel is and what it says now.
void setPanelText(QLabel* panel, const QString& what, const QString& text)
{
    panel->setText(text);
    panel->setAccessibleName(text.isEmpty() ? what : what + QStringLiteral(": ") + text);
}
} // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("statusPanels"));
    setSizeGripEnabled(true);
    m_date = panel(QStringLiteral("datePanel"), this);
    m_status = panel(QStringLiteral("statusPanel"), this);

    auto* countdownPanel = new QFrame(this);
    countdownPanel->setObjectName(QStringLiteral("countdownPanel"));
    countdownPanel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* picture = new QLabel(countdownPanel);
    const int side = fontMetrics().height();
    picture->setPixmap(Icons::countdown().pixmap(side, side));
    m_countdown = new QLabel(countdownPanel);
    m_countdown->setObjectName(QStringLiteral("countdownText"));
    auto* row = new QHBoxLayout(countdownPanel);
    row->setContentsMargins(2, 0, 2, 0);
    row->addWidget(picture);
    row->addWidget(m_countdown, 1);

    const int panelWidth = fontMetrics().horizontalAdvance(QStringLiteral("00:00:0000")) + 2 * side;
    m_date->setMinimumWidth(panelWidth);
    m_status->setMinimumWidth(panelWidth);
    countdownPanel->setMinimumWidth(panelWidth);
    addWidget(m_date);
    addWidget(m_status, 1);
    addPermanentWidget(countdownPanel);

    setPanelText(m_status, tr("Status"), QString());
    setPanelText(m_countdown, tr("Countdown"), QString());
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
    setPanelText(m_status, tr("Status"), text);
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
