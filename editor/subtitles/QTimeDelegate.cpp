#include "QTimeDelegate.h"

#include <QTimeEdit>

namespace {
const QString kFormat = QStringLiteral("HH:mm:ss:zzz");
}

QTimeDelegate::QTimeDelegate(QObject* parent)
    : QItemDelegate(parent)
{
}

QWidget* QTimeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    auto* edit = new QTimeEdit(parent);
    edit->setDisplayFormat(kFormat);
    // An unparsable cell gives an invalid time, which the edit ignores.
    edit->setTime(QTime::fromString(index.model()->data(index, Qt::DisplayRole).toString(), kFormat));
    return edit;
}

void QTimeDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* edit = qobject_cast<QTimeEdit*>(editor))
        edit->setTime(QTime::fromString(index.model()->data(index, Qt::DisplayRole).toString(), kFormat));
}

void QTimeDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* edit = qobject_cast<QTimeEdit*>(editor))
        model->setData(index, edit->time().toString(kFormat), Qt::EditRole);
}

void QTimeDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}
