#pragma once
// An exFAT volume on a folder (none on an empty name) while this lives: through the kernel unless `fuse`, else
// through FUSE on a loop device (an inode per spelling of a name, the modification time as the change time); else
// a `problem`.
#include <QFile>
#include <QProcess>

#include <sys/mount.h>

struct ExfatVolume {
    QString point, loop, problem;
    ExfatVolume(const QString& image, const QString& on, bool fuse = false) : point(on)
    {
        QFile blank(image);
        QProcess attach;
        if (on.isEmpty())
            return;
        if (!blank.open(QIODevice::WriteOnly) || !blank.resize(16 << 20) || QProcess::execute("mkfs.exfat", {image}))
            problem = "mkfs.exfat of exfatprogs is missing";
        else if ((fuse || QProcess::execute("mount", {"-o", "loop", image, on}))
                 && ((attach.start("losetup", {"-f", "--show", image}), !attach.waitForFinished(30000))
                     || attach.exitCode() || QProcess::execute("mount.exfat-fuse", {loop = attach.readAll().trimmed(), on})))
            problem = "no loop device, or exfat-fuse missing";
    }
    ~ExfatVolume()
    {
        ::umount2(QFile::encodeName(point).constData(), MNT_DETACH);
        if (!loop.isEmpty())
            QProcess::execute("losetup", {"-d", loop});
    }
};
