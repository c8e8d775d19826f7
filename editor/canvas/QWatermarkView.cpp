#include "QWatermarkView.h"

#include "QWatermarkScene.h"

#include <QGestureEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLWidget>
#include <QPinchGesture>
#include <QScrollBar>
#include <QTabletEvent>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>

namespace {

// Whether an OpenGL context can be made at all: the offscreen platform of
// the tests and machines without a driver cannot.
bool OpenGLAvailable()
{
    static const bool available = []() {
        if (QGuiApplication::platformName() == QLatin1String("offscreen")
            || QGuiApplication::platformName() == QLatin1String("minimal"))
            return false;
        QOpenGLContext context;
        if (!context.create())
            return false;
        QOffscreenSurface surface;
        surface.setFormat(context.format());
        surface.create();
        const bool current = surface.isValid() && context.makeCurrent(&surface);
        if (current)
            context.doneCurrent();
        return current;
    }();
    return available;
}

} // namespace

QWatermarkView::QWatermarkView(QWidget* parent, RendererType renderer)
    : QGraphicsView(parent)
{
    setRenderer(renderer);
    setAcceptDrops(true);
    // High-quality antialiasing is plain antialiasing in this Qt.
    setRenderHint(QPainter::Antialiasing, true);
    m_drawTimer = new QTimer(this);
    connect(m_drawTimer, &QTimer::timeout, this, &QWatermarkView::OnViewDraw);
    m_drawTimer->start(40);
    m_brushTimer = new QTimer(this);
    connect(m_brushTimer, &QTimer::timeout, this, &QWatermarkView::OnApplyBrush);
    m_brushTimer->start(200);
}

QWatermarkView::~QWatermarkView() = default;

void QWatermarkView::setRenderer(RendererType type)
{
    m_renderer = type;
    if (type == OpenGL && OpenGLAvailable()) {
        auto* gl = new QOpenGLWidget;
        QSurfaceFormat format = gl->format();
        format.setSamples(4);
        gl->setFormat(format);
        setViewport(gl);
        setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    } else {
        setViewport(new QWidget);
        setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    }
    viewport()->setAcceptDrops(true);
    viewport()->grabGesture(Qt::PinchGesture);
    viewport()->setMouseTracking(true);
}

bool QWatermarkView::usesOpenGL() const
{
    return qobject_cast<QOpenGLWidget*>(viewport()) != nullptr;
}

void QWatermarkView::setCanvas(QWatermarkScene* scene)
{
    m_canvas = scene;
    setScene(scene);
    show();
}

void QWatermarkView::ApplyZoom(double zoom)
{
    m_zoom = zoom;
    const QTransform t = transform();
    setTransform(QTransform(zoom / 100.0, 0, 0, zoom / 100.0, t.dx(), t.dy()));
    emit viewTransformed(zoom, 0.0);
}

void QWatermarkView::setZoom(double zoom)
{
    if (!(zoom > 0) || !std::isfinite(zoom))
        return;
    ApplyZoom(zoom);
}

void QWatermarkView::setZoomInCanvas()
{
    ApplyZoom(100.0);
}

void QWatermarkView::zoomSteps(int steps)
{
    const double z = m_zoom;
    double next;
    if (z >= 100 && !(steps < 0 && z == 100))
        next = qRound((z + 50.0 * steps) / 50.0) * 50.0;
    else
        next = qRound((z + 10.0 * steps) / 10.0) * 10.0;
    setZoom(next);
    updatePlayer();
    viewRectChanged();
}

void QWatermarkView::zoomIn()
{
    zoomSteps(1);
}

void QWatermarkView::zoomOut()
{
    zoomSteps(-1);
}

void QWatermarkView::setCanvasSize(QImage* image, bool fit)
{
    if (!image)
        return;
    setSceneRect(0, 0, image->width(), image->height());
    if (fit && image->width() > 0 && image->height() > 0) {
        const float fx = float(viewport()->width()) / float(image->width());
        const float fy = float(viewport()->height()) / float(image->height());
        setZoom(double(qMin(fx, fy) * 100.0f));
    }
    viewRectChanged();
}

void QWatermarkView::InitZoom()
{
    const QRect mapped = mapFromScene(sceneRect()).boundingRect();
    const int vw = viewport()->width();
    const int vh = viewport()->height();
    if (vw <= 0 || vh <= 0)
        return;
    const double fx = double(mapped.width()) / vw;
    const double fy = double(mapped.height()) / vh;
    if (fx <= 1 && fy <= 1)
        return;
    setZoom(100.0 / qMax(fx, fy) * 0.9);
}

void QWatermarkView::updatePlayer()
{
    const QRectF scene = sceneRect();
    const QPoint tl = mapFromScene(scene.topLeft());
    const QPoint br = mapFromScene(scene.bottomRight());
    emit sigCanvasRect(QRect(tl, br));
}

void QWatermarkView::viewRectChanged()
{
    emit viewRectChange(QGraphicsView::mapToScene(viewport()->rect()));
}

void QWatermarkView::scrollTo(const QPoint& point)
{
    centerOn(point);
}

QPoint QWatermarkView::viewCenterPoint() const
{
    return QGraphicsView::mapToScene(viewport()->rect().center()).toPoint();
}

QPair<QPointF, double> QWatermarkView::mapToScene(const QPoint& point, double value) const
{
    return qMakePair(QGraphicsView::mapToScene(point), value);
}

QPair<QPointF, double> QWatermarkView::mapToScene(const QPointF& point, double value) const
{
    const QPoint base(int(std::floor(point.x())), int(std::floor(point.y())));
    const QPointF a = QGraphicsView::mapToScene(base);
    const QPointF b = QGraphicsView::mapToScene(base + QPoint(1, 1));
    const QPointF f(point.x() - base.x(), point.y() - base.y());
    return qMakePair(QPointF(a.x() + (b.x() - a.x()) * f.x(), a.y() + (b.y() - a.y()) * f.y()), value);
}

void QWatermarkView::setTouchGestures(bool onePan, bool pinch, bool twoPan)
{
    m_onePan = onePan;
    m_pinch = pinch;
    m_twoPan = twoPan;
}

void QWatermarkView::OnViewDraw()
{
    if (m_redrawPending) {
        m_redrawPending = false;
        viewport()->update();
    }
}

void QWatermarkView::OnApplyBrush()
{
    m_brushPending = false;
}

bool QWatermarkView::gestureEvent(QGestureEvent* event)
{
    auto* pinch = static_cast<QPinchGesture*>(event->gesture(Qt::PinchGesture));
    if (!pinch)
        return true;
    if (pinch->state() == Qt::GestureStarted)
        m_zoomAtPinch = m_zoom;
    if (m_pinch && (pinch->changeFlags() & QPinchGesture::ScaleFactorChanged))
        setZoom(pinch->totalScaleFactor() * m_zoomAtPinch);
    return true;
}

bool QWatermarkView::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Gesture:
        gestureEvent(static_cast<QGestureEvent*>(event));
        return true;
    case QEvent::TabletMove:
    case QEvent::TabletPress:
    case QEvent::TabletRelease: {
        auto* tablet = static_cast<QTabletEvent*>(event);
        if (event->type() == QEvent::TabletRelease) {
            m_penDown = false;
        } else {
            m_penValue = tablet->pressure();
            m_penDown = true;
        }
        if (m_tabletMode == SwallowPen) {
            event->accept();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QGraphicsView::viewportEvent(event);
}

void QWatermarkView::wheelEvent(QWheelEvent* event)
{
    // The canvas neither zooms nor scrolls by wheel while locked.
    if (m_wheelLock) {
        event->accept();
        return;
    }
    m_wheelRemainder += event->angleDelta().y();
    const int steps = m_wheelRemainder / 120;
    m_wheelRemainder -= 120 * steps;
    if (steps != 0)
        zoomSteps(steps);
    event->accept();
}

void QWatermarkView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
        event->accept();
        return;
    default:
        QGraphicsView::keyPressEvent(event);
    }
}

void QWatermarkView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    viewRectChanged();
    updatePlayer();
}

void QWatermarkView::scrollContentsBy(int dx, int dy)
{
    QGraphicsView::scrollContentsBy(dx, dy);
    updatePlayer();
    viewRectChanged();
}

void QWatermarkView::enterEvent(QEvent*) {}
void QWatermarkView::leaveEvent(QEvent*) {}
