#pragma once
// A layer item as the editor's image and styled-text items behave towards the
// graph builder: an image at its natural size, rotated about its centre, whose
// GetPosRect is the scene bounding box of its four corners.
#include "QWatermarkBase.h"
#include "TestCoreState.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QPolygonF>

class TestLayerItem : public QWatermarkBase
{
public:
    // kind 1 video, 2 image, 3 styled text
    TestLayerItem(int kind, const QString& file, const QImage& image, QGraphicsItem* parent = nullptr)
        : QWatermarkBase(parent)
    {
        CLayerInfo* layer = GetLayer();
        layer->Type = kind;
        layer->FileName = file;
        layer->Image = image;
        layer->Width = image.width();
        layer->Height = image.height();
        setTransformOriginPoint(image.width() / 2.0, image.height() / 2.0);
    }
    QRectF boundingRect() const override { return ImageRect(); }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        painter->drawImage(0, 0, m_Layer.Image);
    }
    QRectF ImageRect() const override { return QRectF(0, 0, m_Layer.Width, m_Layer.Height); }
    QRectF GetPosRect() override
    {
        const QRectF r = ImageRect();
        const QPolygonF corners = mapToScene(QPolygonF(QVector<QPointF>{r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()}));
        return corners.boundingRect();
    }
};

// A solid picture of the given size.
inline QImage SolidImage(int width, int height, Qt::GlobalColor color = Qt::blue)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

