#pragma once

#include <QString>

// Message boxes with one OK button. show() returns when the user has closed the box.
class Messages
{
public:
    enum class Icon { None = 0, Critical = 16, Exclamation = 48, Information = 64 };

    virtual ~Messages() = default;
    virtual void show(const QString& text, const QString& title, Icon icon) = 0;
};
