#pragma once
#include "rational.h"

namespace Timeline {
// Kinds of track; kTrackTypeNone addresses no track.
enum TrackType : qint32 { kTrackTypeNone = -1, kTrackTypeVideo, kTrackTypeAudio, kTrackTypeSubtitle };
}

// Address of one track: its kind and its number within that kind.
class TrackReference
{
public:
    TrackReference() = default;
    TrackReference(const Timeline::TrackType& type, const int& index) : type_(type), index_(index) {}

    const Timeline::TrackType& type() const { return type_; }
    const int& index() const { return index_; }
    bool operator==(const TrackReference& other) const { return type_ == other.type_ && index_ == other.index_; }
    bool operator!=(const TrackReference& other) const { return !(*this == other); }

private:
    Timeline::TrackType type_ = Timeline::kTrackTypeNone;
    int index_ = 0;
};

// A time on a track.
class TimelineCoordinate
{
public:
    TimelineCoordinate() = default;
    TimelineCoordinate(const rational& frame, const TrackReference& track) : frame_(frame), track_(track) {}
    TimelineCoordinate(const rational& frame, const Timeline::TrackType& type, const int& index)
        : frame_(frame), track_(type, index)
    {
    }

    const rational& GetFrame() const { return frame_; }
    const TrackReference& GetTrack() const { return track_; }
    void SetFrame(const rational& frame) { frame_ = frame; }
    void SetTrack(const TrackReference& track) { track_ = track; }

private:
    rational frame_{0, 0};
    TrackReference track_;
};
