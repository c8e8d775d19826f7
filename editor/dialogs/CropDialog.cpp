#include "CropDialog.h"
#include "ui_CropDialog.h"

#include "CropWnd.h"

#include <QImage>
#include <QPushButton>
#include <QtGlobal>

namespace {

struct RatioEntry {
    const char* text;
    float ratio;   // width / height
};

// Index 0 is "Auto" (no lock); the others lock the crop to their ratio.
const RatioEntry kRatios[] = {
    {"1:1", 1.0f}, {"1:2", 0.5f}, {"2:1", 2.0f}, {"4:3", 4.0f / 3.0f}, {"16:9", 16.0f / 9.0f}, {"9:16", 0.5625f},
};

} // namespace

CropDialog::CropDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::CropDialog)
{
    qRegisterMetaType<ST_CROP_THICK>("ST_CROP_THICK");
    ui->setupUi(this);
    m_pPreviewWnd = new CropWnd(this);
    m_pPreviewWnd->setObjectName(QStringLiteral("pPreviewWnd"));
    m_pPreviewWnd->setMinimumSize(460, 460);
    m_pPreviewWnd->setGeometry(20, 60, 460, 460);
    if (QPushButton* ok = ui->buttonBox->button(QDialogButtonBox::Ok))
        ok->setText(tr("Ok"));
    if (QPushButton* cancel = ui->buttonBox->button(QDialogButtonBox::Cancel))
        cancel->setText(tr("Cancel"));
    ui->m_BtnReset->setText(tr("Reset"));
    connect(m_pPreviewWnd, &CropWnd::sigCrop, this, &CropDialog::OnCrop);
    // The combo's slot is connected by name: adding the first entry selects
    // "Auto" and frees the rectangle.
    ui->comboBoxRatio->addItem(tr("Auto"));
    for (const RatioEntry& entry : kRatios)
        ui->comboBoxRatio->addItem(QString::fromLatin1(entry.text));
    setWindowTitle(tr("Crop"));
}

CropDialog::~CropDialog()
{
    delete ui;
}

void CropDialog::SetImage(QImage* frame)
{
    const QImage image = frame ? *frame : QImage();
    m_frameWidth = image.width();
    m_frameHeight = image.height();
    m_pPreviewWnd->SetImage(image, Crop);
    UpdatePixelRect();
}

void CropDialog::OnCrop(ST_CROP_THICK crop)
{
    Crop = crop;
    UpdatePixelRect();
}

void CropDialog::UpdatePixelRect()
{
    // The pixels kept follow the converter's rule, so what the dialog says
    // it keeps is what the filter graph crops.
    const QSize size(m_frameWidth, m_frameHeight);
    const QRect keep = Crop.changed ? CropKeptRect(size, Crop.left, Crop.top, Crop.right, Crop.bottom)
                                    : QRect(QPoint(0, 0), size);
    m_x = keep.x();
    m_y = keep.y();
    m_width = keep.width();
    m_height = keep.height();
}

void CropDialog::UpdatePreviewUI()
{
    if (m_frameWidth <= 0 || m_frameHeight <= 0)
        return;
    const double fw = m_frameWidth;
    const double fh = m_frameHeight;
    ST_CROP_THICK given;
    given.left = m_x / fw;
    given.top = m_y / fh;
    given.right = qMax(0.0, (fw - m_width - m_x) / fw);
    given.bottom = qMax(0.0, (fh - m_height - m_y) / fh);
    given.changed = Crop.changed;
    m_pPreviewWnd->SetGivenCrop(given);
}

void CropDialog::on_m_BtnReset_clicked()
{
    ui->comboBoxRatio->setCurrentIndex(0);
    m_pPreviewWnd->Reset();
}

void CropDialog::on_comboBoxRatio_currentIndexChanged(int index)
{
    m_pPreviewWnd->SetFree(false);
    if (index == 0) {
        m_pPreviewWnd->SetFree(true);
    } else if (index >= 1 && index <= int(sizeof(kRatios) / sizeof(kRatios[0]))) {
        m_pPreviewWnd->SetRatio(kRatios[index - 1].ratio);
        m_pPreviewWnd->ResetRatio();
    }
}
