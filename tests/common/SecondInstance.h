#pragma once
// The test program started again as a second running instance of the
// program: it gets "--instance" and its own arguments, and tells the test
// what it does line by line.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace SecondInstance {

constexpr char kFlag[] = "--instance";

// Whether this run is the second instance.
inline bool IsOne(int argc, char** argv)
{
    return argc > 1 && qstrcmp(argv[1], kFlag) == 0;
}

inline void Start(QProcess& process, const QStringList& arguments)
{
    process.start(QCoreApplication::applicationFilePath(), QStringList{QLatin1String(kFlag)} + arguments);
}

// Its next line, or empty when none came in time or it ended.
inline QString LineOf(QProcess& process, int timeoutMs = 60000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!process.canReadLine() && !deadline.hasExpired() && process.state() != QProcess::NotRunning)
        process.waitForReadyRead(100);
    return process.canReadLine() ? QString::fromUtf8(process.readLine()).trimmed() : QString();
}

} // namespace SecondInstance
