#include "MediaInput.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cerrno>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/avstring.h>
}

namespace {

// Demuxers that open the files or addresses their input names: scripts,
// playlists, manifests, subtitle indexes with their data beside them.
const char* const kReadsOthers[] = {"concat", "hls", "dash", "imf", "sdp", "vobsub"};

bool NamesOtherInputs(const AVInputFormat* format, const char* path)
{
    // Capture devices and network sessions read no file at all; the image
    // sequence demuxer reads only the named file unless the name numbers
    // frames, as the converter would read it.
    if (format->flags & AVFMT_NOFILE)
        return !(av_match_name("image2", format->name) && !av_filename_number_test(path));
    for (const char* name : kReadsOthers) {
        if (av_match_name(name, format->name))
            return true;
    }
    return false;
}

int RefuseNestedOpen(AVFormatContext*, AVIOContext**, const char*, int, AVDictionary**)
{
    return AVERROR(EPERM);
}

constexpr int kBufferSize = 64 * 1024;

} // namespace

std::atomic<void (*)(const char*)> MediaInput::AfterOpen{nullptr};

int MediaInput::OpenRegular(const char* path)
{
    if (!path || !*path)
        return -1;
    // Looked at before opening, so that a device is not even opened; the
    // open cannot block on a pipe swapped in meanwhile, and what was opened
    // is looked at again.
    struct stat st;
    if (::stat(path, &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    if (void (*afterOpen)(const char*) = AfterOpen.load())
        afterOpen(path);
    return fd;
}

bool MediaInput::OpenRegular(const QString& path, QFile* file)
{
    const int fd = OpenRegular(QFile::encodeName(path).constData());
    if (fd < 0)
        return false;
    if (file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
}

MediaInput::ReadOutcome MediaInput::ReadRegular(const QString& path, long long maxBytes, QByteArray* bytes)
{
    QFile file;
    // The program's own embedded files (":/…") are not on disk: nothing can
    // be put in their place.
    if (path.startsWith(QLatin1Char(':')))
        file.setFileName(path);
    if (file.fileName().isEmpty() ? !OpenRegular(path, &file) : !file.open(QIODevice::ReadOnly))
        return NotRead;
    if (file.size() > maxBytes)
        return TooLarge;
    // Bounded as well: the file may grow while it is read.
    *bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return NotRead;
    return bytes->size() > maxBytes ? TooLarge : ReadWhole;
}

int MediaInput::Read(void* self, uint8_t* buffer, int size)
{
    auto* input = static_cast<MediaInput*>(self);
    if (Interrupted(self))
        return AVERROR_EXIT;
    for (;;) {
        const ssize_t got = ::read(input->m_fd, buffer, size_t(size));
        if (got > 0) {
            input->m_read += got;
            return int(got);
        }
        if (got == 0)
            return AVERROR_EOF;
        if (errno != EINTR)
            return AVERROR(errno);
    }
}

int64_t MediaInput::Seek(void* self, int64_t offset, int whence)
{
    const auto* input = static_cast<const MediaInput*>(self);
    whence &= ~AVSEEK_FORCE;
    if (whence == AVSEEK_SIZE) {
        struct stat st;
        return ::fstat(input->m_fd, &st) == 0 ? int64_t(st.st_size) : int64_t(AVERROR(errno));
    }
    const off_t at = ::lseek(input->m_fd, off_t(offset), whence);
    return at < 0 ? int64_t(AVERROR(errno)) : int64_t(at);
}

int MediaInput::Interrupted(void* self)
{
    const auto* input = static_cast<const MediaInput*>(self);
    if (input->m_interrupted && input->m_interrupted(input->m_opaque))
        return 1;
    return input->m_cancel && input->m_cancel->load() ? 1 : 0;
}

bool MediaInput::OpenContainer(const char* path, AVDictionary** options)
{
    m_fd = OpenRegular(path);
    return m_fd >= 0 && OpenContainerOnFile(path, options);
}

bool MediaInput::OpenContainerOnFile(const char* path, AVDictionary** options)
{
    m_outcome = Unreadable;
    auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferSize));
    if (!buffer)
        return false;
    m_io = avio_alloc_context(buffer, kBufferSize, 0, this, &MediaInput::Read, nullptr, &MediaInput::Seek);
    if (!m_io) {
        av_free(buffer);
        return false;
    }
    const AVInputFormat* format = nullptr;
    const int probed = av_probe_input_buffer2(m_io, &format, path, nullptr, 0, 0);
    if (Interrupted(this)) {
        m_outcome = Cancelled;
        return false;
    }
    if (probed < 0 || !format)
        return false;
    // Its content, not its name alone, tells the kind.
    m_recognised = probed > AVPROBE_SCORE_RETRY;
    if (NamesOtherInputs(format, path)) {
        m_outcome = ReadsOtherFiles;
        return false;
    }
    m_ctx = avformat_alloc_context();
    if (!m_ctx)
        return false;
    m_ctx->pb = m_io;
    m_ctx->io_open = RefuseNestedOpen;
    m_ctx->interrupt_callback.callback = &MediaInput::Interrupted;
    m_ctx->interrupt_callback.opaque = this;
    // Demuxers that open an input of their own bypassing io_open still get
    // no protocol but plain files.
    av_dict_set(options, "protocol_whitelist", "file", 0);
    if (avformat_open_input(&m_ctx, path, format, options) < 0) {
        // The context is gone; the reader over the file is still ours.
        m_ctx = nullptr;
        m_outcome = Interrupted(this) ? Cancelled : Unreadable;
        return false;
    }
    return true;
}

MediaInput::MediaInput(const char* path, int (*interrupted)(void*), void* opaque, AVDictionary** options)
    : m_interrupted(interrupted)
    , m_opaque(opaque)
{
    if (OpenContainer(path, options))
        m_outcome = Opened;
}

MediaInput::MediaInput(const char* path, long long maxPixels, const std::atomic<bool>* cancel)
    : m_cancel(cancel)
{
    AVDictionary* options = nullptr;
    const bool opened = OpenContainer(path, &options);
    av_dict_free(&options);
    if (opened)
        FindStreams(maxPixels);
}

MediaInput::MediaInput(int fd, const char* name, long long maxPixels, const std::atomic<bool>* cancel)
    : m_cancel(cancel)
{
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return;
    m_fd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (m_fd < 0)
        return;
    // The duplicate shares the caller's position, wherever its reads left it.
    if (::lseek(m_fd, 0, SEEK_SET) != 0) {
        m_outcome = Unreadable;
        return;
    }
    AVDictionary* options = nullptr;
    const bool opened = OpenContainerOnFile(name ? name : "", &options);
    av_dict_free(&options);
    if (opened)
        FindStreams(maxPixels);
}

void MediaInput::FindStreams(long long maxPixels)
{
    std::vector<AVDictionary*> streamOptions(m_ctx->nb_streams, nullptr);
    if (maxPixels > 0) {
        for (AVDictionary*& o : streamOptions)
            av_dict_set_int(&o, "max_pixels", maxPixels, 0);
    }
    const int found = avformat_find_stream_info(m_ctx, streamOptions.empty() ? nullptr : streamOptions.data());
    for (AVDictionary*& o : streamOptions)
        av_dict_free(&o);
    if (found < 0 || Interrupted(this)) {
        avformat_close_input(&m_ctx);
        m_outcome = Interrupted(this) ? Cancelled : Unreadable;
        return;
    }
    m_outcome = Opened;
}

MediaInput::~MediaInput()
{
    // A context on a reader of our own leaves the reader to us.
    avformat_close_input(&m_ctx);
    if (m_io) {
        av_freep(&m_io->buffer);
        avio_context_free(&m_io);
    }
    if (m_fd >= 0)
        ::close(m_fd);
}

const char* MediaInput::ConverterFormats()
{
    static const std::string formats = [] {
        std::string list;
        void* at = nullptr;
        while (const AVInputFormat* format = av_demuxer_iterate(&at)) {
            if (NamesOtherInputs(format, ""))
                continue;
            if (!list.empty())
                list += ',';
            list += format->name;
        }
        return list;
    }();
    return formats.c_str();
}

long long MediaInput::Duration() const
{
    if (!m_ctx || m_ctx->duration == AV_NOPTS_VALUE || m_ctx->duration < 0)
        return 0;
    return m_ctx->duration;
}
