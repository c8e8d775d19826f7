#include "UniqueOutputName.h"

#include "FileIdentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTime>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::function<bool()>& OverwriteQuery()
{
    static std::function<bool()> query;
    return query;
}

std::function<QStringList()>& InputFilesQuery()
{
    static std::function<QStringList()> query;
    return query;
}

// Names handed out so far; GUI thread only, like every caller.
QSet<QString>& Reserved()
{
    static QSet<QString> names;
    return names;
}

// The partial files this process has made, each held open and locked until
// its name is released: the lock tells every program that it still runs.
QHash<QString, int>& HeldPartials()
{
    static QHash<QString, int> files;
    return files;
}

void LetGoOf(const QString& key)
{
    const auto held = HeldPartials().find(key);
    if (held == HeldPartials().end())
        return;
    ::close(held.value());
    HeldPartials().erase(held);
}

QString Key(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// Whether `path` is a partial file this process made and still holds, and
// the name still reaches it; -1 when the name is not one of ours.
int HeldPartial(const QString& path, bool* same)
{
    const auto held = HeldPartials().constFind(Key(path));
    if (held == HeldPartials().constEnd())
        return -1;
    const FileIdentity made = FileIdentity::OfDescriptor(held.value());
    *same = made.valid && FileIdentity::Of(path) == made;
    return held.value();
}

// The files conversions read, by name, and (when asked) by what they are on
// disk, so a second name of the same file (a link, a folder mounted twice,
// another case on a volume that ignores case) counts.
struct Inputs {
    QSet<QString> names;
    QStringList paths;
};

const Inputs& CurrentInputs()
{
    // A Run asks once per output while the list stays the same: its names
    // are worked out again only when it has changed.
    static Inputs inputs;
    const QStringList paths = InputFilesQuery() ? InputFilesQuery()() : QStringList();
    if (paths == inputs.paths)
        return inputs;
    inputs.paths = paths;
    inputs.names.clear();
    for (const QString& p : paths)
        if (!p.isEmpty())
            inputs.names.insert(Key(p));
    return inputs;
}

// Compared by device and inode, looked up afresh: an input may have been
// replaced since the list was last asked for.
bool IsAnInputFile(const struct stat& file, const Inputs& inputs)
{
    for (const QString& p : inputs.paths) {
        struct stat input;
        if (!p.isEmpty() && ::stat(QFile::encodeName(p).constData(), &input) == 0 && input.st_dev == file.st_dev
            && input.st_ino == file.st_ino)
            return true;
    }
    return false;
}

// The path as the system resolves it, links, "." and ".." included, as any
// reader of the name reaches it; empty when it does not resolve.
QByteArray ResolvedPath(const QString& path)
{
    char* resolved = ::realpath(QFile::encodeName(path).constData(), nullptr);
    if (!resolved)
        return QByteArray();
    const QByteArray real(resolved);
    std::free(resolved);
    return real;
}

// The path as its folders list their entries, or empty when that cannot be
// told. The name is resolved first, so a link that leads onto a volume is
// followed. A volume that ignores case resolves a spelling its folder does
// not list; the entry it reached is then the one listed under that name
// ignoring case. A folder that cannot be listed is taken as the name gives it.
QByteArray ListedPath(const QString& path)
{
    const QByteArray real = ResolvedPath(path);
    if (real.isEmpty())
        return QByteArray();
    QByteArray listed;
    for (const QByteArray& asked : real.split('/')) {
        if (asked.isEmpty())
            continue;
        const QString part = QFile::decodeName(asked);
        QByteArray found = asked;
        if (DIR* folder = ::opendir(listed.isEmpty() ? "/" : listed.constData())) {
            QList<QByteArray> alike;
            bool listedAsAsked = false;
            while (const dirent* entry = ::readdir(folder)) {
                if (asked == entry->d_name) {
                    listedAsAsked = true;
                    break;
                }
                if (QFile::decodeName(entry->d_name).compare(part, Qt::CaseInsensitive) == 0)
                    alike.append(QByteArray(entry->d_name));
            }
            ::closedir(folder);
            if (!listedAsAsked) {
                if (alike.size() != 1)
                    return QByteArray();
                found = alike.first();
            }
        }
        listed += '/' + found;
    }
    return listed.isEmpty() ? QByteArrayLiteral("/") : listed;
}

bool SameEntry(const QByteArray& a, const QByteArray& b)
{
    struct stat first, second;
    return a == b
        || (::stat(a.constData(), &first) == 0 && ::stat(b.constData(), &second) == 0 && first.st_dev == second.st_dev
            && first.st_ino == second.st_ino);
}

// Another spelling of an input on a volume that ignores case. Some such
// volumes (FUSE) give every spelling its own inode number, so the entries
// the folders list decide: the name is the input when both reach one entry.
// On a volume that heeds case two spellings are two files.
bool AnotherSpellingOfAnInput(const QString& path, const struct stat& file, const Inputs& inputs)
{
    QByteArray listed;
    bool looked = false;
    for (const QString& p : inputs.paths) {
        struct stat input;
        if (p.isEmpty() || ::stat(QFile::encodeName(p).constData(), &input) != 0 || input.st_dev != file.st_dev)
            continue;
        if (!looked) {
            looked = true;
            listed = ListedPath(path);
            // Which entry the volume reached is unknown: it may be this one.
            if (listed.isEmpty())
                return true;
            struct stat entry;
            if (::stat(listed.constData(), &entry) == 0 && IsAnInputFile(entry, inputs))
                return true;
        }
        // An input named through links or in a spelling its folders do not
        // list: looked up in its folders when it resolves to this name in
        // some case, or shows the size and time this entry shows.
        const bool looksAlike = input.st_size == file.st_size && input.st_mtim.tv_sec == file.st_mtim.tv_sec
            && input.st_mtim.tv_nsec == file.st_mtim.tv_nsec;
        if (looksAlike
            || QFile::decodeName(ResolvedPath(p)).compare(QFile::decodeName(listed), Qt::CaseInsensitive) == 0) {
            const QByteArray listedInput = ListedPath(p);
            if (listedInput.isEmpty() || SameEntry(listedInput, listed))
                return true;
        }
    }
    return false;
}

bool SameFileAsAnInput(const QString& path, const Inputs& inputs)
{
    struct stat file;
    return ::stat(QFile::encodeName(path).constData(), &file) == 0
        && (IsAnInputFile(file, inputs) || AnotherSpellingOfAnInput(path, file, inputs));
}

bool IsInput(const QString& path, const Inputs& inputs)
{
    return inputs.names.contains(Key(path)) || SameFileAsAnInput(path, inputs);
}

bool Taken(const QString& path, bool overwrite, const Inputs& inputs)
{
    const QString key = Key(path);
    if (Reserved().contains(key) || inputs.names.contains(key))
        return true;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return false;
    // A folder or a device is never replaced by an output.
    if (!overwrite || !info.isFile())
        return true;
    return SameFileAsAnInput(path, inputs);
}

// Inserts the tag before the last "." of the file name, never into a folder
// name; a name without "." (or only a leading one) gets it appended.
QString InsertTag(const QString& path, const QString& tag)
{
    const int nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= nameStart)
        return path + tag;
    return path.left(dot) + tag + path.mid(dot);
}

} // namespace

bool SameFile(const QString& a, const QString& b)
{
    return SameEntry(QFile::encodeName(a), QFile::encodeName(b));
}

void SetOverwriteQuery(std::function<bool()> query)
{
    OverwriteQuery() = std::move(query);
}

void SetInputFilesQuery(std::function<QStringList()> query)
{
    InputFilesQuery() = std::move(query);
}

QString GetUnRepeat(QString path)
{
    if (path.isEmpty())
        return path;
    const bool overwrite = OverwriteQuery() ? OverwriteQuery()() : false;
    const Inputs& inputs = CurrentInputs();
    QString result = path;
    if (Taken(result, overwrite, inputs)) {
        const QString time = QTime::currentTime().toString(QStringLiteral("hhmmss"));
        result = InsertTag(path, QLatin1Char('(') + time + QLatin1Char(')'));
        for (int n = 2; Taken(result, overwrite, inputs); ++n)
            result = InsertTag(path, QLatin1Char('(') + time + QLatin1Char('_') + QString::number(n) + QLatin1Char(')'));
    }
    Reserved().insert(Key(result));
    return result;
}

void ReleaseUnRepeat(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString key = Key(path);
    Reserved().remove(key);
    LetGoOf(key);
}

void ClearUnRepeatReservations()
{
    Reserved().clear();
    for (const QString& key : HeldPartials().keys())
        LetGoOf(key);
}

namespace {

// ".<name>.partial-<pid>-<n>[.<ext>]"
const QRegularExpression& PartialPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^\\..*\\.partial-(\\d+)-\\d+(\\.[^.]*)?$"),
                                            QRegularExpression::DotMatchesEverythingOption);
    return pattern;
}

bool ProcessRuns(qint64 pid)
{
    return pid > 0 && pid <= INT_MAX && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

// Removes the partial files in `folder` whose programs no longer run. A file
// is left alone while its process id names a running process (which may be
// an instance of this program) or while anyone holds its lock (an instance
// on another machine or in another process namespace): only a file no one
// can be writing goes.
void RemoveAbandonedPartials(const QString& folder)
{
    const qint64 self = QCoreApplication::applicationPid();
    const QStringList names
        = QDir(folder).entryList({QStringLiteral(".*.partial-*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = PartialPattern().match(name);
        if (!match.hasMatch())
            continue;
        const qint64 pid = match.captured(1).toLongLong();
        // Never open one of our own: closing a second descriptor would drop
        // our own lock where locks are per process (network file systems).
        if (pid == self || ProcessRuns(pid))
            continue;
        const QString path = folder + QLatin1Char('/') + name;
        const QFileInfo info(path);
        if (info.isSymLink() || !info.isFile())
            continue;
        const QByteArray encoded = QFile::encodeName(path);
        const int fd = ::open(encoded.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        // Unlinked while locked, so no one takes it over in between; a file
        // a row reads is the user's, whatever its name.
        struct stat file;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &file) == 0 && !IsAnInputFile(file, CurrentInputs()))
            ::unlink(encoded.constData());
        ::close(fd);
    }
}

// The longest file name the folder takes, in bytes.
int NameLimit(const QString& folder)
{
    const long limit = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return limit > 0 && limit < 255 ? int(limit) : 255;
}

// rename() that never replaces: where the file system cannot say so in one
// call, the name is first claimed by an empty file of our own.
int RenameNoReplace(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return -1;
    const int claim = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (claim < 0)
        return -1;
    ::close(claim);
    if (::rename(from.constData(), to.constData()) == 0)
        return 0;
    const int error = errno;
    ::unlink(to.constData());
    errno = error;
    return -1;
}

} // namespace

QString PartialOutputName(const QString& finalPath)
{
    static int counter = 0;
    const QFileInfo info(finalPath);
    const QString folder = info.absolutePath();
    RemoveAbandonedPartials(folder);
    const QString suffix = info.suffix();
    const QString stem = suffix.isEmpty() ? info.fileName() : info.completeBaseName();
    const QString mark = QStringLiteral(".partial-") + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-');
    const int limit = NameLimit(folder);
    for (;;) {
        const QString tail = mark + QString::number(++counter) + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
        // A long name gives up the end of its stem, whole characters only.
        QString head = QLatin1Char('.') + stem;
        while (head.size() > 1 && QFile::encodeName(head + tail).size() > limit)
            head.chop(head.size() > 2 && head.at(head.size() - 1).isLowSurrogate() ? 2 : 1);
        const QString path = folder + QLatin1Char('/') + head + tail;
        const QString key = Key(path);
        if (Reserved().contains(key))
            continue;
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd >= 0) {
            ::flock(fd, LOCK_EX | LOCK_NB);
            HeldPartials().insert(key, fd);
        }
        // A folder that takes no file: the tool meets the same and says why.
        Reserved().insert(key);
        return path;
    }
}

void DiscardPartial(const QString& path)
{
    bool same = false;
    if (HeldPartial(path, &same) >= 0 && same)
        ::unlink(QFile::encodeName(path).constData());
    ReleaseUnRepeat(path);
}

bool EmptyPartial(const QString& path)
{
    bool same = false;
    const int fd = HeldPartial(path, &same);
    return fd >= 0 && same && ::ftruncate(fd, 0) == 0;
}

QString PlaceOutput(const QString& written, const QString& wanted, QString* error)
{
    bool same = true;
    // What the tool wrote is gone from its name: nothing else goes in its place.
    if (HeldPartial(written, &same) >= 0 && !same) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(ENOENT));
        return QString();
    }
    const bool overwrite = OverwriteQuery() ? OverwriteQuery()() : false;
    const QByteArray from = QFile::encodeName(written);
    QString target = wanted;
    // Every name tried was free a moment ago: only a busy folder fails again.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QFileInfo info(target);
        const bool replace = overwrite && !(info.exists() && !info.isFile()) && !IsInput(target, CurrentInputs());
        const QByteArray to = QFile::encodeName(target);
        if ((replace ? std::rename(from.constData(), to.constData()) : RenameNoReplace(from, to)) == 0) {
            if (target != wanted)
                ReleaseUnRepeat(wanted);
            Reserved().insert(Key(target));
            return target;
        }
        const int failure = errno;
        if (failure != EEXIST && failure != ENOTEMPTY && failure != EISDIR) {
            if (target != wanted)
                ReleaseUnRepeat(target);
            if (error)
                *error = QString::fromLocal8Bit(std::strerror(failure));
            return QString();
        }
        const QString next = GetUnRepeat(wanted);
        if (target != wanted)
            ReleaseUnRepeat(target);
        target = next;
    }
    if (target != wanted)
        ReleaseUnRepeat(target);
    if (error)
        *error = QString::fromLocal8Bit(std::strerror(EEXIST));
    return QString();
}
