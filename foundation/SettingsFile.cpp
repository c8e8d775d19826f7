#include "SettingsFile.h"

#include "MediaInput.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QMutex>
#include <QRandomGenerator>
#include <QSet>
#include <QSettings>
#include <QVariantMap>

#include <atomic>
#include <cerrno>
#include <memory>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Far above what settings files hold; what is larger is no settings file.
constexpr qint64 kMaxBytes = 16 << 20;
// What only this program's drafts carry after the file's name.
const QString kDraftMark = QStringLiteral("lumacrest-draft-");
// The length of a draft's random part, and of the one the temporary-file
// class puts after it while the settings class writes the draft.
constexpr int kRandomLength = 6;
// The save's own lock of a draft.
const QString kHoldSuffix = QStringLiteral(".hold");
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

// ".<file name>.lumacrest-draft-": what the drafts of a file begin with.
QString DraftPrefix(const QFileInfo& target)
{
    return QLatin1Char('.') + target.fileName() + QLatin1Char('.') + kDraftMark;
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

QString RandomPart()
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString part;
    for (int i = 0; i < kRandomLength; ++i)
        part += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)]);
    return part;
}

// What follows a draft's name in the names that go with it: the save's lock,
// the settings class's lock while it writes the draft, the lock class's own
// while it takes either for stale, and the settings class's half-made
// replacement of the draft.
bool IsDraftPart(const QStringRef& rest)
{
    if (rest.isEmpty())
        return true;
    for (const QString& lock : {kHoldSuffix, QStringLiteral(".lock")}) {
        if (rest == lock || rest == lock + QStringLiteral(".rmlock"))
            return true;
    }
    return rest.startsWith(QLatin1Char('.')) && IsRandomPart(rest.mid(1));
}

// The file a save replaces: what a link leads to, as the save-file class
// follows it, so a link stays a link.
QFileInfo FinalFile(const QString& path)
{
    QFileInfo file(path);
    int depth = 128;
    while (--depth > 0 && file.isSymLink())
        file.setFile(file.symLinkTarget());
    return depth > 0 ? file : QFileInfo(path);
}

// A draft beside the file, made empty under the save's lock, which is held
// before the draft exists and until it is gone or in place: no other save
// ever takes it for abandoned.
class Draft
{
public:
    explicit Draft(const QFileInfo& target)
    {
        const QString prefix = target.absolutePath() + QLatin1Char('/') + DraftPrefix(target);
        for (int attempt = 0; attempt < 8 && m_name.isEmpty(); ++attempt) {
            const QString name = prefix + RandomPart();
            auto hold = std::make_unique<QLockFile>(name + kHoldSuffix);
            // Held is held, however long: only a lock of an ended process is stale.
            hold->setStaleLockTime(0);
            if (!hold->tryLock(0)) {
                if (hold->error() == QLockFile::LockFailedError)
                    continue; // another save's
                return; // no room or no right to make files here
            }
            const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0) {
                if (errno == EEXIST)
                    continue; // left by an ended save: the next clean-up takes it
                return;
            }
            ::close(fd);
            m_name = name;
            m_hold = std::move(hold);
        }
    }
    ~Draft()
    {
        // The lock goes last: a draft is never there unheld.
        if (!m_name.isEmpty() && !m_placed)
            QFile::remove(m_name);
        m_hold.reset();
    }
    Draft(const Draft&) = delete;
    Draft& operator=(const Draft&) = delete;

    bool Made() const { return !m_name.isEmpty(); }
    QString Name() const { return m_name; }
    // Renames the draft over target, with mode (when not negative) as its
    // permissions, as the file had them.
    bool PutInPlace(const QString& target, int mode)
    {
        const QByteArray name = QFile::encodeName(m_name);
        if (mode >= 0)
            ::chmod(name.constData(), mode_t(mode));
        m_placed = ::rename(name.constData(), QFile::encodeName(target).constData()) == 0;
        return m_placed;
    }

private:
    QString m_name;
    std::unique_ptr<QLockFile> m_hold;
    bool m_placed = false;
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

// Removes the drafts of target that an ended save left, with the names that
// go with them: those whose lock can be taken. No name of any other shape is
// touched, whoever made it.
void RemoveLeftDrafts(const QFileInfo& target)
{
    const QString prefix = DraftPrefix(target);
    const QDir folder(target.absolutePath());
    // Each draft with the names that go with it.
    QHash<QString, QStringList> drafts;
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (name.startsWith(prefix) && IsRandomPart(name.midRef(prefix.size(), kRandomLength))
            && IsDraftPart(name.midRef(prefix.size() + kRandomLength)))
            drafts[name.left(prefix.size() + kRandomLength)] << name;
    }
    for (auto draft = drafts.cbegin(); draft != drafts.cend(); ++draft) {
        const QString hold = folder.filePath(draft.key() + kHoldSuffix);
        QLockFile lock(hold);
        lock.setStaleLockTime(0);
        const bool taken =
            lock.tryLock(0) || (IsUnowned(&lock, hold) && lock.removeStaleLockFile() && lock.tryLock(0));
        if (!taken)
            continue;
        for (const QString& name : draft.value()) {
            if (name != draft.key() + kHoldSuffix)
                QFile::remove(folder.filePath(name));
        }
        // The lock goes, with its file, last.
    }
}

} // namespace

namespace SettingsFile {

bool Parse(const QByteArray& bytes, const std::function<void(QSettings&)>& take)
{
    const MemoryCopy copy(bytes);
    if (!copy.Made())
        return false;
    QSettings settings(copy.Name(), QSettings::IniFormat);
    take(settings);
    return true;
}

bool Read(const QString& path, const std::function<void(QSettings&)>& take)
{
    const QFileInfo file(path);
    if (!file.exists()) {
        QSettings none(QString(), QSettings::IniFormat);
        take(none);
        return true;
    }
    QByteArray bytes;
    bool taken = false;
    if (MediaInput::ReadRegular(path, kMaxBytes, &bytes) == MediaInput::ReadWhole) {
        Parse(bytes, [&](QSettings& settings) {
            // A damaged line is read as the class reads it, as before.
            if (settings.status() != QSettings::AccessError) {
                take(settings);
                taken = true;
            }
        });
    }
    if (taken)
        return true;
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
    // The file's other keys, as they read now.
    QVariantMap kept;
    if (target.exists()) {
        QByteArray old;
        bool read = false;
        if (MediaInput::ReadRegular(path, kMaxBytes, &old) == MediaInput::ReadWhole) {
            Parse(old, [&](QSettings& settings) {
                if (settings.status() != QSettings::AccessError) {
                    kept = Values(settings);
                    read = true;
                }
            });
        }
        if (!read)
            return false;
    }
    // As the settings class itself does, a missing folder is made.
    if (!QDir().mkpath(target.absolutePath()))
        return false;
    const QFileInfo final = FinalFile(path);
    const QByteArray finalName = QFile::encodeName(final.absoluteFilePath());
    struct stat old;
    const bool existed = ::stat(finalName.constData(), &old) == 0;
    // As the save-file class did: a file the user may not write is not replaced.
    if (existed && (!S_ISREG(old.st_mode) || ::access(finalName.constData(), W_OK) != 0))
        return false;
    RemoveLeftDrafts(final);
    // The settings class writes the draft from the kept keys and the new
    // values alone: what it parsed of a damaged file never fails its write.
    // The draft goes into place only when what it holds, read back and
    // parsed from memory (the class answers reads of a name it wrote from
    // what it wrote), gives every value.
    Draft draft(final);
    if (!draft.Made())
        return false;
    QVariantMap written;
    {
        QSettings settings(draft.Name(), QSettings::IniFormat);
        for (auto value = kept.cbegin(); value != kept.cend(); ++value)
            settings.setValue(value.key(), value.value());
        fill(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
        written = Values(settings);
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
    bool whole = false;
    if (!Parse(text, [&](QSettings& readBack) {
            whole = readBack.status() == QSettings::NoError && Values(readBack) == written;
        }) || !whole)
        return false;
    return draft.PutInPlace(final.absoluteFilePath(), existed ? int(old.st_mode & 07777) : -1);
}

} // namespace SettingsFile
