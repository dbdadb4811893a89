#include "platform/LinuxConnectionProbe.h"

quint32 connectionFlagsOf(const QList<InterfaceState>& interfaces)
{
    quint32 flags = 0;
    for (const InterfaceState& interface : interfaces) {
        const bool working =
            interface.flags.testFlag(QNetworkInterface::IsUp) && interface.flags.testFlag(QNetworkInterface::IsRunning);
        if (!working) {
            continue;
        }
        if (!interface.flags.testFlag(QNetworkInterface::IsLoopBack) && interface.hasAddress) {
            flags |= ConnectionProbe::LanFlag;
        }
        if (interface.flags.testFlag(QNetworkInterface::IsPointToPoint)) {
            flags |= ConnectionProbe::ModemFlag;
        }
    }
    return flags;
}

std::optional<quint32> LinuxConnectionProbe::connectionFlags()
{
    QList<InterfaceState> states;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        states << InterfaceState{interface.name(), interface.flags(), !interface.addressEntries().isEmpty()};
    }
    return connectionFlagsOf(states);
}
