#pragma once
// The project file (.jxo): the watermark layers of the editor's canvas as XML.
// Reading never touches the caller's layers until the whole file has been
// read, and never leaves a layer out; writing goes through a temporary file,
// so a failed save keeps the old project.
#include "CLayerInfo.h"

#include <QCoreApplication>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

class QDomDocument;
class QDomElement;
class QDomNode;

class JxOFile
{
    Q_DECLARE_TR_FUNCTIONS(JxOFile)

public:
    JxOFile() = default;

    // Reads ProjectPath. On success the layers read are appended to LayerList
    // (every layer element gives one, whatever its values or its file) and
    // Damaged lists those whose values were damaged; true is returned. A file
    // that is not a project, or that is refused before parsing (too large, a
    // document type or entity declarations, nested far too deep), gives false
    // with the reason in errorText, and LayerList and Damaged are unchanged.
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
    // Reads wordArt into layer's styled text as the format says; false when
    // a value was damaged, and damaged then names those values. node is not
    // read.
    static bool WordArtFromXML(QDomNode* node, QDomElement* wordArt, CLayerInfo* layer,
                               QStringList* damaged = nullptr);

    // A layer whose values did not parse or lay outside what the program can
    // use: each was read as the format says (a number that does not parse is
    // 0, a colour transparent black) and brought into range (a code to its
    // default). index is the layer's place in LayerList; fields are the
    // element names of the damaged values.
    struct DamagedLayer {
        int index;
        QStringList fields;
    };

    QString ProjectPath;
    QList<CLayerInfo> LayerList;
    QList<DamagedLayer> Damaged;

private:
    QList<qreal> m_z; // z of each layer added through AppendLayer
};
