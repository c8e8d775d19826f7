#include "QWordArtItem.h"

#include "FilterText.h"

#include <QFontInfo>
#include <algorithm>
#include <cmath>

QWordArtItem::QWordArtItem(QGraphicsScene* scene, QGraphicsItem* parent)
    : QPictureLayerItem(scene, parent, QStringLiteral("QWordArtItem"))
{
}

void QWordArtItem::Init()
{
    TakeImageSize();
    m_imageRect = QRect(QPoint(0, 0), m_textSize);
    InitItem();
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

void QWordArtItem::slotPressed()
{
    if (m_Layer.Lock)
        return;
    m_imageRectAtPress = m_imageRect;
    m_fontPixelSizeAtPress = FontPixelSize();
    m_measuredAtPress = m_Layer.WordArt.GetTextSize();
}

void QWordArtItem::ApplyPendingResize()
{
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
}
