#pragma once
// What the converter is told of a picture layer's file, learnt once per file
// and content: every row that lays the file over its video, and every Run
// while the file is unchanged, take what was learnt, instead of decoding a
// large picture again (or writing its work picture again) for each row.
#include <QByteArray>
#include <QHash>
#include <QPair>
#include <QString>

#include <atomic>

class LayerFiles;
class QImage;

struct ST_LAYER_FILE {
    // The file as it was opened: its device and inode, its size and times
    // (nanoseconds). Another file under the name, or new content, is
    // learnt again.
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modified = 0;
    qint64 changed = 0;
    // A hash of the content as it was read: where a file system keeps no
    // change time of its own (exFAT gives the modification time), content
    // written in place under restored times shows only here.
    QByteArray content;
    // What the layer's movie source reads, and the reader it is told: the
    // file itself, or a PNG work picture of what the editor shows, for a
    // kind the libraries read only as several pictures (an icon file).
    QString input;
    QString reader;
    qint64 workSize = -1; // the work picture's size, -1 without one
    // One play of an animation in microseconds; 0 for a still.
    long long playTime = 0;
    // The plays the animation's file asks for; 0 for ever, and for a still.
    int plays = 0;
    // Facts of the file as a video layer reads it: the movie source takes
    // the file itself, whatever it holds, once it is no script.
    bool video = false;
    // Why the file cannot be laid over a video: a text of Core with %1, and
    // the file it names. Null when it can.
    const char* problem = nullptr;
    QString problemPath;
    // The work picture could not be written: worth trying again.
    bool workFailed = false;
};

class LayerFiles
{
public:
    // Learns the facts of the picture file at `path`: it is opened once and
    // read from what was opened; a work picture is written into
    // `workFolder` under a name of this file and content. Facts in `kept`
    // (may be null) of the very file, times and content, are taken instead.
    // A file that is no picture is said so at once, its content unread.
    // Runs on any thread; once `cancel` (may be null) is set it ends early,
    // and what it gives is not to be kept.
    static ST_LAYER_FILE Learn(const QString& path, const QString& workFolder,
                               const std::atomic<bool>* cancel = nullptr, const LayerFiles* kept = nullptr);
    // The same of a video layer's file: whether the libraries open it as a
    // video that reads no other file.
    static ST_LAYER_FILE LearnVideo(const QString& path, const std::atomic<bool>* cancel = nullptr);
    // How many files have been read as pictures or probed as videos: the
    // costly part, counted so that it can be kept to once per file and Run.
    static int Readings();

    // The facts kept of the file now at `path`, as a picture or a `video`
    // layer reads it, when it is the very file, with the times they were
    // learnt of, and their work picture is still there. Its content is not
    // read: Learn, on every Run, looks at that.
    bool Find(const QString& path, ST_LAYER_FILE* facts, bool video = false) const;
    // Kept in place of what was known of the same file.
    void Keep(const ST_LAYER_FILE& facts);

    // A picture written whole or not at all: a job never reads half of one,
    // nor one cut short by a full disk.
    static bool WritePng(const QImage& image, const QString& path);
    // A name as a file name of the work folder.
    static QString WorkName(QString name);

private:
    // The facts kept of the file `now` stamps, with its times, and its work
    // picture still there; null otherwise.
    const ST_LAYER_FILE* Kept(const ST_LAYER_FILE& now) const;

    // Of pictures, and of videos.
    QHash<QPair<quint64, quint64>, ST_LAYER_FILE> m_known[2];
};
