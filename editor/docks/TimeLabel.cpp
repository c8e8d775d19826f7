#include "TimeLabel.h"

#include "Timecode.h"

TimeLabel::TimeLabel(QWidget* parent)
    : QLabel(parent)
{
}

TimeLabel::~TimeLabel() = default;

void TimeLabel::onStartTime(QTime time)
{
    m_start = Timecode::QTimeToInt64(time);
    updateDuration();
}

void TimeLabel::onEndTime(QTime time)
{
    m_end = Timecode::QTimeToInt64(time);
    updateDuration();
}

void TimeLabel::updateDuration()
{
    if (m_end <= m_start) {
        setText(QStringLiteral("00:00:00:000"));
        return;
    }
    setText(Timecode::Int64ToQTime(m_end - m_start).toString(QStringLiteral("HH:mm:ss:zzz")));
}
