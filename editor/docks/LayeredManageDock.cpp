#include "LayeredManageDock.h"

#include "GuiFunctions.h"
#include "LayeredManageWidget.h"
#include "QWatermarkBase.h"
#include "TimeLabel.h"
#include "Timecode.h"

#include <QDebug>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimeEdit>

namespace {
const QString kTimeFormat = QStringLiteral("HH:mm:ss:zzz");

QString DurationText(long long start, long long end)
{
    if (end <= start)
        return QStringLiteral("00:00:00:000");
    return Timecode::Int64ToQTime(end - start).toString(kTimeFormat);
}
} // namespace

LayeredManageDock::LayeredManageDock(QWidget* parent)
    : PanelWidget(parent)
{
    SetTitle(tr("Watermark"));
    SetMovementLocked(true);
    m_panel = new LayeredManageWidget(this);
    connect(&m_panel->m_btnUp, &QToolButton::clicked, this, &LayeredManageDock::onBtnUpClicked);
    connect(&m_panel->m_btnDown, &QToolButton::clicked, this, &LayeredManageDock::onBtnDownClicked);
    connect(m_panel->m_table, &QTableWidget::cellClicked, this,
            qOverload<int, int>(&LayeredManageDock::onCellClicked));
    // Rows are selected by their header, the keyboard and code as well as by
    // clicks: the panel shows a layer of those it edits, whichever way.
    connect(m_panel->m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &LayeredManageDock::ShowSelectedLayer);
    connect(&m_panel->m_spinSpeed, qOverload<int>(&QSpinBox::valueChanged), this, &LayeredManageDock::onSpeedValueChanged);
    connect(&m_panel->m_spinTransparent, qOverload<int>(&QSpinBox::valueChanged), this,
            &LayeredManageDock::onTransparentValueChanged);
    connect(&m_panel->m_comboAnimation, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &LayeredManageDock::onCrrentIndexChanged);
    connect(&m_panel->m_comboFade, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &LayeredManageDock::onFadeCrrentIndexChanged);
    setWidget(m_panel);
}

LayeredManageDock::~LayeredManageDock()
{
    delete m_panel;
    m_panel = nullptr;
}

void LayeredManageDock::Retranslate()
{
    SetTitle(tr("Watermark"));
    m_panel->Retranslate();
}

int LayeredManageDock::RowOf(QWatermarkBase* item) const
{
    return m_rows.value(item, -1);
}

QWatermarkBase* LayeredManageDock::ItemAt(int row) const
{
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it)
        if (it.value() == row)
            return it.key();
    return nullptr;
}

CLayerInfo* LayeredManageDock::GetLayer(int row)
{
    QWatermarkBase* item = ItemAt(row);
    return item ? item->GetLayer() : nullptr;
}

QList<QWatermarkBase*> LayeredManageDock::SelectedLayers() const
{
    QList<QWatermarkBase*> layers;
    const QList<QTableWidgetSelectionRange> ranges = m_panel->m_table->selectedRanges();
    for (const QTableWidgetSelectionRange& range : ranges)
        for (int row = range.topRow(); row <= range.bottomRow(); ++row)
            if (QWatermarkBase* item = ItemAt(row))
                layers << item;
    return layers;
}

void LayeredManageDock::onAddLayer(QWatermarkBase* item)
{
    if (!item || m_rows.contains(item) || m_pending.contains(item))
        return;
    if (m_adding) {
        m_pending.append(item);
        return;
    }
    AddLayerItem(item, item->GetLayer()->StartTime, item->GetLayer()->EndTime);
    onCellClicked(item);
}

void LayeredManageDock::BeginAdding()
{
    m_adding = true;
}

void LayeredManageDock::EndAdding()
{
    m_adding = false;
    const QList<QWatermarkBase*> items = m_pending;
    m_pending.clear();
    if (items.isEmpty())
        return;
    QTableWidget* table = m_panel->m_table;
    const int first = table->rowCount();
    table->setRowCount(first + items.size());
    for (int i = 0; i < items.size(); ++i) {
        const CLayerInfo* layer = items.at(i)->GetLayer();
        SetUpRow(first + i, items.at(i), layer->StartTime, layer->EndTime);
    }
    onCellClicked(items.last());
}

void LayeredManageDock::AddLayerItem(QWatermarkBase* item, long long start, long long end)
{
    QTableWidget* table = m_panel->m_table;
    const int row = table->rowCount();
    table->insertRow(row);
    SetUpRow(row, item, start, end);
}

void LayeredManageDock::SetUpRow(int row, QWatermarkBase* item, long long start, long long end)
{
    QTableWidget* table = m_panel->m_table;
    m_rows.insert(item, row);

    auto* thumb = new QLabel;
    auto* startEdit = new QTimeEdit;
    auto* endEdit = new QTimeEdit;
    auto* duration = new TimeLabel;
    connect(startEdit, &QTimeEdit::timeChanged, duration, &TimeLabel::onStartTime);
    connect(startEdit, &QTimeEdit::timeChanged, this, &LayeredManageDock::onStartTime);
    connect(endEdit, &QTimeEdit::timeChanged, duration, &TimeLabel::onEndTime);
    connect(endEdit, &QTimeEdit::timeChanged, this, &LayeredManageDock::onEndTime);
    startEdit->setDisplayFormat(kTimeFormat);
    endEdit->setDisplayFormat(kTimeFormat);
    thumb->setAlignment(Qt::AlignCenter);
    // On its own ground like the time edits: the row's selection colour
    // under light text could not be read.
    duration->setAutoFillBackground(true);
    duration->setBackgroundRole(QPalette::Base);
    duration->setForegroundRole(QPalette::Text);
    table->setRowHeight(row, 40);
    table->setCellWidget(row, 0, thumb);
    table->setCellWidget(row, 1, startEdit);
    table->setCellWidget(row, 2, endEdit);
    table->setCellWidget(row, 3, duration);

    // Times given by the caller, the rest from the item.
    FillRow(row, item);
    const QSignalBlocker b1(startEdit);
    const QSignalBlocker b2(endEdit);
    startEdit->setTime(Timecode::Int64ToQTime(start));
    endEdit->setTime(Timecode::Int64ToQTime(end));
    duration->onStartTime(startEdit->time());
    duration->onEndTime(endEdit->time());
    duration->setText(DurationText(start, end));
}

void LayeredManageDock::FillRow(int row, QWatermarkBase* item)
{
    QTableWidget* table = m_panel->m_table;
    const CLayerInfo* layer = item->GetLayer();
    if (auto* thumb = qobject_cast<QLabel*>(table->cellWidget(row, 0))) {
        if (layer->Image.isNull())
            thumb->setPixmap(QPixmap());
        else
            thumb->setPixmap(QPixmap::fromImage(
                layer->Image.scaled(80, 40, Qt::KeepAspectRatio, Qt::FastTransformation)));
    }
    auto* startEdit = qobject_cast<QTimeEdit*>(table->cellWidget(row, 1));
    auto* endEdit = qobject_cast<QTimeEdit*>(table->cellWidget(row, 2));
    auto* duration = qobject_cast<TimeLabel*>(table->cellWidget(row, 3));
    if (!startEdit || !endEdit || !duration)
        return;
    // Showing a layer's times must not write them into any layer.
    const QSignalBlocker b1(startEdit);
    const QSignalBlocker b2(endEdit);
    startEdit->setTime(Timecode::Int64ToQTime(layer->StartTime));
    endEdit->setTime(Timecode::Int64ToQTime(layer->EndTime));
    duration->onStartTime(startEdit->time());
    duration->onEndTime(endEdit->time());
    duration->setText(DurationText(layer->StartTime, layer->EndTime));
}

void LayeredManageDock::FillPanel(int opacity, int speed, int animation, int fade)
{
    const QSignalBlocker b1(&m_panel->m_spinTransparent);
    const QSignalBlocker b2(&m_panel->m_spinSpeed);
    const QSignalBlocker b3(&m_panel->m_comboAnimation);
    const QSignalBlocker b4(&m_panel->m_comboFade);
    m_panel->m_spinTransparent.setValue(opacity);
    m_panel->m_spinSpeed.setValue(speed);
    m_panel->m_comboAnimation.setCurrentIndex(qBound(0, animation, m_panel->m_comboAnimation.count() - 1));
    m_panel->m_comboFade.setCurrentIndex(qBound(0, fade, m_panel->m_comboFade.count() - 1));
    const bool moving = m_panel->m_comboAnimation.currentIndex() != 0;
    m_panel->m_labelSpeed.setEnabled(moving);
    m_panel->m_spinSpeed.setEnabled(moving);
}

void LayeredManageDock::ShowSelectedLayer()
{
    // The current row's layer when it is among the selected, else the first.
    QTableWidget* table = m_panel->m_table;
    const int current = table->currentRow();
    QWatermarkBase* shown = table->selectionModel()->isRowSelected(current, QModelIndex()) ? ItemAt(current) : nullptr;
    if (!shown) {
        const QList<QWatermarkBase*> selected = SelectedLayers();
        if (selected.isEmpty())
            return;
        shown = selected.first();
    }
    const CLayerInfo* layer = shown->GetLayer();
    FillPanel(layer->Transparent, layer->Speed, layer->Animation, layer->Fade);
}

void LayeredManageDock::onRemoveLayer(QWatermarkBase* item)
{
    m_pending.removeAll(item);
    // An item without a row (the source frame, one already removed) changes nothing.
    const int row = RowOf(item);
    if (row < 0)
        return;
    for (auto it = m_rows.begin(); it != m_rows.end(); ++it)
        if (it.value() > row)
            it.value() -= 1;
    m_rows.remove(item);
    m_panel->m_table->removeRow(row);
}

void LayeredManageDock::Clear()
{
    QTableWidget* table = m_panel->m_table;
    // The map first: the selection's change must not reach the layers
    // that go.
    m_rows.clear();
    m_pending.clear();
    // In one step: row by row, a shown table lays out the remaining rows'
    // editors after each removal.
    table->setRowCount(0);
}

void LayeredManageDock::onCellClicked(QWatermarkBase* item)
{
    QTableWidget* table = m_panel->m_table;
    if (!item) {
        table->clearSelection();
        FillPanel(100, 0, 0, 0);
        return;
    }
    // A press on something without a row leaves the table and panel as they are.
    const int row = RowOf(item);
    if (row < 0)
        return;
    table->selectRow(row);
    const CLayerInfo* layer = item->GetLayer();
    FillPanel(layer->Transparent, layer->Speed, layer->Animation, layer->Fade);
}

void LayeredManageDock::onLayerChanged(QWatermarkBase* item)
{
    const int row = item ? RowOf(item) : -1;
    if (row < 0)
        return;
    FillRow(row, item);
    if (m_panel->m_table->selectionModel()->isRowSelected(row, QModelIndex())) {
        const CLayerInfo* layer = item->GetLayer();
        FillPanel(layer->Transparent, layer->Speed, layer->Animation, layer->Fade);
    }
}

void LayeredManageDock::onCellClicked(int row, int column)
{
    Q_UNUSED(column);
    QWatermarkBase* clicked = ItemAt(row);
    if (!clicked)
        return;
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it)
        it.key()->setSelected(it.key() == clicked);
    const CLayerInfo* layer = clicked->GetLayer();
    FillPanel(layer->Transparent, layer->Speed, layer->Animation, layer->Fade);
    FillRow(row, clicked);
}

void LayeredManageDock::onTransparentValueChanged(int value)
{
    const QList<QWatermarkBase*> layers = SelectedLayers();
    for (QWatermarkBase* item : layers) {
        item->GetLayer()->Transparent = value;
        item->ShowOpacity();
    }
}

void LayeredManageDock::onSpeedValueChanged(int value)
{
    const QList<QWatermarkBase*> layers = SelectedLayers();
    for (QWatermarkBase* item : layers)
        item->GetLayer()->Speed = value;
}

void LayeredManageDock::onCrrentIndexChanged(int index)
{
    m_panel->m_labelSpeed.setEnabled(index != 0);
    m_panel->m_spinSpeed.setEnabled(index != 0);
    const QList<QWatermarkBase*> layers = SelectedLayers();
    for (QWatermarkBase* item : layers)
        item->GetLayer()->Animation = index;
}

void LayeredManageDock::onFadeCrrentIndexChanged(int index)
{
    const QList<QWatermarkBase*> layers = SelectedLayers();
    for (QWatermarkBase* item : layers)
        item->GetLayer()->Fade = index;
}

QWatermarkBase* LayeredManageDock::ItemOfEditor(QObject* editor, int column) const
{
    const int row = RowOfCellWidget(m_panel->m_table, column, editor);
    return row < 0 ? nullptr : ItemAt(row);
}

// A time typed in a row belongs to that row's layer, whatever is selected.
void LayeredManageDock::onStartTime(QTime time)
{
    if (QWatermarkBase* item = ItemOfEditor(sender(), 1))
        item->GetLayer()->StartTime = Timecode::QTimeToInt64(time);
}

void LayeredManageDock::onEndTime(QTime time)
{
    if (QWatermarkBase* item = ItemOfEditor(sender(), 2))
        item->GetLayer()->EndTime = Timecode::QTimeToInt64(time);
}

void LayeredManageDock::onBtnUpClicked()
{
    const int row = m_panel->m_table->currentRow();
    SwapRow(m_panel->m_table, row, row - 1);
}

void LayeredManageDock::onBtnDownClicked()
{
    const int row = m_panel->m_table->currentRow();
    SwapRow(m_panel->m_table, row, row + 1);
}

void LayeredManageDock::SwapRow(QTableWidget* table, int from, int to)
{
    table->setFocus();
    if (from == to || from < 0 || to < 0 || from >= table->rowCount() || to >= table->rowCount())
        return;
    QWatermarkBase* a = ItemAt(from);
    QWatermarkBase* b = ItemAt(to);
    if (!a || !b)
        return;
    m_rows[a] = to;
    m_rows[b] = from;
    const qreal za = a->zValue();
    a->setZValue(b->zValue());
    b->setZValue(za);
    FillRow(from, b);
    FillRow(to, a);
    table->selectRow(to);
}
