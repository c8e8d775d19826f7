#include <QtTest>

#include "ConfigFormat.h"
#include "ConfigManage.h"
#include "ConfigSystem.h"
#include "FifoGuard.h"
#include "FileFolders.h"

#include <algorithm>
#include <cstdio>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// A small tmpfs over a folder, filled by Fill().
class FullDisk
{
public:
    explicit FullDisk(const QString& folder)
        : m_folder(QFile::encodeName(folder))
    {
        m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", 0, "size=256k") == 0;
    }
    ~FullDisk()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    bool Mounted() const { return m_mounted; }
    // Leaves freeBlocks blocks free: by default one, as a disk that is nearly full.
    void Fill(int freeBlocks = 1)
    {
        const int fd = ::open((m_folder + "/fill").constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const QByteArray block(4096, 'x');
        off_t size = 0;
        while (fd >= 0 && ::write(fd, block.constData(), block.size()) == block.size())
            size += block.size();
        const bool freed = fd >= 0 && size > 0 && ::ftruncate(fd, size - freeBlocks * block.size()) == 0;
        ::close(fd);
        QVERIFY(freed);
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

// This test program again, holding a lock of the settings files' kind in
// another process, as a running or (once killed) an ended program does.
class LockHolder
{
public:
    explicit LockHolder(const QString& lock)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LUMACREST_HOLD_LOCK"), lock);
        m_process.setProcessEnvironment(environment);
        m_process.start(QCoreApplication::applicationFilePath(), QStringList());
    }
    ~LockHolder()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(30000))
            m_process.kill();
        m_process.waitForFinished(30000);
    }
    bool Held()
    {
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(30000))
                return false;
        }
        return m_process.readLine() == "held\n";
    }
    // Killed, the process leaves its lock behind.
    bool Kill()
    {
        m_process.kill();
        return m_process.waitForFinished(30000);
    }

    // The child's side: holds the lock until its input ends.
    static int Run(const QString& lock)
    {
        QLockFile file(lock);
        if (!file.tryLock(0))
            return 1;
        std::printf("held\n");
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return 0;
    }

private:
    QProcess m_process;
};

// This test program again, saving a scheme over and over as a second
// running program does: its volume on each save, and each read must find a
// whole file of either program.
class SaveLoop
{
public:
    SaveLoop(const QString& path, int volume, int saves)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LUMACREST_SAVE_LOOP"), path);
        environment.insert(QStringLiteral("LUMACREST_SAVE_VOLUME"), QString::number(volume));
        environment.insert(QStringLiteral("LUMACREST_SAVE_COUNT"), QString::number(saves));
        m_process.setProcessEnvironment(environment);
        m_process.start(QCoreApplication::applicationFilePath(), QStringList());
    }
    ~SaveLoop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(30000);
        }
    }
    // What the child said at its end: "saved N of M, read K wrong".
    QByteArray Result(int deadlineMs)
    {
        if (!m_process.waitForFinished(deadlineMs))
            return "(still saving)";
        return m_process.readAllStandardOutput().trimmed();
    }

    // The child's side.
    static int Run(const QString& path, int volume, int saves)
    {
        int saved = 0;
        int wrong = 0;
        for (int i = 0; i < saves; ++i) {
            ConfigFormat format;
            format.FilePath = path;
            format.Load();
            if (format.AVolume < 1 || format.AVolume > 3 || format.VSize != QLatin1String("640x480"))
                ++wrong;
            format.AVolume = volume;
            if (format.Save())
                ++saved;
        }
        std::printf("saved %d of %d, read %d wrong\n", saved, saves, wrong);
        return 0;
    }

private:
    QProcess m_process;
};

// The names made in a folder while it is watched.
class NamesMade
{
public:
    explicit NamesMade(const QString& folder)
    {
        m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_fd >= 0 && ::inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_CREATE | IN_MOVED_TO) < 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~NamesMade()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool Watching() const { return m_fd >= 0; }
    // Takes the names from the queue; false once it overflowed.
    bool Take()
    {
        alignas(struct inotify_event) char buffer[64 * 1024];
        for (;;) {
            const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
            if (got <= 0)
                return !m_overflow;
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const struct inotify_event*>(buffer + at);
                if (event->mask & IN_Q_OVERFLOW)
                    m_overflow = true;
                else if (event->len > 0)
                    m_names.insert(QFile::decodeName(event->name));
                at += ssize_t(sizeof(struct inotify_event) + event->len);
            }
        }
    }
    const QSet<QString>& Names() const { return m_names; }

private:
    int m_fd = -1;
    bool m_overflow = false;
    QSet<QString> m_names;
};

QByteArray Contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

} // namespace

// Every run gets its own home folder, so neither the settings nor the
// documents folder of a real user is touched.
class TestConfig : public QObject
{
    Q_OBJECT
private:
    static QString IniPath() { return GetAppDataLocation() + "/Lumacrest.ini"; }
    static void WriteText(const QString& path, const QByteArray& text)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    static void ClearData()
    {
        QDir(GetAppDataLocation()).removeRecursively();
        QDir(GetDocumentsLocation()).removeRecursively();
    }

private slots:
    void init() { ClearData(); }

    void firstStartDefaults()
    {
        QVERIFY(!QFile::exists(IniPath()));
        auto* config = new ConfigSystem;
        const QString docs = GetDocumentsLocation();
        QVERIFY(docs.startsWith(QDir::homePath()));
        QCOMPARE(config->IniPath, IniPath());
        QCOMPARE(config->OutPath, docs + "/VideoOutput");
        QVERIFY(QFileInfo(config->OutPath).isDir());
        QCOMPARE(config->OpenPath, docs);
        QCOMPARE(config->OpenFolder, docs);
        QCOMPARE(config->Language, 1);
        QCOMPARE(config->Coverage, false);
        QCOMPARE(config->Threads, 2);
        QCOMPARE(config->CachePath, GetAppDataDir() + "/Cache");
        QVERIFY(QFileInfo(config->CachePath).isDir());
        delete config; // saves

        QSettings s(IniPath(), QSettings::IniFormat);
        s.beginGroup("System");
        QCOMPARE(s.childKeys().size(), 6);
        for (const char* key : {"OutPath", "OpenPath", "OpenFolder", "Language", "Coverage", "Threads"})
            QVERIFY2(s.contains(key), key);
        QCOMPARE(s.value("OutPath").toString(), docs + "/VideoOutput");
    }

    void roundTrip()
    {
        {
            ConfigSystem config;
            config.OutPath = "/tmp/out, with comma";
            config.OpenPath = "/tmp/open 'q'";
            config.OpenFolder = QString::fromUtf8("/tmp/ordner/grüße");
            config.Language = 7;
            config.Coverage = true;
            config.Threads = 5;
            QVERIFY(config.Save());
        }
        ConfigSystem again;
        QCOMPARE(again.OutPath, QString("/tmp/out, with comma"));
        QCOMPARE(again.OpenPath, QString("/tmp/open 'q'"));
        QCOMPARE(again.OpenFolder, QString::fromUtf8("/tmp/ordner/grüße"));
        QCOMPARE(again.Language, 7);
        QCOMPARE(again.Coverage, true);
        QCOMPARE(again.Threads, 5);
    }

    void storedValues_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("coverage");
        QTest::addColumn<int>("threads");
        QTest::addColumn<bool>("defaultOut");
        QTest::newRow("all set") << QByteArray("Language=3\nCoverage=true\nThreads=4\nOutPath=/x/out\n") << 3
                                 << true << 4 << false;
        QTest::newRow("empty out path is missing") << QByteArray("OutPath=\n") << 1 << false << 2 << true;
        // Text that is no number converts to 0, which is no job at a time.
        QTest::newRow("text numbers") << QByteArray("Language=abc\nThreads=two\n") << 0 << false << 2 << true;
        QTest::newRow("no job at a time") << QByteArray("Threads=0\n") << 1 << false << 2 << true;
        QTest::newRow("negative threads") << QByteArray("Threads=-3\n") << 1 << false << 2 << true;
        QTest::newRow("the most jobs the dialog offers") << QByteArray("Threads=99\n") << 1 << false << 99 << true;
        QTest::newRow("more jobs at once than the dialog offers")
            << QByteArray("Threads=2147483647\n") << 1 << false << 99 << true;
        // A language without a translation is kept: it installs none.
        QTest::newRow("negative language") << QByteArray("Language=-1\n") << -1 << false << 2 << true;
        QTest::newRow("language past the list") << QByteArray("Language=9\n") << 9 << false << 2 << true;
        QTest::newRow("last language") << QByteArray("Language=8\n") << 8 << false << 2 << true;
        QTest::newRow("garbage flag") << QByteArray("Coverage=maybe\n") << 1 << false << 2 << true;
        QTest::newRow("numeric flag") << QByteArray("Coverage=1\n") << 1 << true << 2 << true;
        QTest::newRow("binary junk") << QByteArray("\x01\xff\xfe=\x02\nThreads=\xff\n", 16) << 1 << false << 2
                                     << true;
    }
    void storedValues()
    {
        QFETCH(QByteArray, ini);
        QFETCH(int, language);
        QFETCH(bool, coverage);
        QFETCH(int, threads);
        QFETCH(bool, defaultOut);
        WriteText(IniPath(), "[System]\n" + ini);
        ConfigSystem config;
        QCOMPARE(config.Language, language);
        QCOMPARE(config.Coverage, coverage);
        QCOMPARE(config.Threads, threads);
        QCOMPARE(config.OutPath, defaultOut ? GetDocumentsLocation() + "/VideoOutput" : QString("/x/out"));
    }

    void unwritableDataFolder()
    {
        // A file where the application-data folder belongs: nothing can be
        // created there, which is logged, and start-up still goes on.
        const QString data = GetAppDataLocation();
        WriteText(data, "in the way");
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Failed to create appDataDir: " + data));
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Failed to create appDataDir: " + data + "/Cache"));
        {
            ConfigSystem config;
            QCOMPARE(config.Threads, 2);
            QCOMPARE(config.OutPath, GetDocumentsLocation() + "/VideoOutput");
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to write settings file"));
            QVERIFY(!config.Save());
            config.Threads = 3;
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to write settings file"));
        }
        QFile::remove(data);
    }

    // A full disk leaves both kinds of settings file as they were, says
    // so, and leaves no half-written file behind.
    void fullDiskKeepsTheFiles()
    {
        QTemporaryDir dir;
        FullDisk disk(dir.path());
        if (!disk.Mounted())
            QSKIP("No tmpfs could be mounted here (that needs root): no full disk to save on.");
        const QString ini = dir.filePath("Lumacrest.ini");
        const QString scheme = dir.filePath("scheme.ini");
        WriteText(ini, "[System]\nThreads=5\nOutPath=/x/out\n");
        ConfigFormat format;
        format.FilePath = scheme;
        format.AVolume = 150;
        QVERIFY(format.Save());
        const auto read = [](const QString& path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
        };
        const QByteArray iniBefore = read(ini);
        const QByteArray schemeBefore = read(scheme);
        disk.Fill();

        ConfigSystem config;
        config.IniPath = ini;
        config.Load();
        QCOMPARE(config.Threads, 5);
        config.Threads = 7;
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Failed to write settings file: " + ini));
        QVERIFY(!config.Save());
        QCOMPARE(read(ini), iniBefore);
        format.AVolume = 20;
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Failed to write format settings: " + scheme));
        QVERIFY(!format.Save());
        QCOMPARE(read(scheme), schemeBefore);
        format.FilePath = dir.filePath("new.ini");
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Failed to write format settings: " + format.FilePath));
        QVERIFY(!format.Save());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{"Lumacrest.ini", "fill", "scheme.ini"}));
        config.IniPath = IniPath(); // its last save goes home
    }

    // A pipe in place of a settings file is neither read nor written: the
    // start would wait on it for ever.
    void pipeInPlaceOfTheFiles()
    {
        QVERIFY(QDir().mkpath(GetAppDataLocation()));
        FifoGuard iniPipe(IniPath());
        const QString formatPath = GetAppDataDir() + "/ConfigFormat.ini";
        FifoGuard formatPipe(formatPath);
        QVERIFY(iniPipe.Made() && formatPipe.Made());
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Not a regular file, settings not read: " + IniPath()));
        {
            ConfigSystem config;
            QCOMPARE(config.Threads, 2);
            QTest::ignoreMessage(QtWarningMsg, qPrintable("Failed to write settings file: " + IniPath()));
        }
        ConfigFormat format;
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Not a regular file, settings not read: " + formatPath));
        format.Load();
        QCOMPARE(format.AVolume, 100);
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Failed to write format settings: " + formatPath));
        QVERIFY(!format.Save());
        QVERIFY(!iniPipe.WasOpened());
        QVERIFY(!formatPipe.WasOpened());
        QVERIFY(!QFileInfo(formatPath).isFile());

        // One put in place of the file once it is opened: what was opened is read.
        format.FilePath = GetAppDataDir() + "/swapped.ini";
        WriteText(format.FilePath, "[Audio]\nAVolume=150\n");
        PipeSwap swap(format.FilePath);
        format.Load();
        QCOMPARE(format.AVolume, 150);
        QVERIFY(swap.Pipe() && !swap.Pipe()->WasOpened());
    }

    // A file that was there but could not be read is not written over in
    // this run, not even once it could be read: its values were not known
    // when the defaults were taken. Here it was too large when it was read,
    // and its own size again when it was to be saved.
    void unreadFileIsNotWrittenOver_data()
    {
        QTest::addColumn<bool>("format");
        QTest::newRow("settings") << false;
        QTest::newRow("format settings") << true;
    }
    void unreadFileIsNotWrittenOver()
    {
        QFETCH(bool, format);
        QTemporaryDir dir;
        const QString path = dir.filePath(format ? "ConfigFormat.ini" : "Lumacrest.ini");
        const QByteArray text = format ? "[Audio]\nAVolume=150\n" : "[System]\nThreads=5\nOutPath=/x/out\n";
        WriteText(path, text);
        QVERIFY(QFile(path).resize(16 * 1024 * 1024 + 1));
        const QString failed =
            (format ? "Failed to write format settings: " : "Failed to write settings file: ") + path;
        // A new record loads the file and, after `between`, saves: what it
        // read, and whether the save went through.
        const auto loadAndSave = [&](const std::function<void()>& between) {
            QPair<int, bool> got;
            QTest::ignoreMessage(QtWarningMsg, qPrintable(failed));
            if (format) {
                ConfigFormat f;
                f.FilePath = path;
                f.Load();
                between();
                got = qMakePair(f.AVolume, f.Save());
            } else {
                ConfigSystem config;
                config.IniPath = path;
                config.Load();
                between();
                got = qMakePair(config.Threads, config.Save());
                config.IniPath = IniPath(); // its last save goes home
            }
            return got;
        };
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Settings file not read: " + path));
        QCOMPARE(loadAndSave([&] { QVERIFY(QFile(path).resize(text.size())); }), qMakePair(format ? 100 : 2, false));
        // Read at last, and still not written over in this run.
        QCOMPARE(loadAndSave([] {}), qMakePair(format ? 150 : 5, false));
        QCOMPARE(Contents(path), text);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(path).fileName()});
    }

    // Reading needs no folder: neither the temporary one nor the file's own.
    void readFromAFolderThatCannotBeWritten()
    {
        QTemporaryDir dir;
        FullDisk disk(dir.path());
        if (!disk.Mounted())
            QSKIP("No tmpfs could be mounted here (that needs root): no full disk to read on.");
        const QString path = dir.filePath("Lumacrest.ini");
        WriteText(path, "[System]\nThreads=5\n");
        disk.Fill(0);
        const QByteArray temp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(dir.path()));
        ConfigSystem config;
        config.IniPath = path;
        config.Load();
        qputenv("TMPDIR", temp);
        QCOMPARE(config.Threads, 5);
        config.IniPath = IniPath(); // its last save goes home
    }

    // Files of one size read in turn, each through a copy in memory that may
    // get the same name as the one before: each gives its own values.
    void filesOfOneSizeReadInTurn()
    {
        QTemporaryDir dir;
        const QStringList paths{dir.filePath("a.ini"), dir.filePath("b.ini")};
        WriteText(paths[0], "[System]\nThreads=5\n");
        WriteText(paths[1], "[System]\nThreads=6\n");
        ConfigSystem config;
        for (int round = 0; round < 20; ++round) {
            config.IniPath = paths[round % 2];
            config.Load();
            QCOMPARE(config.Threads, 5 + round % 2);
        }
        config.IniPath = IniPath(); // its last save goes home
    }

    // The drafts a save leaves when its program ends part way go with the
    // next save; one that a running program holds stays, and so does every
    // file of another shape: the user's look-alikes, another program's
    // temporary file, a draft of another program.
    void leftCopiesGoWithTheNextSave_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("format");
        QTest::newRow("settings") << IniPath() << false;
        QTest::newRow("format settings") << GetAppDataDir() + "/ConfigFormat.ini" << true;
        QTest::newRow("scheme") << GetDocumentsLocation() + "/Lumacrest/Formats/my [1] scheme.ini" << true;
        QTest::newRow("scheme of a short name") << GetDocumentsLocation() + "/Lumacrest/Formats/Kill.ini" << true;
    }
    void leftCopiesGoWithTheNextSave()
    {
        QFETCH(QString, path);
        QFETCH(bool, format);
        const QFileInfo file(path);
        const QString copy = file.absolutePath() + "/." + file.fileName();
        const QString draft = copy + ".lumacrest-draft-";
        QVERIFY(QDir().mkpath(file.absolutePath()));
        // Killed while the settings class wrote its draft: the draft, the
        // save's lock, the class's lock and its half-made replacement.
        for (const char* name : {"AbCdEf", "AbCdEf.lock", "AbCdEf.GhIjKl", "KlMnOp"})
            WriteText(draft + name, "[System]\nThreads=9\n");
        {
            LockHolder ended(draft + "AbCdEf.hold");
            QVERIFY(ended.Held());
            QVERIFY(ended.Kill());
        }
        QVERIFY(QFileInfo::exists(draft + "AbCdEf.hold"));
        // Killed before its lock named it: taken as stale once it is as old
        // as a stale lock of the settings class; before, it may be being made.
        for (const char* name : {"ZyXwVu", "ZyXwVu.hold", "YoUnGg", "YoUnGg.hold"})
            WriteText(draft + name, QByteArray(name).endsWith(".hold") ? "" : "[System]\nThreads=9\n");
        {
            QFile old(draft + "ZyXwVu.hold");
            QVERIFY(old.open(QIODevice::ReadWrite));
            QVERIFY(old.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        }
        WriteText(draft + "HeLdIt", "[System]\nThreads=9\n");
        LockHolder running(draft + "HeLdIt.hold");
        QVERIFY(running.Held());
        // The user's own files that only look like drafts, and a draft of
        // another shape whose lock is stale.
        for (const char* name : {".backup.txt", ".backup", ".240101", ".QrStUv"})
            WriteText(copy + name, "mine");
        {
            LockHolder ended(copy + ".QrStUv.lock");
            QVERIFY(ended.Held());
            QVERIFY(ended.Kill());
        }
        // Another program's temporary file, being written while we save.
        QFile syncing(copy + ".rS7tU9");
        QVERIFY(syncing.open(QIODevice::WriteOnly));
        QVERIFY(syncing.write("[System]\n") > 0 && syncing.flush());

        if (format) {
            ConfigFormat f;
            f.FilePath = path;
            f.AVolume = 50;
            QVERIFY(f.Save());
        } else {
            ConfigSystem config;
            config.Threads = 4;
            QVERIFY(config.Save());
        }
        const QString hidden = "." + file.fileName();
        QStringList left;
        for (const QString& name : QDir(file.absolutePath()).entryList(QDir::Files | QDir::Hidden)) {
            if (name.startsWith(hidden))
                left << name.mid(hidden.size());
        }
        std::sort(left.begin(), left.end());
        QCOMPARE(left, (QStringList{".240101", ".QrStUv", ".QrStUv.lock", ".backup", ".backup.txt",
                                    ".lumacrest-draft-HeLdIt", ".lumacrest-draft-HeLdIt.hold",
                                    ".lumacrest-draft-YoUnGg", ".lumacrest-draft-YoUnGg.hold", ".rS7tU9"}));
        QSettings saved(path, QSettings::IniFormat);
        QCOMPARE(saved.value(format ? "Audio/AVolume" : "System/Threads").toInt(), format ? 50 : 4);
    }

    // Two programs saving one file together: neither save fails, every read
    // finds a whole file, and nothing is made in the folder but the file and
    // hidden drafts of the saves' own shape, which go.
    void twoProgramsSavingTogether()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Kill.ini");
        {
            ConfigFormat f;
            f.FilePath = path;
            f.VSize = "640x480";
            f.AVolume = 1;
            QVERIFY(f.Save());
        }
        // Without a watch (no inotify instance left), only the saves are checked.
        NamesMade made(dir.path());
        const int saves = 300;
        SaveLoop first(path, 2, saves);
        SaveLoop second(path, 3, saves);
        const QByteArray expected = "saved " + QByteArray::number(saves) + " of " + QByteArray::number(saves)
            + ", read 0 wrong";
        QCOMPARE(first.Result(240000), expected);
        QCOMPARE(second.Result(240000), expected);
        if (!made.Watching())
            qWarning("No folder watch could be made: the names made are not checked.");
        QVERIFY2(made.Take(), "too many names to follow");
        const QRegularExpression ours("^\\.Kill\\.ini\\.lumacrest-draft-[A-Za-z0-9]{6}(\\..+)?$");
        QStringList others;
        for (const QString& name : made.Names()) {
            if (name != "Kill.ini" && !ours.match(name).hasMatch())
                others << name;
        }
        QCOMPARE(others, QStringList());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Kill.ini"});
    }

    // A save replaces what a link leads to, keeps the link, and keeps the
    // permissions the file had.
    void saveWritesThroughALink()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("real/ConfigFormat.ini");
        WriteText(file, "[Audio]\nAVolume=150\n");
        const QFileDevice::Permissions perms = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(file, perms));
        QVERIFY(QFile::link(file, dir.filePath("link.ini")));
        ConfigFormat f;
        f.FilePath = dir.filePath("link.ini");
        f.Load();
        QCOMPARE(f.AVolume, 150);
        f.AVolume = 120;
        QVERIFY(f.Save());
        QVERIFY(QFileInfo(f.FilePath).isSymLink());
        QVERIFY(Contents(file).contains("AVolume=120"));
        QCOMPARE(QFile::permissions(file) & QFileDevice::Permissions(0x7077), perms);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System),
                 (QStringList{"link.ini", "real"}));
        QCOMPARE(QDir(dir.filePath("real")).entryList(QDir::Files | QDir::Hidden), QStringList{"ConfigFormat.ini"});
    }

    // A file with a damaged line (a header cut off by a crash or a full
    // disk) is read as far as it goes and written back whole, so its next
    // read gives the same values.
    void damagedFileIsWrittenBackWhole_data()
    {
        QTest::addColumn<bool>("format");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("settings, last header cut off") << false << QByteArray("[System]\nThreads=5\n[Form") << 5;
        QTest::newRow("settings, a line of no key") << false << QByteArray("[System]\nThreads=5\nbroken\nLanguage=3\n")
                                                    << 5;
        QTest::newRow("format settings, last header cut off")
            << true << QByteArray("[Audio]\nAVolume=150\n[Vid") << 150;
    }
    void damagedFileIsWrittenBackWhole()
    {
        QFETCH(bool, format);
        QFETCH(QByteArray, text);
        QFETCH(int, value);
        const QString path = format ? GetAppDataDir() + "/ConfigFormat.ini" : IniPath();
        WriteText(path, text);
        // Read, saved as read, and read again.
        for (int round = 0; round < 2; ++round) {
            if (format) {
                ConfigFormat f;
                f.Load();
                QCOMPARE(f.AVolume, value);
                QVERIFY(f.Save());
            } else {
                ConfigSystem config;
                QCOMPARE(config.Threads, value);
                QCOMPARE(config.Language, text.contains("Language=3") ? 3 : 1);
                QVERIFY(config.Save());
            }
        }
        QVERIFY(Contents(path) != text);
    }

    // A save on a disk nearly full either puts the whole file in place or
    // fails and leaves the old one, and leaves nothing else behind.
    void nearlyFullDiskSavesWholeOrNothing_data()
    {
        QTest::addColumn<int>("freeBlocks");
        for (int blocks = 1; blocks <= 8; ++blocks)
            QTest::addRow("%d blocks free", blocks) << blocks;
    }
    void nearlyFullDiskSavesWholeOrNothing()
    {
        QFETCH(int, freeBlocks);
        // About 6 kB, most of it in keys the save keeps.
        const QByteArray old = "[Notes]\nText=" + QByteArray(6000, 'n') + "\n[System]\nOutPath=/x/out\nThreads=5\n";
        const auto save = [](const QString& path) {
            ConfigSystem config;
            config.IniPath = path;
            config.Load();
            config.Threads = 7;
            const bool saved = config.Save();
            config.IniPath = IniPath(); // its last save goes home
            return saved;
        };
        QByteArray whole;
        {
            QTemporaryDir roomy;
            WriteText(roomy.filePath("Lumacrest.ini"), old);
            QVERIFY(save(roomy.filePath("Lumacrest.ini")));
            whole = Contents(roomy.filePath("Lumacrest.ini"));
            QVERIFY(whole.contains(QByteArray(6000, 'n')) && whole.contains("Threads=7"));
        }
        QTemporaryDir dir;
        FullDisk disk(dir.path());
        if (!disk.Mounted())
            QSKIP("No tmpfs could be mounted here (that needs root): no full disk to save on.");
        const QString ini = dir.filePath("Lumacrest.ini");
        WriteText(ini, old);
        disk.Fill(freeBlocks);
        if (save(ini))
            QCOMPARE(Contents(ini), whole);
        else
            QCOMPARE(Contents(ini), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{"Lumacrest.ini", "fill"}));
    }

    void formatDefaults()
    {
        // A new record already holds every default, before any Load.
        ConfigFormat f;
        QCOMPARE(f.FilePath, GetAppDataDir() + "/ConfigFormat.ini");
        const ConfigFormat fresh;
        f.FilePath = QDir::home().filePath("missing/ConfigFormat.ini");
        f.Format = "changed";
        f.AVolume = 3;
        f.Load();
        for (const ConfigFormat* r : {&fresh, static_cast<const ConfigFormat*>(&f)}) {
            QCOMPARE(r->Format, QString("mp4"));
            QCOMPARE(r->VSetMode, false);
            QCOMPARE(r->VBitRate, QString("Auto"));
            QCOMPARE(r->VCodec, QString("h264"));
            QCOMPARE(r->VKeepWH, true);
            QCOMPARE(r->VSize, QString("1920x1080"));
            QCOMPARE(r->VAspect, QString("Auto"));
            QCOMPARE(r->VKeepFrameRate, true);
            QCOMPARE(r->VFrameRate, QString("25.0 fps"));
            QCOMPARE(r->AKeepCodec, false);
            QCOMPARE(r->ABitRate, QString("64 kbps"));
            QCOMPARE(r->ACodec, QString("aac"));
            QCOMPARE(r->AChannels, QString("2 channels stereo"));
            QCOMPARE(r->ASample, QString("44100 Hz"));
            QCOMPARE(r->AVolume, 100);
        }
    }

    void formatRoundTrip()
    {
        QTemporaryDir dir;
        ConfigFormat f;
        f.FilePath = dir.filePath("Formats/scheme one.ini");
        QVERIFY(QDir().mkpath(dir.filePath("Formats")));
        f.Format = "mkv";
        f.VSetMode = true;
        f.VBitRate = "50 high";
        f.VCodec = "h265";
        f.VKeepWH = false;
        f.VSize = "1280x720";
        f.VAspect = "16:9";
        f.VKeepFrameRate = false;
        f.VFrameRate = "29.97 fps";
        f.AKeepCodec = true;
        f.ABitRate = "192 kbps";
        f.ACodec = "ac3";
        f.AChannels = "1 channel mono";
        f.ASample = "48000 Hz";
        f.AVolume = 150;
        QVERIFY(f.Save());

        QSettings raw(f.FilePath, QSettings::IniFormat);
        QCOMPARE(raw.value("Format/Format").toString(), QString("mkv"));
        QCOMPARE(raw.value("Video/VSize").toString(), QString("1280x720"));
        QCOMPARE(raw.value("Audio/AVolume").toInt(), 150);

        ConfigFormat g;
        g.FilePath = f.FilePath;
        g.Load();
        QCOMPARE(g.Format, f.Format);
        QCOMPARE(g.VSetMode, f.VSetMode);
        QCOMPARE(g.VBitRate, f.VBitRate);
        QCOMPARE(g.VCodec, f.VCodec);
        QCOMPARE(g.VKeepWH, f.VKeepWH);
        QCOMPARE(g.VSize, f.VSize);
        QCOMPARE(g.VAspect, f.VAspect);
        QCOMPARE(g.VKeepFrameRate, f.VKeepFrameRate);
        QCOMPARE(g.VFrameRate, f.VFrameRate);
        QCOMPARE(g.AKeepCodec, f.AKeepCodec);
        QCOMPARE(g.ABitRate, f.ABitRate);
        QCOMPARE(g.ACodec, f.ACodec);
        QCOMPARE(g.AChannels, f.AChannels);
        QCOMPARE(g.ASample, f.ASample);
        QCOMPARE(g.AVolume, f.AVolume);
    }

    void formatGarbage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("ConfigFormat.ini");
        WriteText(path, "[Video]\nVKeepWH=perhaps\nVSetMode=17\n[Audio]\nAVolume=loud\nACodec=opus\n");
        ConfigFormat f;
        f.FilePath = path;
        f.Load();
        QCOMPARE(f.VKeepWH, true);
        QCOMPARE(f.VSetMode, false);
        QCOMPARE(f.AVolume, 100);
        QCOMPARE(f.ACodec, QString("opus"));

        // Values that are no text at all (an invalid or typed variant) give
        // the defaults too, never an empty codec or size.
        WriteText(path, "[Format]\nFormat=@Invalid()\n[Video]\nVCodec=@Invalid()\nVSize=@Rect(1 2 3 4)\n"
                        "VBitRate=7\n[Audio]\nABitRate=@Size(1 2)\n");
        ConfigFormat g;
        g.FilePath = path;
        g.Load();
        QCOMPARE(g.Format, QString("mp4"));
        QCOMPARE(g.VCodec, QString("h264"));
        QCOMPARE(g.VSize, QString("1920x1080"));
        QCOMPARE(g.ABitRate, QString("64 kbps"));
        QCOMPARE(g.VBitRate, QString("7")); // a stored number is still read as its text
    }

    void containerPresets_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("vcodec");
        QTest::addColumn<QString>("acodec");
        QTest::addColumn<QString>("frameRate");
        QTest::addColumn<bool>("keepFrameRate");
        // Starting record: VCodec "xvid", ACodec "opus", VFrameRate "30.0 fps".
        QTest::newRow("mp4") << 0 << "h264" << "aac" << "30.0 fps" << true;
        QTest::newRow("mkv") << 1 << "h264" << "ac3" << "30.0 fps" << true;
        QTest::newRow("avi") << 2 << "h264" << "mp2" << "30.0 fps" << true;
        QTest::newRow("flv") << 3 << "h264" << "aac" << "30.0 fps" << true;
        QTest::newRow("mov") << 4 << "h264" << "aac" << "30.0 fps" << true;
        QTest::newRow("mpg") << 5 << "mpeg2video" << "mp2" << "25.0 fps" << false;
        QTest::newRow("ts") << 6 << "h264" << "aac" << "30.0 fps" << true;
        QTest::newRow("mp3") << 7 << "xvid" << "mp3" << "30.0 fps" << true;
        QTest::newRow("m4a") << 8 << "xvid" << "aac" << "30.0 fps" << true;
        QTest::newRow("wav") << 9 << "xvid" << "pcm_s16le" << "30.0 fps" << true;
        QTest::newRow("past the list") << 10 << "xvid" << "opus" << "30.0 fps" << true;
        QTest::newRow("negative") << -1 << "xvid" << "opus" << "30.0 fps" << true;
    }
    void containerPresets()
    {
        QFETCH(int, format);
        QFETCH(QString, vcodec);
        QFETCH(QString, acodec);
        QFETCH(QString, frameRate);
        QFETCH(bool, keepFrameRate);
        ConfigFormat f;
        f.Format = "keep";
        f.VCodec = "xvid";
        f.ACodec = "opus";
        f.VFrameRate = "30.0 fps";
        f.VKeepFrameRate = false;
        f.VKeepWH = false;
        f.VSetMode = true;
        f.VBitRate = "50 high";
        f.VAspect = "4:3";
        f.AKeepCodec = true;
        f.ABitRate = "64 kbps";
        f.VSize = "640x480";
        f.AChannels = "1 channel mono";
        f.ASample = "22050 Hz";
        f.AVolume = 80;
        f.SetFormat(FormatOut(format));
        QCOMPARE(f.VCodec, vcodec);
        QCOMPARE(f.ACodec, acodec);
        QCOMPARE(f.VFrameRate, frameRate);
        QCOMPARE(f.VKeepFrameRate, keepFrameRate);
        // The common part, whatever the container.
        QCOMPARE(f.VKeepWH, true);
        QCOMPARE(f.VSetMode, false);
        QCOMPARE(f.VBitRate, QString("Auto"));
        QCOMPARE(f.VAspect, QString("Auto"));
        QCOMPARE(f.AKeepCodec, false);
        QCOMPARE(f.ABitRate, QString("128 kbps"));
        // Untouched in every case.
        QCOMPARE(f.Format, QString("keep"));
        QCOMPARE(f.VSize, QString("640x480"));
        QCOMPARE(f.AChannels, QString("1 channel mono"));
        QCOMPARE(f.ASample, QString("22050 Hz"));
        QCOMPARE(f.AVolume, 80);
    }

    void manageOwnsItsEntries()
    {
        ConfigManage manage;
        QVERIFY(manage.Infos.isEmpty());
        manage.Infos.append(new ConfigInfo);
        manage.Infos.append(new ConfigInfo);
        manage.Infos.last()->Name = "second";
        QCOMPARE(manage.Infos.size(), 2); // freed with the owner (the leak check sees any left over)
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet("LUMACREST_HOLD_LOCK")) {
        QCoreApplication app(argc, argv);
        return LockHolder::Run(qEnvironmentVariable("LUMACREST_HOLD_LOCK"));
    }
    if (qEnvironmentVariableIsSet("LUMACREST_SAVE_LOOP")) {
        QCoreApplication app(argc, argv);
        return SaveLoop::Run(qEnvironmentVariable("LUMACREST_SAVE_LOOP"),
                             qEnvironmentVariableIntValue("LUMACREST_SAVE_VOLUME"),
                             qEnvironmentVariableIntValue("LUMACREST_SAVE_COUNT"));
    }
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    for (const char* var : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DOCUMENTS_DIR"})
        qunsetenv(var);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("Lumacrest");
    TestConfig test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_config.moc"
