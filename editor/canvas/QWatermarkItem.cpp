#include "QWatermarkItem.h"

#include "FilterText.h"

#include <QDebug>
#include <cmath>

QWatermarkItem::QWatermarkItem(QGraphicsScene* scene, QGraphicsItem* parent)
    : QPictureLayerItem(scene, parent, QStringLiteral("QWatermarkItem"))
{
}

void QWatermarkItem::Init()
{
    const int w = m_Layer.Image.width();
    const int h = m_Layer.Image.height();
    m_imageRect = QRect(0, 0, w, h);
    m_Layer.Width = w;
    m_Layer.Height = h;
    InitItem();
}

void QWatermarkItem::ItemUpdate()
{
    m_repaintPending = true;
}

void QWatermarkItem::UpdateRectFromImage()
{
    prepareGeometryChange();
    const double kx = (std::isfinite(m_kx) && m_kx > 0) ? double(m_kx) : 1.0;
    const double ky = (std::isfinite(m_ky) && m_ky > 0) ? double(m_ky) : 1.0;
    m_imageRect = QRect(0, 0, FilterText::Trunc(m_Layer.Image.width() / kx),
                        FilterText::Trunc(m_Layer.Image.height() / ky));
    updatehandles();
}

QRectF QWatermarkItem::GetPosRect()
{
    const QPolygonF corners = SceneCorners();
    qDebug() << "GetPosRect" << corners;
    return corners.boundingRect();
}

void QWatermarkItem::slotPressed()
{
    if (m_Layer.Lock)
        return;
    m_imageRectAtPress = m_imageRect;
    if (m_Layer.Type == 3)
        m_fontPixelSizeAtPress = m_Layer.WordArt.Font.pixelSize();
}

void QWatermarkItem::ApplyPendingResize()
{
    if (m_resizePending) {
        m_resizePending = false;
        SetOriginKeepingPosition(boundingRect().topLeft());
        double w = std::round(m_imageRectAtPress.width() * m_scaleX);
        double h = std::round(m_imageRectAtPress.height() * m_scaleY);
        if (w == 0)
            w = 1;
        if (h == 0)
            h = 1;
        SetSize(w, h);
    }
    m_resizeFinished = false;
}
