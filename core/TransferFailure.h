#pragma once

#include <QString>
#include <chrono>

// Why a transfer brought no answer that could be read.
struct TransferFailure
{
    enum class Cause {
        NotHttp,           // the address is no http URL
        HostNotFound,      // the name of the site's host is unknown
        ConnectionRefused, // nothing listens at the site's address
        ConnectionReset,   // the server dropped the connection
        TimedOut,          // no whole answer before the deadline
        NoAnswer,          // the server closed the connection without a word
        CutShort,          // the connection ended before the answer was whole
        HeaderTooLarge,    // the header went on past its limit
        Malformed,         // the answer's framing made no sense
        ConnectionLost,    // the machine went offline during the transfer
        ProxyUnreachable,  // the proxy could not be reached; systemText names it and says why
        ProxyAuthRequired, // the proxy answered 407: it wants a user name and password it accepts
        ProxyUnsupported,  // the proxy named is no http proxy (socks, https); systemText is its address
        NetworkError,      // anything else the system reported; systemText says what
    };

    Cause cause = Cause::NetworkError;
    QString systemText = {}; // the system's own words, where it said any
};

// The cause in plain words, to stand below a message ("connection refused").
QString transferFailureText(const TransferFailure& failure, std::chrono::milliseconds deadline);
