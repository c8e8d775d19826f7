#include "SettingsFile.h"

#include "AtomicFile.h"
#include "MediaInput.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QMutex>
#include <QSet>
#include <QSettings>
#include <QTemporaryFile>
#include <QVariantMap>

#include <atomic>
#include <cerrno>
#include <memory>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Far above what settings files hold; what is larger is no settings file.
constexpr qint64 kMaxBytes = 16 << 20;
// The length of the random part the temporary-file class puts into a name.
constexpr int kRandomLength = 6;
const QString kLockSuffix = QStringLiteral(".lock");
// The age at which the settings class takes a lock of its own for stale.
constexpr int kUnownedLockSeconds = 30;

QVariantMap Values(QSettings& settings)
{
    QVariantMap values;
    for (const QString& key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

// The files this process found but could not read: what they hold is not
// known, so nothing is written over them until the program starts again.
struct UnreadFiles
{
    QMutex mutex;
    QSet<QString> paths;
};

UnreadFiles& Unread()
{
    static UnreadFiles files;
    return files;
}

void MarkUnread(const QFileInfo& file)
{
    const QMutexLocker locker(&Unread().mutex);
    Unread().paths.insert(file.absoluteFilePath());
}

bool WasUnread(const QFileInfo& file)
{
    const QMutexLocker locker(&Unread().mutex);
    return Unread().paths.contains(file.absoluteFilePath());
}

// ".<file name>.": what the hidden copies of a file begin with.
QString CopyPrefix(const QFileInfo& target)
{
    return QLatin1Char('.') + target.fileName() + QLatin1Char('.');
}

bool IsRandomPart(const QStringRef& text)
{
    if (text.size() != kRandomLength)
        return false;
    for (const QChar c : text) {
        if (c.unicode() > 127 || !c.isLetterOrNumber())
            return false;
    }
    return true;
}

bool SameFile(int descriptor, const QString& path)
{
    struct stat opened;
    struct stat named;
    return ::fstat(descriptor, &opened) == 0 && ::stat(QFile::encodeName(path).constData(), &named) == 0
        && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// A hidden copy beside a settings file: on the same disk, and never listed
// as a scheme of its own. Its lock tells the saves of every running copy of
// the program to leave it alone; the copy goes with this object.
class Copy
{
public:
    Copy(const QFileInfo& target, const QByteArray& bytes)
    {
        // Another save may take the lock of a new copy before this one does,
        // to remove it: then a copy under another name is made.
        for (int attempt = 0; attempt < 3 && m_name.isEmpty(); ++attempt) {
            QTemporaryFile file(target.absolutePath() + QLatin1Char('/') + CopyPrefix(target)
                                + QString(kRandomLength, QLatin1Char('X')));
            file.setAutoRemove(false);
            if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
                return;
            const QString name = file.fileName(); // the file gets its name here
            if (name.isEmpty())
                return;
            auto lock = std::make_unique<QLockFile>(name + kLockSuffix);
            // Held is held, however long: only a lock of an ended process is stale.
            lock->setStaleLockTime(0);
            const bool held = lock->tryLock(0);
            if (!SameFile(file.handle(), name))
                continue; // removed by another save before it was held
            if (!held && lock->error() == QLockFile::LockFailedError) {
                QFile::remove(name);
                continue;
            }
            // Without a lock, as on a full disk, the copy is used unheld: its
            // users see when it went meanwhile.
            m_name = name;
            if (held)
                m_lock = std::move(lock);
        }
    }
    ~Copy()
    {
        // The lock goes last: a copy is never there unheld.
        if (!m_name.isEmpty())
            QFile::remove(m_name);
        m_lock.reset();
    }
    Copy(const Copy&) = delete;
    Copy& operator=(const Copy&) = delete;

    bool Made() const { return !m_name.isEmpty(); }
    QString Name() const { return m_name; }
    // The settings class takes the same lock itself while it writes the copy.
    void Release()
    {
        if (m_lock)
            m_lock->unlock();
    }
    // False when another save took the copy while it was released.
    bool Hold() { return (!m_lock || m_lock->tryLock(0)) && QFileInfo::exists(m_name); }

private:
    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
};

// What was read, in an anonymous file in memory, for the settings class,
// which reads only named files: it is named through this process's
// descriptors, so reading needs no folder, full or not, writable or not.
class MemoryCopy
{
public:
    explicit MemoryCopy(const QByteArray& bytes)
    {
        const int fd = ::memfd_create("settings", MFD_CLOEXEC);
        if (fd < 0)
            return;
        qint64 done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
            if (n > 0)
                done += n;
            else if (n == 0 || errno != EINTR)
                break;
        }
        // The settings class keeps what it parsed of a name and reads it
        // again only when the file's size or time differs: every copy gets a
        // time of its own, so a later copy under a reused descriptor is read.
        static std::atomic<qint64> last{0};
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        qint64 seen = last.load();
        qint64 stamp = 0;
        do {
            stamp = qMax(now, seen + 1);
        } while (!last.compare_exchange_weak(seen, stamp));
        const struct timespec time = {time_t(stamp / 1000), long(stamp % 1000) * 1000000};
        const struct timespec times[2] = {time, time};
        if (done != bytes.size() || ::futimens(fd, times) != 0) {
            ::close(fd);
            return;
        }
        m_fd = fd;
    }
    ~MemoryCopy()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    MemoryCopy(const MemoryCopy&) = delete;
    MemoryCopy& operator=(const MemoryCopy&) = delete;

    bool Made() const { return m_fd >= 0; }
    QString Name() const { return QStringLiteral("/proc/self/fd/") + QString::number(m_fd); }

private:
    int m_fd = -1;
};

// A lock that names no owner: made by a process that ended before it wrote
// itself in, once it is as old as the settings class lets its own locks get
// before it takes them for stale (younger, it may still be being written).
bool IsUnowned(QLockFile* lock, const QString& path)
{
    qint64 pid = 0;
    QString host;
    QString application;
    return lock->error() == QLockFile::LockFailedError && !lock->getLockInfo(&pid, &host, &application)
        && QFileInfo(path).lastModified().secsTo(QDateTime::currentDateTime()) > kUnownedLockSeconds;
}

// Removes the copies of target, and their locks, that an ended process left:
// those whose lock can be taken. A copy in use is held by its lock; a copy
// the settings class was writing is held by the same lock, and its own
// half-made replacement (the copy's name and another random part) goes with it.
void RemoveLeftCopies(const QFileInfo& target)
{
    const QString prefix = CopyPrefix(target);
    const QDir folder(target.absolutePath());
    // Each copy with the names that go with it.
    QHash<QString, QStringList> copies;
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (!name.startsWith(prefix) || !IsRandomPart(name.midRef(prefix.size(), kRandomLength)))
            continue;
        const QStringRef rest = name.midRef(prefix.size() + kRandomLength);
        if (rest.isEmpty() || rest == kLockSuffix)
            copies[name.left(prefix.size() + kRandomLength)];
        else if (rest.startsWith(QLatin1Char('.')) && IsRandomPart(rest.mid(1)))
            copies[name.left(prefix.size() + kRandomLength)] << name;
    }
    for (auto copy = copies.cbegin(); copy != copies.cend(); ++copy) {
        const QString path = folder.filePath(copy.key());
        QLockFile lock(path + kLockSuffix);
        lock.setStaleLockTime(0);
        const bool taken = lock.tryLock(0)
            || (IsUnowned(&lock, path + kLockSuffix) && lock.removeStaleLockFile() && lock.tryLock(0));
        if (!taken)
            continue;
        QFile::remove(path);
        for (const QString& name : copy.value())
            QFile::remove(folder.filePath(name));
    }
}

} // namespace

namespace SettingsFile {

bool Read(const QString& path, const std::function<void(QSettings&)>& take)
{
    const QFileInfo file(path);
    if (!file.exists()) {
        QSettings none(QString(), QSettings::IniFormat);
        take(none);
        return true;
    }
    QByteArray bytes;
    if (MediaInput::ReadRegular(path, kMaxBytes, &bytes) == MediaInput::ReadWhole) {
        const MemoryCopy copy(bytes);
        if (copy.Made()) {
            QSettings settings(copy.Name(), QSettings::IniFormat);
            // A damaged line is read as the class reads it, as before.
            if (settings.status() != QSettings::AccessError) {
                take(settings);
                return true;
            }
        }
    }
    const bool regular = QFileInfo(path).isFile();
    qWarning().noquote() << (regular ? "Settings file not read:" : "Not a regular file, settings not read:") << path;
    if (regular)
        MarkUnread(file);
    QSettings none(QString(), QSettings::IniFormat);
    take(none);
    return false;
}

bool Write(const QString& path, const std::function<void(QSettings&)>& fill)
{
    const QFileInfo target(path);
    if (WasUnread(target))
        return false;
    QByteArray old;
    if (target.exists() && MediaInput::ReadRegular(path, kMaxBytes, &old) != MediaInput::ReadWhole)
        return false;
    // As the settings class itself does, a missing folder is made.
    if (!QDir().mkpath(target.absolutePath()))
        return false;
    RemoveLeftCopies(target);
    // The settings class writes a copy; the copy is read back under another
    // name (the class answers reads of a name it wrote from memory) and goes
    // into place only when it holds every value.
    Copy draft(target, old);
    if (!draft.Made())
        return false;
    QVariantMap written;
    {
        QSettings settings(draft.Name(), QSettings::IniFormat);
        fill(settings);
        const QStringList keys = settings.allKeys();
        draft.Release();
        settings.sync();
        if (!draft.Hold() || settings.status() != QSettings::NoError)
            return false;
        written = Values(settings);
        // A copy taken away before the class locked it is written anew
        // without the file's other keys.
        for (const QString& key : keys) {
            if (!written.contains(key))
                return false;
        }
    }
    QByteArray text;
    {
        QFile file(draft.Name());
        if (!file.open(QIODevice::ReadOnly))
            return false;
        text = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return false;
    }
    // Parsed again from what goes into place, under a name the class has
    // not written.
    const MemoryCopy check(text);
    if (!check.Made())
        return false;
    QSettings readBack(check.Name(), QSettings::IniFormat);
    if (readBack.status() != QSettings::NoError || Values(readBack) != written)
        return false;
    return AtomicFile::Write(path, text);
}

} // namespace SettingsFile
