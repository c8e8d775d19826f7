#include "QSubtitleDelegate.h"

#include <QPlainTextEdit>

QSubtitleDelegate::QSubtitleDelegate(QObject* parent)
    : QItemDelegate(parent)
{
}

QWidget* QSubtitleDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    auto* edit = new QPlainTextEdit(parent);
    // Tab moves on to the next cell, committing the text, as in every other
    // cell; a subtitle has no use for a tab character.
    edit->setTabChangesFocus(true);
    edit->setPlainText(index.model()->data(index, Qt::DisplayRole).toString());
    return edit;
}

void QSubtitleDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* edit = qobject_cast<QPlainTextEdit*>(editor))
        edit->setPlainText(index.model()->data(index, Qt::DisplayRole).toString());
}

void QSubtitleDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* edit = qobject_cast<QPlainTextEdit*>(editor))
        model->setData(index, edit->document()->toPlainText(), Qt::EditRole);
}

void QSubtitleDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}
