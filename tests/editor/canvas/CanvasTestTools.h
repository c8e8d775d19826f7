#pragma once
// Mouse input for the canvas as a user gives it: press, move and release on
// the view's viewport at scene points, and a scene with its view.
#include "../EditorTestTools.h"
#include "Core.h"
#include "QWatermarkBase.h"
#include "TestMedia.h"
#include "canvas/QWatermarkScene.h"
#include "canvas/QWatermarkView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <memory>

namespace CanvasTest {

inline void Mouse(QGraphicsView* view, QEvent::Type type, QPointF scenePoint,
                  Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QWidget* vp = view->viewport();
    const QPointF local = view->mapFromScene(scenePoint);
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, local, vp->mapToGlobal(local.toPoint()), type == QEvent::MouseMove ? Qt::NoButton : button,
                      buttons, mods);
    QApplication::sendEvent(vp, &event);
}

// Press at one scene point, move there in a few steps, release.
inline void Drag(QGraphicsView* view, QPointF from, QPointF to, int steps = 4)
{
    Mouse(view, QEvent::MouseButtonPress, from);
    for (int i = 1; i <= steps; ++i)
        Mouse(view, QEvent::MouseMove, from + (to - from) * (double(i) / steps));
    Mouse(view, QEvent::MouseButtonRelease, to);
}

inline void Click(QGraphicsView* view, QPointF at, Qt::MouseButton button = Qt::LeftButton)
{
    Mouse(view, QEvent::MouseButtonPress, at, button);
    Mouse(view, QEvent::MouseButtonRelease, at, button);
}

// A picture file of one colour.
inline QString SolidPng(const QString& dir, const QString& name, int w, int h, QColor color)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(color);
    const QString path = dir + QLatin1Char('/') + name;
    return image.save(path) ? path : QString();
}

// A one-second grey 320 x 240 clip made the only, current row; empty when
// it cannot be made.
inline QString GrayRow(const QString& dir, const QString& name)
{
    const QString clip = TestMedia::MakeSolidVideo(dir, QStringLiteral("gray"), name, 1.0, 320, 240);
    if (!clip.isEmpty())
        EditorTest::ResetCore(clip, 320, 240);
    return clip;
}

// One scene, its view and a current row, wired to Core as the editor does.
struct Canvas {
    QWatermarkScene scene;
    QWatermarkView view;
    explicit Canvas(QSize viewSize = QSize(800, 600))
    {
        view.setCanvas(&scene);
        scene.setView(&view);
        view.resize(viewSize);
        QObject::connect(&scene, &QWatermarkScene::itemAddedHM, Core::instance(), &Core::onAddLayer);
        QObject::connect(&scene, &QWatermarkScene::itemDeleteHM, Core::instance(), &Core::onRemoveLayer);
        QWatermarkScene* s = &scene;
        Core::instance()->SetCanvasSizeQuery([s]() { return s->CanvasSize(); });
    }
    ~Canvas() { Core::instance()->SetCanvasSizeQuery(nullptr); }
};

} // namespace CanvasTest
