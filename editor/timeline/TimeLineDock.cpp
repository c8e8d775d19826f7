#include "TimeLineDock.h"

#include "TimeLineWidget.h"

TimeLineDock::TimeLineDock(QWidget* parent)
    : PanelWidget(parent)
{
    SetMovementLocked(true);
    timeline_ = new TimeLineWidget(this);
    setWidget(timeline_);
}

TimeLineDock::~TimeLineDock() = default;
