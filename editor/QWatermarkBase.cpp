#include "QWatermarkBase.h"

#include "canvas/ButtonItem.h"

#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QGraphicsSceneMouseEvent>
#include <QIcon>
#include <QPropertyAnimation>

QWatermarkBase::QWatermarkBase(QGraphicsItem* parent, bool)
    : QGraphicsObject(parent)
{
}

QWatermarkBase::~QWatermarkBase() = default;

void QWatermarkBase::dispose()
{
    auto* fade = new QPropertyAnimation(this, "opacity");
    fade->setEndValue(0.0);
    fade->setDuration(300);
    fade->setEasingCurve(QEasingCurve::OutCubic);
    connect(fade, &QPropertyAnimation::finished, this, &QObject::deleteLater);
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void QWatermarkBase::ShowOpacity()
{
    setOpacity(qBound(0, int(m_Layer.Transparent), 100) / 100.0);
}

int QWatermarkBase::handleCount() const
{
    return m_handles.size();
}

QPointF QWatermarkBase::handlePos(int dir) const
{
    for (int i = m_handles.size() - 1; i >= 0; --i) {
        if (m_handles.at(i)->dir() == dir)
            return m_handles.at(i)->pos();
    }
    return QPointF();
}

QPointF QWatermarkBase::opposite(int i)
{
    static const int across[] = {2, 3, 0, 1};
    if (i < 1 || i > 4)
        return QPointF();
    const int index = across[i - 1];
    return index < m_handles.size() ? m_handles.at(index)->pos() : QPointF();
}

void QWatermarkBase::updatehandles()
{
    const QRectF r = ImageRect();
    for (ButtonItem* handle : qAsConst(m_handles)) {
        switch (handle->dir()) {
        case 1:
            handle->move(r.left(), r.top());
            break;
        case 2:
            handle->move(r.left() + r.width(), r.top());
            break;
        case 3:
            handle->move(r.left() + r.width(), r.top() + r.height());
            break;
        case 4:
            handle->move(r.left(), r.top() + r.height());
            break;
        default:
            break;
        }
    }
}

void QWatermarkBase::Rotate(double) {}
void QWatermarkBase::Resize(double, double) {}
void QWatermarkBase::SetSize(double, double) {}
void QWatermarkBase::ItemUpdate() {}
void QWatermarkBase::UpdateRectFromImage() {}

QRectF QWatermarkBase::GetPosRect()
{
    return QRectF();
}

QRectF QWatermarkBase::ImageRect() const
{
    return QRectF();
}

void QWatermarkBase::UpdateShadow()
{
    m_shadowOn = m_Layer.ShadowOn;
    m_shadowDx = m_Layer.ShadowX;
    m_shadowDy = m_Layer.ShadowY;
}

void QWatermarkBase::setState(SelectionHandleState state)
{
    for (ButtonItem* handle : qAsConst(m_handles))
        handle->setState(state);
}

int QWatermarkBase::collidesWithHandle(const QPointF& scenePoint, double) const
{
    for (int i = m_handles.size() - 1; i >= 0; --i) {
        const ButtonItem* handle = m_handles.at(i);
        if (handle->contains(handle->mapFromScene(scenePoint)))
            return handle->dir();
    }
    return contains(mapFromScene(scenePoint)) ? 5 : 0;
}

int QWatermarkBase::swapHandle(int dir, const QPointF& p) const
{
    if ((p.x() >= 0 && p.y() >= 0) || dir < 1 || dir > 4)
        return 0;
    static const int table[4][3] = {{3, 2, 4}, {4, 1, 3}, {1, 4, 2}, {2, 3, 1}};
    const int* row = table[dir - 1];
    if (p.x() < 0 && p.y() < 0)
        return row[0];
    if (p.x() <= 0)
        return row[1];
    return row[2];
}

void QWatermarkBase::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    QGraphicsObject::mouseDoubleClickEvent(event);
    emit sigDClicked();
}

void QWatermarkBase::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    m_operation = OpBodyPressed;
    QGraphicsObject::mousePressEvent(event);
}

void QWatermarkBase::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    m_operation = OpIdle;
    QGraphicsObject::mouseReleaseEvent(event);
}

void QWatermarkBase::contextMenuEvent(QGraphicsSceneContextMenuEvent*)
{
    emit sigMenu();
}

void QWatermarkBase::CreateHandles()
{
    struct HandleDef {
        int dir;
        const char* icon;
        const char* tip;
        Qt::CursorShape cursor;
    };
    // List order: menu, close, rotate, resize.
    static const HandleDef handleDefs[] = {
        {1, ":/res/menu.svg", QT_TRANSLATE_NOOP("QWatermarkBase", "Menu"), Qt::PointingHandCursor},
        {2, ":/res/close.svg", QT_TRANSLATE_NOOP("QWatermarkBase", "Close"), Qt::PointingHandCursor},
        {4, ":/res/rotate.svg", QT_TRANSLATE_NOOP("QWatermarkBase", "Rotate"), Qt::PointingHandCursor},
        {3, ":/res/LR.svg", QT_TRANSLATE_NOOP("QWatermarkBase", "Resize"), Qt::SizeFDiagCursor},
    };
    for (const HandleDef& def : handleDefs) {
        // Without its icon file a handle is invisible but works.
        const QString icon = QString::fromLatin1(def.icon);
        auto* handle = new ButtonItem(def.dir, QBrush(Qt::red), QFile::exists(icon) ? QIcon(icon) : QIcon(), this);
        handle->setToolTip(QCoreApplication::translate("QWatermarkBase", def.tip));
        handle->setCursor(def.cursor);
        handle->setSelectsParent(false);
        handle->setZValue(9999);
        if (def.dir == ButtonItem::Menu)
            connect(handle, &ButtonItem::clicked, this, &QWatermarkBase::sigMenu);
        else if (def.dir == ButtonItem::Close)
            connect(handle, &ButtonItem::clicked, this, &QWatermarkBase::sigClose);
        m_handles.append(handle);
    }
}

void QWatermarkBase::SetOriginKeepingPosition(const QPointF& origin)
{
    // Where the image's own corner lies on the scene: a new pivot of a
    // rotated item would shift it, so the position takes the shift back.
    const QPointF before = mapToScene(QPointF(0, 0));
    setTransformOriginPoint(origin);
    const QPointF after = mapToScene(QPointF(0, 0));
    setPos(pos() - (after - before));
}
