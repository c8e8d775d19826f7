#pragma once
#include "PanelWidget.h"

#include <QList>
#include <QMap>
#include <QTime>

class CLayerInfo;
class LayeredManageWidget;
class QTableWidget;
class QWatermarkBase;

// The layer dock: one table row per canvas layer (thumbnail, start, end,
// duration) and the controls that edit the selected layers' records.
class LayeredManageDock : public PanelWidget
{
    Q_OBJECT
public:
    explicit LayeredManageDock(QWidget* parent = nullptr);
    ~LayeredManageDock() override;

    void AddLayerItem(QWatermarkBase* item, long long start, long long end);
    // The record of the layer in that row, or null.
    CLayerInfo* GetLayer(int row);
    void SwapRow(QTableWidget* table, int from, int to);
    // Empties the table and the map (a project replaces every layer).
    void Clear();
    // Many layers added at once (a project opened): their rows are made in
    // one step at the end, and the last one selected, so that the table lays
    // its rows out once instead of once per layer.
    void BeginAdding();
    void EndAdding();

    LayeredManageWidget* Panel() const { return m_panel; }
    // The row of an item, -1 when it has none.
    int RowOf(QWatermarkBase* item) const;
    QWatermarkBase* ItemAt(int row) const;
    QList<QWatermarkBase*> SelectedLayers() const;
    void Retranslate() override;

public slots:
    void onBtnUpClicked();
    void onBtnDownClicked();
    void onAddLayer(QWatermarkBase* item);
    void onRemoveLayer(QWatermarkBase* item);
    void onCellClicked(int row, int column);
    void onCellClicked(QWatermarkBase* item);
    // Shows a layer's values again after something else changed them.
    void onLayerChanged(QWatermarkBase* item);
    void onTransparentValueChanged(int value);
    void onSpeedValueChanged(int value);
    void onCrrentIndexChanged(int index);
    void onFadeCrrentIndexChanged(int index);
    void onStartTime(QTime time);
    void onEndTime(QTime time);

private:
    // Puts the editors of a new row in place and lists the item there.
    void SetUpRow(int row, QWatermarkBase* item, long long start, long long end);
    // Shows an item's thumbnail and times in a row; writes nothing to it.
    void FillRow(int row, QWatermarkBase* item);
    // Shows a layer's values in the panel; writes nothing to any layer.
    void FillPanel(int opacity, int speed, int animation, int fade);
    void ShowSelectedLayer();
    // The layer whose start (column 1) or end (column 2) edit sent a signal.
    QWatermarkBase* ItemOfEditor(QObject* editor, int column) const;

    LayeredManageWidget* m_panel = nullptr;
    QMap<QWatermarkBase*, int> m_rows;
    bool m_adding = false;
    QList<QWatermarkBase*> m_pending; // added while adding many, no row yet
};
