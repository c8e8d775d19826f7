#pragma once
// An exFAT volume on a folder (on none for an empty name), gone with the
// object: through the kernel, else through FUSE on a loop device, this
// platform's driver (it gives each spelling of a name its own inode, and no
// change time but the modification time). `problem` says why there is none.
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
    // Runs a tool without its chatter: its exit code, or -1; what it printed goes to `said`.
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
