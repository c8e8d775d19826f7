#pragma once
// Small helpers beside the playback engine: a growable array for the filter
// texts, per-stream decoder options for stream probing, and the display
// rotation of a video stream.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
}

// Grows *array (elements of elem_size bytes, *count of them) to new_count
// elements, zeroing the new ones. Returns the (possibly moved) array, or null
// when it cannot grow; the old array and *count are then left untouched.
void* grow_array(void* array, int elem_size, int* count, int new_count);

// One dictionary per stream of the context with the entries of codec_opts that
// apply to that stream's decoder; null when the context has no streams or on
// allocation failure. The caller frees each dictionary and the array (av_freep).
AVDictionary** setup_find_stream_info_opts(AVFormatContext* context, AVDictionary* codec_opts);

// The entries of options that apply to a codec of the given id on this stream
// (decoder for input contexts, encoder for output contexts); null when none.
AVDictionary* filter_codec_opts(AVDictionary* options, AVCodecID codec_id, AVFormatContext* context,
                                AVStream* stream, const AVCodec* codec);

// Clockwise display rotation of the stream in degrees, in [0, 360) up to a
// small tolerance (values just below a multiple of 360 come out just below 0).
double get_rotation(AVStream* stream);
