// Merge builder: a row's title clips, main video and ending clips joined into
// one file, by stream copy through a concat list, by a filter graph, or by
// melt with in and out points.
#include "JobsManage.h"

#include "AbstractJob.h"
#include "ConfigFormat.h"
#include "Core.h"
#include "JobArgs.h"
#include "JxEngineJob.h"
#include "MediaStreams.h"
#include "MeltEngineJob.h"
#include "OutputCheck.h"
#include "RunArguments.h"
#include "ST_MEDIA_INFO.h"
#include "UniqueOutputName.h"

#include <QFile>
#include <QFileInfo>
#include <QtDebug>

#include <cmath>

namespace {

struct MergeInput {
    QString path;
    long long start = 0;
    long long end = 0;
};

// Removes a job's own list file when the job goes (a job being thrown away
// is silenced, so its children are what still runs).
class ListFileGuard : public QObject
{
public:
    ListFileGuard(const QString& path, QObject* owner)
        : QObject(owner)
        , m_path(path)
    {
    }
    ~ListFileGuard() override { QFile::remove(m_path); }

private:
    QString m_path;
};

} // namespace

void JobsManage::AddJobMerge(AbstractJob* job, bool converted)
{
    if (!job)
        return;
    Core* core = Core::instance();
    const int row = job->sourceRow;
    if (!core->IsValidRow(row)) {
        setText(job->standardItem(), tr("Nothing to merge"));
        return;
    }
    const ST_OPTS opts = core->Rows.at(row);
    const QString mainVideo = job->outputPath;

    ConfigFormat format;
    format.Load();

    // A row's own source is not probed again while it is as it was added.
    const ST_MEDIA_INFO main = CurrentMediaInfo(opts.media, mainVideo);
    // The main video as a player shows it (turned, at its display aspect):
    // the merge is made of square pixels.
    const QSize shown = JobArgs::SquarePixelSize(main.picture);
    const int width = qMax(shown.width(), 0);
    const int height = qMax(shown.height(), 0);
    // A variable rate is counted at its pictures' usual rate, never at the
    // base rate of its stamps, which would repeat each picture.
    const float fps = main.PictureRate();

    // The main video's own extension unless a format is set; a file without
    // one gets no dangling ".".
    const QString container = format.Format.isEmpty() ? QFileInfo(mainVideo).suffix() : format.Format;
    const QString merged
        = GetUnRepeat(JobArgs::TaggedPath(JobArgs::OutDir(OutputFolder(), mainVideo), mainVideo, "Merge", container));

    QList<MergeInput> inputs;
    for (const ST_MERGE& clip : opts.titleClips)
        inputs.append({clip.path, clip.start, clip.end});
    const int mainIndex = inputs.size();
    inputs.append({mainVideo, opts.trimStart, opts.trimEnd});
    for (const ST_MERGE& clip : opts.endingClips)
        inputs.append({clip.path, clip.start, clip.end});

    const bool vcopy = format.VCodec == QLatin1String("copy");
    const bool acopy = format.ACodec == QLatin1String("copy");
    const bool audioOnly = JobArgs::IsAudioFormat(container);

    // The inputs of a re-encoding. melt would show a variable rate's pictures
    // on a grid of frames of its own, repeating some and dropping others:
    // with one among them, the converter joins them, each cut as it is read.
    QList<ST_MEDIA_INFO> clips;
    bool variable = false;
    for (int i = 0; i < inputs.size() && !vcopy && !acopy; ++i) {
        // The main video was looked at above; the clips were read when Run began.
        clips.append(i == mainIndex ? main : CurrentMediaInfo(ST_MEDIA_INFO(), inputs.at(i).path));
        variable = variable || clips.last().VariableRate();
    }

    AbstractJob* mergeJob = nullptr;
    if (!vcopy && !acopy && !variable) {
        // melt re-encodes and cuts each input to its in and out points, in
        // a profile of the output's size and the job's frame rate; without
        // one it takes the first input's. Out points are one frame of the
        // profile's rate before each end.
        QVector<long long> durations;
        QVector<QStringList> turns;
        float firstFps = 0;
        float lastFps = fps;
        for (int i = 0; i < inputs.size(); ++i) {
            const ST_MEDIA_INFO& clip = clips.at(i);
            durations.append(clip.duration);
            // Shown as players show it, turned and at its aspect.
            turns.append(JobArgs::MeltTurn(clip.picture));
            if (clip.PictureRate() > 0)
                lastFps = clip.PictureRate();
            if (i == 0)
                firstFps = clip.PictureRate();
        }
        QString size;
        if (!format.VKeepWH) {
            size = format.VSize;
        } else if (width > 0 && height > 0) {
            // The main video's own size, cut down to what melt's encoder takes.
            const QSize kept = JobArgs::FitToSteps(
                QSize(width, height), MediaStreams::ChromaSteps(JobArgs::VideoEncoder(format.VCodec), container));
            size = QString::number(kept.width()) + "x" + QString::number(kept.height());
        }
        const bool profiled = !audioOnly && !JobArgs::MeltProfile(size, lastFps).isEmpty();
        QStringList args;
        long long meltLength = 0; // -1 once an input's length is unknown
        for (int i = 0; i < inputs.size(); ++i) {
            const MergeInput& in = inputs.at(i);
            const long long id = durations.at(i);
            const bool toEnd = in.end <= 0 || (id > 0 && in.end >= id);
            args << JobArgs::MeltClip(in.path, in.start, in.end, toEnd, profiled ? lastFps : firstFps)
                 << turns.at(i);
            const long long used = (toEnd ? id : in.end) - in.start;
            meltLength = used > 0 && meltLength >= 0 ? meltLength + used : -1;
        }
        args << JobArgs::MeltConsumer(merged, container, format.VCodec, format.ACodec, size, lastFps);
        auto* melt = new MeltEngineJob(QString(), args, true);
        melt->setProcessEnvironment(JobArgs::MeltEnvironment(QProcessEnvironment::systemEnvironment()));
        melt->setFPS(JobArgs::MeltFpsNumerator(lastFps), 1000);
        melt->expect = OutputCheck::Lasting(meltLength, audioOnly ? 0 : -1, -1);
        mergeJob = melt;
    } else {
        // Stream copy joins only files whose streams match; anything else is
        // encoded through the filter graph.
        QList<ST_STREAM_FACTS> facts;
        for (const MergeInput& in : inputs)
            facts.append(MediaStreams::Probe(in.path));
        // Their sound, copied too, only where it comes back whole from the container.
        const auto soundCopies = [&] {
            for (int i = 0; i < inputs.size(); ++i) {
                if (facts.at(i).hasAudio && !MediaStreams::SoundCopies(container, inputs.at(i).path))
                    return false;
            }
            return true;
        };
        QString list;
        if ((vcopy || acopy) && container.toLower() == QLatin1String("mp4") && core->IsMergeListMP4(row)
            && MediaStreams::SameForConcat(facts) && soundCopies())
            list = core->GetMergeFileName(row, mainVideo);

        if (!list.isEmpty()) {
            auto* engine = new JxEngineJob(
                QString(), {"-f", "concat", "-safe", "0", "-i", list, "-c", "copy", "-y", merged}, true);
            engine->setFPS(fps);
            engine->setDuration(JobArgs::DurationText(0));
            // The list belongs to this job alone: gone once the job has ended,
            // or with the job when it is thrown away unfinished.
            connect(engine, &AbstractJob::finished, engine, [list]() { QFile::remove(list); });
            new ListFileGuard(list, engine);
            long long total = 0;
            for (const ST_STREAM_FACTS& f : qAsConst(facts))
                total += f.duration;
            const ST_STREAM_FACTS& first = facts.first();
            engine->expect = OutputCheck::Lasting(total, first.hasVideo ? 1 : -1, first.hasAudio ? 1 : -1);
            mergeJob = engine;
        } else {
            QStringList args;
            QVector<bool> hasVideo;
            QVector<bool> hasAudio;
            QVector<long long> durations;
            long long total = 0;
            bool anyVideo = false;
            for (int i = 0; i < inputs.size(); ++i) {
                const ST_STREAM_FACTS& f = facts.at(i);
                ST_SPLIT_PART cut;
                cut.start = variable ? qMax(0LL, inputs.at(i).start) : 0;
                cut.toEnd = !variable || inputs.at(i).end <= 0 || inputs.at(i).end >= f.duration;
                cut.length = (cut.toEnd ? f.duration : inputs.at(i).end) - cut.start;
                args << (variable ? JobArgs::PartInput(inputs.at(i).path, cut) : QStringList{"-i", inputs.at(i).path});
                hasVideo.append(f.hasVideo);
                hasAudio.append(f.hasAudio);
                durations.append(qMax(0LL, cut.length));
                total += qMax(0LL, cut.length);
                anyVideo = anyVideo || f.hasVideo;
            }
            // Road 1 carries no frame size: the main video's (or the
            // configured) size, so the scale filters always get one.
            QString scale = JobArgs::ScaleSize(job->frameSize);
            if (scale.isEmpty())
                scale = JobArgs::ScaleSize(format.VKeepWH ? QString::number(width) + "x" + QString::number(height)
                                                          : format.VSize);
            // Else the first clip's picture as a player shows it, in square pixels.
            for (int i = 0; scale.isEmpty() && i < facts.size(); ++i) {
                const QSize shown = JobArgs::SquarePixelSize(facts.at(i).picture);
                scale = JobArgs::ScaleSize(QString::number(qMax(shown.width(), 0)) + "x"
                                           + QString::number(qMax(shown.height(), 0)));
            }
            if (format.VKeepWH && !scale.isEmpty()) {
                // A kept size is cut down to what the encoder takes ("copy"
                // stands for the container's own encoder, as below).
                const QSize kept(scale.section(':', 0, 0).toInt(), scale.section(':', 1, 1).toInt());
                const QSize fitted = JobArgs::FitToSteps(
                    kept, MediaStreams::ChromaSteps(vcopy ? QString() : JobArgs::VideoEncoder(format.VCodec), container));
                scale = QString::number(fitted.width()) + ":" + QString::number(fitted.height());
            }
            const bool withVideo = anyVideo && !audioOnly && !scale.isEmpty();
            bool anyAudio = false;
            for (bool a : hasAudio)
                anyAudio = anyAudio || a;
            if (!withVideo && !anyAudio) {
                // An empty graph would only fail in the converter; the
                // name meant for it is free again.
                ReleaseUnRepeat(merged);
                setText(job->standardItem(), tr("Nothing to merge: no picture or sound"));
                return;
            }
            float rate = format.VKeepFrameRate ? fps : static_cast<float>(JobArgs::FrameRateSetting(format.VFrameRate));
            // Joined clips of different rates need one output rate, or the
            // converter duplicates frames without end.
            if (!(rate > 0) || !std::isfinite(rate))
                rate = 25.0f;
            // A variable rate made constant puts each picture at its time.
            const bool varying = format.VKeepFrameRate && (variable || main.VariableRate());
            const QString graph = JobArgs::MergeGraph(
                scale, withVideo, hasVideo, hasAudio, durations,
                varying ? JobArgs::ConstantRateGraph(rate, JobArgs::VideoEncoder(format.VCodec)) : QString());
            qDebug() << graph;
            args << "-filter_complex" << graph;
            if (withVideo)
                args << "-map" << "[v]";
            if (anyAudio)
                args << "-map" << "[a]";

            if (withVideo) {
                // Filtered streams cannot be copied: "copy" means the
                // container's own encoder.
                if (!vcopy)
                    args << "-c:v" << JobArgs::VideoEncoder(format.VCodec);
                args << RunArguments::VideoBitRate(format, main.bitRate);
                // Joined clips keep one constant rate.
                args << JobArgs::PictureRateArgs(rate, varying, false, JobArgs::VideoEncoder(format.VCodec));
                args << RunArguments::FrameShape(format);
            }
            // Kept sound cannot be copied through the filters: the main
            // video's is encoded in its own kind, where the container plays
            // it back whole as its whole conversion's would.
            const ST_SOUND_ENCODING own
                = main.hasAudio ? RunArguments::KeptEncoding(format, mainVideo) : ST_SOUND_ENCODING();
            if (anyAudio)
                args << (own.encoder.isEmpty() ? RunArguments::SoundOptions(format) : JobArgs::SoundArgs(own));
            args << "-y" << merged;
            auto* engine = new JxEngineJob(QString(), args, true);
            if (anyAudio && !own.encoder.isEmpty())
                engine->precheck = [container, mainVideo](const std::atomic<bool>* cancel) {
                    return RunArguments::KeptSoundRefusal(container, mainVideo, cancel, SoundStreams::First);
                };
            engine->setFPS(rate);
            engine->setDuration(JobArgs::DurationText(total));
            engine->expect = OutputCheck::Lasting(total, withVideo ? 1 : 0, anyAudio ? 1 : 0, rate);
            mergeJob = engine;
        }
    }

    mergeJob->sizeItem = job->sizeItem;
    mergeJob->setStandardItem(job->standardItem());
    mergeJob->outputPath = merged;
    mergeJob->sourceRow = row;
    if (converted) {
        mergeJob->kind = AbstractJob::KindMergeTemp;
        mergeJob->workPath1 = mainVideo;
    } else {
        mergeJob->kind = AbstractJob::KindPlain;
    }
    AddJobTask(mergeJob);
}
