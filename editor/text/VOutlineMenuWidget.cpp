#include "VOutlineMenuWidget.h"

#include "CWordArtInfo.h"
#include "QColorCombox.h"
#include "TextMenuControls.h"
#include "VFuncTextPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

using namespace TextMenuControls;

VOutlineMenuWidget::VOutlineMenuWidget(CWordArtInfo* record, QWidget* parent)
    : QWidget(parent)
    , m_parent(parent)
    , m_record(record)
{
    InitOutline();
    const auto spinValue = qOverload<int>(&QSpinBox::valueChanged);
    connect(m_color1, &QColorCombox::sigColorChanged, this, &VOutlineMenuWidget::onColorOutlineColor1Changed);
    connect(m_thickness1, spinValue, this, &VOutlineMenuWidget::onSpinOutlineThickness1valueChanged);
    connect(m_alpha1, spinValue, this, &VOutlineMenuWidget::onSpinOutlineAlpha1valueChanged);
    connect(m_color2, &QColorCombox::sigColorChanged, this, &VOutlineMenuWidget::onColorOutlineColor2Changed);
    connect(m_thickness2, spinValue, this, &VOutlineMenuWidget::onSpinOutlineThickness2valueChanged);
    connect(m_alpha2, spinValue, this, &VOutlineMenuWidget::onSpinOutlineAlpha2valueChanged);
    m_pending = false;
    m_timer = TextMenuControls::StartUpdateTimer(this);
}

void VOutlineMenuWidget::InitOutline()
{
    QGridLayout* grid = MakePanelLayout(this);
    const QString captions[6] = {tr("Outline Color1"), tr("Thickness1"), tr("Alpha1"),
                                 tr("Outline Color2"), tr("Thickness2"), tr("Alpha2")};
    for (int row = 0; row < 6; ++row)
        m_labels[row] = new QLabel(captions[row], this);
    m_color1 = MakeColorBox(this, "colorOutline1");
    m_thickness1 = MakeSpin(this, "spinOutlineThickness1", 999);
    m_alpha1 = MakeSpin(this, "spinOutlineAlpha1", 100);
    m_color2 = MakeColorBox(this, "colorOutline2");
    m_thickness2 = MakeSpin(this, "spinOutlineThickness2", 999);
    m_alpha2 = MakeSpin(this, "spinOutlineAlpha2", 100);
    QWidget* inputs[6] = {m_color1, m_thickness1, m_alpha1, m_color2, m_thickness2, m_alpha2};
    for (int row = 0; row < 6; ++row) {
        grid->addWidget(m_labels[row], row, 0);
        grid->addWidget(inputs[row], row, 1, Qt::AlignLeft);
    }
    FillFromRecord();
}

void VOutlineMenuWidget::FillFromRecord()
{
    // Filling shows the record; it must not store rounded or clamped values back.
    const QSignalBlocker b1(m_thickness1), b2(m_alpha1), b3(m_thickness2), b4(m_alpha2);
    m_color1->SetColor(m_record->OutlineColor1);
    m_thickness1->setValue(m_record->OutlineThickness1);
    m_alpha1->setValue(AlphaToPercent(m_record->OutlineAlpha1));
    m_color2->SetColor(m_record->OutlineColor2);
    m_thickness2->setValue(m_record->OutlineThickness2);
    m_alpha2->setValue(AlphaToPercent(m_record->OutlineAlpha2));
    m_color1->update();
    m_color2->update();
}

void VOutlineMenuWidget::SetRowsVisible(int first, int last, bool visible)
{
    QWidget* inputs[6] = {m_color1, m_thickness1, m_alpha1, m_color2, m_thickness2, m_alpha2};
    for (int row = first; row <= last; ++row) {
        m_labels[row]->setVisible(visible);
        inputs[row]->setVisible(visible);
    }
}

void VOutlineMenuWidget::UpdateUI()
{
    switch (m_record->TextEffect) {
    case TE_GLOW:
    case TE_OUTLINE:
    case TE_ONLY_OUTLINE:
        SetRowsVisible(0, 2, true);
        SetRowsVisible(3, 5, false);
        break;
    case TE_DBL_OUTLINE:
    case TE_GRAD_OUTLINE:
    case TE_DBL_GLOW:
        SetRowsVisible(0, 5, true);
        break;
    case TE_NO_OUTLINE:
        SetRowsVisible(0, 5, false);
        break;
    default:
        break;
    }
    FillFromRecord();
}

void VOutlineMenuWidget::SetOnline1Enable(bool on)
{
    QWidget* inputs[3] = {m_color1, m_thickness1, m_alpha1};
    for (int row = 0; row < 3; ++row) {
        m_labels[row]->setEnabled(on);
        inputs[row]->setEnabled(on);
    }
}

void VOutlineMenuWidget::SetOnline2Enable(bool on)
{
    QWidget* inputs[3] = {m_color2, m_thickness2, m_alpha2};
    for (int row = 0; row < 3; ++row) {
        m_labels[row + 3]->setEnabled(on);
        inputs[row]->setEnabled(on);
    }
}

void VOutlineMenuWidget::onColorOutlineColor1Changed(QColor color)
{
    m_record->OutlineColor1 = color;
    emit sigUpdateText(m_record);
}

void VOutlineMenuWidget::onSpinOutlineThickness1valueChanged(int value)
{
    m_record->OutlineThickness1 = value;
    m_pending = true;
}

void VOutlineMenuWidget::onSpinOutlineAlpha1valueChanged(int percent)
{
    m_record->OutlineAlpha1 = static_cast<unsigned char>(PercentToAlpha(percent));
    m_pending = true;
}

void VOutlineMenuWidget::onColorOutlineColor2Changed(QColor color)
{
    m_record->OutlineColor2 = color;
    m_pending = true;
}

void VOutlineMenuWidget::onSpinOutlineThickness2valueChanged(int value)
{
    m_record->OutlineThickness2 = value;
    m_pending = true;
}

void VOutlineMenuWidget::onSpinOutlineAlpha2valueChanged(int percent)
{
    m_record->OutlineAlpha2 = static_cast<unsigned char>(PercentToAlpha(percent));
    m_pending = true;
}

void VOutlineMenuWidget::onUpdateUI()
{
    if (!m_pending)
        return;
    m_pending = false;
    emit sigUpdateText(m_record);
}
