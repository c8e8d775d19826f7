#pragma once
#include "docks/PanelWidget.h"

class TimeLineWidget;

// A dock holding the timeline panel, fixed in place without a title bar.
class TimeLineDock : public PanelWidget
{
    Q_OBJECT
public:
    explicit TimeLineDock(QWidget* parent = nullptr);
    ~TimeLineDock() override;

    TimeLineWidget* timeline() const { return timeline_; }

private:
    TimeLineWidget* timeline_;
};
