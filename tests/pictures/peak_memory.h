// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>

#ifdef __GLIBC__
#include <malloc.h>
#endif

// This process's resident memory in megabytes, now and at its peak since the last reset, where
// the system tells them (-1 elsewhere).
namespace peak_memory {

inline qint64 statusLine(const char* name) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(qstrlen(name)).trimmed().split(' ')[0].toLongLong() / 1024;
    }
    return -1;
}
// Freed memory that the allocator still holds would otherwise be reused unseen.
inline bool resetPeak() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}
inline qint64 peakMegabytes() { return statusLine("VmHWM:"); }
inline qint64 residentMegabytes() { return statusLine("VmRSS:"); }

}  // namespace peak_memory
