#pragma once
#include <QGraphicsScene>
#include <QList>
#include <QPointF>
#include <QSize>

class CLayerInfo;
class CWordArtInfo;
class QCanvasItem;
class QWatermarkBase;
class QWatermarkItem;
class QWatermarkView;

// The editor canvas: the source frame of the current row and the layers laid
// over it. Scene units are pixels of the displayed frame: the source's
// picture as a player shows it (turned by its display matrix, at the aspect
// of its pixels), after the row's flips, quarter turn and crop. Additions
// and deletions are announced by signals, which the editor window connects
// to Core's layer list.
class QWatermarkScene : public QGraphicsScene
{
    Q_OBJECT
public:
    explicit QWatermarkScene(QObject* parent = nullptr);
    ~QWatermarkScene() override;

    void setView(QWatermarkView* view) { m_view = view; }
    QWatermarkView* view() const { return m_view; }

    // Rebuilds the source-frame item from the first frame of a source, with
    // the current row's flips, quarter turn and crop. Without a valid
    // current row nothing changes.
    void InitCanvas(const QString& path);
    // New layers from files; null (and nothing added) when the picture
    // cannot be read.
    QWatermarkBase* AddLayerVideo(const QString& path);
    QWatermarkBase* AddLayerImage(const QString& path);
    QWatermarkBase* AddLayerText(const CWordArtInfo& info, double x = 0.0, double y = 0.0);
    // A layer from a project record; null for a kind that is not a layer. A
    // video or image whose picture cannot be read is kept as a placeholder
    // of the record's size (placeholder then says so), whose record is saved
    // again as it was read.
    QWatermarkBase* AddLayer(const CLayerInfo* record, bool* placeholder = nullptr);
    void ClearSelectedItem();
    // Announces each layer's removal, takes it off the scene and destroys it
    // once the announcement's receivers are done with it.
    void DeleteLayers(const QList<QWatermarkBase*>& layers);

    // Around a change of the frame's size (a turn, a crop, another row):
    // each layer keeps where it stands as its placement on the frame it was
    // placed on, then every layer is shown on the new frame where the
    // conversion puts it there.
    void KeepPlacements();
    void ShowPlacements();

    QCanvasItem* CanvasItem() const { return m_canvas; }
    // The displayed frame's size, the frame a layer moved, sized or added
    // here is placed on; empty without a source frame.
    QSize CanvasSize() const;
    long long SourceDuration() const { return m_duration; }
    int ZCounter() const { return m_z; }
    // The selected layers, plus the sending layer when called from its slot.
    QList<QWatermarkBase*> TargetLayers() const;

signals:
    void itemAddedHM(QWatermarkBase* item);
    void itemPressHM(QWatermarkBase* item);
    void itemMenuHM();
    void itemDeleteHM(QWatermarkBase* item);
    void itemMovedHM(CLayerInfo* layer, const QPointF& pos);
    void itemRotateHM(CLayerInfo* layer, qreal before, qreal angle);
    void itemResizeHM(CLayerInfo* layer, const QPointF& scale);
    // A layer's values were changed by its Options dialog.
    void itemChangedHM(QWatermarkBase* item);
    void canvasResized(int width, int height, const QSize& size);

public slots:
    void OnItemDelete();
    void OnItemDuplicate();
    void OnItemOptions();
    void slotClose();
    void slotDClick();
    void slotMenu();

protected:
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseEvent(QGraphicsSceneMouseEvent* event);

    // The styled-text layer item, rendered and initialised from the text (and
    // from a project record when one is given).
    virtual QWatermarkBase* CreateTextItem(const CWordArtInfo& info, const CLayerInfo* record);

private:
    QList<QWatermarkBase*> SelectedLayers() const;
    QList<QWatermarkBase*> LayerItems() const;
    QWatermarkItem* NewPictureItem(int kind, const QString& path, const CLayerInfo* record,
                                   bool* placeholder = nullptr);
    void Place(QWatermarkBase* item, bool selected, qreal z);
    // Shows a layer's placement on this frame, scaled and shifted as the
    // conversion draws it, and remembers how it was shown.
    void Show(QWatermarkBase* item);
    void Retire(QWatermarkBase* item);

    bool m_drawTexture = true;
    long long m_duration = 0;
    QCanvasItem* m_canvas = nullptr;
    double m_nudgeX = 0.0;
    double m_nudgeY = 0.0;
    bool m_arrowDown = false;
    QPointF m_pressPoint;
    QPointF m_lastPoint;
    int m_pressedPart = 0;
    QWatermarkView* m_view = nullptr;
    int m_z = 1;
};
