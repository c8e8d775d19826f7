#pragma once
#include "TimelineCoordinate.h"
#include "TimelineScaledObject.h"

#include <QGraphicsRectItem>

// A scene item of the track view that follows the timeline's timebase and
// scale.
class TimelineViewRect : public QGraphicsRectItem, public TimelineScaledObject
{
public:
    explicit TimelineViewRect(QGraphicsItem* parent = nullptr);

    void SetYCoords(int y, int height);
    const TrackReference& Track() const { return track_; }
    void SetTrack(const TrackReference& track) { track_ = track; }

    virtual void UpdateRect() = 0;

protected:
    void ScaleChangedEvent(const double& scale) override;

    int y_ = 0;
    int height_ = 0;

private:
    TrackReference track_;
};
