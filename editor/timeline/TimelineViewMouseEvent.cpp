#include "TimelineViewMouseEvent.h"

#include "TimelineScaledObject.h"

#include <QEvent>

TimelineViewMouseEvent::TimelineViewMouseEvent(const double& scene_x, const double& scale, const rational& timebase,
                                               const TrackReference& track, const Qt::KeyboardModifiers& modifiers)
    : sceneX_(scene_x)
    , scale_(scale)
    , timebase_(timebase)
    , track_(track)
    , modifiers_(modifiers)
{
}

TimelineCoordinate TimelineViewMouseEvent::GetCoordinates(bool round_time) const
{
    return TimelineCoordinate(GetFrame(round_time), track_);
}

rational TimelineViewMouseEvent::GetFrame(bool round) const
{
    return TimelineScaledObject::SceneToTime(sceneX_, scale_, timebase_, round);
}

void TimelineViewMouseEvent::accept()
{
    if (event_)
        event_->accept();
}

void TimelineViewMouseEvent::ignore()
{
    if (event_)
        event_->ignore();
}
