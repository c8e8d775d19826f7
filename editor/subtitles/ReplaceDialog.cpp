#include "ReplaceDialog.h"
#include "ui_ReplaceDialog.h"

#include <QPushButton>

ReplaceDialog::ReplaceDialog(QWidget* parent)
    : QDialog(parent)
    , form(new Ui::ReplaceDialog)
{
    form->setupUi(this);
    form->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Ok"));
    form->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    setWindowTitle(tr("Find\\Replace"));
    form->radioButtonAll->setChecked(true);
}

ReplaceDialog::~ReplaceDialog()
{
    delete form;
}

void ReplaceDialog::on_radioButtonAll_clicked() { rows = 0; }
void ReplaceDialog::on_radioButtonSelected_clicked() { rows = 1; }
void ReplaceDialog::on_radioButtononward_clicked() { rows = 2; }
void ReplaceDialog::on_lineEditFind_textChanged(const QString& text) { find = text; }
void ReplaceDialog::on_lineEditReplace_textChanged(const QString& text) { replace = text; }
