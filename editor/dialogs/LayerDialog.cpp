#include "LayerDialog.h"
#include "ui_LayerDialog.h"

#include "Timecode.h"

#include <QPushButton>
#include <QSignalBlocker>
#include <cmath>

namespace {

// The partner side of a locked size, kept within its spin box so the stored
// value is the one shown.
int32_t Partner(double value, const QSpinBox* box)
{
    if (!std::isfinite(value))
        return box->minimum();
    return static_cast<int32_t>(qBound<double>(box->minimum(), std::trunc(value), box->maximum()));
}

} // namespace

LayerDialog::LayerDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::LayerDialog)
{
    ui->setupUi(this);
    // The entry index is the stored value.
    ui->comboBoxAnimation->addItem(tr("None"));
    ui->comboBoxAnimation->addItem(tr("Left"));
    ui->comboBoxAnimation->addItem(tr("Right"));
    ui->comboBoxAnimation->addItem(tr("Top"));
    ui->comboBoxAnimation->addItem(tr("Bottom"));
    ui->comboBoxFade->addItem(tr("None"));
    ui->comboBoxFade->addItem(tr("In"));
    ui->comboBoxFade->addItem(tr("Out"));
    ui->comboBoxFade->addItem(tr("InOut"));
    if (QPushButton* ok = ui->buttonBox->button(QDialogButtonBox::Ok))
        ok->setText(tr("Ok"));
    if (QPushButton* cancel = ui->buttonBox->button(QDialogButtonBox::Cancel))
        cancel->setText(tr("Cancel"));
}

LayerDialog::~LayerDialog()
{
    delete ui;
}

void LayerDialog::InitDialog()
{
    const float ratio = static_cast<float>(Width) / static_cast<float>(Height);
    m_ratio = Width > 0 && Height > 0 && std::isfinite(ratio) && ratio > 0.0f ? ratio : 0.0f;

    // Showing the values must not run the change slots: they would store the
    // spin boxes' clamped and rounded values, and a dialog accepted untouched
    // would alter the layer.
    const QSignalBlocker b1(ui->spinBoxWidth), b2(ui->spinBoxHeight), b3(ui->spinBoxX), b4(ui->spinBoxY),
        b5(ui->spinBoxOpacity), b6(ui->doubleSpinBoxAngle), b7(ui->checkBoxKeepAspect), b8(ui->comboBoxAnimation),
        b9(ui->comboBoxFade), b10(ui->spinBoxSpeed), b11(ui->spinBoxLoop), b12(ui->timeEditStart),
        b13(ui->timeEditEnd);
    ui->spinBoxWidth->setValue(Width);
    ui->spinBoxHeight->setValue(Height);
    ui->spinBoxX->setValue(X);
    ui->spinBoxY->setValue(Y);
    ui->spinBoxOpacity->setValue(Opacity);
    ui->doubleSpinBoxAngle->setValue(std::isfinite(Angle) ? Angle : 0.0);
    ui->checkBoxKeepAspect->setChecked(Keep);
    ui->comboBoxAnimation->setCurrentIndex(Animation);
    ui->comboBoxFade->setCurrentIndex(Fade);
    ui->spinBoxSpeed->setValue(Speed);
    ui->spinBoxLoop->setValue(Loop);
    ui->timeEditStart->setTime(Timecode::Int64ToQTime(StartTime));
    ui->timeEditEnd->setTime(Timecode::Int64ToQTime(EndTime));
}

void LayerDialog::on_spinBoxWidth_valueChanged(int value)
{
    Width = value;
    if (Keep && m_ratio > 0.0f)
        Height = Partner(static_cast<float>(value) / m_ratio, ui->spinBoxHeight);
}

void LayerDialog::on_spinBoxHeight_valueChanged(int value)
{
    Height = value;
    if (Keep && m_ratio > 0.0f)
        Width = Partner(static_cast<float>(value) * m_ratio, ui->spinBoxWidth);
}

void LayerDialog::on_checkBoxKeepAspect_stateChanged(int state)
{
    Keep = state != 0;
}

void LayerDialog::on_spinBoxX_valueChanged(int value)
{
    X = value;
}

void LayerDialog::on_spinBoxY_valueChanged(int value)
{
    Y = value;
}

void LayerDialog::on_spinBoxOpacity_valueChanged(int value)
{
    Opacity = value;
}

// Leaving one size box shows the other side's new value. Shown quietly: its
// slot would derive the typed side back from it and truncate it anew (1000
// typed on 16:9 would come back as 999).
void LayerDialog::on_spinBoxWidth_editingFinished()
{
    const QSignalBlocker blocker(ui->spinBoxHeight);
    ui->spinBoxHeight->setValue(Height);
}

void LayerDialog::on_spinBoxHeight_editingFinished()
{
    const QSignalBlocker blocker(ui->spinBoxWidth);
    ui->spinBoxWidth->setValue(Width);
}

void LayerDialog::on_doubleSpinBoxAngle_valueChanged(double value)
{
    Angle = static_cast<float>(value);
}

void LayerDialog::on_comboBoxAnimation_currentIndexChanged(int index)
{
    Animation = index;
}

void LayerDialog::on_comboBoxFade_currentIndexChanged(int index)
{
    Fade = index;
}

void LayerDialog::on_spinBoxSpeed_valueChanged(int value)
{
    Speed = value;
}

void LayerDialog::on_timeEditStart_timeChanged(const QTime& time)
{
    StartTime = Timecode::QTimeToInt64(time);
}

void LayerDialog::on_timeEditEnd_timeChanged(const QTime& time)
{
    EndTime = Timecode::QTimeToInt64(time);
}

void LayerDialog::on_spinBoxLoop_valueChanged(int value)
{
    Loop = value;
}
