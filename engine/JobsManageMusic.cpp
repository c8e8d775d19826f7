// Music builders: a row's music put under its converted video, several music
// files being joined into one soundtrack first.
#include "JobsManage.h"

#include "AbstractJob.h"
#include "Core.h"
#include "JobArgs.h"
#include "JxEngineJob.h"
#include "MediaFunctions.h"
#include "MediaStreams.h"
#include "MeltEngineJob.h"
#include "OutputCheck.h"
#include "UniqueOutputName.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>

void JobsManage::AddJobMusic(AbstractJob* job)
{
    if (!job)
        return;
    Core* core = Core::instance();
    if (!core->IsValidRow(job->sourceRow))
        return;
    const QStringList music = core->Rows.at(job->sourceRow).musicFiles;
    if (music.size() == 1)
        AddJobMusic(job, job->outputPath, music.first(), false);
    else if (music.size() > 1)
        AddJobMusicMerge(job);
}

void JobsManage::AddJobMusicMerge(AbstractJob* job)
{
    if (!job)
        return;
    Core* core = Core::instance();
    if (!core->IsValidRow(job->sourceRow))
        return;
    const QStringList music = core->Rows.at(job->sourceRow).musicFiles;
    const QString video = job->outputPath;

    int width = 0;
    int height = 0;
    long long duration = 0;
    float fps = 0;
    GetMediaInfo(QFile::encodeName(video).constData(), &width, &height, &duration, &fps);

    // A work file, but still a name of its own for this run.
    const QString joined
        = GetUnRepeat(JobArgs::TaggedPath(JobArgs::OutDir(OutputFolder(), video), video, "AudioMerge", "mp3"));
    QStringList args;
    long long length = 0; // -1 once a file's length is unknown
    for (const QString& file : music) {
        int w = 0;
        int h = 0;
        long long d = 0;
        float f = 0;
        GetMediaInfo(QFile::encodeName(file).constData(), &w, &h, &d, &f);
        if (f > 0)
            fps = f;
        length = d > 0 && length >= 0 ? length + d : -1;
        // Every file is used whole: no out point, so none is cut short.
        args << JobArgs::MeltClip(file, 0, 0, true, f);
    }
    // Sound only: "vn" keeps melt from adding a picture stream.
    args << JobArgs::MeltConsumer(joined, "mp3", QString(), "mp3", QString());

    auto* melt = new MeltEngineJob(QString(), args, true);
    melt->setProcessEnvironment(JobArgs::MeltEnvironment(QProcessEnvironment::systemEnvironment()));
    melt->setFPS(JobArgs::MeltFpsNumerator(fps), 1000);
    melt->expect = OutputCheck::Lasting(length, 0, 1);
    melt->sizeItem = job->sizeItem;
    melt->setStandardItem(job->standardItem());
    melt->outputPath = joined;
    melt->workPath2 = video;
    melt->kind = AbstractJob::KindMusicMerge;
    melt->sourceRow = job->sourceRow;
    AddJobTask(melt);
}

void JobsManage::AddJobMusic(AbstractJob* job, const QString& video, const QString& music, bool merged)
{
    if (!job)
        return;
    const QString mixed = GetUnRepeat(
        JobArgs::TaggedPath(JobArgs::OutDir(OutputFolder(), video), video, "Mix", QFileInfo(video).suffix()));

    int width = 0;
    int height = 0;
    long long duration = 0;
    float fps = 0;
    GetMediaInfo(QFile::encodeName(video).constData(), &width, &height, &duration, &fps);

    // The mix takes the video's picture and the music's sound; the video's
    // own sound, which may outlast its picture or end before it, is left out.
    // The music is measured as it plays, as the mix will be.
    const ST_STREAM_FACTS picture = MediaStreams::ProbeLengths(video);
    const ST_STREAM_FACTS sound = MediaStreams::ProbePlayedSound(music);
    const long long pictureLength = picture.videoDuration > 0 ? picture.videoDuration : picture.duration;
    const long long soundLength = sound.audioDuration > 0 ? sound.audioDuration : sound.duration;
    // Copied only where it comes back whole from the container; else
    // encoded by the container's own encoder, with channels and a rate that
    // the encoder and the container take. The mix writes every sound
    // stream of the music file.
    const bool copyAudio = sound.hasAudio && MediaStreams::SoundCopies(mixed, music, nullptr, SoundStreams::All);
    const QStringList soundArgs = copyAudio ? JobArgs::CopySound()
        : sound.hasAudio                    ? JobArgs::SoundArgs(MediaStreams::SoundEncoding(mixed, sound))
                                            : QStringList();
    // Only music longer than the picture is cut to it; shorter music never
    // shortens the picture.
    const bool shortest = picture.hasVideo && soundLength > pictureLength;

    auto* mix = new JxEngineJob(QString(), JobArgs::MixArgs(video, music, mixed, soundArgs, shortest), true);
    mix->setFPS(fps);
    mix->setDuration(JobArgs::DurationText(duration));
    // The picture's length, music cut to it or not; without a picture, the
    // music's. The sound must play to its end, or to the picture's.
    mix->expect = picture.hasVideo ? OutputCheck::Lasting(pictureLength, 1, sound.hasAudio ? 1 : -1)
                                   : OutputCheck::Lasting(soundLength, -1, 1);
    if (sound.hasAudio)
        OutputCheck::ExpectSound(&mix->expect, shortest ? pictureLength : soundLength);
    mix->sizeItem = job->sizeItem;
    mix->setStandardItem(job->standardItem());
    mix->outputPath = mixed;
    mix->workPath2 = video;
    if (merged)
        mix->workPath1 = music;
    mix->kind = AbstractJob::KindMix;
    mix->sourceRow = job->sourceRow;
    AddJobTask(mix);
}
