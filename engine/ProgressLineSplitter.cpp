#include "ProgressLineSplitter.h"

QList<QByteArray> ProgressLineSplitter::Feed(const QByteArray& bytes)
{
    QList<QByteArray> records;
    int from = 0;
    const int n = bytes.size();
    for (int i = 0; i < n; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        if (!m_tail.isEmpty()) {
            m_tail.append(bytes.constData() + from, i - from);
            records.append(m_tail);
            m_tail.clear();
        } else if (i > from) {
            records.append(bytes.mid(from, i - from));
        }
        from = i + 1;
    }
    if (from < n)
        m_tail.append(bytes.constData() + from, n - from);
    return records;
}

QByteArray ProgressLineSplitter::TakeTail()
{
    QByteArray tail;
    tail.swap(m_tail);
    return tail;
}
