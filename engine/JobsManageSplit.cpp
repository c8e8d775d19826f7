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
    const bool audioOnly = JobArgs::IsAudioFormat(QFileInfo(out).suffix());
    AbstractJob* partJob = nullptr;
    const bool encoded = format.VCodec != QLatin1String("copy") && format.ACodec != QLatin1String("copy");
    // A source without a picture gives parts without one.
    const bool picture = facts.hasVideo || !facts.opened;
    if (encoded && picture && !audioOnly && facts.VariableRate()) {
        // melt would show a variable rate's pictures on its own grid of
        // frames, repeating some and dropping others: the converter keeps
        // each once.
        const QString encoder = JobArgs::VideoEncoder(format.VCodec);
        const QSize size(facts.width, facts.height);
        const QSize fitted = JobArgs::FitToSteps(size, MediaStreams::ChromaSteps(encoder, format.Format));
        const QString frameSize
            = fitted == size ? QString() : QString::number(fitted.width()) + "x" + QString::number(fitted.height());
        const bool keepsTimes = JobArgs::KeepsPictureTimes(QFileInfo(out).suffix(), encoder);
        const QStringList rate
            = (keepsTimes ? QStringList() : QStringList{"-vf", JobArgs::ConstantRateGraph(facts.pictureRate, encoder)})
            + JobArgs::PictureRateArgs(facts.pictureRate, true, keepsTimes, encoder);
        auto* engine = new JxEngineJob(
            QString(), JobArgs::SplitEncodeArgs(input, out, part, format.VCodec, format.ACodec, frameSize, rate), true);
        engine->setFPS(facts.pictureRate);
        engine->setDuration(JobArgs::DurationText(length));
        engine->expect = OutputCheck::Lasting(length, OutputCheck::VideoOf(facts, audioOnly),
                                              OutputCheck::AudioOf(facts), facts.pictureRate);
        partJob = engine;
    } else if (encoded) {
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
        // Kept sound keeps its codec, samples, channels and rate where the
        // part's container plays the source's sound back whole; melt reads
        // a file's first sound stream.
        ST_SOUND_ENCODING own;
        if (format.AKeepCodec && facts.hasAudio
            && MediaStreams::TrySoundCopy(out, input, SoundStreams::First) == SoundCopy::Whole)
            own = MediaStreams::OwnSoundEncoding(input);
        // melt mixes at most 16 channels.
        if (own.sampleRate <= 0 || own.channels <= 0 || own.channels > 16)
            own.encoder.clear();
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
        partJob = melt;
    } else {
        // A sound-only part copies the sound only where it comes back whole
        // from its container (AAC cannot go into MP3 as it is); else it is encoded.
        const bool soundFormat = JobArgs::IsAudioFormat(format.Format);
        const bool copyAudio = !soundFormat || !facts.hasAudio || MediaStreams::SoundCopies(out, input);
        const QStringList args = JobArgs::SplitCopyArgs(input, out, part, soundFormat, copyAudio);
        auto* engine = new JxEngineJob(QString(), args, true);
        engine->setFPS(fps);
        engine->setDuration(durationText);
        // Copied sound alone ends where the input's sound ends, which may be
        // before the part's end; a part past it is left unchecked.
        long long made = length;
        if (soundFormat && *soundLength < 0)
            *soundLength = OutputCheck::SoundLength(facts);
        if (soundFormat && *soundLength > 0)
            made = qMin(start + length, *soundLength) - start;
        // A copied picture starts at the key frame at or before the start:
        // the part may reach back that far, never further than the file's start.
        engine->expect = OutputCheck::Lasting(made, OutputCheck::VideoOf(facts, audioOnly), OutputCheck::AudioOf(facts));
        if (made > 0)
            engine->expect.maxDuration = start + length + OutputCheck::Tolerance(start + length);
        partJob = engine;
    }
    partJob->sizeItem = job->sizeItem;
    partJob->setStandardItem(job->standardItem());
    partJob->outputPath = out;
    partJob->kind = AbstractJob::KindPlain;
    partJob->sourceRow = job->sourceRow;
    AddJobTask(partJob);
}
