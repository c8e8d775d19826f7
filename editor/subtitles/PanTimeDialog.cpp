#include "PanTimeDialog.h"
#include "ui_PanTimeDialog.h"

#include "Timecode.h"

#include <QPushButton>

PanTimeDialog::PanTimeDialog(QWidget* parent)
    : QDialog(parent)
    , form(new Ui::PanTimeDialog)
{
    form->setupUi(this);
    setWindowTitle(tr("Shift Times"));
    form->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Ok"));
    form->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    form->radioButtonAll->setChecked(true);
    form->radioButtonSE->setChecked(true);
    form->radioButtonBackward->setChecked(true);
}

PanTimeDialog::~PanTimeDialog()
{
    delete form;
}

void PanTimeDialog::on_radioButtonForward_clicked() { direction = 0; }
void PanTimeDialog::on_radioButtonBackward_clicked() { direction = 1; }
void PanTimeDialog::on_radioButtonAll_clicked() { rows = 0; }
void PanTimeDialog::on_radioButtonSelected_clicked() { rows = 1; }
void PanTimeDialog::on_radioButtononward_clicked() { rows = 2; }
void PanTimeDialog::on_radioButtonSE_clicked() { times = 0; }
void PanTimeDialog::on_radioButtonS_clicked() { times = 1; }
void PanTimeDialog::on_radioButtonE_clicked() { times = 2; }

void PanTimeDialog::on_timeEdit_timeChanged(const QTime& t)
{
    shift = Timecode::QTimeToInt64(t) / 1000;
}
