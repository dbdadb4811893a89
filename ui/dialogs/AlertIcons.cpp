#include "ui/dialogs/AlertIcons.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <optional>

// Q_INIT_RESOURCE may not stand inside a namespace. The images live in a static library, where
// a registration that nothing refers to is dropped; registering twice does no harm.
static void registerImages()
{
    Q_INIT_RESOURCE(resources);
}

namespace {
constexpr int Size = 32;

std::optional<QIcon> builtIn(const QString& path)
{
    static const bool registered = (registerImages(), true);
    Q_UNUSED(registered);
    if (!QFile::exists(path)) {
        return std::nullopt;
    }
    return QIcon(path);
}

QIcon drawn(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}
} // namespace

QIcon AlertIcons::sound()
{
    if (auto icon = builtIn(QStringLiteral(":/icons/sound.svg"))) {
        return *icon;
    }
    return drawn([](QPainter& p) {
        // A loudspeaker with two sound waves.
        QPainterPath speaker;
        speaker.moveTo(4, 12);
        speaker.lineTo(10, 12);
        speaker.lineTo(17, 5);
        speaker.lineTo(17, 27);
        speaker.lineTo(10, 20);
        speaker.lineTo(4, 20);
        speaker.closeSubpath();
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(QColor(70, 70, 160));
        p.drawPath(speaker);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 200), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(15, 10, 8, 12), -50 * 16, 100 * 16);
        p.drawArc(QRectF(15, 5, 14, 22), -50 * 16, 100 * 16);
    });
}

QIcon AlertIcons::popUpWindow()
{
    if (auto icon = builtIn(QStringLiteral(":/icons/window.svg"))) {
        return *icon;
    }
    return drawn([](QPainter& p) {
        // A window with its title bar, over a second one behind it.
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(9.5, 3.5, 20, 16));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 10.5, 22, 18));
        p.setBrush(QColor(0, 0, 160));
        p.drawRect(QRectF(2.5, 10.5, 22, 4));
        p.setPen(QPen(QColor(0, 0, 160), 1));
        for (int y = 18; y <= 25; y += 3) {
            p.drawLine(QPointF(5, y + 0.5), QPointF(21, y + 0.5));
        }
    });
}
