// The filter-graph builder of Core: one row's picture corrections, its layers
// as movie sources laid over the video, and its subtitles.
#include "Core.h"

#include "AtomicFile.h"
#include "FilterText.h"
#include "MediaFunctions.h"
#include "MediaInput.h"
#include "QWatermarkBase.h"
#include "ST_CROP_THICK.h"
#include "ST_MEDIA_INFO.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTextCodec>

#include <algorithm>
#include <cmath>

#include <sys/stat.h>

namespace {

QString Num(long long value)
{
    return QString::number(value);
}

// The duration of the row's own source, for a fade-out without an end time.
long long RowDuration(const ST_OPTS& opts)
{
    long long duration = 0;
    if (!opts.path.isEmpty())
        duration = CurrentMediaInfo(opts.media, opts.path).duration;
    if (duration <= 0)
        duration = opts.trimEnd;
    return duration > 0 ? duration : 0;
}

// The aspect of a pixel of the row's frame as the graph gets it: the
// source's, inverted by the row's own quarter turn.
PixelAspect FrameAspect(const ST_OPTS& opts)
{
    const PixelAspect aspect = opts.media.picture.TurnedAspect();
    return opts.rotate >= 0 && opts.rotate <= 3 ? aspect.Inverted() : aspect;
}

// The row's frame as the canvas shows it, in the units layers are placed
// in: the source as a player shows it, after the row's quarter turn and
// crop (width x height being its pixels after them).
QSizeF ShownFrame(const ST_OPTS& opts, int width, int height)
{
    const PixelAspect aspect = opts.media.picture.TurnedAspect();
    QSize shown = ShownPictureSize(opts.width, opts.height, aspect.num, aspect.den);
    if (opts.rotate >= 0 && opts.rotate <= 3)
        shown.transpose();
    if (opts.crop && shown.isValid())
        shown = CropKeptRect(shown, opts.cropLeft, opts.cropTop, opts.cropRight, opts.cropBottom).size();
    // Pixels of an aspect no picture has are shown as they are.
    if (!shown.isValid() || shown.isEmpty())
        shown = QSize(width, height);
    return QSizeF(shown);
}

// The converter's picture reader takes "%d" (and "%03d" ...) in a file name
// for a numbered sequence; a work picture whose name looks like one is read
// through the PNG reader, which reads that file alone.
QString WorkPictureReader(const QString& path)
{
    static const QRegularExpression sequence(QStringLiteral("%[0-9]*d"));
    return path.contains(sequence) ? QStringLiteral("png_pipe") : QString();
}

// The subtitle work file's name of a row: one per row and source.
QString SubtitleWorkName(const QList<ST_OPTS>& rows, int row)
{
    QString key;
    if (row >= 0 && row < rows.size()) {
        key = QString::fromLatin1(
            QCryptographicHash::hash(rows.at(row).path.toUtf8(), QCryptographicHash::Md5).toHex().left(8));
    }
    return QStringLiteral("subtitle_") + Num(row) + (key.isEmpty() ? QString() : QLatin1Char('_') + key)
        + QStringLiteral(".ass");
}

// A source of woven fields is shown deinterlaced by players, at its own frame
// rate: it is deinterlaced before anything is drawn on it, or its combing
// would be kept under and around every layer. Only pictures marked as woven
// are, wherever they come in the stream: a container may call progressive
// pictures interlaced, and a broadcast may turn from film to video at any
// point, whatever its first pictures or its headers said.
const QString kDeinterlacer = QStringLiteral("bwdif=mode=send_frame:deint=interlaced");

// The deinterlacer takes no picture of fewer than 3 columns or 4 lines; a
// picture that small has no fields to speak of.
bool HasFields(const QSize& stored)
{
    return stored.width() <= 0 || stored.height() <= 0 || (stored.width() >= 3 && stored.height() >= 4);
}

// The converter and the preview turn the picture upright before the graph,
// but the fields are rows of the stored picture: the turn is undone around
// the deinterlacer (its filters each undo themselves, but for a quarter turn,
// and an odd angle cannot be undone without loss).
QString DeinterlaceStep(const ST_MEDIA_INFO& media)
{
    if (!media.hasVideo || !HasFields(media.picture.stored))
        return QString();
    const QStringList turn = media.picture.turn.Filters();
    QStringList undo;
    for (const QString& filter : turn) {
        if (filter.startsWith(QLatin1String("rotate")))
            return kDeinterlacer + QLatin1Char(',');
        if (filter.endsWith(QLatin1String("=clock")) || filter.endsWith(QLatin1String("=cclock")))
            undo.prepend(QStringLiteral("transpose=") + (filter.endsWith(QLatin1String("=clock")) ? "cclock" : "clock"));
        else
            undo.prepend(filter);
    }
    return (undo + QStringList{kDeinterlacer} + turn).join(QLatin1Char(',')) + QLatin1Char(',');
}

} // namespace

QStringList Core::RunLayerFiles() const
{
    QStringList files;
    QSet<QPair<quint64, quint64>> seen;
    for (QWatermarkBase* item : Layers) {
        const CLayerInfo* layer = item ? item->GetLayer() : nullptr;
        struct stat st;
        // A file that is missing or no regular file is said so by the graph.
        if (!layer || layer->Type != 2 || layer->FileName.isEmpty()
            || ::stat(QFile::encodeName(layer->FileName).constData(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        // Under two names, one file is learnt once.
        const QPair<quint64, quint64> file(quint64(st.st_dev), quint64(st.st_ino));
        if (seen.contains(file))
            continue;
        seen.insert(file);
        files << layer->FileName;
    }
    return files;
}

void Core::KeepLayerFile(const ST_LAYER_FILE& facts)
{
    m_layerFiles.Keep(facts);
}

ST_LAYER_FILE Core::LayerFile(const QString& path)
{
    ST_LAYER_FILE facts;
    if (!m_layerFiles.Find(path, &facts)) {
        facts = LayerFiles::Learn(path, WorkFolder());
        m_layerFiles.Keep(facts);
    }
    // The file may have been learnt under another of its names.
    if (facts.workSize < 0 && !facts.workFailed) {
        facts.problemPath = path;
        if (!facts.problem)
            facts.input = path;
    }
    return facts;
}

QString Core::SubtitleWorkFile(int row) const
{
    const QString folder = WorkFolder();
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + SubtitleWorkName(Rows, row);
}

QString Core::WriteWorkFile(const QString& name, const std::function<bool(const QString&)>& write,
                            ST_ROW_PROBLEM* problem)
{
    const QString folder = WorkFolder();
    // Without a folder of its own, the file would have been in the settings' one.
    const QString path = (folder.isEmpty() ? WorkRoot() : folder) + QLatin1Char('/') + name;
    if (!folder.isEmpty() && write(path))
        return path;
    qWarning() << "Cannot write work file" << path;
    *problem = Problem(QT_TR_NOOP("Cannot write a work file: %1"), path);
    return QString();
}

// The ASS file that the subtitle filter burns in: the row's own file, or the
// events being edited when it names none.
QString Core::PrepareSubtitle(int row, const ST_OPTS& opts, ST_ROW_PROBLEM* problem)
{
    const QString path = opts.subtitlePath;
    const QString name = SubtitleWorkName(Rows, row);
    if (path.isEmpty())
        return WriteWorkFile(name, [this](const QString& target) { return Subtitle.SaveASS(target); }, problem);
    // A file that is gone is never stood in for by other events.
    *problem = InputFileProblem(path, QT_TR_NOOP("Subtitle file missing: %1"), false);
    if (!problem->isEmpty())
        return QString();
    if (SubtitleParser::IsTooLarge(path)) {
        *problem = Problem(QT_TR_NOOP("Subtitle file too large: %1"), path);
        return QString();
    }
    if (path.right(3).toLower() != QLatin1String("srt")) {
        // The converter reads an ASS file itself, and without a code page:
        // one in UTF-16 is burnt from a UTF-8 copy. Its mark is enough to
        // tell; the rest is read, from the same open file, only for the copy.
        QFile file;
        const char* codePage = nullptr;
        QByteArray bytes;
        if (MediaInput::OpenRegular(path, &file)) {
            codePage = SubtitleParser::Utf16CodePage(file.peek(2));
            if (!codePage)
                return path;
            bytes = file.read(SubtitleParser::MaxFileSize + 1);
        }
        if (!codePage || file.error() != QFileDevice::NoError || bytes.size() > SubtitleParser::MaxFileSize) {
            *problem = Problem(QT_TR_NOOP("Cannot read the subtitle file: %1"), path);
            return QString();
        }
        const QString text = QTextCodec::codecForName(codePage)->toUnicode(bytes.constData() + 2, bytes.size() - 2);
        const QByteArray utf8 = "\xEF\xBB\xBF" + text.toUtf8();
        return WriteWorkFile(
            name, [&utf8](const QString& target) { return AtomicFile::Write(target, utf8); }, problem);
    }
    // Convert through a reader of our own: the events being edited stay
    // untouched, and the SRT file is only read. The editor's styles and
    // script settings dress the converted events.
    SubtitleParser srt;
    srt.Styles = Subtitle.Styles;
    srt.PlayResX = Subtitle.PlayResX;
    srt.PlayResY = Subtitle.PlayResY;
    srt.WrapStyle = Subtitle.WrapStyle;
    srt.ScaledBorderAndShadow = Subtitle.ScaledBorderAndShadow;
    srt.YCbCrMatrix = Subtitle.YCbCrMatrix;
    srt.setFileName(path);
    if (!srt.ReadSRTFile()) {
        *problem = Problem(QT_TR_NOOP("Cannot read the subtitle file: %1"), path);
        return QString();
    }
    return WriteWorkFile(name, [&srt](const QString& target) { return srt.SaveASS(target); }, problem);
}

// Fills one record per layer, in ascending z order. Without a canvas (or a
// frame size) the layers cannot be placed and none is given.
bool Core::BuildLayerRecords(const ST_OPTS& opts, int width, int height, QList<WatermarkInfo>* records,
                             ST_ROW_PROBLEM* problem)
{
    std::stable_sort(Layers.begin(), Layers.end(), [](QWatermarkBase* a, QWatermarkBase* b) {
        const qreal za = a ? a->zValue() : 0.0;
        const qreal zb = b ? b->zValue() : 0.0;
        return za < zb;
    });
    const QSize canvas = CanvasSize();
    const QSizeF frame = ShownFrame(opts, width, height);
    if (Layers.isEmpty() || canvas.isEmpty() || width <= 0 || height <= 0 || frame.isEmpty())
        return false;

    // The canvas shows the picture at the aspect of its pixels: where they
    // are not square, each layer is drawn into them stretched the other way,
    // to the nearest pixel, as one of them is more than one on the screen.
    const bool anamorphic = !FrameAspect(opts).IsSquare();
    const auto pixels = [anamorphic](double value) {
        return FilterText::Trunc(anamorphic ? std::round(value) : value);
    };
    long long duration = -1;   // probed once, when a fade-out needs it
    QSet<QString> pngNames;
    const QList<QWatermarkBase*> layers = Layers;
    for (QWatermarkBase* item : layers) {
        if (!item)
            continue;
        CLayerInfo* layer = item->GetLayer();
        // Each layer stands on this frame as it stood on the frame it was
        // placed on, scaled by one factor and kept at its edges; the row's
        // pixels then take it at their own aspect.
        const LayerPlacement placed = item->Placement(QSizeF(canvas));
        if (!placed.IsKnown())
            continue;
        const FrameFit fit(placed.frame, placed.box, frame);
        float sx = float(width) / float(placed.frame.width());
        float sy = float(height) / float(placed.frame.height());
        double shiftX = 0.0;
        double shiftY = 0.0;
        if (!fit.SameShape()) {
            sx = float(fit.Scale() * width / frame.width());
            sy = float(fit.Scale() * height / frame.height());
            shiftX = fit.Offset().x() * width / frame.width();
            shiftY = fit.Offset().y() * height / frame.height();
        }
        const QRectF r = placed.box;
        WatermarkInfo info;
        info.x = pixels(r.x() * double(sx) + shiftX);
        info.y = pixels(r.y() * double(sy) + shiftY);
        info.ow = pixels(r.width() * double(sx));
        info.oh = pixels(r.height() * double(sy));
        // Rounded to whole pixels, a layer inside the frame it was placed on
        // stays inside this one.
        if (!fit.SameShape()) {
            if (r.left() >= 0 && r.right() <= placed.frame.width())
                info.x = qBound(0, info.x, qMax(0, width - info.ow));
            if (r.top() >= 0 && r.bottom() <= placed.frame.height())
                info.y = qBound(0, info.y, qMax(0, height - info.oh));
        }
        qDebug() << "Angle" << r << info.x << info.y;
        info.angle = float(item->rotation());
        // A layer turned on the canvas is turned in the shape the canvas
        // shows, then squeezed into the pixels with the picture, so it keeps
        // on screen the shape it was given.
        const bool stretched = anamorphic && info.angle != 0.0f;
        const float lx = stretched ? 1.0f : sx;
        const float ly = stretched ? 1.0f : sy;
        const float pw = float(layer->Width) * lx;
        const float ph = float(layer->Height) * ly;
        info.w = pixels(double(pw));
        info.h = pixels(double(ph));
        if (stretched) {
            info.stretchW = info.ow;
            info.stretchH = info.oh;
            info.ow = pixels(r.width());
            info.oh = pixels(r.height());
        }
        info.opacity = qBound(0, int(layer->Transparent), 100);
        info.moveMode = layer->Animation;
        info.fadeMode = layer->Fade;
        // A project may hold any number; the movie source refuses the whole
        // graph for a count below 0 (for ever), the lowest it takes.
        info.loop = qMax(0, int(layer->Loop));
        info.speed = layer->Speed;
        info.start = layer->StartTime;
        info.end = layer->EndTime;
        // A layer without a size would make the rotate filter fail; it shows nothing anyway.
        if (info.ow <= 0 || info.oh <= 0 || info.w <= 0 || info.h <= 0
            || (stretched && (info.stretchW <= 0 || info.stretchH <= 0)))
            continue;

        // A picture of a work file, under a name of its own in this graph.
        const auto workPicture = [this, &pngNames, problem](const QString& base, const QImage& image) {
            QString name = base;
            for (int n = 2; pngNames.contains(name); ++n)
                name = base + QLatin1Char('_') + Num(n);
            pngNames.insert(name);
            return WriteWorkFile(
                name + QStringLiteral(".png"),
                [&image](const QString& target) { return LayerFiles::WritePng(image, target); }, problem);
        };
        switch (layer->Type) {
        case 1: {
            if (layer->FileName.isEmpty())
                continue;
            // The tool would wait for ever on a pipe, or fail on a missing file.
            *problem = InputFileProblem(layer->FileName, QT_TR_NOOP("File missing: %1"), false);
            if (!problem->isEmpty())
                return false;
            *problem = InputFileProblem(layer->FileName, QT_TR_NOOP("File missing: %1"), true);
            if (!problem->isEmpty())
                return false;
            info.path = layer->FileName;
            info.clip = true;
            info.turn = layer->Clip.turn.Filters();
            // The movie source gives the stored rows: a clip's woven
            // pictures are deinterlaced before it is turned, as a main
            // source's are.
            if (HasFields(layer->Clip.stored))
                info.turn.prepend(kDeinterlacer);
            break;
        }
        case 2: {
            if (layer->FileName.isEmpty())
                continue;
            *problem = InputFileProblem(layer->FileName, QT_TR_NOOP("File missing: %1"), false);
            if (!problem->isEmpty())
                return false;
            const ST_LAYER_FILE facts = LayerFile(layer->FileName);
            if (facts.problem) {
                *problem = Problem(facts.problem, facts.problemPath);
                return false;
            }
            info.path = facts.input;
            info.format = facts.reader;
            info.playTime = facts.playTime;
            break;
        }
        case 3: {
            // A text that renders to nothing shows nothing on the canvas either.
            if (layer->Image.isNull())
                continue;
            info.path = workPicture(LayerFiles::WorkName(layer->FileName), layer->Image);
            if (info.path.isEmpty())
                return false;
            qDebug() << info.path;
            info.format = WorkPictureReader(info.path);
            break;
        }
        default:
            continue;
        }

        // A clip is scaled from its turned pixels; the canvas shows its picture
        // stretched to the aspect of those pixels.
        const QSize picture = layer->Type == 1 && !layer->Clip.stored.isEmpty() ? layer->Clip.Turned()
                                                                               : layer->Image.size();
        info.scale = pw != float(picture.width()) || ph != float(picture.height());
        qDebug() << layer->Width << layer->Image.width() << layer->Height << layer->Image.height();

        if ((info.fadeMode == 2 || info.fadeMode == 3) && info.end == 0) {
            if (duration < 0)
                duration = RowDuration(opts);
            info.duration = duration;
        }
        records->append(info);
    }
    return !records->isEmpty();
}

QString Core::DeinterlaceGraph(const ST_MEDIA_INFO& media)
{
    const QString step = DeinterlaceStep(media);
    return step.chopped(step.isEmpty() ? 0 : 1);
}

QString Core::GetCommandArg(int row, ST_ROW_PROBLEM* problem)
{
    ST_ROW_PROBLEM unasked;
    ST_ROW_PROBLEM* why = problem ? problem : &unasked;
    *why = ST_ROW_PROBLEM();
    if (!IsValidRow(row))
        return QString();
    const ST_OPTS opts = Rows.at(row);
    int width = opts.width;
    int height = opts.height;
    QString result = opts.path.isEmpty() ? QString() : DeinterlaceStep(CurrentMediaInfo(opts.media, opts.path));
    bool prefix = !result.isEmpty();

    if (opts.hflip) {
        result += QStringLiteral("hflip,");
        prefix = true;
    }
    if (opts.vflip) {
        result += QStringLiteral("vflip,");
        prefix = true;
    }
    // transpose 0 to 3 each turn the picture a quarter; other codes mean none.
    const bool turned = opts.rotate >= 0 && opts.rotate <= 3;
    if (turned) {
        result += QStringLiteral("transpose=") + Num(opts.rotate) + QLatin1Char(',');
        prefix = true;
        std::swap(width, height);
    }
    if (opts.crop && width > 0 && height > 0) {
        const QRect keep = CropKeptRect(QSize(width, height), opts.cropLeft, opts.cropTop, opts.cropRight,
                                        opts.cropBottom);
        result += QStringLiteral("crop=") + Num(keep.width()) + QLatin1Char(':') + Num(keep.height())
            + QLatin1Char(':') + Num(keep.x()) + QLatin1Char(':') + Num(keep.y()) + QLatin1Char(',');
        prefix = true;
        width = keep.width();
        height = keep.height();
    }

    QList<WatermarkInfo> records;
    BuildLayerRecords(opts, width, height, &records, why);
    const QString subtitle = why->isEmpty() && opts.subtitle ? PrepareSubtitle(row, opts, why) : QString();
    // A graph lacking what it should hold is no graph of this row.
    if (!why->isEmpty()) {
        qWarning().noquote() << why->details;
        return QString();
    }

    result.chop(1);
    if (prefix) {
        if (!records.isEmpty())
            result += QStringLiteral("[in];");
        else if (!subtitle.isEmpty())
            result += QLatin1Char(',');
    }

    const int n = records.size();
    if (n == 1) {
        WatermarkInfo& r = records[0];
        result += GetCommandMovie(&r) + QStringLiteral("[m];[in][m]")
            + GetCommandOverlay(r.x, r.y, r.start, r.end, r.moveMode, r.speed);
    } else if (n >= 2) {
        for (int i = 0; i < n; ++i)
            result += GetCommandMovie(&records[i]) + QStringLiteral("[m") + Num(i) + QStringLiteral("];");
        const WatermarkInfo& first = records.at(0);
        result += QStringLiteral("[in][m0]")
            + GetCommandOverlay(first.x, first.y, first.start, first.end, first.moveMode, first.speed)
            + QStringLiteral("[o0];");
        for (int k = 0; k + 1 < n; ++k) {
            const WatermarkInfo& r = records.at(k + 1);
            result += QStringLiteral("[o") + Num(k) + QStringLiteral("][m") + Num(k + 1) + QLatin1Char(']')
                + GetCommandOverlay(r.x, r.y, r.start, r.end, r.moveMode, r.speed);
            if (k + 2 != n)
                result += QStringLiteral("[o") + Num(k + 1) + QStringLiteral("];");
        }
    }

    if (!subtitle.isEmpty()) {
        if (n > 0)
            result += QStringLiteral("[o];[o]");
        result += QStringLiteral("ass=") + FilterText::Path(subtitle);
        // The renderer draws into the frame's own pixels. Told the size they
        // are shown at, it draws letters narrower or wider by the pixels'
        // aspect, so they show in the shape they have on square pixels.
        const PixelAspect aspect = FrameAspect(opts);
        const QSize shown = ShownPictureSize(width, height, aspect.num, aspect.den);
        if (!aspect.IsSquare() && shown.isValid() && shown != QSize(width, height))
            result += QStringLiteral(":original_size=") + Num(shown.width()) + QLatin1Char('x') + Num(shown.height());
    }
    return result;
}

QString Core::GetCommandMovie(WatermarkInfo* info)
{
    if (!info)
        return QString();
    QString text = QStringLiteral("movie=") + FilterText::Path(info->path);
    if (!info->format.isEmpty())
        text += QStringLiteral(":f=") + info->format;
    text += QStringLiteral(":loop=") + Num(info->loop);
    // The layer's frames are timed from the video's start, each play after
    // the last. A picture that animates keeps its own pictures' times, which
    // may differ from one picture to the next; anything else is paced at
    // its frame rate.
    if (info->playTime > 0)
        text += QStringLiteral(",setpts='if(eq(N,0),PTS-STARTPTS,PREV_OUTPTS+PTS-PREV_INPTS+lte(PTS,PREV_INPTS)*")
            + Num(info->playTime) + QStringLiteral("/1000000/TB)'");
    // So does a clip, whose pictures a phone spaces unevenly: a play starts
    // again as long after the last picture as that one came after the one
    // before.
    else if (info->clip)
        text += QStringLiteral(",setpts='if(eq(N,0),st(1,0)+PTS-STARTPTS,")
            + QStringLiteral("PREV_OUTPTS+if(lte(PTS,PREV_INPTS),ld(1),st(1,PTS-PREV_INPTS)))'");
    else
        text += QStringLiteral(",setpts=N/FRAME_RATE/TB");
    for (const QString& filter : info->turn)
        text += QLatin1Char(',') + filter;
    // Opaque pictures and videos carry no alpha: without one the mixer has
    // nothing to scale and the corners a turn uncovers are filled black.
    if (info->opacity != 100 || info->angle != 0.0f)
        text += QStringLiteral(",format=rgba");
    if (info->opacity != 100)
        text += QStringLiteral(",colorchannelmixer=aa=") + FilterText::Real(info->opacity / 100.0);
    if (info->scale)
        text += QStringLiteral(",scale=") + Num(info->w) + QLatin1Char(':') + Num(info->h);
    text += QStringLiteral(",rotate='") + FilterText::Real(double(info->angle) * 0.01745)
        + QStringLiteral(":ow=") + Num(info->ow) + QStringLiteral(":oh=") + Num(info->oh)
        + QStringLiteral(":c=0x00000000'");
    if (info->stretchW > 0 && info->stretchH > 0)
        text += QStringLiteral(",scale=") + Num(info->stretchW) + QLatin1Char(':') + Num(info->stretchH);

    // Fading works on the layer's transparency; fading its colour would draw
    // the layer's shape in black over the video.
    const auto fadeIn = [&]() {
        return QStringLiteral(",fade=t=in:st=") + FilterText::SecondsOffset(info->start, 0.0)
            + QStringLiteral(":d=0.5:alpha=1");
    };
    const auto fadeOut = [&]() -> QString {
        const long long at = info->end != 0 ? info->end : info->duration;
        if (at <= 0)
            return QString();
        return QStringLiteral(",fade=t=out:st=") + FilterText::SecondsOffset(at, -0.5)
            + QStringLiteral(":d=0.5:alpha=1");
    };
    switch (info->fadeMode) {
    case 1:
        text += fadeIn();
        break;
    case 2:
        text += fadeOut();
        break;
    case 3:
        text += fadeIn() + fadeOut();
        break;
    default:
        break;
    }
    return text;
}

QString Core::GetCommandOverlay(int x, int y, long long start, long long end, int moveMode, int speed)
{
    const QString s = FilterText::Seconds(start);
    const QString sp = Num(speed);
    QString X = Num(x);
    QString Y = Num(y);
    // An unknown motion mode stands still rather than breaking the graph.
    switch (moveMode) {
    case 1:
        X = QStringLiteral("-w+mod(((t-") + s + QStringLiteral(")*") + sp + QStringLiteral("+w+") + Num(x)
            + QStringLiteral(")\\,W+w)");
        break;
    case 2:
        X = QStringLiteral("W - mod(((t-") + s + QStringLiteral(")*") + sp + QStringLiteral("+W-") + Num(x)
            + QStringLiteral(")\\,W+w)");
        break;
    case 3:
        Y = QStringLiteral("-h+mod(((t-") + s + QStringLiteral(")*") + sp + QStringLiteral("+h+") + Num(y)
            + QStringLiteral(")\\,H+h)");
        break;
    case 4:
        Y = QStringLiteral("H - mod(((t-") + s + QStringLiteral(")*") + sp + QStringLiteral("+H-") + Num(y)
            + QStringLiteral(")\\,H+h)");
        break;
    default:
        break;
    }

    QString text;
    if (start == 0 && end == 0) {
        text = QStringLiteral("overlay=") + X + QLatin1Char(':') + Y;
    } else if (end != 0) {
        text = QStringLiteral("overlay='if(between(t,") + s + QLatin1Char(',') + FilterText::Seconds(end)
            + QStringLiteral("),") + X + QStringLiteral(",NAN)':") + Y;
    } else {
        text = QStringLiteral("overlay='if(gte(t,") + s + QStringLiteral("),") + X + QStringLiteral(",NAN)':") + Y;
    }
    return text + QStringLiteral(":eof_action=pass");
}
