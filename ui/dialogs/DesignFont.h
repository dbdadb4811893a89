#pragma once

#include <QFont>
#include <QWidget>

// The fixed dialog layouts were drawn for an 8-point font; a larger desktop font would clip captions.
inline void useDesignFont(QWidget* window)
{
    QFont font = window->font();
    font.setPointSizeF(8.0);
    window->setFont(font);
}
