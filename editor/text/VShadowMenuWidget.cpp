#include "VShadowMenuWidget.h"

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

VShadowMenuWidget::VShadowMenuWidget(CWordArtInfo* record, QWidget* parent)
    : QWidget(parent)
    , m_parent(parent)
    , m_record(record)
{
    InitShadow();
    const auto spinValue = qOverload<int>(&QSpinBox::valueChanged);
    connect(m_enable, &QCheckBox::clicked, this, &VShadowMenuWidget::onCheckShadowstateChanged);
    connect(m_color, &QColorCombox::sigColorChanged, this, &VShadowMenuWidget::onColorShadowColorChanged);
    connect(m_thickness, spinValue, this, &VShadowMenuWidget::onSpinShadowThicknessvalueChanged);
    connect(m_alpha, spinValue, this, &VShadowMenuWidget::onSpinShadowAlphavalueChanged);
    connect(m_x, spinValue, this, &VShadowMenuWidget::onSpinShadowOffsetXvalueChanged);
    connect(m_y, spinValue, this, &VShadowMenuWidget::onSpinShadowOffsetYvalueChanged);
    m_pending = false;
    m_timer = TextMenuControls::StartUpdateTimer(this);
}

void VShadowMenuWidget::InitShadow()
{
    QGridLayout* grid = MakePanelLayout(this);
    m_enable = new QCheckBox(tr("Enable Shadow"), this);
    m_enable->setObjectName(QStringLiteral("checkShadow"));
    const QString captions[5] = {tr("Shadow Color"), tr("Thickness"), tr("Alpha"), tr("X"), tr("Y")};
    for (int i = 0; i < 5; ++i)
        m_labels[i] = new QLabel(captions[i], this);
    m_color = MakeColorBox(this, "colorShadow");
    m_thickness = MakeSpin(this, "spinShadowThickness", 999);
    m_alpha = MakeSpin(this, "spinShadowAlpha", 100);
    m_x = MakeSpin(this, "spinShadowOffsetX", 999);
    m_y = MakeSpin(this, "spinShadowOffsetY", 999);
    grid->addWidget(m_enable, 0, 0, 1, 2);
    QWidget* inputs[5] = {m_color, m_thickness, m_alpha, m_x, m_y};
    for (int i = 0; i < 5; ++i) {
        grid->addWidget(m_labels[i], i + 1, 0);
        grid->addWidget(inputs[i], i + 1, 1, Qt::AlignLeft);
    }
    UpdateUI();
}

void VShadowMenuWidget::UpdateUI()
{
    // Filling shows the record; it must not store rounded or clamped values back.
    const QSignalBlocker b1(m_thickness), b2(m_alpha), b3(m_x), b4(m_y);
    m_enable->setChecked(m_record->EnableShadow);
    m_color->SetColor(m_record->ShadowColor);
    m_color->update();
    m_thickness->setValue(m_record->ShadowThickness);
    m_alpha->setValue(AlphaToPercent(m_record->ShadowAlpha));
    m_x->setValue(m_record->ShadowOffsetX);
    m_y->setValue(m_record->ShadowOffsetY);
    SetShadowEnable(m_record->EnableShadow);
}

void VShadowMenuWidget::SetShadowEnable(bool on)
{
    QWidget* inputs[5] = {m_color, m_thickness, m_alpha, m_x, m_y};
    for (int i = 0; i < 5; ++i) {
        m_labels[i]->setEnabled(on);
        inputs[i]->setEnabled(on);
    }
}

void VShadowMenuWidget::onCheckShadowstateChanged(bool on)
{
    m_record->EnableShadow = on;
    SetShadowEnable(on);
    m_pending = true;
}

void VShadowMenuWidget::onColorShadowColorChanged(QColor color)
{
    m_record->ShadowColor = color;
    m_pending = true;
}

void VShadowMenuWidget::onSpinShadowThicknessvalueChanged(int value)
{
    m_record->ShadowThickness = value;
    m_pending = true;
}

void VShadowMenuWidget::onSpinShadowAlphavalueChanged(int percent)
{
    m_record->ShadowAlpha = PercentToAlpha(percent);
    m_pending = true;
}

void VShadowMenuWidget::onSpinShadowOffsetXvalueChanged(int value)
{
    m_record->ShadowOffsetX = value;
    m_pending = true;
}

void VShadowMenuWidget::onSpinShadowOffsetYvalueChanged(int value)
{
    m_record->ShadowOffsetY = value;
    m_pending = true;
}

void VShadowMenuWidget::onUpdateUI()
{
    if (!m_pending)
        return;
    m_pending = false;
    emit sigUpdateText(m_record);
}
