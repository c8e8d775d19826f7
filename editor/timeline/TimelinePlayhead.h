#pragma once
#include <QColor>
#include <QWidget>

class QPainter;

// Carrier of the playhead's colours (style-sheet properties) and its drawing.
class TimelinePlayhead : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor playheadColor READ GetPlayheadColor WRITE SetPlayheadColor)
    Q_PROPERTY(QColor playheadHighlightColor READ GetPlayheadHighlightColor WRITE SetPlayheadHighlightColor)
public:
    explicit TimelinePlayhead(QWidget* parent = nullptr);

    QColor GetPlayheadColor() const { return playheadColor_; }
    void SetPlayheadColor(const QColor& color) { playheadColor_ = color; }
    QColor GetPlayheadHighlightColor() const { return playheadHighlightColor_; }
    void SetPlayheadHighlightColor(const QColor& color) { playheadHighlightColor_ = color; }

    // Fills rect with the highlight colour and draws the playhead line down
    // its left edge.
    void Draw(QPainter* painter, const QRectF& rect) const;

private:
    QColor playheadColor_;
    QColor playheadHighlightColor_;
};
