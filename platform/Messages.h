#pragma once

#include <QString>
#include <functional>

class QObject;

// A message box with one OK button.
struct Message
{
    enum class Icon { None, Information, Warning, Critical };

    QString text; // line breaks as CR or CR LF
    QString title;
    Icon icon = Icon::None;
    QString detail = {}; // below the text, smaller: which item, and why
    // Raised by the program while it watches, not by a command of the user's: the box must not
    // take the keyboard from another application.
    bool unprompted = false;
};

// Shows message boxes one at a time, in the order asked, without blocking: show() returns at
// once and closed runs once the user has closed the box, unless context is gone by then.
class Messages
{
public:
    virtual ~Messages() = default;
    virtual void show(const Message& message, const QObject* context = nullptr, std::function<void()> closed = {}) = 0;
};
