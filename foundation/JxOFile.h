#pragma once
// The project file (.jxo): the watermark layers of the editor's canvas as XML.
// Reading never touches the caller's layers until the whole file has been
// read; writing goes through a temporary file, so a failed save keeps the old
// project.
#include "CLayerInfo.h"

#include <QList>
#include <QPointF>
#include <QString>

class QDomDocument;
class QDomElement;
class QDomNode;

class JxOFile
{
public:
    JxOFile() = default;

    // Reads ProjectPath. On success the layers read are appended to LayerList
    // and true is returned; a video or image layer whose file is missing or is
    // not a regular file is left out, and errorText (when given) then names it
    // (it is empty when every layer was taken). On failure LayerList is
    // unchanged and errorText says why.
    bool Open(QString* errorText = nullptr);
    // Writes LayerList to ProjectPath in list order. On failure the file on
    // disk is unchanged and errorText says why.
    bool Save(QString* errorText = nullptr);

    // Adds a copy of a canvas layer for saving: layers stay in ascending z
    // order (equal z in the order added), and x, y and Angle are set so that
    // an item placed at (x, y) with rotation Angle about its top-left corner
    // covers exactly what the item at pos, rotated about origin, covers. A
    // layer rotated about its centre therefore comes back where it was.
    void AppendLayer(const CLayerInfo& layer, const QPointF& pos, const QPointF& origin, qreal rotation,
                     qreal z);

    // The styled-text element of a text layer.
    static void WordArtToXML(QDomDocument* document, QDomElement* wordArt, const CWordArtInfo* record);
    // Reads wordArt into layer's styled text; false (and why in errorText)
    // when a value is damaged. node is not read.
    static bool WordArtFromXML(QDomNode* node, QDomElement* wordArt, CLayerInfo* layer,
                               QString* errorText = nullptr);

    QString ProjectPath;
    QList<CLayerInfo> LayerList;

private:
    QList<qreal> m_z; // z of each layer added through AppendLayer
};
