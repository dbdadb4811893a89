#pragma once

#include "platform/Registry.h"

// The registry of a system that has none: no value is ever found.
class NoRegistry final : public Registry
{
public:
    std::optional<QString> value(quint32 root, const QString& keyName, const QString& valueName) override;
};
