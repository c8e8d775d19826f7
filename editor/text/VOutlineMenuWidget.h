#pragma once
// Drop-down panel of the effect page: the two outlines' colours, thicknesses
// and alphas (shown in percent). Colour 1 is reported at once, everything
// else on the next timer tick.
#include <QColor>
#include <QWidget>

class CWordArtInfo;
class QColorCombox;
class QLabel;
class QSpinBox;
class QTimer;

class VOutlineMenuWidget : public QWidget
{
    Q_OBJECT
public:
    VOutlineMenuWidget(CWordArtInfo* record, QWidget* parent);

    void InitOutline();
    // Shows the rows the record's effect uses and fills them from the record
    // without writing back.
    void UpdateUI();
    void SetOnline1Enable(bool on);
    void SetOnline2Enable(bool on);

signals:
    void sigUpdateText(CWordArtInfo* record);

public slots:
    void onColorOutlineColor1Changed(QColor color);
    void onSpinOutlineThickness1valueChanged(int value);
    void onSpinOutlineAlpha1valueChanged(int percent);
    void onColorOutlineColor2Changed(QColor color);
    void onSpinOutlineThickness2valueChanged(int value);
    void onSpinOutlineAlpha2valueChanged(int percent);
    void onUpdateUI();

private:
    void FillFromRecord();
    void SetRowsVisible(int first, int last, bool visible);

    QTimer* m_timer = nullptr;
    bool m_pending = false;
    QWidget* m_parent = nullptr;
    CWordArtInfo* m_record = nullptr;
    QLabel* m_labels[6] = {};
    QColorCombox* m_color1 = nullptr;
    QSpinBox* m_thickness1 = nullptr;
    QSpinBox* m_alpha1 = nullptr;
    QColorCombox* m_color2 = nullptr;
    QSpinBox* m_thickness2 = nullptr;
    QSpinBox* m_alpha2 = nullptr;
};
