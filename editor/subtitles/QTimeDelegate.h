#pragma once
#include <QItemDelegate>

// In-place editor of a start or end cell of the subtitle table: a time edit
// in "HH:mm:ss:zzz". Reads and writes the cell's text only.
class QTimeDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    explicit QTimeDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
