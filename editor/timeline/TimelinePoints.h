#pragma once
#include "TimelineMarker.h"
#include "TimelineWorkArea.h"

// The markers and the work area of one timeline.
class TimelinePoints
{
public:
    TimelineMarkerList* markers() { return &markers_; }
    const TimelineMarkerList* markers() const { return &markers_; }
    TimelineWorkArea* workarea() { return &workarea_; }
    const TimelineWorkArea* workarea() const { return &workarea_; }

private:
    TimelineMarkerList markers_;
    TimelineWorkArea workarea_;
};
