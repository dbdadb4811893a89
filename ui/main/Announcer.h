#pragma once

#include <QQueue>
#include <QStringList>
#include <QTimer>
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
// is. Each announcement gets such an object of its own, so that a burst of them is not reduced
// to the last one; the latest few are kept for readers that ask late. A fast site brings hundreds
// of changes a second, more than anyone can listen to: the first text after a quiet while is
// said at once, the texts that follow within the while are gathered and said together when it
// is over, the first few of them in full and the rest as a count.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Kept = 32;
    static constexpr int PaceMs = 500;
    static constexpr int SaidInFull = 3;

    explicit Announcer(QWidget* parent = nullptr);

    void announce(const QString& text);

    // The first price after start-up or a reset is no change and is not announced.
    void priceChanged(const QString& itemNumber, const QString& oldPrice, const QString& newPrice);
    void problemMet(const QString& itemNumber, const Message& message, const QString& cause);

private:
    void sayHeld();

    QQueue<Announcement*> m_kept;
    QStringList m_held;   // the first texts of the while, said in full
    int m_heldBeyond = 0; // and how many came after them
    QTimer m_pace;
};
