#pragma once
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>
#include <QWidget>

class QTableWidget;

// The layer dock's panel: order buttons, the motion, fade and opacity
// controls of the selected layers, and the table of layers.
class LayeredManageWidget : public QWidget
{
    Q_OBJECT
public:
    explicit LayeredManageWidget(QWidget* parent = nullptr);
    ~LayeredManageWidget() override;

    QSize sizeHint() const override;
    void Retranslate();

    QToolButton m_btnUp;
    QToolButton m_btnDown;
    QLabel m_labelTransparent;
    QSpinBox m_spinTransparent;
    QLabel m_labelAnimation;
    QComboBox m_comboAnimation;
    QLabel m_labelSpeed;
    QSpinBox m_spinSpeed;
    QLabel m_labelFade;
    QComboBox m_comboFade;
    QTableWidget* m_table = nullptr;
};
