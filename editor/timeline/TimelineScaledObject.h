#pragma once
#include "rational.h"

#include <QWidget>

// A span laid on a track: its duration (the drawn width), its start time,
// and a third time the view does not use.
struct Block
{
    rational length;
    rational start;
    rational unused;
};

// Shared timebase (seconds per timeline unit) and horizontal scale (scene
// pixels per second) of the timeline's widgets and items.
class TimelineScaledObject
{
public:
    TimelineScaledObject();
    virtual ~TimelineScaledObject();

    void SetTimebase(const rational& timebase);
    const rational& timebase() const { return timebase_; }
    const double& timebase_dbl() const { return timebaseDbl_; }

    const double& GetScale() const { return scale_; }
    // Clamped to the minimum and maximum scale; the event follows always.
    void SetScale(const double& scale);
    void SetMinimumScale(const double& minimum);
    void SetMaximumScale(const double& maximum);

    double TimeToScene(const rational& time) const;
    // The time of scene x, whole units of timebase: the unit to the left, or
    // the nearest with round (halves upward). Zero for a scale or timebase
    // that maps no time onto pixels.
    static rational SceneToTime(const double& x, const double& scale, const rational& timebase, bool round = false);
    rational SceneToTime(const double& x, bool round = false) const;

    // True when scale turns times into pixels at all (positive and finite).
    static bool IsUsableScale(double scale);

protected:
    virtual void TimebaseChangedEvent(const rational& timebase);
    virtual void ScaleChangedEvent(const double& scale);

private:
    rational timebase_{0, 0};
    double timebaseDbl_ = 0.0;
    double scale_ = 1.0;
    double minimumScale_ = 0.0;
    double maximumScale_;
};

class TimelineScaledWidget : public QWidget, public TimelineScaledObject
{
    Q_OBJECT
public:
    explicit TimelineScaledWidget(QWidget* parent = nullptr);
};

// Pixel helpers: a double brought into int range (NaN as 0), so that extreme
// scales give far-off positions instead of undefined conversions.
int ClampToInt(double value);
long long ClampToInt64(double value);
