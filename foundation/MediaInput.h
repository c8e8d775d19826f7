#pragma once
// A user's media file opened with the FFmpeg libraries for looking into it:
// that one regular file and nothing else. Kinds of file that name other
// files or addresses (concat scripts, playlists, manifests, numbered image
// sequences) are refused, a nested open is refused, and a pipe or device is
// never opened, so a probe cannot wait without end or read what the user did
// not choose.
#include <atomic>
#include <cstdint>

class QByteArray;
class QFile;
class QString;
struct AVDictionary;
struct AVFormatContext;
struct AVIOContext;

class MediaInput
{
public:
    enum Outcome {
        Opened,          // opened and probed
        NotRegular,      // missing, or not a regular file: never opened
        ReadsOtherFiles, // a kind of file that would read other files or addresses
        Unreadable,      // not media the libraries can read
        Cancelled,       // `cancel` was set
    };

    // maxPixels (0 for no limit) also bounds what probing may decode. Once
    // `cancel` (may be null) is set, opening and every later read end early.
    explicit MediaInput(const char* path, long long maxPixels = 0, const std::atomic<bool>* cancel = nullptr);
    // For a reader that keeps the context and finds its streams itself: the
    // container is opened alone, with `options` as avformat_open_input takes
    // them, and every wait ends once `interrupted(opaque)` returns non-zero.
    MediaInput(const char* path, int (*interrupted)(void*), void* opaque, AVDictionary** options);
    // A regular file the caller has opened already, read from its start
    // through a descriptor of its own (fd stays the caller's); name only
    // tells the kind of file by its extension; `cancel` as above.
    MediaInput(int fd, const char* name, long long maxPixels, const std::atomic<bool>* cancel = nullptr);
    ~MediaInput();
    MediaInput(const MediaInput&) = delete;
    MediaInput& operator=(const MediaInput&) = delete;

    // Null unless the outcome is Opened.
    AVFormatContext* get() const { return m_ctx; }
    Outcome outcome() const { return m_outcome; }
    // The container's duration in microseconds, 0 when unknown.
    long long Duration() const;
    // Whether the libraries took the file for a kind they read, opened or
    // not: an Unreadable file that was is cut short or damaged.
    bool Recognised() const { return m_recognised; }
    // The bytes read from the file so far.
    long long BytesRead() const { return m_read; }

    // A descriptor of path opened for reading when it is a regular file, -1
    // otherwise; opening never waits for a pipe's writer.
    static int OpenRegular(const char* path);
    // The same into a QFile, which then owns the descriptor.
    static bool OpenRegular(const QString& path, QFile* file);
    // The bytes of a regular file of at most maxBytes, read through one
    // descriptor opened as above: never a pipe or device, and never another
    // file put under the name after it was looked at. The program's own
    // embedded files (":/…") are read as they are.
    enum ReadOutcome { ReadWhole, NotRead, TooLarge };
    static ReadOutcome ReadRegular(const QString& path, long long maxBytes, QByteArray* bytes);
    // For tests: given the path each time OpenRegular has opened one, the
    // moment another process could put something else under that name.
    static std::atomic<void (*)(const char*)> AfterOpen;

    // The kinds of file the converter may read as a user's file: every one
    // this class opens, comma-separated for the converter's
    // "-format_whitelist", so a file swapped for a script after its probe is
    // refused there too.
    static const char* ConverterFormats();

private:
    // The libraries read the file through these, never by its name.
    static int Read(void* self, uint8_t* buffer, int size);
    static int64_t Seek(void* self, int64_t offset, int whence);
    static int Interrupted(void* self);
    // Opens the file and its container; false, with the outcome set, when not.
    bool OpenContainer(const char* path, AVDictionary** options);
    // The same on the file m_fd holds.
    bool OpenContainerOnFile(const char* path, AVDictionary** options);
    // Finds the streams of an opened container; the outcome says how it went.
    void FindStreams(long long maxPixels);

    int m_fd = -1;
    const std::atomic<bool>* m_cancel = nullptr;
    int (*m_interrupted)(void*) = nullptr;
    void* m_opaque = nullptr;
    AVIOContext* m_io = nullptr;
    AVFormatContext* m_ctx = nullptr;
    Outcome m_outcome = NotRegular;
    long long m_read = 0;
    bool m_recognised = false;
};
