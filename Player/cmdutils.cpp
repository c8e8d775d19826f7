#include "cmdutils.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <string>

extern "C" {
#include <libavutil/display.h>
#include <libavutil/opt.h>
}

void* grow_array(void* array, int elem_size, int* count, int new_count)
{
    if (elem_size <= 0 || !count || new_count < 0)
        return nullptr;
    if (new_count >= INT_MAX / elem_size) {
        av_log(nullptr, AV_LOG_ERROR, "Array too big.\n");
        return nullptr;
    }
    if (*count < new_count) {
        auto* grown = static_cast<uint8_t*>(av_realloc_array(array, new_count, elem_size));
        if (!grown) {
            av_log(nullptr, AV_LOG_ERROR, "Could not alloc buffer.\n");
            return nullptr;
        }
        std::memset(grown + static_cast<size_t>(*count) * elem_size, 0,
                    static_cast<size_t>(new_count - *count) * elem_size);
        *count = new_count;
        return grown;
    }
    return array;
}

AVDictionary* filter_codec_opts(AVDictionary* options, AVCodecID codec_id, AVFormatContext* context,
                                AVStream* stream, const AVCodec* codec)
{
    AVDictionary* result = nullptr;
    const bool output = context && context->oformat;
    int flags = output ? AV_OPT_FLAG_ENCODING_PARAM : AV_OPT_FLAG_DECODING_PARAM;
    char prefix = 0;
    const AVClass* codecClass = avcodec_get_class();

    if (!codec)
        codec = output ? avcodec_find_encoder(codec_id) : avcodec_find_decoder(codec_id);

    switch (stream->codecpar->codec_type) {
    case AVMEDIA_TYPE_VIDEO:
        prefix = 'v';
        flags |= AV_OPT_FLAG_VIDEO_PARAM;
        break;
    case AVMEDIA_TYPE_AUDIO:
        prefix = 'a';
        flags |= AV_OPT_FLAG_AUDIO_PARAM;
        break;
    case AVMEDIA_TYPE_SUBTITLE:
        prefix = 's';
        flags |= AV_OPT_FLAG_SUBTITLE_PARAM;
        break;
    default:
        break;
    }

    const AVDictionaryEntry* entry = nullptr;
    while ((entry = av_dict_get(options, "", entry, AV_DICT_IGNORE_SUFFIX))) {
        // Work on a copy of the key: a "key:specifier" entry is cut at the colon.
        std::string key = entry->key;
        const size_t colon = key.find(':');
        if (colon != std::string::npos) {
            const std::string spec = key.substr(colon + 1);
            const int match = avformat_match_stream_specifier(context, stream, spec.c_str());
            if (match < 0) {
                av_log(context, AV_LOG_ERROR, "Invalid stream specifier: %s.\n", spec.c_str());
                continue;
            }
            if (match == 0)
                continue;
            key.resize(colon);
        }
        const void* fakeClass = &codecClass;
        if (av_opt_find(const_cast<void*>(fakeClass), key.c_str(), nullptr, flags, AV_OPT_SEARCH_FAKE_OBJ) || !codec
            || (codec->priv_class
                && av_opt_find(const_cast<AVClass**>(&codec->priv_class), key.c_str(), nullptr, flags,
                               AV_OPT_SEARCH_FAKE_OBJ))) {
            av_dict_set(&result, key.c_str(), entry->value, 0);
        } else if (prefix && key.size() > 1 && key[0] == prefix
                   && av_opt_find(const_cast<void*>(fakeClass), key.c_str() + 1, nullptr, flags,
                                  AV_OPT_SEARCH_FAKE_OBJ)) {
            av_dict_set(&result, key.c_str() + 1, entry->value, 0);
        }
    }
    return result;
}

AVDictionary** setup_find_stream_info_opts(AVFormatContext* context, AVDictionary* codec_opts)
{
    if (!context || !context->nb_streams)
        return nullptr;
    auto** opts = static_cast<AVDictionary**>(av_calloc(context->nb_streams, sizeof(AVDictionary*)));
    if (!opts) {
        av_log(nullptr, AV_LOG_ERROR, "Could not alloc memory for stream options.\n");
        return nullptr;
    }
    for (unsigned i = 0; i < context->nb_streams; i++)
        opts[i] = filter_codec_opts(codec_opts, context->streams[i]->codecpar->codec_id, context,
                                    context->streams[i], nullptr);
    return opts;
}

double get_rotation(AVStream* stream)
{
    const uint8_t* matrix = av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, nullptr);
    double theta = 0;
    if (matrix)
        theta = -av_display_rotation_get(reinterpret_cast<const int32_t*>(matrix));
    if (std::isnan(theta))
        theta = 0;
    theta -= 360 * std::floor(theta / 360 + 0.9 / 360);
    if (std::fabs(theta - 90 * std::round(theta / 90)) > 2)
        av_log(nullptr, AV_LOG_WARNING,
               "Odd rotation angle.\nIf you want to help, upload a sample of this file and contact the developers.\n");
    return theta;
}
