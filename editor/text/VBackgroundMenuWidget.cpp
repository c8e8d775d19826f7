#include "VBackgroundMenuWidget.h"

#include "CWordArtInfo.h"
#include "QColorCombox.h"
#include "TextMenuControls.h"
#include "VFuncTextPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace TextMenuControls;

VBackgroundMenuWidget::VBackgroundMenuWidget(CWordArtInfo* record, QWidget* parent)
    : QWidget(parent)
    , m_parent(parent)
    , m_record(record)
{
    InitBackground();
    const auto spinValue = qOverload<int>(&QSpinBox::valueChanged);
    connect(m_enable, &QCheckBox::clicked, this, &VBackgroundMenuWidget::onCheckBackgroundstateChanged);
    connect(m_color, &QColorCombox::sigColorChanged, this, &VBackgroundMenuWidget::onColorBackgroundColorChanged);
    connect(m_alpha, spinValue, this, &VBackgroundMenuWidget::onSpinBackgroundAlphavalueChanged);
    connect(m_thickness, spinValue, this, &VBackgroundMenuWidget::onSpinBackgroundThicknessvalueChanged);
    connect(m_round, spinValue, this, &VBackgroundMenuWidget::onSpinBackgroundRoundvalueChanged);
    m_pending = false;
    m_timer = TextMenuControls::StartUpdateTimer(this);
}

void VBackgroundMenuWidget::InitBackground()
{
    QGridLayout* grid = MakePanelLayout(this);
    m_enable = new QCheckBox(tr("Enable Background"), this);
    m_enable->setObjectName(QStringLiteral("checkBackground"));
    const QString captions[4] = {tr("Background Color"), tr("Alpha"), tr("Thickness"), tr("Round")};
    for (int i = 0; i < 4; ++i)
        m_labels[i] = new QLabel(captions[i], this);
    m_color = MakeColorBox(this, "colorBackground");
    m_alpha = MakeSpin(this, "spinBackgroundAlpha", 100);
    m_thickness = MakeSpin(this, "spinBackgroundThickness", 999);
    m_round = MakeSpin(this, "spinBackgroundRound", 999);
    grid->addWidget(m_enable, 0, 0, 1, 2);
    QWidget* inputs[4] = {m_color, m_alpha, m_thickness, m_round};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(m_labels[i], i + 1, 0);
        grid->addWidget(inputs[i], i + 1, 1, Qt::AlignLeft);
    }
    UpdateUI();
}

void VBackgroundMenuWidget::UpdateUI()
{
    // Filling shows the record; it must not store rounded or clamped values back.
    const QSignalBlocker b1(m_alpha), b2(m_thickness), b3(m_round);
    m_enable->setChecked(m_record->EnableBackground);
    m_color->SetColor(m_record->ColorBackground);
    m_color->update();
    m_alpha->setValue(AlphaToPercent(m_record->BackgroundAlpha));
    m_thickness->setValue(m_record->BackgroundThickness);
    m_round->setValue(m_record->BackgroundRound);
    SetBackgroundEnable(m_record->EnableBackground);
    SetBackgroundDialogEnable(m_record->DialogEnabled);
}

void VBackgroundMenuWidget::SetBackgroundEnable(bool on)
{
    QWidget* inputs[4] = {m_color, m_alpha, m_thickness, m_round};
    for (int i = 0; i < 4; ++i) {
        m_labels[i]->setEnabled(on);
        inputs[i]->setEnabled(on);
    }
}

void VBackgroundMenuWidget::SetBackgroundDialogEnable(bool on)
{
    m_labels[3]->setEnabled(!on);
    m_round->setEnabled(!on);
}

void VBackgroundMenuWidget::onCheckBackgroundstateChanged(bool on)
{
    m_record->EnableBackground = on;
    SetBackgroundEnable(on);
    m_pending = true;
}

void VBackgroundMenuWidget::onColorBackgroundColorChanged(QColor color)
{
    m_record->ColorBackground = color;
    m_pending = true;
}

void VBackgroundMenuWidget::onSpinBackgroundAlphavalueChanged(int percent)
{
    m_record->BackgroundAlpha = PercentToAlpha(percent);
    m_pending = true;
}

void VBackgroundMenuWidget::onSpinBackgroundThicknessvalueChanged(int value)
{
    m_record->BackgroundThickness = value;
    m_pending = true;
}

void VBackgroundMenuWidget::onSpinBackgroundRoundvalueChanged(int value)
{
    m_record->BackgroundRound = value;
    m_pending = true;
}

void VBackgroundMenuWidget::onCheckDialogstateChanged(bool on)
{
    m_record->DialogEnabled = on;
    SetBackgroundDialogEnable(on);
    m_pending = true;
}

void VBackgroundMenuWidget::onComboBoxDialogChange(int index)
{
    m_record->DialogStyle = index;
    m_pending = true;
}

void VBackgroundMenuWidget::onUpdateUI()
{
    if (!m_pending)
        return;
    m_pending = false;
    emit sigUpdateText(m_record);
}
