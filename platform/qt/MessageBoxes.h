#pragma once

#include "platform/Messages.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QQueue>

// Messages as QMessageBoxes: application modal, one at a time, the next shown when the user
// has closed the one before. No box runs an event loop of its own. A box the program raises by
// itself while another application has the keyboard comes up in front without taking it.
class MessageBoxes final : public QObject, public Messages
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~MessageBoxes() override;

    void show(const Message& message, const QObject* context = nullptr, std::function<void()> closed = {}) override;

    // The box on screen, if any.
    QMessageBox* current() const { return m_box; }

private:
    struct Pending
    {
        Message message;
        QPointer<const QObject> context;
        bool hasContext = false;
        std::function<void()> closed;
    };

    void showNext();
    void boxClosed();
    bool eventFilter(QObject* watched, QEvent* event) override;

    QQueue<Pending> m_pending;
    QPointer<QMessageBox> m_box;
    Pending m_shown;
};
