#include "ui/dialogs/UpDownArrows.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QToolButton* arrowButton(QWidget* parent, const QString& name, Qt::ArrowType arrow)
{
    auto* button = new QToolButton(parent);
    button->setAccessibleName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    // Pressing an arrow leaves the focus where it is, so the field it acts on stays current.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}
} // namespace

UpDownArrows::UpDownArrows(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    auto* up = arrowButton(this, tr("Up"), Qt::UpArrow);
    auto* down = arrowButton(this, tr("Down"), Qt::DownArrow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, &UpDownArrows::upPressed);
    connect(down, &QToolButton::clicked, this, &UpDownArrows::downPressed);
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
