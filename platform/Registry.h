#pragma once

#include <QString>
#include <optional>

// A system registry of string values under keys. Linux has none; the real implementation
// answers "not found" for every value.
class Registry
{
public:
    static constexpr quint32 LocalMachine = 0x80000002;

    virtual ~Registry() = default;
    virtual std::optional<QString> value(quint32 root, const QString& keyName, const QString& valueName) = 0;
};
