#pragma once
#include <QGraphicsView>
#include <QPolygonF>
#include <QRect>

class CLayerInfo;
class QGestureEvent;
class QTimer;
class QWatermarkScene;

// The view of the editor canvas: a uniform zoom in percent over the scene,
// a 40 ms repaint tick for layer drags, and the frame's rectangle on the
// viewport for the preview player laid over it.
class QWatermarkView : public QGraphicsView
{
    Q_OBJECT
public:
    enum RendererType { Native = 0, OpenGL = 1 };
    enum TabletMode { PassPen = 0, SwallowPen = 1 };

    // `renderer` as setRenderer; a caller that knows it wants a plain viewport
    // says so here, so no OpenGL context is made for a viewport never used.
    explicit QWatermarkView(QWidget* parent = nullptr, RendererType renderer = OpenGL);
    ~QWatermarkView() override;

    // 1: an OpenGL viewport with multisampling, where a context can be made;
    // anything else (or no OpenGL): a plain widget viewport.
    void setRenderer(RendererType type);
    RendererType renderer() const { return m_renderer; }
    bool usesOpenGL() const;
    void setCanvas(QWatermarkScene* scene);
    QWatermarkScene* canvas() const { return m_canvas; }
    double zoom() const { return m_zoom; }
    void setZoomInCanvas();
    void setCanvasSize(QImage* image, bool fit);
    void InitZoom();
    void updatePlayer();
    void viewRectChanged();
    QPoint viewCenterPoint() const;
    using QGraphicsView::mapToScene;
    QPair<QPointF, double> mapToScene(const QPoint& point, double value) const;
    QPair<QPointF, double> mapToScene(const QPointF& point, double value) const;
    void setTabletMode(TabletMode mode) { m_tabletMode = mode; }
    void setTouchGestures(bool onePan, bool pinch, bool twoPan);
    void ShowRuler(bool) {}
    void updateRuler() {}
    bool Undo() { return true; }
    bool Redo() { return true; }
    // Set by the scene while a layer is dragged; the next tick repaints.
    void SetRedrawPending(bool pending = true) { m_redrawPending = pending; }
    bool IsRedrawPending() const { return m_redrawPending; }
    void SetWheelLock(bool locked) { m_wheelLock = locked; }

signals:
    void viewRectChange(const QPolygonF& visible);
    void itemRotateHM(CLayerInfo* layer, qreal before, qreal angle);
    void itemResizeHM(CLayerInfo* layer, const QPointF& scale);
    void viewTransformed(double zoom, double angle);
    void cropBox(int x, int y, int width, int height);
    void adjustCapUI();
    void sigUpdateState();
    void sigCanvasRect(const QRect& rect);

public slots:
    void OnViewDraw();
    void OnApplyBrush();
    void scrollTo(const QPoint& point);
    void zoomSteps(int steps);
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();

protected:
    bool viewportEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool gestureEvent(QGestureEvent* event);

private:
    void ApplyZoom(double zoom);

    QTimer* m_drawTimer = nullptr;
    bool m_redrawPending = false;
    QTimer* m_brushTimer = nullptr;
    bool m_brushPending = false;
    bool m_wheelLock = true;
    RendererType m_renderer = OpenGL;
    double m_zoom = 100.0;
    int m_wheelRemainder = 0;
    TabletMode m_tabletMode = SwallowPen;
    double m_penValue = 0.0;
    bool m_penDown = false;
    bool m_onePan = true;
    bool m_pinch = true;
    bool m_twoPan = true;
    bool m_gesture = false;
    double m_zoomAtTouch = 100.0;
    double m_zoomAtPinch = 100.0;
    QWatermarkScene* m_canvas = nullptr;
};
