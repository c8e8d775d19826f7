#include "AboutDialog.h"
#include "ui_AboutDialog.h"

#include <QPushButton>

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui_AboutDialog)
{
    ui->setupUi(this);
    ui->labelVer->setText(tr("Standard Edition %1").arg(QStringLiteral(LUMACREST_VERSION)));
    // White links read on the dark palette, where the default blue does not.
    ui->label_2->setText(tr("Contact: <a style=\"color:#ffffff\" href=\"mailto:support@lumacrest.invalid\">"
                            "support@lumacrest.invalid</a>"));
    ui->label_3->setText(tr("Web: <a style=\"color:#ffffff\" href=\"https://lumacrest.invalid/\">"
                            "lumacrest.invalid</a>"));
    ui->label_2->setOpenExternalLinks(true);
    ui->label_3->setOpenExternalLinks(true);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Ok"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
}

AboutDialog::~AboutDialog()
{
    delete ui;
}
