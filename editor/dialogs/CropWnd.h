#pragma once
#include "ST_CROP_THICK.h"

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QTimer>
#include <QWidget>

class QPainter;

// The still frame scaled to fit, with a crop rectangle the user resizes by
// its four round corner handles (freely or at a fixed width / height ratio)
// and moves by its inside. Each release, Reset and ratio choice reports the
// crop as margins (fractions of the shown frame) through sigCrop.
class CropWnd : public QWidget
{
    Q_OBJECT
public:
    explicit CropWnd(QWidget* parent = nullptr);

    // A copy of the frame and the crop it starts from (the caller's previous
    // crop, laid out at the first resize when its changed flag is set).
    void SetImage(const QImage& frame, const ST_CROP_THICK& given);
    void SetGivenCrop(const ST_CROP_THICK& given) { m_given = given; }
    void SetFree(bool free) { m_free = free; }
    bool IsFree() const { return m_free; }
    // Width / height for locked resizing; a ratio that is not a positive
    // finite number is ignored.
    void SetRatio(float ratio);
    float Ratio() const { return m_ratio; }

    void Reset();
    void ResetRatio();
    void OnResizeCrop();
    // Emits the current crop (nothing calls it but a caller may).
    void OnCrop();

    QRectF CropRect() const { return m_crop; }
    // Where the frame is drawn; empty without a frame.
    QRectF DisplayRect() const { return m_display; }
    // The part of an area a picture takes when fitted into it: scaled down to
    // fit (never enlarged), centred, reaching one pixel past the fitted size
    // on the right and bottom. Empty when either has no area.
    static QRectF Fit(double width, double height, const QRectF& area);

signals:
    void sigCrop(ST_CROP_THICK crop);

public slots:
    void OnUpdateUI();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int TrackerHitTestHandles(const QPoint& point) const;
    void DrawTracker(QPainter* painter);
    void UpdateHandles();
    // The frame fitted into the widget.
    QRectF FrameRect() const;
    void EmitCrop(bool changed);
    void WholeFrame(const QRectF& F);
    void Drag(const QPoint& point);

    QTimer m_timer;
    bool m_repaintPending = false;
    QImage m_frame;
    double m_frameWidth = 0.0;
    double m_frameHeight = 0.0;
    QRectF m_crop;
    QRectF m_pressRect;
    QRectF m_display;
    QRect m_handles[4];
    QPoint m_pressPoint;
    bool m_dragging = false;
    int m_handle = -1;
    bool m_free = true;
    float m_ratio = 1.0f;
    ST_CROP_THICK m_given;
};
