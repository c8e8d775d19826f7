#include "TextFunctions.h"

#include <cstdlib>

int UnicodeToAnsi(const wchar_t* src, char* dst, int dstSize)
{
    if (!dst || dstSize <= 0)
        return -1;
    dst[0] = '\0';
    if (!src)
        return -1;
    // One byte is kept for the terminator; wcstombs never writes a partial
    // multibyte character.
    const size_t written = std::wcstombs(dst, src, static_cast<size_t>(dstSize - 1));
    if (written == static_cast<size_t>(-1)) {
        dst[0] = '\0';
        return -1;
    }
    dst[written] = '\0';
    return static_cast<int>(written);
}

int AnsiToUnicode(const char* src, wchar_t* dst, int dstSize)
{
    if (!dst || dstSize <= 0)
        return -1;
    dst[0] = L'\0';
    if (!src)
        return -1;
    const size_t written = std::mbstowcs(dst, src, static_cast<size_t>(dstSize - 1));
    if (written == static_cast<size_t>(-1)) {
        dst[0] = L'\0';
        return -1;
    }
    dst[written] = L'\0';
    return static_cast<int>(written);
}

bool IsUTF8(const void* data, long size)
{
    if (size <= 0 || !data)
        return true;
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    auto isContinuation = [](unsigned char b) { return b >= 0x80 && b <= 0xBF; };
    long i = 0;
    while (i < size) {
        const unsigned char b = bytes[i];
        int following;
        if (b < 0x80)
            following = 0;
        else if (b <= 0xBF)
            return false;   // continuation byte out of place
        else if (b <= 0xDF)
            following = 1;
        else if (b <= 0xEF)
            following = 2;
        else if (b <= 0xF4)
            following = 3;  // four-byte sequences (emoji and other astral characters)
        else
            return false;
        if (size - i - 1 < following)
            return true;    // cut off by the end of the buffer
        for (int k = 1; k <= following; ++k) {
            if (!isContinuation(bytes[i + k]))
                return false;
        }
        i += following + 1;
    }
    return true;
}
