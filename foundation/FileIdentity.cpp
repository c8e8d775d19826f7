#include "FileIdentity.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

FileIdentity FromStat(const struct stat& st)
{
    FileIdentity id;
    id.valid = true;
    id.device = uint64_t(st.st_dev);
    id.inode = uint64_t(st.st_ino);
    id.size = int64_t(st.st_size);
    id.seconds = int64_t(st.st_mtim.tv_sec);
    id.nanoseconds = int64_t(st.st_mtim.tv_nsec);
    return id;
}

} // namespace

FileIdentity FileIdentity::Of(const QString& path)
{
    struct stat st;
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return FileIdentity();
    return FromStat(st);
}

FileIdentity FileIdentity::OfDescriptor(int fd)
{
    struct stat st;
    return fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? FromStat(st) : FileIdentity();
}

bool FileIdentity::operator==(const FileIdentity& other) const
{
    return valid == other.valid && device == other.device && inode == other.inode && size == other.size
        && seconds == other.seconds && nanoseconds == other.nanoseconds;
}

bool FileIdentity::RemoveIfStill(const QString& path, const FileIdentity& written)
{
    // Compared right before the removal: nothing of this program's changes
    // the file in between.
    return written.valid && Of(path) == written && ::unlink(QFile::encodeName(path).constData()) == 0;
}
