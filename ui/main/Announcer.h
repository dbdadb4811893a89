#pragma once

#include <QQueue>
#include <QWidget>

struct Message;

// One thing said to screen readers: an empty, never shown widget whose accessible role is
// notification and whose name is the text. Its text never changes, so a reader that asks for it
// late still hears what was meant.
class Announcement : public QWidget
{
    Q_OBJECT
public:
    Announcement(const QString& text, QWidget* parent);

    QString text() const { return m_text; }

private:
    QString m_text;
};

// What a screen reader should say of its own accord while the user works elsewhere: a price
// that changed, an item whose check failed. Qt 6.4 has no announcement event to send; on Linux
// readers present an object of the notification role when it shows itself, wherever the focus
// is. Each text gets such an object of its own, so that a burst of them is not reduced to the
// last one; the latest few are kept for readers that ask late.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Kept = 32;

    explicit Announcer(QWidget* parent = nullptr);

    void announce(const QString& text);

    // The first price after start-up or a reset is no change and is not announced.
    void priceChanged(const QString& itemNumber, const QString& oldPrice, const QString& newPrice);
    void problemMet(const QString& itemNumber, const Message& message, const QString& cause);

private:
    QQueue<Announcement*> m_kept;
};
