#pragma once

#include <QList>
#include <QNetworkInterface>
#include <QString>

// Whether the machine is online: asked before every cycle and once a second while the
// connection is watched.
class Connectivity
{
public:
    virtual ~Connectivity() = default;
    virtual bool isOnline() = 0;
};

// What the decision needs to know of one network interface.
struct InterfaceState
{
    QNetworkInterface::InterfaceFlags flags;
    bool hasAddress = false;
};

// Online when an interface other than loopback is up, running and has an address, or a
// point-to-point link is up and running.
bool anyInterfaceOnline(const QList<InterfaceState>& interfaces);

// Asks the system's network information (NetworkManager or GLib, through Qt) and, where that
// cannot tell, the kernel's list of network interfaces.
class SystemConnectivity final : public Connectivity
{
public:
    SystemConnectivity();
    bool isOnline() override;
};
