#pragma once
#include <QByteArray>
#include <QList>

// Cuts a tool's output, which arrives in chunks of any size, into records.
// The converter ends its status lines with '\r' and everything else with
// '\n', so both end a record; a record cut by a chunk boundary is kept until
// its end arrives.
class ProgressLineSplitter
{
public:
    // The complete, non-empty records of what has arrived so far, in order,
    // without their line ends.
    QList<QByteArray> Feed(const QByteArray& bytes);
    // The unfinished record (the output's last words when the tool has ended).
    QByteArray TakeTail();
    bool HasTail() const { return !m_tail.isEmpty(); }

private:
    QByteArray m_tail;
};
