#pragma once
#include "PanelWidget.h"
#include "subtitles/SubtitleWidget.h"

#include <QList>
#include <QString>
#include <QTime>

class QModelIndex;
class QStandardItemModel;
class QTableView;

// The subtitle dock: Core's subtitle events as a table, with editors for the
// current row and the add, delete, save, style, time shift and find and
// replace commands. It edits Core's event and style lists in place; row r of
// the table is event r.
class SubtitleDock : public PanelWidget
{
    Q_OBJECT
public:
    explicit SubtitleDock(QWidget* parent = nullptr);
    ~SubtitleDock() override;

    // Rebuilds the table and the style box from Core's events and styles;
    // called whenever another file has been read into Core.
    void Reload();
    void Retranslate() override;

    SubtitleWidget* Panel() { return &m_widget; }
    QStandardItemModel* Model() const { return m_widget.m_model; }
    QTableView* Table() const { return m_widget.m_table; }
    int CurrentRow() const;
    // The text of the last failure told to the user.
    QString LastMessage() const { return m_lastMessage; }

    // A cell's "HH:mm:ss:zzz" text (hours may pass 23) in milliseconds;
    // false when it is not such a text.
    static bool CellMilliseconds(const QString& text, long long* ms);

public slots:
    void onAdd();
    void onDelete();
    void onSave();
    void onStyle();
    void onShiftTimes();
    void onReplace();
    void onClicked(const QModelIndex& index);
    void onStartTime(QTime time);
    void onEndTime(QTime time);
    void onTextChanged();

private slots:
    void onCurrentRowChanged(const QModelIndex& current, const QModelIndex& previous);
    void onCellsChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);

private:
    // Rows that are both a table row and an event.
    int RowCount() const;
    bool IsValidRow(int row) const { return row >= 0 && row < RowCount(); }
    // 0 all rows, 1 the selected rows ascending, 2 the rows after the current row.
    QList<int> AffectedRows(int choice) const;
    // Shows row r (or nothing) in the editors without writing anything back.
    void ShowRow(int row);
    void WriteTimeCell(int row, int column, long long ms);
    void Tell(const QString& text);

    SubtitleWidget m_widget;
    // Set while the dock writes cells from the events: those writes need
    // not be copied back.
    bool m_filling = false;
    // Set while an editor writes its value into the table.
    bool m_fromEditors = false;
    QString m_lastMessage;
};
