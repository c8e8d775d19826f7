#include "QFormatDialog.h"
#include "ui_QFormatDialog.h"

#include "FormatPresets.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

void Fill(QComboBox* box, const QStringList& items, const QString& current)
{
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(box->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

} // namespace

QFormatDialog::QFormatDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui_QFormatDialog)
{
    ui->setupUi(this);
    InitUI();
}

QFormatDialog::~QFormatDialog()
{
    delete ui;
}

void QFormatDialog::InitUI()
{
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Ok"));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    ui->comboBoxVBitRate->setEditable(true);
    ui->comboBoxVSize->setEditable(true);
    SetVideoBitRateUI(false);
    SetFormat(FORMAT_MP4);
    FillSchemeList();
}

void QFormatDialog::SetFormat(int format)
{
    Fill(ui->comboBoxVSize, FormatPresets::FrameSizes(), FormatPresets::DefaultFrameSize());
    Fill(ui->comboBoxVFrameRate, FormatPresets::FrameRates(format), FormatPresets::DefaultFrameRate());
    Fill(ui->comboBoxVAspect, FormatPresets::Aspects(), QStringLiteral("Auto"));
    // Clearing and refilling the video codecs runs the codec slot, which
    // resets the audio lists to their defaults.
    ui->comboBoxVCodec->clear();
    ui->comboBoxACodec->clear();
    ui->comboBoxVCodec->addItems(FormatPresets::VideoCodecs(format));
    ui->comboBoxVCodec->setCurrentText(FormatPresets::DefaultVideoCodec(format));
    ui->comboBoxACodec->addItems(FormatPresets::AudioCodecs(format));
    // By the page itself, not by its position, so a second call cannot take
    // the Audio page away.
    const int videoPage = ui->tabWidgetFormat->indexOf(ui->tabVideo);
    if (FormatPresets::IsSoundContainer(format) && videoPage >= 0)
        ui->tabWidgetFormat->removeTab(videoPage);
    ui->comboBoxACodec->setCurrentText(FormatPresets::DefaultAudioCodec(format));
    ui->comboBoxVCodec->addItem(QStringLiteral("copy"));
    ui->comboBoxACodec->addItem(QStringLiteral("copy"));
    if (!FormatPresets::ContainerName(format).isEmpty())
        m_container = format;
}

void QFormatDialog::SetVideoBitRateUI(bool quality)
{
    Fill(ui->comboBoxVBitRate, FormatPresets::VideoBitRates(quality), QStringLiteral("Auto"));
}

void QFormatDialog::SetAudioCodec(QString)
{
    Fill(ui->comboBoxChannels, FormatPresets::Channels(), FormatPresets::DefaultChannels());
    Fill(ui->comboBoxASampleRate, FormatPresets::SampleRates(), FormatPresets::DefaultSampleRate());
    Fill(ui->comboBoxABitRate, FormatPresets::AudioBitRates(), FormatPresets::DefaultAudioBitRate());
}

void QFormatDialog::on_comboBoxVCodec_currentIndexChanged(QString text)
{
    SetAudioCodec(text);
}

void QFormatDialog::on_checkBoxVQuality_clicked(bool checked)
{
    SetVideoBitRateUI(checked);
}

void QFormatDialog::LoadConfigFormat()
{
    ConfigFormat config;
    config.Load();
    ShowSettings(config);
}

void QFormatDialog::ShowSettings(const FormatSettings& s)
{
    ui->checkBoxVQuality->setChecked(s.VSetMode);
    ui->comboBoxVBitRate->setCurrentText(s.VBitRate);
    ui->comboBoxVCodec->setCurrentText(s.VCodec);
    ui->checkBoxVKeepWH->setChecked(s.VKeepWH);
    ui->comboBoxVSize->setCurrentText(s.VSize);
    ui->comboBoxVAspect->setCurrentText(s.VAspect);
    ui->checkBoxKeepFrameRate->setChecked(s.VKeepFrameRate);
    ui->comboBoxVFrameRate->setCurrentText(s.VFrameRate);
    ui->checkBoxKeepACodec->setChecked(s.AKeepCodec);
    ui->comboBoxABitRate->setCurrentText(s.ABitRate);
    ui->comboBoxACodec->setCurrentText(s.ACodec);
    ui->comboBoxChannels->setCurrentText(s.AChannels);
    ui->comboBoxASampleRate->setCurrentText(s.ASample);
    ui->spinBoxVolume->setValue(s.AVolume);
}

void QFormatDialog::TakeSettings(FormatSettings* s) const
{
    s->Format = FormatPresets::ContainerName(m_container);
    s->VSetMode = ui->checkBoxVQuality->isChecked();
    s->VBitRate = ui->comboBoxVBitRate->currentText();
    s->VCodec = ui->comboBoxVCodec->currentText();
    s->VKeepWH = ui->checkBoxVKeepWH->isChecked();
    s->VSize = ui->comboBoxVSize->currentText();
    s->VAspect = ui->comboBoxVAspect->currentText();
    s->VKeepFrameRate = ui->checkBoxKeepFrameRate->isChecked();
    s->VFrameRate = ui->comboBoxVFrameRate->currentText();
    s->AKeepCodec = ui->checkBoxKeepACodec->isChecked();
    s->ABitRate = ui->comboBoxABitRate->currentText();
    s->ACodec = ui->comboBoxACodec->currentText();
    s->AChannels = ui->comboBoxChannels->currentText();
    s->ASample = ui->comboBoxASampleRate->currentText();
    s->AVolume = ui->spinBoxVolume->value();
}

void QFormatDialog::on_buttonBox_accepted()
{
    // The settings belong to the container the dialog was opened for (or
    // the one a read scheme chose), not to a fixed one: a conversion into
    // another container than the settings were made for fails or loses layers.
    ConfigFormat config;
    TakeSettings(&config);
    if (!config.Save())
        QMessageBox::warning(this, windowTitle(),
                             tr("The format settings could not be saved to %1.").arg(config.FilePath));
}
