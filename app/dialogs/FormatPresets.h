#pragma once
// The fixed lists the output format dialog offers per container, with the
// entry each list starts at. Their texts are what the settings keep and what
// the conversion reads numbers from, so they are exact.
#include "ConfigFormat.h"

#include <QString>
#include <QStringList>

namespace FormatPresets {

// "mp4" ... "wav" for 0 ... 9; empty outside.
QString ContainerName(int format);
// The index of a container name (exact), -1 when it is none.
int ContainerIndex(const QString& name);
bool IsSoundContainer(int format);

QStringList FrameSizes();
QString DefaultFrameSize();
QStringList FrameRates(int format);
QString DefaultFrameRate();
QStringList Aspects();
// kbps entries, or the quality scale from high to low; "Auto" first.
QStringList VideoBitRates(bool quality);

// The container's own codecs (the dialog adds "copy"); empty outside 0..9.
QStringList VideoCodecs(int format);
QString DefaultVideoCodec(int format);
QStringList AudioCodecs(int format);
QString DefaultAudioCodec(int format);

QStringList Channels();
QString DefaultChannels();
QStringList SampleRates();
QString DefaultSampleRate();
QStringList AudioBitRates();
QString DefaultAudioBitRate();

} // namespace FormatPresets
