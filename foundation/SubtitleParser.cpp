#include "SubtitleParser.h"

#include "FileFolders.h"

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
