#pragma once
// The real subtitle files written by other programs, read in place beside the
// project (../shared/corpus/subtitles). A test that needs them fails at once,
// with one line saying where they were looked for, when they are not there.
#include "LumacrestPaths.h"

#include <QDir>
#include <QString>
#include <QtTest>

namespace TestCorpus {

inline QString SubtitleDir()
{
    return qEnvironmentVariable("LUMACREST_CORPUS", QStringLiteral(LUMACREST_SOURCE_DIR "/../shared/corpus"))
        + QStringLiteral("/subtitles");
}

inline bool Present()
{
    return QDir(SubtitleDir()).exists(QStringLiteral("srt")) && QDir(SubtitleDir()).exists(QStringLiteral("ass"));
}

// A subtitle text in UTF-16 with its byte-order mark, as some programs write it.
inline QByteArray Utf16(const QString& text, bool bigEndian)
{
    QByteArray bytes;
    for (const QChar c : QString(QChar::ByteOrderMark) + text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        bytes.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return bytes;
}

} // namespace TestCorpus

// In a test function (or initTestCase) that reads the corpus.
#define REQUIRE_CORPUS()                                                                                    \
    do {                                                                                                    \
        if (!TestCorpus::Present())                                                                         \
            QFAIL(qPrintable(QStringLiteral("the subtitle corpus is missing at %1 (set LUMACREST_CORPUS)")  \
                                 .arg(TestCorpus::SubtitleDir())));                                         \
    } while (false)
