#include "ui/Icons.h"

// Q_INIT_RESOURCE may not stand inside a namespace. The images live in a static library, whose
// registration nothing would refer to otherwise.
static void registerImages()
{
    Q_INIT_RESOURCE(resources);
}

namespace {
QIcon image(const QString& name)
{
    static const bool registered = (registerImages(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/icons/") + name + QStringLiteral(".svg"));
}
} // namespace

QIcon Icons::program()
{
    return image(QStringLiteral("bidorra"));
}

QIcon Icons::command(const QString& name)
{
    return image(name);
}

QIcon Icons::countdown()
{
    return image(QStringLiteral("countdown"));
}

QIcon Icons::problem()
{
    return QIcon::fromTheme(QStringLiteral("dialog-warning"), image(QStringLiteral("problem")));
}
