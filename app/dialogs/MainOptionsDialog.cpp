#include "MainOptionsDialog.h"
#include "ui_MainOptionsDialog.h"

#include <QPushButton>

#include "ConfigSystem.h"

MainOptionsDialog::MainOptionsDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui_MainOptionsDialog)
{
    ui->setupUi(this);
    // Filling the list selects its first entry: the field keeps its default.
    const int keep = language;
    for (const char* name : {QT_TR_NOOP("Chinese"), QT_TR_NOOP("English"), QT_TR_NOOP("French"),
                             QT_TR_NOOP("German"), QT_TR_NOOP("Italian"), QT_TR_NOOP("Japanese"),
                             QT_TR_NOOP("Portuguese"), QT_TR_NOOP("Russian"), QT_TR_NOOP("Spanish")})
        ui->comboBoxLanguage->addItem(tr(name));
    language = keep;
    ui->spinBoxThreads->setMaximum(ConfigSystem::MaxThreads);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Ok"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
}

MainOptionsDialog::~MainOptionsDialog()
{
    delete ui;
}

void MainOptionsDialog::InitDialog()
{
    // Both controls report back into the fields: take the values first.
    const int lang = language;
    const int count = threads;
    // A stored index without an entry shows none selected; it stays the
    // setting until the user picks a language, so OK alone changes nothing.
    ui->comboBoxLanguage->setCurrentIndex(lang);
    language = lang;
    ui->spinBoxThreads->setValue(count);
}

void MainOptionsDialog::on_comboBoxLanguage_currentIndexChanged(int index)
{
    language = index;
}

void MainOptionsDialog::on_spinBoxThreads_valueChanged(int value)
{
    threads = value;
}
