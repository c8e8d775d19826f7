#include "TimeLineDock.h"

#include "TimeLineWidget.h"

TimeLineDock::TimeLineDock(QWidget* parent)
    : QDockWidget(parent)
{
    // Movement locked: not movable, and an empty title-bar widget hides the
    // standard title bar.
    setFeatures(features() & ~QDockWidget::DockWidgetMovable);
    setTitleBarWidget(new QWidget(this));
    timeline_ = new TimeLineWidget(this);
    setWidget(timeline_);
}

TimeLineDock::~TimeLineDock() = default;
