#pragma once
// What the system says of a child process, read from /proc.
#include <QFile>
#include <QString>
#include <QStringList>

namespace ProcessChecks {

// The state letter of a process ('R' running, 'S' sleeping, 'T' stopped,
// 'Z' ended but not reaped), or 0 when there is no such process.
inline char State(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return 0;
    // The name in parentheses may hold anything: the state follows the last ")".
    const QByteArray text = stat.readAll();
    const int close = text.lastIndexOf(')');
    return close >= 0 && close + 2 < text.size() ? text.at(close + 2) : 0;
}

// The program name the process runs under.
inline QString Name(qint64 pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed() : QString();
}

// Which of the named libraries ("libSDL2", a file name or its start) the
// process has mapped; pid "self" for this process.
inline QStringList MappedLibraries(const QString& pid, const QStringList& names)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("(no maps)")};
    const QByteArray text = maps.readAll();
    QStringList found;
    for (const QString& name : names) {
        if (text.contains("/" + name.toUtf8()))
            found << name;
    }
    return found;
}

} // namespace ProcessChecks
