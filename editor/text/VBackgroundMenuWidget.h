#pragma once
// Drop-down panel of the effect page: the box drawn behind the text. Edits
// are reported on the next timer tick.
#include <QColor>
#include <QWidget>

class CWordArtInfo;
class QCheckBox;
class QColorCombox;
class QLabel;
class QSpinBox;
class QTimer;

class VBackgroundMenuWidget : public QWidget
{
    Q_OBJECT
public:
    VBackgroundMenuWidget(CWordArtInfo* record, QWidget* parent);

    void InitBackground();
    // Fills the controls from the record without writing back.
    void UpdateUI();
    void SetBackgroundEnable(bool on);
    void SetBackgroundDialogEnable(bool on);
    void SetTextEffect() {}
    void AddComboItem(const QString&) {}

signals:
    void sigUpdateText(CWordArtInfo* record);

public slots:
    void onCheckBackgroundstateChanged(bool on);
    void onColorBackgroundColorChanged(QColor color);
    void onSpinBackgroundAlphavalueChanged(int percent);
    void onSpinBackgroundThicknessvalueChanged(int value);
    void onSpinBackgroundRoundvalueChanged(int value);
    void onCheckDialogstateChanged(bool on);
    void onComboBoxDialogChange(int index);
    void onUpdateUI();

private:
    QTimer* m_timer = nullptr;
    bool m_pending = false;
    QWidget* m_parent = nullptr;
    CWordArtInfo* m_record = nullptr;
    QCheckBox* m_enable = nullptr;
    QLabel* m_labels[4] = {};
    QColorCombox* m_color = nullptr;
    QSpinBox* m_alpha = nullptr;
    QSpinBox* m_thickness = nullptr;
    QSpinBox* m_round = nullptr;
};
