#include "platform/Connectivity.h"

#include <QNetworkInformation>

bool anyInterfaceOnline(const QList<InterfaceState>& interfaces)
{
    for (const InterfaceState& interface : interfaces) {
        const bool working =
            interface.flags.testFlag(QNetworkInterface::IsUp) && interface.flags.testFlag(QNetworkInterface::IsRunning);
        if (working && ((!interface.flags.testFlag(QNetworkInterface::IsLoopBack) && interface.hasAddress) ||
                        interface.flags.testFlag(QNetworkInterface::IsPointToPoint))) {
            return true;
        }
    }
    return false;
}

SystemConnectivity::SystemConnectivity()
{
    QNetworkInformation::loadDefaultBackend();
}

bool SystemConnectivity::isOnline()
{
    if (const QNetworkInformation* information = QNetworkInformation::instance()) {
        switch (information->reachability()) {
        case QNetworkInformation::Reachability::Disconnected:
            return false;
        case QNetworkInformation::Reachability::Local:
        case QNetworkInformation::Reachability::Site:
        case QNetworkInformation::Reachability::Online:
            return true;
        case QNetworkInformation::Reachability::Unknown:
            break;
        }
    }
    QList<InterfaceState> states;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        states << InterfaceState{interface.flags(), !interface.addressEntries().isEmpty()};
    }
    return anyInterfaceOnline(states);
}
