#include "ST_OPTS.h"

#include <QFileInfo>

void InitOpts(ST_OPTS* opts)
{
    opts->width = 0;
    opts->height = 0;
    opts->vflip = false;
    opts->hflip = false;
    opts->rotate = -1;
    opts->cropLeft = 0.0;
    opts->cropTop = 0.0;
    opts->cropRight = 0.0;
    opts->cropBottom = 0.0;
    opts->crop = false;
    opts->subtitle = false;
    opts->subtitleStream = false;
    opts->splitMode = 0;
    opts->splitCount = 0;
    opts->splitTime = 0;
    opts->splitEndTime = 0;
}

void InitSubtitleFile(ST_OPTS* opts, const QString& mediaPath)
{
    const QFileInfo media(mediaPath);
    const QString stem = media.path() + "/" + media.completeBaseName();
    for (const char* suffix : {".ass", ".ssa", ".srt"}) {
        const QString candidate = stem + QLatin1String(suffix);
        // A folder that happens to carry the name is not a subtitle file.
        if (QFileInfo(candidate).isFile()) {
            opts->subtitlePath = candidate;
            opts->subtitle = true;
            return;
        }
    }
}
