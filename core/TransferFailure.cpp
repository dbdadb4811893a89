#include "core/TransferFailure.h"

#include <QCoreApplication>

QString transferFailureText(const TransferFailure& failure, std::chrono::milliseconds deadline)
{
    using Cause = TransferFailure::Cause;
    switch (failure.cause) {
    case Cause::NotHttp:
        return QCoreApplication::translate("TransferFailure", "the address is not an http address");
    case Cause::HostNotFound:
        return QCoreApplication::translate("TransferFailure", "host not found");
    case Cause::ConnectionRefused:
        return QCoreApplication::translate("TransferFailure", "connection refused");
    case Cause::ConnectionReset:
        return QCoreApplication::translate("TransferFailure", "connection reset");
    case Cause::TimedOut: {
        const auto seconds = static_cast<int>(std::chrono::duration_cast<std::chrono::seconds>(deadline).count());
        return QCoreApplication::translate("TransferFailure", "no answer within %n seconds", nullptr, seconds);
    }
    case Cause::NoAnswer:
        return QCoreApplication::translate("TransferFailure", "the server closed the connection without an answer");
    case Cause::CutShort:
        return QCoreApplication::translate("TransferFailure", "answer cut short");
    case Cause::HeaderTooLarge:
        return QCoreApplication::translate("TransferFailure", "header too large");
    case Cause::Malformed:
        return QCoreApplication::translate("TransferFailure", "the answer was not readable HTTP");
    case Cause::ConnectionLost:
        return QCoreApplication::translate("TransferFailure", "the network connection went away");
    case Cause::ProxyUnreachable:
        return QCoreApplication::translate("TransferFailure", "the proxy cannot be reached (%1)")
            .arg(failure.systemText);
    case Cause::ProxyAuthRequired:
        return QCoreApplication::translate("TransferFailure",
                                           "the proxy asks for a valid user name and password (407)");
    case Cause::ProxyUnsupported:
        return QCoreApplication::translate("TransferFailure", "the proxy %1 is not an http proxy")
            .arg(failure.systemText);
    case Cause::NetworkError:
        break;
    }
    return failure.systemText.isEmpty() ? QCoreApplication::translate("TransferFailure", "network error")
                                        : failure.systemText;
}
