#include "ui/main/Announcer.h"

#include "platform/Messages.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {
class AnnouncementAccessible final : public QAccessibleWidget
{
public:
    explicit AnnouncementAccessible(Announcement* announcement)
        : QAccessibleWidget(announcement, QAccessible::Notification)
    {}

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? static_cast<const Announcement*>(widget())->text()
                                         : QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* announcementAccessible(const QString& className, QObject* object)
{
    return className == QLatin1String("Announcement") ? new AnnouncementAccessible(static_cast<Announcement*>(object))
                                                      : nullptr;
}
} // namespace

Announcement::Announcement(const QString& text, QWidget* parent) : QWidget(parent), m_text(text)
{
    setFixedSize(0, 0);
}

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(announcementAccessible), true);
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcer"));
    setFixedSize(0, 0);
    m_pace.setSingleShot(true);
    m_pace.setInterval(PaceMs);
    connect(&m_pace, &QTimer::timeout, this, &Announcer::sayHeld);
}

void Announcer::announce(const QString& text)
{
    if (m_held.size() < SaidInFull) {
        m_held << text;
    } else {
        ++m_heldBeyond;
    }
    if (!m_pace.isActive()) {
        sayHeld();
    }
}

void Announcer::sayHeld()
{
    if (m_held.isEmpty()) {
        return;
    }
    // The last of those said in full makes way for the count.
    const QString text = m_heldBeyond == 0 ? m_held.join(QStringLiteral("; "))
                                           : tr("%1; and %n more", nullptr, m_heldBeyond + 1)
                                                 .arg(m_held.first(SaidInFull - 1).join(QStringLiteral("; ")));
    m_held.clear();
    m_heldBeyond = 0;
    m_pace.start();
    auto* announcement = new Announcement(text, this);
    m_kept.enqueue(announcement);
    if (m_kept.size() > Kept) {
        delete m_kept.dequeue();
    }
    // It is never shown on screen; the events say it is there and showing, whether or not the
    // main window is.
    QAccessibleEvent created(announcement, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&created);
    QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void Announcer::priceChanged(const QString& itemNumber, const QString& oldPrice, const QString& newPrice)
{
    if (!oldPrice.isEmpty()) {
        announce(tr("Item #%1: price changed from %2 to %3").arg(itemNumber, oldPrice, newPrice));
    }
}

void Announcer::problemMet(const QString& itemNumber, const Message& message, const QString& cause)
{
    announce(cause.isEmpty() ? tr("Item #%1: %2").arg(itemNumber, message.title)
                             : tr("Item #%1: %2, %3").arg(itemNumber, message.title, cause));
}
