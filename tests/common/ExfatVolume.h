#pragma once
// An exFAT volume on a folder (none on an empty name) while this lives: through the kernel, else through FUSE
// on a loop device (an inode per spelling of a name, the modification time as the change time); else a `problem`.
#include <QFile>
#include <QProcess>

#include <sys/mount.h>

struct ExfatVolume {
    QString point, loop, problem;
    ExfatVolume(const QString& image, const QString& on) : point(on)
    {
        QFile blank(image);
        if (on.isEmpty())
            return;
        if (!blank.open(QIODevice::WriteOnly) || !blank.resize(16 << 20) || Quietly("mkfs.exfat", {image}) != 0)
            problem = "mkfs.exfat of exfatprogs is missing";
        else if (Quietly("mount", {"-o", "loop", image, on}) != 0
                 && (Quietly("losetup", {"-f", "--show", image}, &loop) || Quietly("mount.exfat-fuse", {loop, on})))
            problem = "no loop device, or exfat-fuse missing";
    }
    ~ExfatVolume()
    {
        ::umount2(QFile::encodeName(point).constData(), MNT_DETACH);
        if (!loop.isEmpty())
            Quietly("losetup", {"-d", loop});
    }
    // A tool's exit code (-1 when it did not end), its chatter dropped; `said` gets its output.
    static int Quietly(const QString& program, const QStringList& arguments, QString* said = nullptr)
    {
        QProcess tool;
        tool.setStandardErrorFile(QProcess::nullDevice());
        tool.start(program, arguments);
        const bool ended = tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit;
        if (said)
            *said = QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
        return ended ? tool.exitCode() : -1;
    }
};
