#pragma once
// An exFAT volume of its own on a folder: through the kernel, else through
// FUSE on a loop device, this platform's driver (which gives each spelling
// of a name its own inode number, and keeps no change time apart from the
// modification time). Gone with the object.
#include <QFile>
#include <QProcess>
#include <QString>

#include <sys/mount.h>

class ExfatVolume
{
public:
    // The volume's image is made at `image`; `problem()` says why, where
    // none can be made or mounted here.
    ExfatVolume(const QString& image, const QString& point)
        : m_point(point)
    {
        QFile blank(image);
        if (!blank.open(QIODevice::WriteOnly) || !blank.resize(16 << 20) || Quietly("mkfs.exfat", {image}) != 0) {
            m_problem = "mkfs.exfat of exfatprogs is missing";
            return;
        }
        blank.close();
        if (Quietly("mount", {"-o", "loop", image, point}) == 0)
            return;
        QProcess attach;
        attach.start("losetup", {"-f", "--show", image});
        if (attach.waitForFinished(10000) && attach.exitCode() == 0)
            m_loop = QString::fromLocal8Bit(attach.readAllStandardOutput()).trimmed();
        if (m_loop.isEmpty() || Quietly("mount.exfat-fuse", {m_loop, point}) != 0)
            m_problem = "no loop device, or exfat-fuse missing";
    }
    ~ExfatVolume()
    {
        ::umount2(QFile::encodeName(m_point).constData(), MNT_DETACH);
        if (!m_loop.isEmpty())
            Quietly("losetup", {"-d", m_loop});
    }
    QString problem() const { return m_problem; }

    // Runs a tool without its chatter; its exit code, or -1.
    static int Quietly(const QString& program, const QStringList& arguments)
    {
        QProcess tool;
        tool.setStandardOutputFile(QProcess::nullDevice());
        tool.setStandardErrorFile(QProcess::nullDevice());
        tool.start(program, arguments);
        return tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    }

private:
    QString m_point;
    QString m_loop;
    QString m_problem;
};
