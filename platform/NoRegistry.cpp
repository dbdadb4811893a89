#include "platform/NoRegistry.h"

std::optional<QString> NoRegistry::value(quint32, const QString&, const QString&)
{
    return std::nullopt;
}
