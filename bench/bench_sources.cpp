// The source list, each figure paired with its reference in the same loop
// (the order swapped every pair) and given as min/median/max of the ratios:
//
// 1. Adding a folder of short clips through the Add Folder action, against a
//    plain table filled after the same probing: the longest the window's
//    event loop stalls meanwhile, and the time until the last row is in and
//    selected, each over the plain table's time.
// 2. A 4-row Run through the window and its queue, against the same converter
//    command lines run directly, as many at once as the queue runs (2), the
//    next one started as soon as one ends.
// 3. Adding mixed files (phone mp4, camera mkv, broadcast ts, old avi, 4K
//    MPEG-4 Part 2 and MJPEG) through the Add Folder action from a slow disk
//    (an ext4 loop device read at 20 MiB/s and 200 reads a second, by the
//    block I/O throttle of the benchmark's own control group), the files'
//    pages dropped before each side, against the same files probed on a
//    worker as the header probe of earlier builds read them (their streams
//    found, and the first three pictures decoded where a stream tells no
//    field order): the time and the bytes read from the disk, each over the
//    reference's. It needs root; without it, or with 0 files, it is left out.
//
// Everything it writes, settings included, goes into its own temporary home.
//
//   bench_sources [pairs] [files] [slow-disk files]   (defaults 5, 1000 and 200; run offscreen)
#include "BenchKit.h"
#include "ShellKit.h"

#include "AppFolder.h"
#include "Core.h"
#include "JxEngineJob.h"
#include "MainWindow.h"
#include "MediaFunctions.h"
#include "MediaInput.h"
#include "ST_OPTS.h"
#include "TestMedia.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTableWidget>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <thread>
#include <unistd.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

using BenchKit::RunAndWatch;
using BenchKit::Timed;
using ShellKit::AddThroughWindow;

// The same probing as each added row gets, then the rows of a plain table.
Timed FillPlainTable(const QStringList& files)
{
    QTableWidget table(0, 3);
    table.resize(800, 800);
    table.show();
    QCoreApplication::processEvents();
    bool filled = false;
    const Timed t = RunAndWatch(
        [&] {
            QList<ST_OPTS> records;
            for (const QString& file : files) {
                ST_OPTS opts;
                InitOpts(&opts);
                InitSubtitleFile(&opts, file);
                long long duration = 0;
                GetMediaInfo(file.toUtf8().constData(), &opts.width, &opts.height, &duration);
                opts.trimEnd = duration;
                records << opts;
            }
            for (int row = 0; row < files.size(); ++row) {
                table.insertRow(row);
                table.setItem(row, 0, new QTableWidgetItem(files[row]));
                table.setItem(row, 1, new QTableWidgetItem);
                table.setItem(row, 2, new QTableWidgetItem(QStringLiteral("Ready")));
            }
            filled = true;
        },
        [&] { return filled; });
    return t;
}

// A 4-row Run; the command lines of its jobs are kept for the direct runs.
double RunThroughWindow(const QString& source, const QString& out, QList<QStringList>* commands, double* cpu)
{
    Core::instance()->Rows.clear();
    MainWindow window;
    window.Settings().Coverage = true;
    window.Jobs().setMaxRunning(2);
    window.findChild<QLineEdit*>(QStringLiteral("lineEditOutput"))->setText(out);
    for (int i = 0; i < 4; ++i)
        window.AddFile(source);
    QAction* run = window.findChild<QAction*>(QStringLiteral("actionRun"));
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpu0 = std::clock();
    run->trigger();
    // Blocks between events: the timed overload of processEvents spins and
    // would take a core from the converter.
    while (run->text() != QLatin1String("Run"))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double seconds = clock.nsecsElapsed() / 1e9;
    *cpu = double(std::clock() - cpu0) / CLOCKS_PER_SEC;
    commands->clear();
    for (AbstractJob* job : window.Jobs().jobs()) {
        if (job->status != AbstractJob::StatusCompleted)
            return -1;
        if (auto* converter = qobject_cast<JxEngineJob*>(job)) {
            // A started job holds the tool's path in front of its arguments.
            QStringList args = converter->arguments();
            if (!args.isEmpty() && args.first() != QLatin1String("-i"))
                args.removeFirst();
            commands->append(args);
        }
    }
    Core::instance()->Rows.clear();
    return seconds;
}

// The commands through nice, `parallel` at a time, each next one started as
// soon as one ends, as the queue does.
double RunDirect(const QList<QStringList>& commands, int parallel)
{
    const QString tool = AppFolder::FindTool(QStringLiteral("JxEngine"));
    std::vector<std::unique_ptr<QProcess>> processes;
    QEventLoop loop;
    int next = 0;
    int running = 0;
    bool failed = false;
    std::function<void()> startNext = [&] {
        while (running < parallel && next < commands.size()) {
            processes.push_back(std::make_unique<QProcess>());
            QProcess* p = processes.back().get();
            p->setStandardOutputFile(QProcess::nullDevice());
            p->setStandardErrorFile(QProcess::nullDevice());
            QObject::connect(p, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished),
                             [&, p](int code, QProcess::ExitStatus status) {
                                 failed = failed || code != 0 || status != QProcess::NormalExit;
                                 --running;
                                 startNext();
                                 if (running == 0)
                                     loop.quit();
                             });
            ++running;
            p->start(QStringLiteral("nice"), QStringList{tool} + commands[next++]);
        }
    };
    QElapsedTimer clock;
    clock.start();
    startNext();
    if (running > 0)
        loop.exec();
    return failed ? -1 : clock.nsecsElapsed() / 1e9;
}

// A command run to its end; false, with its error output, when it fails.
bool Command(const QString& program, const QStringList& args, QByteArray* out = nullptr)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "%s %s: %s\n", qPrintable(program), qPrintable(args.join(' ')), p.readAllStandardError().constData());
        return false;
    }
    if (out)
        *out = p.readAllStandardOutput().trimmed();
    return true;
}

// A slow disk: an ext4 file system on a loop device, whose reads by this
// process are throttled by its control group, as a USB stick, a network
// folder or a camera card reads. Only root may make one.
class SlowDisk
{
public:
    explicit SlowDisk(const QString& dir, qint64 bytes)
        : m_image(dir + QStringLiteral("/disk.img"))
        , m_mount(dir + QStringLiteral("/disk"))
    {
        QFile image(m_image);
        QByteArray device;
        if (geteuid() != 0 || !image.open(QIODevice::WriteOnly) || !image.resize(bytes) || !QDir().mkpath(m_mount)
            || !Command("losetup", {"-f", "--show", "--direct-io=on", m_image}, &device))
            return;
        m_device = QString::fromLocal8Bit(device);
        QByteArray number;
        if (!Command("mkfs.ext4", {"-q", m_device}) || !Command("mount", {m_device, m_mount})
            || !Command("lsblk", {"-dno", "MAJ:MIN", m_device}, &number))
            return;
        m_mounted = true;
        // The throttle of cgroup v1's block I/O controller, else of v2's.
        const QString id = QString::fromLatin1(number).trimmed();
        const QString v1 = QStringLiteral("/sys/fs/cgroup/blkio");
        m_group = (QDir(v1).exists() ? v1 : QStringLiteral("/sys/fs/cgroup")) + "/lumacrest-bench-" + QString::number(getpid());
        if (!QDir().mkpath(m_group))
            return;
        const bool one = m_group.startsWith(v1);
        m_throttled = one ? Write(m_group + "/blkio.throttle.read_bps_device", id + " " + QString::number(20 << 20))
                              && Write(m_group + "/blkio.throttle.read_iops_device", id + " 200")
                          : Write(m_group + "/io.max", id + " rbps=" + QString::number(20 << 20) + " riops=200");
        m_parent = one ? v1 : QStringLiteral("/sys/fs/cgroup");
    }
    ~SlowDisk()
    {
        if (!m_group.isEmpty()) {
            Write(m_parent + "/cgroup.procs", QString::number(getpid()));
            QDir().rmdir(m_group);
        }
        if (m_mounted)
            Command("umount", {m_mount});
        if (!m_device.isEmpty())
            Command("losetup", {"-d", m_device});
        QFile::remove(m_image);
    }
    bool ready() const { return m_throttled; }
    QString path() const { return m_mount; }
    // Every thread of this process reads through the throttle from now on.
    bool Enter() const { return Write(m_group + "/cgroup.procs", QString::number(getpid())); }
    // The files' pages and the device's own dropped: the next read is cold.
    void DropCache(const QStringList& files) const
    {
        const QStringList all = QStringList(files) << m_device;
        for (const QString& file : all) {
            const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY);
            if (fd >= 0)
                posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED), ::close(fd);
        }
    }

private:
    static bool Write(const QString& path, const QString& text)
    {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(text.toLatin1()) == text.size();
    }

    QString m_image, m_mount, m_device, m_group, m_parent;
    bool m_mounted = false;
    bool m_throttled = false;
};

// The bytes this process has had read from a disk so far.
long long DiskBytesRead()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("read_bytes:"))
            return line.mid(11).trimmed().toLongLong();
    return -1;
}

// What the header probe of earlier builds read of a file: its streams found,
// and where its last picture stream tells no field order, the first three
// pictures decoded of at most 256 packets.
void HeaderProbe(const QString& path)
{
    MediaInput input(QFile::encodeName(path).constData());
    AVFormatContext* fmt = input.get();
    int video = -1;
    for (unsigned i = 0; fmt && i < fmt->nb_streams; ++i)
        if (fmt->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_VIDEO
            && !(fmt->streams[i]->disposition & AV_DISPOSITION_ATTACHED_PIC))
            video = int(i);
    if (video < 0 || fmt->streams[video]->codecpar->field_order != AV_FIELD_UNKNOWN)
        return;
    const AVCodecParameters* par = fmt->streams[video]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(par->codec_id);
    AVCodecContext* dec = codec ? avcodec_alloc_context3(codec) : nullptr;
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    if (dec && packet && frame && avcodec_parameters_to_context(dec, par) >= 0 && avcodec_open2(dec, codec, nullptr) >= 0) {
        int pictures = 0;
        for (int packets = 0; pictures < 3 && packets < 256 && av_read_frame(fmt, packet) >= 0; ++packets) {
            if (packet->stream_index == video)
                avcodec_send_packet(dec, packet);
            av_packet_unref(packet);
            while (pictures < 3 && avcodec_receive_frame(dec, frame) >= 0)
                ++pictures;
        }
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&dec);
}

// The mixed files of the slow disk: a few made, the rest copies of them, so
// that each is a file of its own on the disk. Empty when one cannot be made.
QStringList MakeMixedFiles(const QString& folder, int count)
{
    // name, share of the files, and what the converter makes it of.
    const QList<QPair<QString, QPair<int, QString>>> kinds{
        {"phone.mp4", {30, "testsrc2=s=1920x1080:r=30,noise=alls=8:allf=t,settb=1/90000,setpts=N*3000+mod(N*N*7919+N*4271\\,721)-360 "
                           "-c:v libx264 -preset ultrafast -b:v 16M -maxrate 16M -bufsize 8M -fps_mode passthrough -enc_time_base:v 1/90000"}},
        {"camera.mkv", {20, "testsrc2=s=1920x1080:r=25,noise=alls=8:allf=t -c:v libx264 -preset superfast -b:v 10M -maxrate 10M -bufsize 5M"}},
        {"broadcast.ts", {20, "testsrc2=s=1920x1080:r=25,noise=alls=8:allf=t -c:v libx264 -preset ultrafast -b:v 15M -maxrate 15M "
                              "-bufsize 5M -flags +ildct+ilme -x264-params tff=1"}},
        {"old.avi", {20, "testsrc2=s=1280x720:r=25,noise=alls=8:allf=t -c:v mpeg4 -b:v 5M"}},
        {"uhd.avi", {5, "testsrc2=s=3840x2160:r=25,noise=alls=8:allf=t -c:v mpeg4 -b:v 40M -t 4"}},
        {"uhd.mov", {5, "testsrc2=s=3840x2160:r=25,noise=alls=8:allf=t -c:v mjpeg -q:v 8 -pix_fmt yuvj420p -t 2"}},
    };
    QStringList made;
    for (const auto& kind : kinds) {
        const QString path = QDir(folder).filePath(kind.first);
        const QStringList how = kind.second.second.split(' ');
        if (!TestMedia::RunConverter(QStringList{"-f", "lavfi", "-i", how.first(), "-f", "lavfi", "-i", "sine", "-t", "6"}
                                     + how.mid(1) + QStringList{"-shortest", path}, 600000))
            return {};
        made << path;
    }
    QStringList files;
    for (int i = 0; i < count; ++i) {
        // Shares of a hundred, in turn: 30 phone clips, 20 mkv, and so on.
        int share = i % 100;
        int k = 0;
        while (share >= kinds[k].second.first)
            share -= kinds[k++].second.first;
        files << QDir(folder).filePath(QStringLiteral("%1-").arg(i, 4, 10, QLatin1Char('0')) + kinds[k].first);
        if (!QFile::copy(made[k], files.last()))
            return {};
    }
    for (const QString& path : made)
        QFile::remove(path);
    return files;
}

// Figure 3: the slow disk's files added through the window, against the
// header probe of earlier builds on a worker.
int SlowDiskAdding(int pairs, int count)
{
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-slowdisk-XXXXXX"));
    SlowDisk disk(dir.path(), qint64(count) * (24 << 20) + (1LL << 30));
    if (!disk.ready()) {
        std::printf("slow disk: left out (it needs root, a loop device and a block I/O throttle)\n");
        return 0;
    }
    const QString folder = disk.path() + QStringLiteral("/sources");
    QDir().mkpath(folder);
    const QStringList files = MakeMixedFiles(folder, count);
    if (files.isEmpty() || !disk.Enter()) {
        std::fprintf(stderr, "could not make the slow disk's files\n");
        return 1;
    }
    const auto measured = [&](const std::function<BenchKit::Timed()>& run, long long* bytes) {
        disk.DropCache(files);
        const long long before = DiskBytesRead();
        const BenchKit::Timed t = run();
        *bytes = DiskBytesRead() - before;
        return t;
    };
    const auto window = [&] { return AddThroughWindow(folder, count); };
    const auto reference = [&] {
        bool done = false;
        std::thread worker;
        const BenchKit::Timed t = RunAndWatch(
            [&] {
                worker = std::thread([&] {
                    for (const QString& file : files)
                        HeaderProbe(file);
                    QMetaObject::invokeMethod(qApp, [&] { done = true; });
                });
            },
            [&] { return done; });
        worker.join();
        return t;
    };
    std::vector<double> timeRatios;
    std::vector<double> byteRatios;
    for (int pair = 0; pair < pairs; ++pair) {
        BenchKit::Timed added;
        BenchKit::Timed probed;
        long long addedBytes = 0;
        long long probedBytes = 0;
        BenchKit::RunPair(
            pair, [&] { added = measured(window, &addedBytes); }, [&] { probed = measured(reference, &probedBytes); });
        timeRatios.push_back(added.seconds / probed.seconds);
        byteRatios.push_back(double(addedBytes) / double(qMax(1LL, probedBytes)));
        std::printf("slow disk, %d files, pair %d: through the window %.2f s, %.1f MB (longest stall %.3f s); "
                    "header probe %.2f s, %.1f MB\n",
                    count, pair + 1, added.seconds, addedBytes / 1e6, added.longestStall, probed.seconds, probedBytes / 1e6);
        std::fflush(stdout);
    }
    BenchKit::PrintSpread("slow disk: adding's time over the header probe's", timeRatios);
    BenchKit::PrintSpread("slow disk: adding's bytes read over the header probe's", byteRatios);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    BenchKit::WindowApplication app(argc, argv);
    const int pairs = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    const int count = argc > 2 ? qMax(1, atoi(argv[2])) : 1000;
    const int slowCount = argc > 3 ? qMax(0, atoi(argv[3])) : 200;

    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("sources"));
    QDir().mkpath(folder);
    const QString clip = TestMedia::MakeVideo(dir.path(), QStringLiteral("clip.mp4"), 0.5);
    const QString longer = TestMedia::MakeVideo(dir.path(), QStringLiteral("row.mp4"), 5.0, 640, 360);
    if (clip.isEmpty() || longer.isEmpty()) {
        std::fprintf(stderr, "could not make the clips\n");
        return 1;
    }
    QStringList files;
    for (int i = 0; i < count; ++i) {
        files << QDir(folder).filePath(QStringLiteral("clip%1.mp4").arg(i, 5, 10, QLatin1Char('0')));
        QFile::copy(clip, files.last());
    }

    // One untimed round of each fills the page cache.
    AddThroughWindow(folder, count);
    FillPlainTable(files);
    std::vector<double> stallRatios;
    std::vector<double> totalRatios;
    for (int pair = 0; pair < pairs; ++pair) {
        Timed window;
        Timed plain;
        BenchKit::RunPair(
            pair, [&] { window = AddThroughWindow(folder, count); }, [&] { plain = FillPlainTable(files); });
        stallRatios.push_back(window.longestStall / plain.seconds);
        totalRatios.push_back(window.seconds / plain.seconds);
        std::printf("adding %d files, pair %d: window %.3f s (longest stall %.3f s), plain table %.3f s\n", count,
                    pair + 1, window.seconds, window.longestStall, plain.seconds);
        std::fflush(stdout);
    }
    BenchKit::PrintSpread("adding: longest stall of the window over the plain table's time", stallRatios);
    BenchKit::PrintSpread("adding: window's time to the last row over the plain table's time", totalRatios);

    const QString out = dir.filePath(QStringLiteral("out"));
    QList<QStringList> commands;
    double cpu = 0;
    if (RunThroughWindow(longer, out, &commands, &cpu) < 0 || RunDirect(commands, 2) < 0) {
        std::fprintf(stderr, "a conversion failed\n");
        return 1;
    }
    std::vector<double> runRatios;
    for (int pair = 0; pair < pairs; ++pair) {
        double queued = 0;
        double direct = 0;
        BenchKit::RunPair(
            pair, [&] { queued = RunThroughWindow(longer, out, &commands, &cpu); },
            [&] { direct = RunDirect(commands, 2); });
        if (queued < 0 || direct < 0) {
            std::fprintf(stderr, "a conversion failed\n");
            return 1;
        }
        runRatios.push_back(queued / direct);
        std::printf("4-row Run, pair %d: through the queue %.3f s (window's own CPU %.3f s), the same %d commands "
                    "directly %.3f s\n",
                    pair + 1, queued, cpu, int(commands.size()), direct);
        std::fflush(stdout);
    }
    BenchKit::PrintSpread("4-row Run: queue over direct", runRatios);
    return slowCount > 0 ? SlowDiskAdding(pairs, slowCount) : 0;
}
