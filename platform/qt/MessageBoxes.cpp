#include "platform/qt/MessageBoxes.h"

#include <QMessageBox>
#include <QWindow>

namespace {
QMessageBox::Icon boxIcon(Message::Icon icon)
{
    switch (icon) {
    case Message::Icon::Information:
        return QMessageBox::Information;
    case Message::Icon::Warning:
        return QMessageBox::Warning;
    case Message::Icon::Critical:
        return QMessageBox::Critical;
    case Message::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The program writes line breaks as CR or CR LF; each is one line break on screen.
QString shownText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}
} // namespace

MessageBoxes::~MessageBoxes()
{
    delete m_box.data();
}

void MessageBoxes::show(const Message& message, const QObject* context, std::function<void()> closed)
{
    m_pending.enqueue({message, context, context != nullptr, std::move(closed)});
    if (!m_box) {
        showNext();
    }
}

void MessageBoxes::showNext()
{
    if (m_pending.isEmpty()) {
        return;
    }
    m_shown = m_pending.dequeue();
    auto* box = new QMessageBox(boxIcon(m_shown.message.icon), m_shown.message.title, shownText(m_shown.message.text),
                                QMessageBox::Ok);
    // Texts hold URLs and what servers said: never markup.
    box->setTextFormat(Qt::PlainText);
    if (!m_shown.message.detail.isEmpty()) {
        box->setInformativeText(shownText(m_shown.message.detail));
    }
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    connect(box, &QDialog::finished, this, &MessageBoxes::boxClosed);
    m_box = box;
    if (m_shown.message.unprompted) {
        // Whether the keyboard is ours at this moment cannot be told for sure (Qt may still think
        // so after a box of ours has gone), so such a box never takes it. Qt activates a modal
        // window as it maps it; only a window that refuses the keyboard is left without it. It
        // accepts the keyboard again once it is on screen, so that a click on it, or the
        // activation of a window of ours that it blocks, hands the keyboard over.
        box->setAttribute(Qt::WA_ShowWithoutActivating);
        box->winId();
        box->windowHandle()->setFlag(Qt::WindowDoesNotAcceptFocus);
        box->windowHandle()->installEventFilter(this);
    }
    box->show();
    box->raise();
}

bool MessageBoxes::eventFilter(QObject* watched, QEvent* event)
{
    auto* window = qobject_cast<QWindow*>(watched);
    if (window && event->type() == QEvent::Expose && window->isExposed()) {
        window->removeEventFilter(this);
        window->setFlag(Qt::WindowDoesNotAcceptFocus, false);
    }
    return QObject::eventFilter(watched, event);
}

void MessageBoxes::boxClosed()
{
    const Pending done = std::move(m_shown);
    m_shown = {};
    m_box = nullptr;
    if (done.closed && (!done.hasContext || done.context)) {
        done.closed();
    }
    if (!m_box) {
        showNext();
    }
}
