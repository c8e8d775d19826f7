// Split builders of the job queue: the parts of one file, each cut by stream
// copy (the converter) or re-encoded (melt).
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

#include <QFileInfo>
#include <QTableWidgetItem>
#include <QtDebug>

#include <cmath>

void JobsManage::AddJobSplits(AbstractJob* job)
{
    if (!job)
        return;
    Core* core = Core::instance();
    if (!core->IsValidRow(job->sourceRow)) {
        setText(job->standardItem(), tr("Nothing to split"));
        return;
    }
    const ST_OPTS opts = core->Rows.at(job->sourceRow);
    const QString input = job->outputPath;

    // A row's own source is not probed again while it is as it was added.
    const ST_MEDIA_INFO media = CurrentMediaInfo(opts.media, input);
    const long long duration = media.duration;
    const float fps = media.PictureRate();

    QVector<QPair<long long, long long>> ranges;
    for (const ST_SPLIT_TIME& r : opts.splitRanges)
        ranges.append({r.start, r.end});
    const QList<ST_SPLIT_PART> parts = JobArgs::AlignToFrames(
        JobArgs::SplitParts(ranges, opts.splitMode, opts.splitCount, opts.splitTime, opts.splitEndTime, duration),
        fps);
    qDebug() << "split" << input << "into" << parts.size() << "parts";
    if (parts.isEmpty()) {
        // The queue keeps a text the builder wrote, so the row does not
        // claim a split that never happened.
        setText(job->standardItem(), tr("Nothing to split"));
        return;
    }

    ConfigFormat format;
    format.Load();
    const QString outDir = JobArgs::OutDir(OutputFolder(), input);
    const QString durationText = JobArgs::DurationText(duration);
    // The file is measured for all its parts at once.
    long long soundLength = -1;
    for (const ST_SPLIT_PART& part : parts) {
        const QString output = JobArgs::PartPath(outDir, input, format.Format, part.mark);
        AddSplitPart(job, durationText, fps, input, output, part.start, part.length, media, &soundLength);
    }
}

void JobsManage::AddJobSplit(AbstractJob* job, const QString& durationText, float fps, const QString& input,
                             const QString& output, long long start, long long length)
{
    if (!job)
        return;
    // What the input holds: the row's own knowledge while the input is its
    // unchanged source.
    Core* core = Core::instance();
    const ST_MEDIA_INFO facts
        = CurrentMediaInfo(core->IsValidRow(job->sourceRow) ? core->Rows.at(job->sourceRow).media : ST_MEDIA_INFO(),
                           input);
    long long soundLength = -1;
    AddSplitPart(job, durationText, fps, input, output, start, length, facts, &soundLength);
}

void JobsManage::AddSplitPart(AbstractJob* job, const QString& durationText, float fps, const QString& input,
                              const QString& output, long long start, long long length, const ST_MEDIA_INFO& facts,
                              long long* soundLength)
{
    if (!job || length <= 0 || start < 0)
        return;
    ConfigFormat format;
    format.Load();

    ST_SPLIT_PART part;
    part.start = start;
    part.length = length;
    // A part that reaches the end of the input (as far as the duration text
    // tells, to the hundredth) is cut without an end point.
    const long long whole = JobArgs::ParseDurationText(durationText);
    part.toEnd = whole > 0 && start + length >= whole;

    const QString out = GetUnRepeat(output);
    const QString ext = QFileInfo(out).suffix();
    const bool audioOnly = JobArgs::IsAudioFormat(ext);
    AbstractJob* partJob = nullptr;
    const bool encoded = format.VCodec != QLatin1String("copy") && format.ACodec != QLatin1String("copy");
    // A source without a picture gives parts without one.
    const bool picture = facts.hasVideo || !facts.opened;
    // Kept sound keeps its codec, samples, channels and rate in melt's
    // parts: melt reads a file's first sound stream and cannot copy it.
    const ST_SOUND_ENCODING own
        = encoded && facts.hasAudio ? RunArguments::KeptEncoding(format, input) : ST_SOUND_ENCODING();
    // melt would show a variable rate's pictures on its own grid of frames,
    // repeating some and dropping others: the converter keeps each once. It
    // also copies kept sound that melt has no encoder for.
    if (encoded && !(picture && !audioOnly && facts.VariableRate())
        && (!format.AKeepCodec || !facts.hasAudio || !own.encoder.isEmpty())) {
        // melt keeps the input's size, unless its encoder cannot take it:
        // then the size is cut down to one it takes.
        const QSize size(facts.width, facts.height);
        const QSize fitted = JobArgs::FitToSteps(
            size, MediaStreams::ChromaSteps(JobArgs::VideoEncoder(format.VCodec), format.Format));
        const QString frameSize
            = fitted == size ? QString() : QString::number(fitted.width()) + "x" + QString::number(fitted.height());
        // melt counts a variable-rate picture's frames at its mean rate: the
        // cut and the frame before it are found on that count, or a part
        // would end on the frame that the next one starts with.
        const double rate = facts.averageFps > 0 ? facts.averageFps : fps;
        const ST_SPLIT_PART cut = JobArgs::AlignToFrames({part}, rate).value(0, part);
        QStringList args = JobArgs::MeltClip(input, cut.start, cut.start + cut.length, part.toEnd, rate)
            + JobArgs::MeltTurn(facts.picture)
            + JobArgs::MeltConsumer(out, format.Format, format.VCodec,
                                    own.encoder.isEmpty() ? format.ACodec : own.encoder, frameSize, 0, picture);
        if (!own.encoder.isEmpty()) {
            args << "frequency=" + QString::number(own.sampleRate) << "channels=" + QString::number(own.channels);
            if (!own.sampleFormat.isEmpty())
                args << "sample_fmt=" + own.sampleFormat;
        }
        // melt would make a quarter-turned picture's profile with the stored
        // pixels' aspect: it gets the turned picture's.
        const PixelAspect aspect = facts.picture.TurnedAspect();
        if (frameSize.isEmpty() && picture && !audioOnly && facts.picture.turn.Swaps() && !aspect.IsSquare())
            args << JobArgs::MeltProfile(QString::number(facts.width) + "x" + QString::number(facts.height), fps,
                                         aspect.num, aspect.den);
        auto* melt = new MeltEngineJob(QString(), args, true);
        melt->setProcessEnvironment(JobArgs::MeltEnvironment(QProcessEnvironment::systemEnvironment()));
        melt->setFPS(JobArgs::MeltFpsNumerator(rate), 1000);
        melt->expect = OutputCheck::Lasting(length, OutputCheck::VideoOf(facts, audioOnly), OutputCheck::AudioOf(facts));
        // Whether the part's container plays the sound back whole is tried
        // as for a whole conversion, off the window's thread.
        if (!own.encoder.isEmpty())
            melt->precheck = [ext, input](const std::atomic<bool>* cancel) {
                return RunArguments::KeptSoundRefusal(ext, input, cancel, SoundStreams::First);
            };
        partJob = melt;
    } else {
        // The converter cuts each part as it is read, with every setting of a
        // whole conversion.
        const FormatSettings settings = format;
        const auto partArgs = [settings, ext, input, facts, out](const ST_SPLIT_PART& cut) {
            ST_RUN_ARGS run = RunArguments::CommonArguments(settings, ext, input, facts.bitRate, facts.fps, QString(),
                                                            QSize(facts.width, facts.height),
                                                            facts.VariableRate() ? facts.pictureRate : 0.0f, &cut);
            run.arguments << out;
            return run;
        };
        const ST_RUN_ARGS run = partArgs(part);
        auto* engine = new JxEngineJob(QString(), run.arguments, true);
        engine->precheck = run.precheck;
        // The picture on screen at a later part's start may have begun before it.
        if (start > 0 && picture && !audioOnly && format.VCodec != QLatin1String("copy"))
            engine->lateArguments = [partArgs, part, input](const std::atomic<bool>* cancel) {
                ST_SPLIT_PART shown = part;
                shown.shownFrom = MediaStreams::PictureShownAt(input, part.start, cancel);
                return JxEngineJob::WithCheckedInputs(partArgs(shown).arguments);
            };
        const float rate = run.frameRate > 0 ? run.frameRate : fps;
        engine->setFPS(rate);
        const int video = OutputCheck::VideoOf(facts, audioOnly);
        if (encoded) {
            engine->setDuration(JobArgs::DurationText(length));
            engine->expect = OutputCheck::Lasting(length, video, OutputCheck::AudioOf(facts), rate);
        } else {
            engine->setDuration(durationText);
            // Copied sound alone ends where the input's sound ends, which may
            // be before the part's end; a part past it is left unchecked.
            long long made = length;
            if (audioOnly && *soundLength < 0)
                *soundLength = OutputCheck::SoundLength(facts);
            if (audioOnly && *soundLength > 0)
                made = qMin(start + length, *soundLength) - start;
            // A copied picture starts at the key frame at or before the start:
            // the part may reach back that far, never further than the file's start.
            engine->expect = OutputCheck::Lasting(made, video, OutputCheck::AudioOf(facts));
            if (made > 0)
                engine->expect.maxDuration = start + length + OutputCheck::Tolerance(start + length);
        }
        partJob = engine;
    }
    partJob->sizeItem = job->sizeItem;
    partJob->setStandardItem(job->standardItem());
    partJob->outputPath = out;
    partJob->kind = AbstractJob::KindPlain;
    partJob->sourceRow = job->sourceRow;
    AddJobTask(partJob);
}
