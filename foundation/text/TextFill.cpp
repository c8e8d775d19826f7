#include "TextFill.h"

#include "TextRings.h"

#include <QPainter>
#include <QPainterPath>

namespace QTextDesigner {

void TextFill::SetColour(const QColor& c)
{
    colour = c;
    useColour = true;
}

void TextFill::SetBrush(QBrush* b)
{
    brush = b;
    useColour = false;
    m_owned.reset();
}

void TextFill::Fill(QPainter* painter, const QPainterPath& path) const
{
    if (useColour)
        TextRings::FillPath(painter, path, QBrush(colour));
    else if (brush)
        TextRings::FillPath(painter, path, *brush);
}

void TextFill::CloneFrom(const TextFill& source)
{
    if (source.useColour) {
        SetColour(source.colour);
        return;
    }
    if (source.brush) {
        m_owned = std::make_shared<QBrush>(*source.brush);
        brush = m_owned.get();
    } else {
        m_owned.reset();
        brush = nullptr;
    }
    useColour = false;
}

} // namespace QTextDesigner
