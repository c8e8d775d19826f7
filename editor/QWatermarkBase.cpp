#include "QWatermarkBase.h"

QWatermarkBase::QWatermarkBase(QGraphicsItem* parent, bool)
    : QGraphicsObject(parent)
{
}

QWatermarkBase::~QWatermarkBase() = default;

QRectF QWatermarkBase::GetPosRect()
{
    return QRectF();
}

QRectF QWatermarkBase::ImageRect() const
{
    return QRectF();
}
