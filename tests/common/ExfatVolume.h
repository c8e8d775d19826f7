#pragma once
// An exFAT volume on a folder, gone with the object: through the kernel,
// else through FUSE on a loop device, this platform's driver (it gives each
// spelling of a name its own inode, and no change time but the modification
// time). `problem` says why there is none.
#include <QFile>
#include <QProcess>

#include <sys/mount.h>

struct ExfatVolume {
    QString point, loop, problem;
    ExfatVolume(const QString& image, const QString& on) : point(on)
    {
        QFile blank(image);
        QProcess attach;
        if (!blank.open(QIODevice::WriteOnly) || !blank.resize(16 << 20) || Quietly("mkfs.exfat", {image}) != 0) {
            problem = "mkfs.exfat of exfatprogs is missing";
        } else if (Quietly("mount", {"-o", "loop", image, point}) != 0) {
            attach.start("losetup", {"-f", "--show", image});
            if (attach.waitForFinished(10000) && attach.exitCode() == 0)
                loop = QString::fromLocal8Bit(attach.readAllStandardOutput()).trimmed();
            if (loop.isEmpty() || Quietly("mount.exfat-fuse", {loop, point}) != 0)
                problem = "no loop device, or exfat-fuse missing";
        }
    }
    ~ExfatVolume()
    {
        ::umount2(QFile::encodeName(point).constData(), MNT_DETACH);
        if (!loop.isEmpty())
            Quietly("losetup", {"-d", loop});
    }
    // Runs a tool without its chatter; its exit code, or -1.
    static int Quietly(const QString& program, const QStringList& arguments)
    {
        QProcess tool;
        tool.setStandardOutputFile(QProcess::nullDevice());
        tool.setStandardErrorFile(QProcess::nullDevice());
        tool.start(program, arguments);
        return tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    }
};
