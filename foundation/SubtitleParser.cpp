#include "SubtitleParser.h"

#include "FileFolders.h"
#include "MediaInput.h"

#include <QCoreApplication>
#include <QFileInfo>

SubtitleParser::SubtitleParser()
{
    Styles.append(MakeDefaultStyle());
}

SubtitleParser::~SubtitleParser() = default;

bool SubtitleParser::IsTooLarge(const QString& path)
{
    return QFileInfo(path).size() > MaxFileSize;
}

bool SubtitleParser::ReadFile(const QString& path, QByteArray* bytes)
{
    return MediaInput::ReadRegular(path, MaxFileSize, bytes) == MediaInput::ReadWhole;
}

const char* SubtitleParser::Utf16CodePage(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return "UTF-16LE";
    if (bytes.startsWith("\xFE\xFF"))
        return "UTF-16BE";
    return nullptr;
}

bool SubtitleParser::ReadSRTFile()
{
    const QString name = fileName();
    if (isOpen())
        close();
    // A device opened on a descriptor forgets its name; it is given back.
    const bool opened = MediaInput::OpenRegular(name, this);
    const bool read = SRTParser();   // reads nothing when not open
    if (opened)
        close();
    setFileName(name);
    return read;
}

void SubtitleParser::Reset()
{
    const SubtitleParser fresh;
    Events = fresh.Events;
    Styles = fresh.Styles;
    PlayResX = fresh.PlayResX;
    PlayResY = fresh.PlayResY;
    Timer = fresh.Timer;
    WrapStyle = fresh.WrapStyle;
    ScaledBorderAndShadow = fresh.ScaledBorderAndShadow;
    Kerning = fresh.Kerning;
    Language = fresh.Language;
    YCbCrMatrix = fresh.YCbCrMatrix;
    DefaultStyle = fresh.DefaultStyle;
    TrackName = fresh.TrackName;
    TextIsUtf8 = fresh.TextIsUtf8;
    TextIsSrt = fresh.TextIsSrt;
}

QString SubtitleParser::TooLargeMessage(const QString& path)
{
    return QCoreApplication::translate("SubtitleParser", "The subtitle file %1 is larger than %2 MB; it is not read.")
        .arg(ShownPath(path), QString::number(MaxFileSize / (1024 * 1024)));
}

ST_ASS_STYLE SubtitleParser::MakeDefaultStyle()
{
    ST_ASS_STYLE style;
    style.Name = QStringLiteral("Default");
    style.FontName = QStringLiteral("Arial");
    style.FontSize = 18;
    style.PrimaryColour = 0xFFFFFF00u;   // opaque white
    style.SecondaryColour = 0x00FFFF00u; // opaque cyan
    style.OutlineColour = 0x00000000u;   // opaque black
    style.BackColour = 0x00000080u;      // half-transparent black
    style.Bold = 200;
    style.Italic = 0;
    style.Underline = 0;
    style.StrikeOut = 0;
    style.ScaleX = 1.0;
    style.ScaleY = 1.0;
    style.Spacing = 0;
    style.Angle = 0;
    style.BorderStyle = 0;
    style.Outline = 2;
    style.Shadow = 3;
    style.Alignment = 2;
    style.MarginL = 20;
    style.MarginR = 20;
    style.MarginV = 20;
    style.Encoding = 1;
    style.TreatFontNameAsPattern = 0;
    style.Blur = 0;
    style.Justify = 0;
    return style;
}
