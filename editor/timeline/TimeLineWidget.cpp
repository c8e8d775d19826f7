#include "TimeLineWidget.h"

#include "ResizableScrollBar.h"
#include "TimeRuler.h"
#include "Timecode.h"
#include "TimelineView.h"
#include "TimelineViewBlockItem.h"
#include "TimelineViewEndItem.h"

#include <QBoxLayout>
#include <QGraphicsScene>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

TimeLineWidget::TimeLineWidget(QWidget* parent)
    : TimelineScaledWidget(parent)
    , ruler_(new TimeRuler(true, false, this))
    , view_(new TimelineView(Qt::AlignTop, this))
    , scrollbar_(new ResizableScrollBar(Qt::Horizontal, this))
{
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(scrollbar_, &ResizableScrollBar::RequestScale, this, &TimeLineWidget::ScrollBarResized);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    ruler_->SetScale(1.0);
    view_->SetScale(1.0);
    auto* rulerRow = new QHBoxLayout();
    rulerRow->addWidget(ruler_);
    layout->addLayout(rulerRow);
    layout->addWidget(view_);
    layout->addWidget(scrollbar_);

    QScrollBar* viewBar = view_->horizontalScrollBar();
    connect(scrollbar_, &QScrollBar::valueChanged, ruler_, &SeekableWidget::SetScroll);
    connect(ruler_, &SeekableWidget::TimeChanged, view_, &TimelineViewBase::SetTime);
    connect(viewBar, &QScrollBar::valueChanged, ruler_, &SeekableWidget::SetScroll);
    connect(view_, &TimelineViewBase::ScaleChanged, this, &TimeLineWidget::SetScale);
    connect(view_, &TimelineViewBase::TimeChanged, ruler_, &SeekableWidget::SetTime);
    connect(view_, &TimelineViewBase::TimeChanged, this, &TimeLineWidget::TimeChanged);
    connect(scrollbar_, &QScrollBar::valueChanged, viewBar, &QScrollBar::setValue);
    connect(viewBar, &QScrollBar::valueChanged, scrollbar_, &QScrollBar::setValue);
    connect(view_, &TimelineViewBase::RequestCenterScrollOnPlayhead, this, &TimeLineWidget::CenterScrollOnPlayhead);
}

int TimeLineWidget::GetTrackY(const TrackReference&) const
{
    return view_->GetTrackY(0);
}

int TimeLineWidget::GetTrackHeight(const TrackReference&) const
{
    return view_->GetTrackHeight(0);
}

void TimeLineWidget::SetScale(double scale)
{
    TimelineScaledObject::SetScale(scale);
}

void TimeLineWidget::TimebaseChangedEvent(const rational& timebase)
{
    ruler_->SetTimebase(timebase);
    const QList<QGraphicsItem*> items = view_->scene()->items();
    for (QGraphicsItem* item : items) {
        if (auto* rect = dynamic_cast<TimelineViewRect*>(item))
            rect->SetTimebase(timebase);
    }
    view_->SetTimebase(timebase);
    emit TimebaseChanged(timebase);
}

void TimeLineWidget::ScaleChangedEvent(const double& scale)
{
    ruler_->SetScale(scale);
    UpdateMaximumScroll();
    const QList<QGraphicsItem*> items = view_->scene()->items();
    for (QGraphicsItem* item : items) {
        if (auto* rect = dynamic_cast<TimelineViewRect*>(item))
            rect->SetScale(scale);
    }
    view_->SetScale(scale);
}

void TimeLineWidget::UpdateMaximumScroll()
{
    const double end = std::ceil(TimeToScene(timelineLength_)) - width();
    scrollbar_->setMaximum(std::max(0, ClampToInt(end)));
}

void TimeLineWidget::resizeEvent(QResizeEvent* event)
{
    TimelineScaledWidget::resizeEvent(event);
    scrollbar_->setPageStep(scrollbar_->width());
    UpdateMaximumScroll();
}

void TimeLineWidget::ScrollBarResized(double factor)
{
    // A handle stretched through its other end, or to nothing, asks for no
    // scale at all: such a request is dropped rather than zeroing the view.
    if (!IsUsableScale(factor))
        return;
    auto* bar = qobject_cast<QScrollBar*>(sender());
    if (!bar)
        bar = scrollbar_;
    const double maximum = bar->maximum();
    const double half = bar->width() * 0.5;
    const double adjusted = maximum != 0 ? (factor * maximum - half / factor + half) / maximum : factor;
    if (!IsUsableScale(adjusted))
        return;
    SetScale(adjusted * GetScale());
}

void TimeLineWidget::CenterScrollOnPlayhead()
{
    const double x = TimeToScene(Timecode::timestamp_to_time(ruler_->GetTime(), timebase()));
    const long long value = static_cast<long long>(ClampToInt(std::floor(x + 0.5))) - scrollbar_->width() / 2;
    scrollbar_->setValue(ClampToInt(double(value)));
}

void TimeLineWidget::AddBlock(qint64 start, qint64 end)
{
    // Whole seconds, as times in seconds.
    const rational in(start / 1000000, 1);
    const rational out(end / 1000000, 1);
    Block block;
    block.length = out - in;
    block.start = in;
    block.unused = rational(0, 0);
    timelineLength_ += block.length;
    AddBlock(block, TrackReference());
    UpdateMaximumScroll();
}

void TimeLineWidget::AddBlock(Block block, TrackReference track)
{
    auto* item = new TimelineViewBlockItem(block);
    item->SetYCoords(view_->GetTrackY(0), view_->GetTrackHeight(0));
    // Items stay at the view's own largest scale, so the scene never grows
    // past what the view can scroll.
    item->SetMaximumScale(TimelineViewBase::kMaximumScale);
    item->SetScale(GetScale());
    item->SetTrack(track);
    view_->scene()->addItem(item);
}

void TimeLineWidget::Clear()
{
    QGraphicsScene* scene = view_->scene();
    const QList<QGraphicsItem*> items = scene->items();
    for (QGraphicsItem* item : items) {
        scene->removeItem(item);
        // The end item stays the view's; the blocks belong to nobody else.
        if (item != view_->EndItem())
            delete item;
    }
}
