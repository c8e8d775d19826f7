#pragma once
// The subtitle style and event records, field for field as libass parses an
// ASS or SSA file, with Qt strings and an end time instead of a duration.
#include <QString>
#include <cstdint>

// One style. Colours hold red in the most significant byte, then green,
// blue, and alpha (0 opaque, 255 transparent) in the least significant byte.
struct ST_ASS_STYLE {
    QString Name;
    QString FontName;
    double FontSize = 0.0;
    uint32_t PrimaryColour = 0;
    uint32_t SecondaryColour = 0;
    uint32_t OutlineColour = 0;
    uint32_t BackColour = 0;
    int32_t Bold = 0;               // -1 or 1 bold, 0 normal, other values a weight
    int32_t Italic = 0;
    int32_t Underline = 0;
    int32_t StrikeOut = 0;
    double ScaleX = 0.0;            // 1.0 is 100 %
    double ScaleY = 0.0;
    double Spacing = 0.0;
    double Angle = 0.0;
    int32_t BorderStyle = 0;        // 3 opaque box, otherwise outline and shadow
    double Outline = 0.0;
    double Shadow = 0.0;
    int32_t Alignment = 0;          // 1 to 9, numeric-keypad layout
    int32_t MarginL = 0;
    int32_t MarginR = 0;
    int32_t MarginV = 0;
    int32_t Encoding = 0;
    int32_t TreatFontNameAsPattern = 0;
    double Blur = 0.0;
    int32_t Justify = 0;
};

// One event. Style n names entry n-1 of the document's style list; 0, a
// negative number or one past the list names no style.
struct ST_ASS_EVENT {
    int64_t Start = 0;              // milliseconds
    int64_t End = 0;                // milliseconds
    int32_t ReadOrder = 0;
    int32_t Layer = 0;
    int32_t Style = 0;
    QString Name;
    int32_t MarginL = 0;
    int32_t MarginR = 0;
    int32_t MarginV = 0;
    QString Effect;
    QString Text;                   // ASS override codes included; "\N" is a line break
};
