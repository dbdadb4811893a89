#pragma once

#include "platform/ConnectionProbe.h"

#include <QList>
#include <QNetworkInterface>
#include <QString>

// What the connection decision needs to know of one network interface.
struct InterfaceState
{
    QString name;
    QNetworkInterface::InterfaceFlags flags;
    bool hasAddress = false;
};

// The connection flags the interfaces add up to: a working interface other than loopback
// that has an address counts as a LAN, a working point-to-point link as a modem.
quint32 connectionFlagsOf(const QList<InterfaceState>& interfaces);

// Asks the kernel's interface list whether the machine is online.
class LinuxConnectionProbe final : public ConnectionProbe
{
public:
    std::optional<quint32> connectionFlags() override;
};
