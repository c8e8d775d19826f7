#include "TestMedia.h"

#include <algorithm>
#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QtDebug>

namespace TestMedia {

QString Converter()
{
    const QString local = QCoreApplication::applicationDirPath() + "/JxEngine";
    if (QFileInfo(local).isExecutable())
        return local;
    return QStandardPaths::findExecutable("ffmpeg");
}

static bool run(const QString& program, const QStringList& args, int timeoutMs, QByteArray* out = nullptr)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(10000)) {
        qWarning() << "cannot start" << program;
        return false;
    }
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        qWarning() << program << "timed out";
        return false;
    }
    const QByteArray err = p.readAllStandardError();
    if (out)
        *out = p.readAllStandardOutput();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning() << program << args << "failed:" << err;
        return false;
    }
    return true;
}

bool RunConverter(const QStringList& args, int timeoutMs)
{
    return run(Converter(), QStringList{"-hide_banner", "-y", "-loglevel", "error"} + args, timeoutMs);
}

static QString sizeText(int w, int h) { return QString::number(w) + "x" + QString::number(h); }
static QString secs(double s) { return QString::number(s, 'f', 3); }

QString MakeVideo(const QString& dir, const QString& name, double seconds, int width, int height,
                  int fps, const QStringList& extraOutputArgs)
{
    const QString out = QDir(dir).filePath(name);
    QStringList args{"-f", "lavfi", "-i", "testsrc2=size=" + sizeText(width, height) + ":rate=" + QString::number(fps),
                     "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100",
                     "-t", secs(seconds), "-pix_fmt", "yuv420p", "-shortest"};
    args << extraOutputArgs << out;
    return RunConverter(args) ? out : QString();
}

QString MakeNumberedVideo(const QString& dir, const QString& name, const QString& rate)
{
    // A phone's clock: 90 kHz, each picture up to 4 ms off 30 a second, four lost.
    const QString phone = "(N+gt(N\\,40)+gt(N\\,80)+gt(N\\,120)+gt(N\\,160))*3000+mod(N*N*7919+N*4271+360\\,721)-360";
    const bool timed = rate.isEmpty() || rate.contains('N');
    const QString out = QDir(dir).filePath(name), bits = "geq=lum='if(bitand(N\\,pow(2\\,floor(X*8/W)))\\,235\\,16)':cb=128:cr=128";
    const QString clock = rate.isEmpty() ? "1/90000" : "1/1000", stamps = ",settb=" + clock + ",setpts='" + (rate.isEmpty() ? phone : rate) + "'";
    return RunConverter({"-f", "lavfi", "-i", "color=black:s=128x96:r=" + (timed ? "30" : rate), "-f", "lavfi", "-i", "sine=d=6",
                         "-vf", bits + (timed ? stamps : ""), "-frames:v", "180", "-pix_fmt", "yuv420p", "-fps_mode",
                         "passthrough", "-enc_time_base:v", timed ? clock : "0", out})
        ? out : QString();
}

QVector<int> PictureNumbers(const QString& path)
{
    QProcess p; // the mean of each column, a byte each
    p.start(Converter(), {"-v", "error", "-i", path, "-an", "-fps_mode", "passthrough", "-vf", "scale=8:1:flags=area",
                          "-pix_fmt", "gray", "-f", "rawvideo", "-"});
    const QByteArray raw = p.waitForFinished(120000) ? p.readAllStandardOutput() : QByteArray();
    QVector<int> numbers(raw.size() / 8);
    for (int i = 0; i < numbers.size() * 8; ++i)
        numbers[i / 8] |= (uchar(raw.at(i)) > 125) << (i % 8);
    return numbers;
}

QVector<double> PictureTimes(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("ffprobe"), {"-v", "error", "-select_streams", "v:0", "-show_entries", "packet=pts_time,dts_time",
                                        "-of", "csv=p=0", path});
    QVector<double> times; // AVI keeps decoding times alone: its frames are shown in turn
    for (const QByteArray& line : (p.waitForFinished(60000) ? p.readAllStandardOutput() : QByteArray()).split('\n'))
        if (line.contains(','))
            times << (line.startsWith("N/A") ? line.split(',').value(1) : line.split(',').value(0)).toDouble();
    std::sort(times.begin(), times.end());
    return times;
}

QString MakeSolidVideo(const QString& dir, const QString& color, const QString& name, double seconds,
                       int width, int height, int fps)
{
    const QString out = QDir(dir).filePath(name);
    QStringList args{"-f", "lavfi", "-i", "color=c=" + color + ":size=" + sizeText(width, height) + ":rate=" + QString::number(fps),
                     "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100",
                     "-t", secs(seconds), "-pix_fmt", "yuv420p", "-shortest", out};
    return RunConverter(args) ? out : QString();
}

QString MakeSilentVideo(const QString& dir, const QString& name, double seconds, int width, int height, int fps)
{
    const QString out = QDir(dir).filePath(name);
    QStringList args{"-f", "lavfi", "-i", "testsrc2=size=" + sizeText(width, height) + ":rate=" + QString::number(fps),
                     "-t", secs(seconds), "-pix_fmt", "yuv420p", out};
    return RunConverter(args) ? out : QString();
}

QString MakeAudio(const QString& dir, const QString& name, double seconds)
{
    const QString out = QDir(dir).filePath(name);
    QStringList args{"-f", "lavfi", "-i", "sine=frequency=660:sample_rate=44100", "-t", secs(seconds), out};
    return RunConverter(args) ? out : QString();
}

QString MakeImage(const QString& dir, const QString& name, int width, int height, const QString& color)
{
    const QString out = QDir(dir).filePath(name);
    QStringList args{"-f", "lavfi", "-i", "color=c=" + color + ":size=" + sizeText(width, height),
                     "-frames:v", "1", out};
    return RunConverter(args) ? out : QString();
}

QJsonObject ProbeJson(const QString& path)
{
    QProcess probe;
    probe.start(QStringLiteral("ffprobe"), {"-v", "error", "-print_format", "json", "-show_format", "-show_streams", path});
    if (!probe.waitForFinished(60000))
        return {};
    return QJsonDocument::fromJson(probe.readAllStandardOutput()).object();
}

DecodedSound DecodeSound(const QString& path)
{
    DecodedSound sound;
    QProcess probe;
    probe.start(QStringLiteral("ffprobe"), {"-v", "error", "-select_streams", "a:0", "-show_entries",
                                            "stream=codec_name,sample_fmt,sample_rate,channels:frame=nb_samples", "-of",
                                            "compact", path});
    if (!probe.waitForFinished(60000) || probe.exitCode() != 0)
        return sound;
    long long samples = 0;
    for (const QByteArray& line : probe.readAllStandardOutput().split('\n')) {
        QHash<QByteArray, QByteArray> fields;
        for (const QByteArray& field : line.trimmed().split('|')) {
            const int eq = field.indexOf('=');
            if (eq > 0)
                fields.insert(field.left(eq), field.mid(eq + 1));
        }
        if (line.startsWith("stream|")) {
            sound.codec = QString::fromLatin1(fields.value("codec_name"));
            sound.sampleRate = fields.value("sample_rate").toInt();
            sound.channels = fields.value("channels").toInt();
            sound.sampleFormat = QString::fromLatin1(fields.value("sample_fmt"));
        } else if (line.startsWith("frame|")) {
            samples += fields.value("nb_samples").toLongLong();
        }
    }
    if (sound.sampleRate > 0 && samples > 0)
        sound.seconds = double(samples) / sound.sampleRate;
    return sound;
}

ProbeResult Probe(const QString& path)
{
    ProbeResult r;
    const QString ffprobe = QStandardPaths::findExecutable("ffprobe");
    QByteArray json;
    if (ffprobe.isEmpty()
        || !run(ffprobe, {"-v", "error", "-print_format", "json", "-show_format", "-show_streams", path}, 60000, &json))
        return r;
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    r.duration = root.value("format").toObject().value("duration").toString().toDouble();
    for (const QJsonValue& v : root.value("streams").toArray()) {
        const QJsonObject s = v.toObject();
        r.codecs << s.value("codec_name").toString();
        if (s.value("codec_type").toString() == "video" && r.width == 0) {
            r.width = s.value("width").toInt();
            r.height = s.value("height").toInt();
        }
    }
    r.ok = true;
    return r;
}

bool WriteScript(const QString& path, const QByteArray& body)
{
    // A script a job may be starting right now must never be open for writing
    // (exec fails with "text file busy"): leave an identical one alone and put
    // a changed one in place by renaming a finished copy over it.
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == body
        && (current.permissions() & QFileDevice::ExeOwner))
        return true;
    current.close();
    const QString temp = path + ".new";
    QFile f(temp);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    f.write(body);
    f.close();
    if (!f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser))
        return false;
    return std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) == 0;
}

QString TagRotation(const QString& mp4, const QString& out, int degrees)
{
    return RunConverter({"-i", mp4, "-map", "0", "-c", "copy", "-metadata:s:v:0",
                         "rotate=" + QString::number(degrees), out})
        ? out
        : QString();
}

QString WithDisplayMatrix(const QString& mp4, const QString& out, int a, int b, int c, int d)
{
    QFile in(mp4);
    if (!in.open(QIODevice::ReadOnly))
        return QString();
    QByteArray bytes = in.readAll();
    // The track header: size, "tkhd", version and flags, the times, track
    // number and duration (longer in version 1), reserved words, layer,
    // group, volume, then the nine 32-bit values of the matrix.
    const int at = bytes.indexOf("tkhd");
    if (at < 4 || at + 5 > bytes.size())
        return QString();
    const int matrix = at + 4 + 4 + (bytes.at(at + 4) == 1 ? 32 : 20) + 8 + 8;
    if (matrix + 36 > bytes.size())
        return QString();
    auto put = [&bytes](int offset, qint32 value) {
        for (int k = 0; k < 4; ++k)
            bytes[offset + k] = char(quint32(value) >> (24 - 8 * k));
    };
    put(matrix, a * 65536);
    put(matrix + 4, b * 65536);
    put(matrix + 12, c * 65536);
    put(matrix + 16, d * 65536);
    QFile file(out);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QString();
    return out;
}

QString MakeTurnedVideo(const QString& dir, const QString& name, const QSize& stored, const QString& sar,
                        int tag, const QVector<int>& matrix)
{
    const QString made = QDir(dir).filePath(QStringLiteral("unturned-") + name);
    // At a bit rate of the files people have: a conversion takes the source's.
    if (!RunConverter({"-f", "lavfi", "-i",
                       "color=c=gray:size=" + sizeText(stored.width(), stored.height())
                           + ":rate=25:duration=1,drawbox=x=0:y=0:w=iw/4:h=ih/3:color=green:t=fill,setsar=" + sar,
                       "-pix_fmt", "yuv420p", "-c:v", "libx264", "-b:v", "2M", "-minrate", "2M", "-maxrate", "2M",
                       "-bufsize", "1M", "-x264-params", "nal-hrd=cbr", made}))
        return QString();
    const QString out = QDir(dir).filePath(name);
    QFile::remove(out);
    QString result;
    if (tag != 0)
        result = TagRotation(made, out, tag);
    else if (matrix.size() == 4)
        result = WithDisplayMatrix(made, out, matrix[0], matrix[1], matrix[2], matrix[3]);
    else
        result = QFile::rename(made, out) ? out : QString();
    QFile::remove(made);
    return result;
}

QByteArray PngOfSize(quint32 width, quint32 height, bool withPixels)
{
    auto crc32 = [](const QByteArray& bytes) {
        quint32 crc = 0xFFFFFFFFu;
        for (const char c : bytes) {
            crc ^= static_cast<quint8>(c);
            for (int k = 0; k < 8; ++k)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        return ~crc;
    };
    auto be32 = [](quint32 v) {
        const char b[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
        return QByteArray(b, 4);
    };
    auto chunk = [&](const char* type, const QByteArray& data) {
        const QByteArray body = QByteArray(type) + data;
        return be32(quint32(data.size())) + body + be32(crc32(body));
    };
    // One bit per pixel, grey: black rows compress about a thousandfold.
    const QByteArray header = be32(width) + be32(height) + QByteArray("\x01\x00\x00\x00\x00", 5);
    QByteArray data("\x78\x9c\x03\x00\x00\x00\x00\x01", 8);
    if (withPixels) {
        const QByteArray rows(int(height) * (1 + (int(width) + 7) / 8), '\0');
        data = qCompress(rows, 9).mid(4); // without Qt's length prefix: a zlib stream
    }
    return QByteArray("\x89PNG\r\n\x1a\n") + chunk("IHDR", header) + chunk("IDAT", data) + chunk("IEND", QByteArray());
}

} // namespace TestMedia
