#pragma once
// Text encoding helpers: wide/multibyte conversion in the process locale and
// a UTF-8 structure test.
#include <cstddef>

// Converts src into dst (dstSize bytes) in the process locale. dst is always
// zero-terminated and never overrun; a character that does not fit is left
// out whole. Returns the number of bytes written before the terminator, or -1
// when nothing could be converted (null or empty buffer, unconvertible text).
int UnicodeToAnsi(const wchar_t* src, char* dst, int dstSize);

// Converts src into dst (dstSize wide characters) in the process locale, with
// the same guarantees and result as UnicodeToAnsi.
int AnsiToUnicode(const char* src, wchar_t* dst, int dstSize);

// True when the bytes are built like UTF-8: one to four byte sequences with
// their continuation bytes. A sequence cut off by the end of the buffer is
// accepted.
bool IsUTF8(const void* data, long size);
