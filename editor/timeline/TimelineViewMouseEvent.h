#pragma once
#include "TimelineCoordinate.h"

#include <Qt>

class QEvent;
class QMimeData;

// A mouse or drag event of the track view in timeline terms. Valid only
// while the signal that carries it is emitted.
class TimelineViewMouseEvent
{
public:
    TimelineViewMouseEvent(const double& scene_x, const double& scale, const rational& timebase,
                           const TrackReference& track, const Qt::KeyboardModifiers& modifiers = Qt::NoModifier);

    TimelineCoordinate GetCoordinates(bool round_time = false) const;
    // The frame under the event: the one to the left, or the nearest.
    rational GetFrame(bool round = false) const;
    const Qt::KeyboardModifiers& GetModifiers() const { return modifiers_; }
    const TrackReference& GetTrack() const { return track_; }
    const double& GetSceneX() const { return sceneX_; }
    const QMimeData* GetMimeData() const { return mimeData_; }
    void SetMimeData(const QMimeData* data) { mimeData_ = data; }
    void SetEvent(QEvent* event) { event_ = event; }
    // Accept or ignore the attached drag event; nothing without one.
    void accept();
    void ignore();

private:
    double sceneX_;
    double scale_;
    rational timebase_;
    TrackReference track_;
    Qt::KeyboardModifiers modifiers_;
    const QMimeData* mimeData_ = nullptr;
    QEvent* event_ = nullptr;
};
