#pragma once
#include "CLayerInfo.h"

#include <QGraphicsObject>
#include <QRectF>

// Base of every layer item on the editor canvas: carries the layer's record
// by value. The conversion engine reads layers only through the inline
// GetLayer, the virtual GetPosRect and QGraphicsItem's own zValue and
// rotation, so it needs this header but not the editor library.
class QWatermarkBase : public QGraphicsObject
{
    Q_OBJECT
public:
    explicit QWatermarkBase(QGraphicsItem* parent = nullptr, bool unused = false);
    ~QWatermarkBase() override;

    // The record held by value in the item; never null.
    CLayerInfo* GetLayer() { return &m_Layer; }
    const CLayerInfo* GetLayer() const { return &m_Layer; }

    // The layer's axis-aligned bounding box in scene pixels (pixels of the
    // source frame after flips, quarter turn and crop). The base, which the
    // canvas item keeps, gives the empty rectangle.
    virtual QRectF GetPosRect();
    // The image rectangle in item coordinates; empty in the base.
    virtual QRectF ImageRect() const;

protected:
    CLayerInfo m_Layer;
};
