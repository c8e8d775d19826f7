#pragma once
#include <QItemDelegate>

// In-place editor of a text cell of the subtitle table: plain text of several
// lines. Reads and writes the cell's text only.
class QSubtitleDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    explicit QSubtitleDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
