#pragma once
// SRT cues carry HTML-like markup (<i>, <b>, <u>, <s>, <font color=...>);
// the subtitle filter draws ASS. A cue's text is turned into ASS override
// codes by the rule of the converter's own SRT decoder, so a burnt cue looks
// as it does in every player.
#include <QString>

namespace SrtMarkup {

// The cue text with its markup as override codes; everything else as it was.
QString ToAss(const QString& text);

} // namespace SrtMarkup
