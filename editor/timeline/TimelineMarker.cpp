#include "TimelineMarker.h"

TimelineMarker::TimelineMarker(const TimeRange& time, const QString& name, QObject* parent)
    : QObject(parent)
    , time_(time)
    , name_(name)
{
}

void TimelineMarker::set_time(const TimeRange& time)
{
    time_ = time;
    emit TimeChanged(time_);
}

void TimelineMarker::set_name(const QString& name)
{
    name_ = name;
    emit NameChanged(name_);
}

TimelineMarkerList::TimelineMarkerList(QObject* parent)
    : QObject(parent)
{
}

TimelineMarkerList::~TimelineMarkerList()
{
    qDeleteAll(markers_);
}

void TimelineMarkerList::AddMarker(const TimeRange& time, const QString& name)
{
    auto* marker = new TimelineMarker(time, name);
    markers_.append(marker);
    emit MarkerAdded(marker);
}

void TimelineMarkerList::RemoveMarker(TimelineMarker* marker)
{
    if (!markers_.removeOne(marker))
        return;
    emit MarkerRemoved(marker);
    delete marker;
}
