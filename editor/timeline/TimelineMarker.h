#pragma once
#include "TimeRange.h"

#include <QList>
#include <QObject>
#include <QString>

// A named span on the timeline.
class TimelineMarker : public QObject
{
    Q_OBJECT
public:
    TimelineMarker(const TimeRange& time, const QString& name, QObject* parent = nullptr);

    const TimeRange& time() const { return time_; }
    void set_time(const TimeRange& time);
    const QString& name() const { return name_; }
    void set_name(const QString& name);

signals:
    void TimeChanged(const TimeRange& time);
    void NameChanged(const QString& name);

private:
    TimeRange time_;
    QString name_;
};

// The markers of a timeline in the order added; the list owns them.
class TimelineMarkerList : public QObject
{
    Q_OBJECT
public:
    explicit TimelineMarkerList(QObject* parent = nullptr);
    ~TimelineMarkerList() override;

    void AddMarker(const TimeRange& time, const QString& name);
    // A marker of another list is left alone; one of ours is announced and
    // then deleted, so receivers may still read it.
    void RemoveMarker(TimelineMarker* marker);
    const QList<TimelineMarker*>& list() const { return markers_; }

signals:
    void MarkerAdded(TimelineMarker* marker);
    void MarkerRemoved(TimelineMarker* marker);

private:
    QList<TimelineMarker*> markers_;
};
