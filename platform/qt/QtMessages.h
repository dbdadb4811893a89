#pragma once

#include "platform/Messages.h"

#include <QMessageBox>

class QWidget;

// Message boxes on QMessageBox: one OK button, modal, returns once the user has closed it.
class QtMessages final : public Messages
{
public:
    explicit QtMessages(QWidget* parent = nullptr) : m_parent(parent) {}
    void show(const QString& text, const QString& title, Icon icon) override;

    // The program writes line breaks as CR or CR LF; both become one line break on screen.
    static QString displayText(const QString& text);
    static QMessageBox::Icon boxIcon(Icon icon);

private:
    QWidget* m_parent;
};
