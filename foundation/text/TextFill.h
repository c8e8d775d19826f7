#pragma once
#include <QBrush>
#include <QColor>
#include <memory>

class QPainter;
class QPainterPath;

namespace QTextDesigner {

// What the fill of a text uses: a colour, or a brush borrowed from the caller.
// A cloned strategy owns a copy of the brush, so it never outlives the
// caller's brush with a dangling pointer.
class TextFill
{
public:
    void SetColour(const QColor& colour);
    void SetBrush(QBrush* brush);
    void Fill(QPainter* painter, const QPainterPath& path) const;
    // Takes the colour, or a private copy of the brush, from source.
    void CloneFrom(const TextFill& source);

    QColor colour;
    QBrush* brush = nullptr;
    bool useColour = true;

private:
    std::shared_ptr<QBrush> m_owned;
};

} // namespace QTextDesigner
