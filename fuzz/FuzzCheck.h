#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// A broken promise is a finding: abort, so that libFuzzer keeps the input.
inline void check(bool promise)
{
    if (!promise) {
        std::abort();
    }
}

inline QByteArray fuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}
