#pragma once

#include <QWidget>

// A pair of small arrow buttons, up above down. It holds no value: only the presses matter.
// With the keyboard focus, the Up and Down keys press the arrows.
class UpDownArrows : public QWidget
{
    Q_OBJECT
public:
    explicit UpDownArrows(QWidget* parent = nullptr);

Q_SIGNALS:
    void upPressed();
    void downPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
