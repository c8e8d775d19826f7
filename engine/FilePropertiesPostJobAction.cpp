#include "FilePropertiesPostJobAction.h"

#include <QFile>

#include <sys/stat.h>
#include <fcntl.h>

FilePropertiesPostJobAction::FilePropertiesPostJobAction(const QString& srcFile, const QString& dstFile)
    : m_src(srcFile)
    , m_dst(dstFile)
{
}

void FilePropertiesPostJobAction::doAction()
{
    // Failures are of no consequence: the converted file is complete either way.
    struct stat st;
    if (::stat(QFile::encodeName(m_src).constData(), &st) != 0)
        return;
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::utimensat(AT_FDCWD, QFile::encodeName(m_dst).constData(), times, 0);
}
