#include "ui/dialogs/UpDownArrows.h"

#include <QKeyEvent>
#include <QToolButton>

namespace {
QToolButton* arrowButton(QWidget* parent, const char* name, Qt::ArrowType arrow)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(arrow == Qt::UpArrow ? QStringLiteral("Up") : QStringLiteral("Down"));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // Pressing an arrow leaves the focus where it is, so the field it acts on stays current.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}
} // namespace

UpDownArrows::UpDownArrows(QWidget* parent)
    : QWidget(parent), m_up(arrowButton(this, "upArrow", Qt::UpArrow)),
      m_down(arrowButton(this, "downArrow", Qt::DownArrow))
{
    setFocusPolicy(Qt::TabFocus);
    connect(m_up, &QToolButton::clicked, this, &UpDownArrows::upPressed);
    connect(m_down, &QToolButton::clicked, this, &UpDownArrows::downPressed);
}

void UpDownArrows::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int upHeight = (height() + 1) / 2;
    m_up->setGeometry(0, 0, width(), upHeight);
    m_down->setGeometry(0, upHeight, width(), height() - upHeight);
}

void UpDownArrows::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up) {
        Q_EMIT upPressed();
    } else if (event->key() == Qt::Key_Down) {
        Q_EMIT downPressed();
    } else {
        QWidget::keyPressEvent(event);
    }
}
