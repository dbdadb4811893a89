#pragma once

#include <QByteArray>

// A "Name:  1234 kB" line of /proc/self/status, in KB; -1 when it cannot be read.
qint64 statusKb(const QByteArray& name);
