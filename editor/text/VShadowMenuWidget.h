#pragma once
// Drop-down panel of the effect page: the drop shadow. Edits are reported on
// the next timer tick.
#include <QColor>
#include <QWidget>

class CWordArtInfo;
class QCheckBox;
class QColorCombox;
class QLabel;
class QSpinBox;
class QTimer;

class VShadowMenuWidget : public QWidget
{
    Q_OBJECT
public:
    VShadowMenuWidget(CWordArtInfo* record, QWidget* parent);

    void InitShadow();
    // Fills the controls from the record without writing back.
    void UpdateUI();
    void SetShadowEnable(bool on);

signals:
    void sigUpdateText(CWordArtInfo* record);

public slots:
    void onCheckShadowstateChanged(bool on);
    void onColorShadowColorChanged(QColor color);
    void onSpinShadowThicknessvalueChanged(int value);
    void onSpinShadowAlphavalueChanged(int percent);
    void onSpinShadowOffsetXvalueChanged(int value);
    void onSpinShadowOffsetYvalueChanged(int value);
    void onUpdateUI();

private:
    QTimer* m_timer = nullptr;
    bool m_pending = false;
    QWidget* m_parent = nullptr;
    CWordArtInfo* m_record = nullptr;
    QCheckBox* m_enable = nullptr;
    QLabel* m_labels[5] = {};
    QColorCombox* m_color = nullptr;
    QSpinBox* m_thickness = nullptr;
    QSpinBox* m_alpha = nullptr;
    QSpinBox* m_x = nullptr;
    QSpinBox* m_y = nullptr;
};
