#include <QtTest>

#include "ConfigFormat.h"
#include "ConfigManage.h"
#include "ConfigSystem.h"
#include "FifoGuard.h"
#include "FileFolders.h"

#include <cstdio>

#include <fcntl.h>
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

    // The hidden copies a save leaves when its program ends part
    // way go with the next save; one that a running program holds stays.
    void leftCopiesGoWithTheNextSave_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("format");
        QTest::newRow("settings") << IniPath() << false;
        QTest::newRow("format settings") << GetAppDataDir() + "/ConfigFormat.ini" << true;
        QTest::newRow("scheme") << GetDocumentsLocation() + "/Lumacrest/Formats/my [1] scheme.ini" << true;
    }
    void leftCopiesGoWithTheNextSave()
    {
        QFETCH(QString, path);
        QFETCH(bool, format);
        const QFileInfo file(path);
        const QString copy = file.absolutePath() + "/." + file.fileName();
        QVERIFY(QDir().mkpath(file.absolutePath()));
        // Killed while the settings class wrote its copy: the copy, its
        // lock, and the class's own half-made replacement of the copy.
        for (const char* name : {".AbCdEf", ".AbCdEf.GhIjKl", ".KlMnOp"})
            WriteText(copy + name, "[System]\nThreads=9\n");
        {
            LockHolder ended(copy + ".AbCdEf.lock");
            QVERIFY(ended.Held());
            QVERIFY(ended.Kill());
        }
        QVERIFY(QFileInfo::exists(copy + ".AbCdEf.lock"));
        // Killed before its lock named it: taken as stale once it is as old
        // as a stale lock of the settings class; before, it may be being made.
        for (const char* name : {".ZyXwVu", ".ZyXwVu.lock", ".YoUnGg", ".YoUnGg.lock"})
            WriteText(copy + name, QByteArray(name).endsWith(".lock") ? "" : "[System]\nThreads=9\n");
        {
            QFile old(copy + ".ZyXwVu.lock");
            QVERIFY(old.open(QIODevice::ReadWrite));
            QVERIFY(old.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        }
        WriteText(copy + ".HeLdIt", "[System]\nThreads=9\n");
        LockHolder running(copy + ".HeLdIt.lock");
        QVERIFY(running.Held());
        // A file of the user's that only looks like one.
        WriteText(copy + ".backup.txt", "mine");

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
        for (const QString& name : QDir(file.absolutePath()).entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
            if (name.startsWith(hidden))
                left << name.mid(hidden.size());
        }
        QCOMPARE(left, (QStringList{".HeLdIt", ".HeLdIt.lock", ".YoUnGg", ".YoUnGg.lock", ".backup.txt"}));
        QSettings saved(path, QSettings::IniFormat);
        QCOMPARE(saved.value(format ? "Audio/AVolume" : "System/Threads").toInt(), format ? 50 : 4);
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
