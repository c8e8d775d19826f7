#include "QWordArtItem.h"

#include "FilterText.h"

#include <QCursor>
#include <QFontInfo>
#include <QGraphicsItemGroup>
#include <QGraphicsScene>
#include <QPainter>
#include <QPolygonF>
#include <QStyleOptionGraphicsItem>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

// A layer's side in whole pixels: at least one, whatever the input.
int PixelSide(double value)
{
    if (!std::isfinite(value) || value < 1.0)
        return 1;
    return FilterText::Trunc(value);
}

// Picture size over shown size; 1 where there is nothing to compare.
float Ratio(int image, int shown)
{
    return shown > 0 ? float(image) / float(shown) : 1.0f;
}

} // namespace

QWordArtItem::QWordArtItem(QGraphicsScene* scene, QGraphicsItem* parent)
    : QWatermarkBase(parent)
{
    setCursor(Qt::SizeAllCursor);
    setObjectName(QStringLiteral("QWordArtItem"));
    UpdateShadow();
    if (scene)
        m_canvasRect = scene->sceneRect();
}

void QWordArtItem::Init()
{
    TakeImageSize();
    m_imageRect = QRect(QPoint(0, 0), m_textSize);
    if (m_handles.isEmpty())
        CreateHandles();
    setFlags(QGraphicsItem::ItemUsesExtendedStyleOption | QGraphicsItem::ItemIsMovable
             | QGraphicsItem::ItemIsSelectable | QGraphicsItem::ItemSendsGeometryChanges);
    setAcceptHoverEvents(true);
    updatehandles();
    if (!m_timer) {
        m_timer = new QTimer(this);
        connect(m_timer, &QTimer::timeout, this, &QWordArtItem::slotRedraw);
        m_timer->start(40);
    }
}

void QWordArtItem::TakeImageSize()
{
    m_textSize = m_Layer.Image.size();
    m_Layer.Width = m_textSize.width();
    m_Layer.Height = m_textSize.height();
    m_kx = 1.0f;
    m_ky = 1.0f;
}

int QWordArtItem::FontPixelSize() const
{
    const QFont& font = m_Layer.WordArt.Font;
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

void QWordArtItem::Rotate(double degrees)
{
    if (!std::isfinite(degrees))
        return;
    m_angle = degrees;
    SetOriginKeepingPosition(boundingRect().center());
    setRotation(degrees);
    updatehandles();
}

void QWordArtItem::Resize(double width, double height)
{
    if (width < 0 || height < 0)
        return;
    SetOriginKeepingPosition(boundingRect().topLeft());
    SetSize(width, height);
}

void QWordArtItem::SetSize(double width, double height)
{
    if (!std::isfinite(width) || !std::isfinite(height))
        return;
    if (m_Layer.Keep && m_imageRect.width() > 0 && m_imageRect.height() > 0) {
        const float ratio = float(m_imageRect.width()) / float(m_imageRect.height());
        height = qRound(width / double(ratio));
    }
    const int w = PixelSide(width);
    const int h = PixelSide(height);
    prepareGeometryChange();
    m_Layer.Width = w;
    m_Layer.Height = h;
    m_imageRect.setSize(QSize(w, h));
    m_kx = Ratio(m_Layer.Image.width(), w);
    m_ky = Ratio(m_Layer.Image.height(), h);
    updatehandles();
}

void QWordArtItem::ItemUpdate()
{
    // The layer takes the size of the picture just rendered, not the
    // measured box: that box is a line height wider than the trimmed
    // picture, which would be drawn (and converted) stretched into it.
    prepareGeometryChange();
    TakeImageSize();
    m_textSize = m_Layer.WordArt.GetTextSize();
    m_imageRect = QRect(0, 0, m_Layer.Width, m_Layer.Height);
    m_repaintPending = true;
    updatehandles();
}

void QWordArtItem::UpdateRectFromImage()
{
    prepareGeometryChange();
    m_imageRect = QRect(0, 0, std::max(m_Layer.Width, 0), std::max(m_Layer.Height, 0));
    updatehandles();
}

QRectF QWordArtItem::GetPosRect()
{
    const QRectF r(0, 0, m_imageRect.width(), m_imageRect.height());
    return mapToScene(QPolygonF({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()})).boundingRect();
}

QRectF QWordArtItem::ImageRect() const
{
    return QRectF(m_imageRect);
}

QRectF QWordArtItem::boundingRect() const
{
    QRectF r = ImageRect();
    if (m_shadowOn) {
        if (m_shadowDx < 0)
            r.setLeft(r.left() + m_shadowDx);
        else
            r.setRight(r.right() + m_shadowDx);
        if (m_shadowDy < 0)
            r.setTop(r.top() + m_shadowDy);
        else
            r.setBottom(r.bottom() + m_shadowDy);
    }
    return r;
}

void QWordArtItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    painter->save();
    ++m_paintCount;
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QRectF r = ImageRect();
    if (!m_Layer.Image.isNull())
        painter->drawImage(r, m_Layer.Image);
    if (option && (option->state & QStyle::State_Selected)) {
        const QTransform t = painter->worldTransform();
        const QRectF unit = t.mapRect(QRectF(0, 0, 1, 1));
        const QRectF mapped = t.mapRect(r);
        if (qMax(unit.width(), unit.height()) > 1e-12 && mapped.width() >= 1 && mapped.height() >= 1) {
            const QRectF outline = r.adjusted(-0.5, -0.5, 0.5, 0.5);
            painter->setBrush(Qt::NoBrush);
            painter->setPen(QPen(Qt::white, 0, Qt::SolidLine));
            painter->drawRect(outline);
            painter->setPen(QPen(QColor(29, 159, 228), 0, Qt::DashLine));
            painter->drawRect(outline);
        }
    }
    painter->restore();
}

void QWordArtItem::refreshImage(QRect rect)
{
    update(rect.x() - 2, rect.y() - 2, rect.width() + 4, rect.height() + 4);
}

void QWordArtItem::slotPressed()
{
    if (m_Layer.Lock)
        return;
    m_imageRectAtPress = m_imageRect;
    m_fontPixelSizeAtPress = FontPixelSize();
    m_measuredAtPress = m_Layer.WordArt.GetTextSize();
}

void QWordArtItem::slotRotated(qreal angle, qreal before)
{
    if (m_Layer.Lock || !std::isfinite(angle) || !std::isfinite(before))
        return;
    m_angle = angle;
    m_angleBefore = before;
    m_rotatePending = true;
    m_operation = OpRotating;
}

void QWordArtItem::slotResized(qreal sx, qreal sy)
{
    // Negative factors (a drag past the origin) freeze the size; factors
    // that are not finite come from a press on the origin itself.
    if (m_Layer.Lock || !std::isfinite(sx) || !std::isfinite(sy) || sx < 0 || sy < 0)
        return;
    m_scaleX = sx;
    m_scaleY = sy;
    m_resizePending = true;
}

void QWordArtItem::slotResize()
{
    if (m_Layer.Lock)
        return;
    m_resizeFinished = true;
    m_operation = OpResized;
}

void QWordArtItem::canvasResize()
{
    prepareGeometryChange();
}

void QWordArtItem::slotRedraw()
{
    if (m_repaintPending) {
        m_repaintPending = false;
        update();
    }
    // A resize without a press before it has nothing to scale from.
    if (m_resizePending && m_fontPixelSizeAtPress <= 0)
        m_resizePending = false;
    if (m_resizePending) {
        m_resizePending = false;
        SetOriginKeepingPosition(boundingRect().topLeft());
        // Only the smaller factor counts: the text keeps its proportions.
        // The renderer draws no larger than its cap, so the font is not set
        // beyond it either; a size below one pixel is refused.
        const double wanted = std::trunc(m_fontPixelSizeAtPress * std::min(m_scaleX, m_scaleY));
        if (wanted >= 1.0)
            m_Layer.WordArt.Font.setPixelSize(int(std::min(wanted, double(CWordArtInfo::kMaxFontPixelSize))));
        m_textSize = m_Layer.WordArt.GetTextSize();
        // Until the release renders it again, the picture at press is shown
        // stretched as far as the measured text grew.
        const QSize atPress = m_imageRectAtPress.size();
        const double gx = m_measuredAtPress.width() > 0 ? double(m_textSize.width()) / m_measuredAtPress.width() : 1.0;
        const double gy = m_measuredAtPress.height() > 0 ? double(m_textSize.height()) / m_measuredAtPress.height() : 1.0;
        m_Layer.Width = FilterText::Trunc(std::round(atPress.width() * gx));
        m_Layer.Height = FilterText::Trunc(std::round(atPress.height() * gy));
        m_kx = Ratio(m_Layer.Image.width(), m_Layer.Width);
        m_ky = Ratio(m_Layer.Image.height(), m_Layer.Height);
        UpdateRectFromImage();
    }
    if (m_resizeFinished) {
        m_resizeFinished = false;
        m_Layer.DrawWordArt();
        TakeImageSize();
        UpdateRectFromImage();
        m_repaintPending = true;
    }
    if (m_rotatePending) {
        m_rotatePending = false;
        SetOriginKeepingPosition(boundingRect().center());
        setRotation(m_angle);
        updatehandles();
    }
}

QVariant QWordArtItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemPositionHasChanged && scene()) {
        m_moved = true;
    } else if (change == ItemSelectedHasChanged) {
        if (parentItem() && qgraphicsitem_cast<QGraphicsItemGroup*>(parentItem())) {
            setSelected(false);
            return false;
        }
        setState(value.toBool() ? 2 : 0);
    }
    return QWatermarkBase::itemChange(change, value);
}
