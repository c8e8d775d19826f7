#pragma once
// What a tool said besides its progress: the lines that tell why a step
// failed, and the short reason for the row's status taken from them.
#include <QString>
#include <QStringList>

class ToolMessages
{
public:
    // Most lines kept; a tool that fails prints its cause last or close to it.
    static constexpr int MaxLines = 8;

    // The record without terminal colour codes. The converter is asked to
    // colour its messages by level, so a red one is an error: `error` (when
    // given) tells whether the record was one, `coloured` whether it held
    // any colour code at all.
    static QString Plain(const QString& record, bool* error = nullptr, bool* coloured = nullptr);

    void Add(const QString& line);
    QStringList Lines() const { return m_lines; }
    bool IsEmpty() const { return m_lines.isEmpty(); }

    // The cause in a few words: the first known error a line ends in
    // ("...: No space left on device"), looking from the first line kept
    // (`first`) or from the last; else that line without the tool's
    // "[context @ 0x...]".
    static QString ShortReason(const QStringList& lines, bool first);
    // The first system error the lines end in ("No space left on device"),
    // empty when none does.
    static QString SystemError(const QStringList& lines);

private:
    QStringList m_lines;
};
