// Subtitle mux builder: a subtitle file put into a video as its own stream.
#include "JobsManage.h"

#include "AbstractJob.h"
#include "JobArgs.h"
#include "JxEngineJob.h"
#include "MediaFunctions.h"
#include "MediaStreams.h"
#include "OutputCheck.h"
#include "UniqueOutputName.h"

#include <QFile>
#include <QFileInfo>

void JobsManage::AddJobSubtitle(AbstractJob* job, const QString& video, const QString& subtitle)
{
    if (!job)
        return;
    const QString output = GetUnRepeat(
        JobArgs::TaggedPath(JobArgs::OutDir(OutputFolder(), video), video, "_Subtitle", QFileInfo(video).suffix()));

    // The subtitle stream is copied when the container can hold it as it is,
    // else converted to a text subtitle codec the container accepts.
    const ST_STREAM_FACTS sub = MediaStreams::Probe(subtitle);
    QString codec = QStringLiteral("copy");
    if (!(sub.hasSubtitle && MediaStreams::ContainerAccepts(output, sub.subtitleCodec))) {
        for (const char* candidate : {"mov_text", "ass", "subrip"}) {
            if (MediaStreams::ContainerAccepts(output, QLatin1String(candidate))) {
                codec = QLatin1String(candidate);
                break;
            }
        }
    }

    int width = 0;
    int height = 0;
    long long duration = 0;
    float fps = 0;
    GetMediaInfo(QFile::encodeName(video).constData(), &width, &height, &duration, &fps);

    auto* mux = new JxEngineJob(QString(), JobArgs::SubtitleMuxArgs(video, subtitle, output, codec), true);
    mux->setFPS(fps);
    mux->setDuration(JobArgs::DurationText(duration));
    // The video's streams and length; subtitles may run past its end.
    const ST_STREAM_FACTS picture = MediaStreams::Probe(video);
    mux->expect = OutputCheck::Lasting(picture.duration, picture.hasVideo ? 1 : -1, picture.hasAudio ? 1 : -1);
    mux->expect.maxDuration = -1;
    mux->sizeItem = job->sizeItem;
    mux->setStandardItem(job->standardItem());
    mux->outputPath = output;
    mux->kind = AbstractJob::KindPlain;
    mux->sourceRow = job->sourceRow;
    AddJobTask(mux);
}
