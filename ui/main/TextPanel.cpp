#include "ui/main/TextPanel.h"

#include <QLabel>
#include <algorithm>

namespace {
constexpr int Margin = 2;
} // namespace

TextPanel::TextPanel(const QString& objectName, const QIcon& picture, QWidget* parent)
    : QFrame(parent), m_text(new QLabel(this))
{
    setObjectName(objectName);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_text->setObjectName(objectName + QStringLiteral("Text"));
    m_text->setTextFormat(Qt::PlainText);
    if (!picture.isNull()) {
        m_picture = new QLabel(this);
        const int side = fontMetrics().height();
        m_picture->setPixmap(picture.pixmap(side, side));
    }
}

QString TextPanel::text() const
{
    return m_text->text();
}

void TextPanel::setText(const QString& text, const QString& accessibleName)
{
    m_text->setText(text);
    m_text->setAccessibleName(accessibleName);
}

QSize TextPanel::sizeHint() const
{
    const QSize text = m_text->sizeHint();
    const int frame = 2 * frameWidth();
    return {frame + 2 * Margin + pictureRoom() + text.width(), frame + std::max(text.height(), fontMetrics().height())};
}

QSize TextPanel::minimumSizeHint() const
{
    return {2 * frameWidth() + 2 * Margin + pictureRoom(), sizeHint().height()};
}

void TextPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    QRect inner = contentsRect().adjusted(Margin, 0, -Margin, 0);
    if (m_picture) {
        m_picture->setGeometry(inner.left(), inner.top(), fontMetrics().height(), inner.height());
        inner.setLeft(inner.left() + pictureRoom());
    }
    // A label of fixed size never asks its parents for a new layout when its text changes.
    m_text->setFixedSize(std::max(inner.width(), 0), inner.height());
    m_text->move(inner.topLeft());
}

int TextPanel::pictureRoom() const
{
    return m_picture ? fontMetrics().height() + Margin : 0;
}
