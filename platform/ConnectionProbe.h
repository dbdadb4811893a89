#pragma once

#include <QtGlobal>
#include <optional>

// Tells whether the machine is online, as a set of connection flags.
class ConnectionProbe
{
public:
    static constexpr quint32 ModemFlag = 1;
    static constexpr quint32 LanFlag = 2;

    virtual ~ConnectionProbe() = default;
    // The connection flags, or nothing when the platform could not say.
    virtual std::optional<quint32> connectionFlags() = 0;
};
