#pragma once

#include <QFrame>
#include <QIcon>

class QLabel;

// A sunken panel of the status bar: a text, with a picture before it when one is given.
// The text's label takes exactly the room the panel has, so a new text repaints the panel
// alone and never lays out the window again; the bar gives each panel a width that holds
// its longest text.
class TextPanel : public QFrame
{
    Q_OBJECT
public:
    explicit TextPanel(const QString& objectName, const QIcon& picture = {}, QWidget* parent = nullptr);

    QString text() const;
    // The label's accessible name goes with it: a screen reader reads the panel by its name.
    void setText(const QString& text, const QString& accessibleName);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int pictureRoom() const;

    QLabel* m_picture = nullptr;
    QLabel* m_text;
};
