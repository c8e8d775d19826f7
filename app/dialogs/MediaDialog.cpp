#include "MediaDialog.h"
#include "ui_MediaDialog.h"

#include <QFile>
#include <QFileInfo>

#include "MediaFunctions.h"
#include "MediaInput.h"
#include "PictureGeometry.h"

extern "C" {
#include <libavformat/avformat.h>
}

MediaDialog::MediaDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui_MediaDialog)
{
    ui->setupUi(this);
}

MediaDialog::~MediaDialog()
{
    delete ui;
}

void MediaDialog::InitMediaInfo()
{
    ui->textEditInfo->setPlainText(Report(path));
}

QString MediaDialog::Report(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const MediaInput input(name.constData());
    AVFormatContext* context = input.get();
    if (!context)
        return QString();
    av_dump_format(context, 0, name.constData(), 0);

    const QString file = tr("File") + QStringLiteral("  ") + QFileInfo(path).fileName();
    const QString format = tr("Format") + QStringLiteral("  ")
        + QString::fromUtf8(context->iformat && context->iformat->name ? context->iformat->name : "");
    const QString bitRate = tr("Bit rate") + QStringLiteral("  ") + QString::number(context->bit_rate / 1000)
        + QStringLiteral(" kbs");
    QString videoCodec, frameRate, size, audioCodec, sampleRate, channels;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVCodecParameters* par = context->streams[i]->codecpar;
        if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
            const AVRational rate = context->streams[i]->r_frame_rate;
            const double fps = rate.den ? double(rate.num) / rate.den : 0.0;
            videoCodec = tr("Codec") + QLatin1Char(' ') + GetCodecID(par->codec_id);
            frameRate = tr("Frame Rate") + QStringLiteral("  ") + QString::number(fps, 'g', 6) + QStringLiteral("fps");
            // The size a player shows: turned by the display matrix, then
            // stretched by the sample aspect.
            QSize shown = PictureGeometry::Read(context, context->streams[i]).Shown();
            if (shown.isEmpty())
                shown = QSize(par->width, par->height);
            size = tr("Size") + QStringLiteral("  ") + QString::number(shown.width()) + QStringLiteral(" x ")
                + QString::number(shown.height());
        } else if (par->codec_type == AVMEDIA_TYPE_AUDIO) {
            audioCodec = tr("Codec") + QLatin1Char(' ') + GetCodecID(par->codec_id);
            sampleRate = tr("Sample Rate") + QStringLiteral("  ") + QString::number(par->sample_rate)
                + QStringLiteral(" Hz");
            channels = tr("Channels") + QStringLiteral("  ") + QString::number(par->ch_layout.nb_channels);
        }
    }
    return QStringList{file, format, bitRate, tr("Video"), videoCodec, frameRate, size,
                       tr("Audio"), audioCodec, sampleRate, channels}
        .join(QStringLiteral("\r\n"));
}
